#include <gtest/gtest.h>

#include <set>

#include "ui/panels.h"
#include "ui_fixture.h"

namespace gnamm {
namespace {

class Uscita : public test_ui::UiTest {
  protected:
    void SetUp() override {
        avviaConNome("Ugo");
        g.click({TargetKind::Pannelli, 1});
        media.clear();
    }
};

TEST_F(Uscita, NoWithCommentsOnMakesZebSayBravo) {
    g.opzioni.commentiZeb = true;
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

TEST_F(Uscita, NoWithNothingToSayOnlyCloses) {
    g.opzioni.commentiZeb = false;
    g.opzioni.rumoriCarte = false;
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
}

TEST_F(Uscita, SiSaysGoodbyeAndEndsTheProgramAfterASecondAndAHalf) {
    g.opzioni.commentiZeb = true;
    g.persona.assoBevuto = 1;
    g.scheduler.setInterval(Timer::RitardoMossaPC, 600);
    g.scheduler.enable(Timer::RitardoMossaPC);
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
    g.opzioni.commentiZeb = true;
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

class Livelli : public test_ui::UiTest {
  protected:
    void SetUp() override {
        avviaConNome("Ugo");
        g.opzioni.commentiZeb = true;
    }
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

TEST_F(Livelli, TheNameOrADigitKeyChoosesTheLevelToo) {
    g.key(Key::Digit2);
    EXPECT_EQ(g.livello, Livello::Cunning);
    EXPECT_EQ(g.screen.lblCommenti.text, "Gnamm!");
    g.key(Key::Digit1);  // the level panel is closed now: the key does nothing
    EXPECT_EQ(g.livello, Livello::Cunning);
    g.click({TargetKind::Abilita, 0});
    g.click({TargetKind::Livello, 2});
    EXPECT_EQ(g.livello, Livello::Honest);
    EXPECT_TRUE(g.screen.ShpElementoGrafico[4].visible);
}

TEST_F(Livelli, ThePhotoChoosesTheLevelAndStartsAGioco) {
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

TEST_F(Livelli, TheButtonAndEnterTakeTheLevelWhoseFrameIsShown) {
    g.pannelli.livelloEvidenziato = Livello::Cheat;
    g.key(Key::Enter);
    EXPECT_EQ(g.livello, Livello::Cheat);
    EXPECT_FALSE(g.screen.FraPannello[4].visible);
    EXPECT_EQ(g.screen.ImgRiquadro[0].picture, "\\Foto\\Foto23.jpg");
}

TEST_F(Livelli, TheButtonWithNoFrameAndNoLevelStartsNothing) {
    g.pannelli.livelloEvidenziato = Livello::None;
    g.click({TargetKind::CmdLivello, 0});
    EXPECT_EQ(g.livello, Livello::None);
    EXPECT_TRUE(g.screen.FraPannello[4].visible);
    EXPECT_FALSE(g.scheduler.isEnabled(Timer::Scegli4CarteSulTavolo));
}

TEST_F(Livelli, ALevelChosenDuringAGiocoDealsAgainWithEveryCardAndNoOldTimer) {
    g.opzioni.commentiZeb = false;
    ScegliLivello(g, Livello::Honest);
    avanza(1300);  // the four table cards and some hand cards are down
    ASSERT_LT(g.tavolo.carteRimasteNelMazzo, 40);
    // A Punto Gnamm already scored in this Gioco, and Zeb about to move.
    g.punteggi.h.puntiGiocoInCorso = 1;
    g.punteggi.h.puntiGnamm = 1;
    g.punteggi.h.puntiPartita = 6;
    g.scheduler.setInterval(Timer::RitardoMossaPC, 600);
    g.scheduler.enable(Timer::RitardoMossaPC);
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

TEST_F(Livelli, ALevelChosenInThePauseAfterAGiocoWaitsForTheNextDeal) {
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
