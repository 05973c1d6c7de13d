// The bar panels: the rules viewer, one panel at a time, the exit question with its farewell, and
// the level choice.
#include "ui/panels.h"

#include <gtest/gtest.h>

#include <set>

#include "ui/rules_text.h"
#include "ui_fixture.h"

namespace gnamm {
namespace {

TEST(RulesText, EveryPageHasItsNumberedTitleAndANumberOutOfRangeShowsTheFirst) {
    for (int p = 1; p <= kPagineRegole; ++p) {
        EXPECT_TRUE(PaginaDelleRegole(p).titolo.starts_with(std::to_string(p) + " - ")) << p;
    }
    EXPECT_EQ(PaginaDelleRegole(0).titolo, PaginaDelleRegole(1).titolo);
    EXPECT_EQ(PaginaDelleRegole(13).titolo, PaginaDelleRegole(1).titolo);
}

class Pannelli : public test_ui::UiTest {
  protected:
    void SetUp() override { avviaConNome(); }
    void clickVoce(int k) { g.click({TargetKind::Pannelli, k}); }
    // Every card of the deck, found once: the deck pool still to deal and the card places.
    void contaCarte() {
        std::multiset<int> viste;
        for (int p = 1; p < kNumeroPosti; ++p) {
            if (!g.tavolo.carta[p].empty()) viste.insert(g.tavolo.carta[p].deckPosition());
        }
        for (int k = 1; k <= 40; ++k) {
            if (!g.tavolo.distribuita[k] && !g.tavolo.carteDaGiocare[k].empty()) {
                viste.insert(g.tavolo.carteDaGiocare[k].deckPosition());
            }
        }
        EXPECT_EQ(viste.size(), 40u);
        EXPECT_EQ(std::set<int>(viste.begin(), viste.end()).size(), viste.size());
    }
};

TEST_F(Pannelli, TheRulesViewerWrapsKeepsItsPageLightsItsArrowsAndAnswersTheKeys) {
    clickVoce(0);
    EXPECT_TRUE(g.screen.FraPannello[0].visible);
    EXPECT_EQ(g.screen.lblRegole[6].text, "1");
    g.click({TargetKind::Regole, 0});  // previous from page 1
    EXPECT_EQ(g.screen.lblRegole[6].text, "12");
    EXPECT_EQ(g.screen.lblRegole[0].rect.y, PaginaDelleRegole(12).topTesto);
    g.click({TargetKind::Regole, 1});  // next from page 12
    EXPECT_EQ(g.screen.lblRegole[6].text, "1");
    g.click({TargetKind::Regole, 1});
    g.click({TargetKind::Regole, 1});

    clickVoce(0);
    EXPECT_FALSE(g.screen.FraPannello[0].visible);
    clickVoce(0);
    EXPECT_EQ(g.screen.lblRegole[6].text, "3");
    EXPECT_EQ(g.screen.lblRegole[5].text, "3 - Preparazione del Gioco");
    EXPECT_EQ(g.screen.lblRegole[0].text, PaginaDelleRegole(3).testo);

    g.mouseDown({TargetKind::Regole, 0});
    EXPECT_EQ(g.screen.lblRegole[4].back, colors::kGreen);
    g.mouseUp({TargetKind::Regole, 0});
    EXPECT_EQ(g.screen.lblRegole[4].back, colors::kWhite);
    g.mouseDown({TargetKind::Regole, 1});
    EXPECT_EQ(g.screen.lblRegole[3].back, colors::kRed);
    EXPECT_EQ(g.screen.lblRegole[4].back, colors::kWhite);
    g.mouseUp({TargetKind::None, 0});  // released elsewhere
    EXPECT_EQ(g.screen.lblRegole[3].back, colors::kWhite);
    // Escape and F1 open the exit question and the rules, at the page kept.
    g.key(Key::Escape);
    EXPECT_TRUE(g.screen.FraPannello[1].visible);
    g.key(Key::F1);
    EXPECT_TRUE(g.screen.FraPannello[0].visible);
    EXPECT_FALSE(g.screen.FraPannello[1].visible);
    g.key(Key::Right);
    EXPECT_EQ(g.screen.lblRegole[6].text, "4");
}

TEST_F(Pannelli, OneBarPanelAtATimeWithItsCaptionGreenAndTheCardsCovered) {
    g.opzioni.coloreTavolo = ColoreTavolo::Gold;
    g.screen.windowBack = {193, 181, 138};
    clickVoce(2);
    EXPECT_TRUE(g.screen.FraPannello[2].visible);
    EXPECT_EQ(g.screen.lblPannelli[2].fore, colors::kGreen);
    EXPECT_TRUE(g.screen.lblCopriCarte.visible);
    EXPECT_EQ(g.screen.lblCopriCarte.back, g.screen.windowBack);
    EXPECT_EQ(g.screen.FraPannello[2].back, g.screen.windowBack);

    g.mouseMove({TargetKind::VoceOpzioni, 4});
    clickVoce(1);  // the exit question replaces the options
    EXPECT_FALSE(g.screen.FraPannello[2].visible);
    EXPECT_EQ(g.screen.lblPannelli[2].fore, colors::kWhite);
    EXPECT_TRUE(g.screen.FraPannello[1].visible);
    EXPECT_EQ(g.screen.lblPannelli[1].fore, colors::kGreen);
    EXPECT_EQ(g.screen.ImgEsci[0].picture, "\\Carte\\Ap.jpg");
    EXPECT_EQ(g.screen.ImgEsci[1].picture, "\\Carte\\Ac.jpg");

    clickVoce(1);  // and closes with its own caption
    EXPECT_FALSE(g.screen.FraPannello[1].visible);
    EXPECT_FALSE(g.screen.lblCopriCarte.visible);
    EXPECT_EQ(g.pannelli.selezione, 16);
    EXPECT_FALSE(g.screen.lblOpzioni[4].opaque);
}

TEST_F(Pannelli, SideBoxTogglesShowHideAndAreSaved) {
    ASSERT_TRUE(g.screen.FraRiquadro[2].visible);
    g.click({TargetKind::Riquadri, 2});
    EXPECT_FALSE(g.screen.FraRiquadro[2].visible);
    EXPECT_FALSE(g.screen.lblRiquadri[2].border);
    EXPECT_FALSE(data::LoadSettings(dati.dati()).value.riquadri[2].shown);
    EXPECT_EQ(data::LoadSettings(dati.dati()).value.riquadri[2].borderStyle, 0);
    g.click({TargetKind::Riquadri, 2});
    EXPECT_TRUE(g.screen.FraRiquadro[2].visible);
    EXPECT_TRUE(g.screen.lblRiquadri[2].border);
    EXPECT_TRUE(data::LoadSettings(dati.dati()).value.riquadri[2].shown);
}

class Uscita : public test_ui::UiTest {
  protected:
    void SetUp() override {
        avviaConNome();
        g.click({TargetKind::Pannelli, 1});
        media.clear();
    }
};

TEST_F(Uscita, NoOnlyClosesWithNothingToSayElseZebSaysBravo) {
    g.opzioni.commentiZeb = false;
    g.click({TargetKind::Uscita, 1});
    EXPECT_FALSE(g.screen.FraPannello[1].visible);
    EXPECT_FALSE(g.suoni.spia.busy);
    EXPECT_TRUE(media.log().empty());

    // With comments on but a sound holding the indicator during a Gioco: only closes too.
    g.click({TargetKind::Pannelli, 1});
    g.opzioni.commentiZeb = true;
    g.suoni.spia.busy = true;
    g.tavolo.carteRimasteNelMazzo = 24;
    g.click({TargetKind::Uscita, 1});
    EXPECT_FALSE(g.screen.FraPannello[1].visible);
    EXPECT_TRUE(media.played(Channel::Commenti).empty());
    EXPECT_TRUE(g.suoni.spia.busy);

    // With the indicator free Zeb says "Bravo!".
    g.click({TargetKind::Pannelli, 1});
    g.suoni.spia.busy = false;
    g.click({TargetKind::Uscita, 1});
    EXPECT_FALSE(g.screen.FraPannello[1].visible);
    EXPECT_FALSE(g.screen.lblCopriCarte.visible);
    EXPECT_EQ(g.screen.lblPannelli[1].fore, colors::kWhite);
    EXPECT_EQ(g.screen.lblCommenti.text, "Bravo!");
    EXPECT_EQ(g.screen.ImgRiquadro[0].picture, "\\Foto\\Foto18.jpg");
    EXPECT_EQ(media.played(Channel::Commenti), std::vector<std::string>{"\\Zeb\\S03.wav"});
    EXPECT_TRUE(g.suoni.spia.busy);
    avanza(700);
    EXPECT_FALSE(g.screen.lblCommenti.visible);
    EXPECT_FALSE(g.suoni.spia.busy);
}

TEST_F(Uscita, SiSaysGoodbyeAndEndsTheProgramAfterASecondAndAHalf) {
    g.persona.assoBevuto = 1;
    g.scheduler.start(Timer::RitardoMossaPC, 600);
    g.click({TargetKind::Uscita, 0});
    EXPECT_EQ(g.screen.lblRegole[14].text, "Bye-Bye, Ugo!");
    EXPECT_EQ(g.screen.lblCommenti.text, "A presto, figliolo!!");
    EXPECT_EQ(g.screen.ImgRiquadro[0].picture, "\\Foto\\Foto19.jpg");
    EXPECT_EQ(media.played(Channel::Commenti), std::vector<std::string>{"\\Zeb\\S26.wav"});
    EXPECT_TRUE(g.suoni.spia.busy);
    // Nothing of the table may move during the farewell.
    EXPECT_FALSE(g.scheduler.isEnabled(Timer::RitardoMossaPC));
    g.click({TargetKind::Pannelli, 0});
    EXPECT_FALSE(g.screen.FraPannello[0].visible);

    avanza(1499);
    EXPECT_FALSE(g.finished);
    avanza(1);
    EXPECT_TRUE(g.finished);
}

TEST_F(Uscita, TheOtherFarewellFollowsTheLastAceLine) {
    g.persona.assoBevuto = 2;
    g.click({TargetKind::Uscita, 0});
    EXPECT_EQ(g.screen.lblCommenti.text, "Ti saluto!!");
    EXPECT_EQ(g.screen.ImgFumetto.picture, "\\Grafica\\Fumetto3.gif");
}

TEST_F(Uscita, SiWithCommentsOffIsSilentAndStillEnds) {
    g.opzioni.commentiZeb = false;
    g.click({TargetKind::Uscita, 0});
    EXPECT_TRUE(media.played(Channel::Commenti).empty());
    avanza(1500);
    EXPECT_TRUE(g.finished);
}

TEST_F(Pannelli, TheNameOrADigitKeyChoosesTheLevelAndAbilitaShowsAndHidesThePanel) {
    g.key(Key::Digit2);
    EXPECT_EQ(g.livello, Livello::Cunning);
    EXPECT_EQ(g.screen.lblCommenti.text, "Gnamm!");
    g.key(Key::Digit1);  // the level panel is closed now: the key does nothing
    EXPECT_EQ(g.livello, Livello::Cunning);
    g.click({TargetKind::Abilita, 0});
    g.click({TargetKind::Livello, 2});
    EXPECT_EQ(g.livello, Livello::Honest);
    EXPECT_TRUE(g.screen.ShpElementoGrafico[4].visible);
    ASSERT_FALSE(g.screen.FraPannello[4].visible);
    g.screen.windowBack = {158, 184, 148};
    g.click({TargetKind::Abilita, 0});
    EXPECT_TRUE(g.screen.FraPannello[4].visible);
    EXPECT_EQ(g.screen.FraPannello[4].back, g.screen.windowBack);
    g.click({TargetKind::Abilita, 0});
    EXPECT_FALSE(g.screen.FraPannello[4].visible);
}

TEST_F(Pannelli, ThePhotoChoosesTheLevelAndStartsAGioco) {
    g.click({TargetKind::NonnoZeb, 0});
    EXPECT_EQ(g.livello, Livello::Cheat);
    EXPECT_TRUE(g.screen.ShpElementoGrafico[2].visible);
    EXPECT_FALSE(g.screen.ShpElementoGrafico[3].visible);
    EXPECT_FALSE(g.screen.FraPannello[4].visible);
    EXPECT_TRUE(g.screen.lblRegole[17].visible);
    EXPECT_FALSE(g.scheduler.isEnabled(Timer::LampeggiaScritta2));
    EXPECT_EQ(g.screen.lblCommenti.text, "He-he-he...");
    EXPECT_TRUE(g.scheduler.isEnabled(Timer::Scegli4CarteSulTavolo));
}

TEST_F(Pannelli, TheButtonAndEnterTakeTheLevelWhoseFrameIsShownIfAny) {
    g.pannelli.livelloEvidenziato = Livello::None;
    g.click({TargetKind::CmdLivello, 0});
    EXPECT_EQ(g.livello, Livello::None);
    EXPECT_TRUE(g.screen.FraPannello[4].visible);
    EXPECT_FALSE(g.scheduler.isEnabled(Timer::Scegli4CarteSulTavolo));
    g.pannelli.livelloEvidenziato = Livello::Cheat;
    g.key(Key::Enter);
    EXPECT_EQ(g.livello, Livello::Cheat);
    EXPECT_FALSE(g.screen.FraPannello[4].visible);
    EXPECT_EQ(g.screen.ImgRiquadro[0].picture, "\\Foto\\Foto23.jpg");
}

TEST_F(Pannelli, ALevelChosenDuringAGiocoDealsAgainWithEveryCardAndNoOldTimer) {
    g.opzioni.commentiZeb = false;
    ScegliLivello(g, Livello::Honest);
    avanza(1300);  // the four table cards and some hand cards are down
    ASSERT_LT(g.tavolo.carteRimasteNelMazzo, 40);
    // A Punto Gnamm already scored in this Gioco, and Zeb about to move.
    g.punteggi.h.puntiGiocoInCorso = 1;
    g.punteggi.h.puntiGnamm = 1;
    g.punteggi.h.puntiPartita = 6;
    g.scheduler.start(Timer::RitardoMossaPC, 600);
    const Player mazziere = g.tavolo.mazziere;
    g.click({TargetKind::Abilita, 0});
    g.click({TargetKind::NonnoZeb, 1});
    EXPECT_EQ(g.livello, Livello::Cunning);
    EXPECT_FALSE(g.scheduler.isEnabled(Timer::RitardoMossaPC));
    EXPECT_EQ(g.punteggi.h.puntiPartita, 5);
    EXPECT_EQ(g.punteggi.h.puntiGnamm, 0);
    EXPECT_EQ(g.tavolo.mazziere, mazziere);
    contaCarte();
    avanza(5000);
    EXPECT_EQ(g.tavolo.carteRimasteNelMazzo, 30);
    EXPECT_EQ(g.tavolo.numeroCarteSulTavolo, 4);
    contaCarte();
}

TEST_F(Pannelli, ALevelChosenInThePauseAfterAGiocoWaitsForTheNextDeal) {
    g.vista.FraQuando.visible = true;
    g.tavolo.carteRimasteNelMazzo = 0;
    g.click({TargetKind::Abilita, 0});
    g.click({TargetKind::Livello, 0});
    EXPECT_EQ(g.livello, Livello::Cheat);
    EXPECT_FALSE(g.scheduler.isEnabled(Timer::Scegli4CarteSulTavolo));
    EXPECT_TRUE(g.screen.FraQuando.visible);
}

}  // namespace
}  // namespace gnamm
