// The bar panels: the rules viewer, one panel at a time, the exit question with its farewell,
// the level choice, and the options.
#include "ui/panels.h"

#include <gtest/gtest.h>

#include <set>

#include "data/data_files.h"
#include "game/table_model.h"
#include "ui/instructions_view.h"
#include "ui/options_panel.h"
#include "ui/panels_layout.h"
#include "ui/rules_text.h"
#include "ui_fixture.h"

namespace gnamm {
namespace {

TEST(RulesText, EveryPageHasItsNumberedTitleAndANumberOutOfRangeShowsTheFirst) {
    for (int p = 1; p <= kPagineRegole; ++p) {
        EXPECT_TRUE(PaginaDelleRegole(p).titolo.starts_with(std::to_string(p) + " - ")) << p;
    }
    EXPECT_EQ(PaginaDelleRegole(0).titolo, PaginaDelleRegole(1).titolo);
    EXPECT_EQ(PaginaDelleRegole(14).titolo, PaginaDelleRegole(1).titolo);
    // The last page names every symbol and colour of the scoreboard.
    for (const char* parola :
         {"'6'", "'>'", "colonna Z", "colonna *", "azzurro", "rosso", "striscia", "rosa"}) {
        EXPECT_NE(PaginaDelleRegole(kPagineRegole).testo.find(parola), std::string_view::npos)
            << parola;
    }
}

class Pannelli : public test_ui::UiTest {
  protected:
    void SetUp() override { avviaConNome(); }
    void clickVoce(int k) { g.click({TargetKind::Pannelli, k}); }
    // Every card of the deck, found once: the deck pool still to deal and the card places.
    void contaCarte() {
        std::multiset<int> viste;
        for (int p = 1; p < kNumeroPosti; ++p) {
            if (!g.game.tavolo.carta[p].empty())
                viste.insert(g.game.tavolo.carta[p].deckPosition());
        }
        for (int k = 1; k <= 40; ++k) {
            if (!g.game.tavolo.distribuita[k] && !g.game.tavolo.carteDaGiocare[k].empty()) {
                viste.insert(g.game.tavolo.carteDaGiocare[k].deckPosition());
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
    EXPECT_EQ(std::tuple(g.screen.lblRegole[6].text, g.screen.lblRegole[5].text),
              std::tuple("13", "13 - Il Tabellone dei punti"));
    EXPECT_EQ(g.screen.lblRegole[0].rect.y, PaginaDelleRegole(13).topTesto);
    g.click({TargetKind::Regole, 1});  // next from page 13
    EXPECT_EQ(g.screen.lblRegole[6].text, "1");
    g.click({TargetKind::Regole, 1});
    g.click({TargetKind::Regole, 1});

    clickVoce(0);
    EXPECT_FALSE(g.screen.FraPannello[0].visible);
    clickVoce(0);
    EXPECT_EQ(std::tuple(g.screen.lblRegole[6].text, g.screen.lblRegole[5].text,
                         g.screen.lblRegole[0].text),
              std::tuple("3", "3 - Preparazione del Gioco", PaginaDelleRegole(3).testo));

    g.mouseDown({TargetKind::Regole, 0});
    EXPECT_EQ(g.screen.lblRegole[4].back, colors::kGreen);
    g.mouseUp({TargetKind::Regole, 0});
    EXPECT_EQ(g.screen.lblRegole[4].back, colors::kWhite);
    g.mouseDown({TargetKind::Regole, 1});
    EXPECT_EQ(std::tuple(g.screen.lblRegole[3].back, g.screen.lblRegole[4].back),
              std::tuple(colors::kRed, colors::kWhite));
    g.mouseUp({TargetKind::None, 0});  // released elsewhere
    EXPECT_EQ(g.screen.lblRegole[3].back, colors::kWhite);
    // Escape and F1 open the exit question and the rules, at the page kept.
    g.key(Key::Escape);
    EXPECT_TRUE(g.screen.FraPannello[1].visible);
    g.key(Key::F1);
    EXPECT_TRUE(g.screen.FraPannello[0].visible && !g.screen.FraPannello[1].visible);
    g.key(Key::Right);
    EXPECT_EQ(g.screen.lblRegole[6].text, "4");
}

TEST_F(Pannelli, OneBarPanelAtATimeWithItsCaptionGreenAndTheCardsCovered) {
    g.game.opzioni.coloreTavolo = ColoreTavolo::Gold;
    g.screen.windowBack = {193, 181, 138};
    clickVoce(2);
    EXPECT_TRUE(g.screen.FraPannello[2].visible && g.screen.lblCopriCarte.visible);
    EXPECT_EQ(std::tuple(g.screen.lblPannelli[2].fore, g.screen.lblCopriCarte.back,
                         g.screen.FraPannello[2].back),
              std::tuple(colors::kGreen, g.screen.windowBack, g.screen.windowBack));

    g.mouseMove({TargetKind::VoceOpzioni, 4});
    clickVoce(1);  // the exit question replaces the options
    EXPECT_TRUE(!g.screen.FraPannello[2].visible && g.screen.FraPannello[1].visible);
    EXPECT_EQ(std::tuple(g.screen.lblPannelli[2].fore, g.screen.lblPannelli[1].fore,
                         g.screen.ImgEsci[0].picture, g.screen.ImgEsci[1].picture),
              std::tuple(colors::kWhite, colors::kGreen, "\\Carte\\Ap.jpg", "\\Carte\\Ac.jpg"));

    clickVoce(1);  // and closes with its own caption
    EXPECT_FALSE(g.screen.FraPannello[1].visible || g.screen.lblCopriCarte.visible ||
                 g.screen.lblOpzioni[4].opaque);
    EXPECT_EQ(g.pannelli.selezione, kNessunaSelezione);
}

TEST_F(Pannelli, SideBoxTogglesShowHideAndAreSaved) {
    ASSERT_TRUE(g.screen.FraRiquadro[2].visible);
    const auto salvato = [this] { return data::LoadSettings(dati.dati()).value.riquadri[2]; };
    g.click({TargetKind::Riquadri, 2});
    EXPECT_FALSE(g.screen.FraRiquadro[2].visible || g.screen.lblRiquadri[2].border);
    EXPECT_TRUE(!salvato().shown && salvato().borderStyle == 0);
    g.click({TargetKind::Riquadri, 2});
    EXPECT_TRUE(g.screen.FraRiquadro[2].visible && g.screen.lblRiquadri[2].border);
    EXPECT_TRUE(salvato().shown);
}

// Notices wait in turn in their box, each said once; Escape or a click on the box closes the
// one on show before anything else, and clicks elsewhere go on as usual.
TEST_F(Pannelli, NoticesShowOneAtATimeAndEscapeOrAClickClosesThem) {
    const Screen& s = g.screen;
    g.game.avvisi.scriviStderr = false;
    for (const char* a : {"Primo avviso", "Secondo avviso", "Primo avviso"})
        g.game.avvisi.aggiungi(a);
    g.click({TargetKind::Pannelli, 0});  // the rules open under the notice
    EXPECT_TRUE(s.FraPannello[0].visible && s.FraAvviso.visible);
    EXPECT_EQ(std::tuple(s.lblAvviso.text, s.lblChiudiAvviso.text),
              std::tuple("Primo avviso", "Esc o clic per il prossimo (ancora 1)"));
    g.key(Key::Escape);
    EXPECT_EQ(std::tuple(s.lblAvviso.text, s.lblChiudiAvviso.text),
              std::tuple("Secondo avviso", "Esc o clic per chiudere"));
    EXPECT_FALSE(s.FraPannello[1].visible);
    g.click({TargetKind::Avviso, 0});
    EXPECT_FALSE(s.FraAvviso.visible);
    g.key(Key::Escape);  // no notice left: the exit question
    EXPECT_TRUE(s.FraPannello[1].visible);
    // At the table the box covers none of the cards, the panels, the prompt or Zeb's bubble.
    g.game.avvisi.aggiungi("Terzo avviso");
    RefreshScreen(g);
    const Rect a = s.FraAvviso.rect;
    const auto tocca = [&a](Rect r) {
        return a.x < r.x + r.w && r.x < a.x + a.w && a.y < r.y + r.h && r.y < a.y + a.h;
    };
    for (int p = 1; p < kNumeroPosti; ++p) {
        EXPECT_TRUE(p == kPostoSpare || !tocca(s.ShpContornoCarta[p].rect)) << p;
    }
    const Rect bolla = s.ImgFumetto.rect, zeb = s.FraRiquadro[3].rect;
    for (const Rect r : {kPannello, kCopriCarte, s.FraQuando.rect, s.FraCervello.rect,
                         Rect{zeb.x + bolla.x, zeb.y + bolla.y, bolla.w, bolla.h}}) {
        EXPECT_FALSE(tocca(r)) << r.x << "," << r.y;
    }
}

// The advice's outlines go with a change of "Colore carte": repainted in the new colour they
// would no longer be known for the advice's, and would stay for the rest of the Gioco.
TEST_F(Pannelli, TheAdviceGoesWhenTheCardColourChanges) {
    g.game.opzioni.commentiZeb = false;
    ScegliLivello(g, Livello::Honest);
    for (int i = 0; i < 400 && !g.consiglio.attivo; ++i) {
        avanza(100);
        g.key(Key::H);
    }
    ASSERT_TRUE(g.consiglio.attivo);
    const std::vector<int> segni = g.consiglio.segni;
    const std::string istruzione = TestoIstruzione(g.consiglio.istruzione);
    clickVoce(2);
    g.click({TargetKind::VoceOpzioni, 9});
    clickVoce(2);
    EXPECT_FALSE(g.consiglio.attivo);
    for (const int p : segni) EXPECT_FALSE(g.screen.ShpContornoCarta[p].visible) << p;
    EXPECT_EQ(g.screen.lblIstruzioni.text, istruzione);
}

// The name given and bar panel `k` open, its sounds forgotten.
template <int k>
class PannelloAperto : public test_ui::UiTest {
  protected:
    void SetUp() override {
        avviaConNome();
        g.click({TargetKind::Pannelli, k});
        media.clear();
    }
};
using Uscita = PannelloAperto<1>;

TEST_F(Uscita, NoOnlyClosesWithNothingToSayElseZebSaysBravo) {
    g.game.opzioni.commentiZeb = false;
    g.click({TargetKind::Uscita, 1});
    EXPECT_FALSE(g.screen.FraPannello[1].visible || g.game.spia.busy || !media.log().empty());

    // With comments on but a sound holding the indicator during a Gioco: only closes too.
    g.click({TargetKind::Pannelli, 1});
    g.game.opzioni.commentiZeb = true;
    g.game.spia.busy = true;
    g.game.tavolo.carteRimasteNelMazzo = 24;
    g.click({TargetKind::Uscita, 1});
    EXPECT_TRUE(!g.screen.FraPannello[1].visible && media.played(Channel::Commenti).empty() &&
                g.game.spia.busy);

    // With the indicator free Zeb says "Bravo!".
    g.click({TargetKind::Pannelli, 1});
    g.game.spia.busy = false;
    g.click({TargetKind::Uscita, 1});
    EXPECT_TRUE(!g.screen.FraPannello[1].visible && !g.screen.lblCopriCarte.visible &&
                g.game.spia.busy);
    EXPECT_EQ(std::tuple(g.screen.lblPannelli[1].fore, g.screen.lblCommenti.text,
                         g.screen.ImgRiquadro[0].picture, media.played(Channel::Commenti)),
              std::tuple(colors::kWhite, "Bravo!", "\\Foto\\Foto18.jpg",
                         std::vector<std::string>{"\\Zeb\\S03.wav"}));
    avanza(700);
    EXPECT_FALSE(g.screen.lblCommenti.visible || g.game.spia.busy);
}

TEST_F(Uscita, TheKeyNAnswersNoAndMeansNothingOnceTheQuestionIsGone) {
    g.key(Key::N);
    EXPECT_TRUE(!g.screen.FraPannello[1].visible && !g.pannelli.congedo &&
                g.screen.lblCommenti.text == "Bravo!");
    avanza(700);
    media.clear();
    g.key(Key::N);
    EXPECT_TRUE(!g.screen.FraPannello[1].visible && media.log().empty() && !g.game.spia.busy);
}

TEST_F(Uscita, SiSaysGoodbyeAndEndsTheProgramAfterASecondAndAHalf) {
    g.zeb.stato.assoBevuto = 1;
    g.game.scheduler.start(Timer::RitardoMossaPC, 600);
    g.click({TargetKind::Uscita, 0});
    EXPECT_EQ(std::tuple(g.screen.lblRegole[14].text, g.screen.lblCommenti.text,
                         g.screen.ImgRiquadro[0].picture, media.played(Channel::Commenti)),
              std::tuple("Bye-Bye, Ugo!", "A presto, figliolo!!", "\\Foto\\Foto19.jpg",
                         std::vector<std::string>{"\\Zeb\\S26.wav"}));
    // Nothing of the table may move during the farewell.
    EXPECT_TRUE(g.game.spia.busy && !g.game.scheduler.isEnabled(Timer::RitardoMossaPC));
    g.click({TargetKind::Pannelli, 0});
    EXPECT_FALSE(g.screen.FraPannello[0].visible);

    avanza(1499);
    EXPECT_FALSE(g.finished);
    avanza(1);
    EXPECT_TRUE(g.finished);
}

TEST_F(Uscita, TheOtherFarewellFollowsTheLastAceLine) {
    g.zeb.stato.assoBevuto = 2;
    g.click({TargetKind::Uscita, 0});
    EXPECT_EQ(g.screen.lblCommenti.text + " " + g.screen.ImgFumetto.picture,
              "Ti saluto!! \\Grafica\\Fumetto3.gif");
}

TEST_F(Uscita, SiWithCommentsOffIsSilentAndStillEnds) {
    g.game.opzioni.commentiZeb = false;
    g.click({TargetKind::Uscita, 0});
    EXPECT_TRUE(media.played(Channel::Commenti).empty());
    avanza(1500);
    EXPECT_TRUE(g.finished);
}

TEST_F(Pannelli, TheNameOrADigitKeyChoosesTheLevelAndAbilitaShowsAndHidesThePanel) {
    g.key(Key::Digit2);
    EXPECT_EQ(std::tuple(g.game.livello, g.screen.lblCommenti.text),
              std::tuple(Livello::Cunning, "Gnamm!"));
    g.key(Key::Digit1);  // the level panel is closed now: the key does nothing
    EXPECT_EQ(g.game.livello, Livello::Cunning);
    g.click({TargetKind::Abilita, 0});
    g.click({TargetKind::Livello, 2});
    EXPECT_TRUE(g.game.livello == Livello::Honest && g.screen.ShpElementoGrafico[4].visible);
    ASSERT_FALSE(g.screen.FraPannello[4].visible);
    g.screen.windowBack = {158, 184, 148};
    g.click({TargetKind::Abilita, 0});
    EXPECT_TRUE(g.screen.FraPannello[4].visible &&
                g.screen.FraPannello[4].back == g.screen.windowBack);
    g.click({TargetKind::Abilita, 0});
    EXPECT_FALSE(g.screen.FraPannello[4].visible);
}

TEST_F(Pannelli, ThePhotoChoosesTheLevelAndStartsAGioco) {
    g.click({TargetKind::NonnoZeb, 0});
    EXPECT_EQ(std::tuple(g.game.livello, g.screen.lblCommenti.text),
              std::tuple(Livello::Cheat, "He-he-he..."));
    EXPECT_TRUE(g.screen.ShpElementoGrafico[2].visible && !g.screen.ShpElementoGrafico[3].visible);
    EXPECT_TRUE(!g.screen.FraPannello[4].visible && g.screen.lblRegole[17].visible);
    EXPECT_FALSE(g.game.scheduler.isEnabled(Timer::LampeggiaScritta2));
    EXPECT_TRUE(g.game.scheduler.isEnabled(Timer::Scegli4CarteSulTavolo));
}

TEST_F(Pannelli, TheButtonAndEnterTakeTheLevelWhoseFrameIsShownIfAny) {
    g.pannelli.livelloEvidenziato = Livello::None;
    g.click({TargetKind::CmdLivello, 0});
    EXPECT_TRUE(g.game.livello == Livello::None && g.screen.FraPannello[4].visible &&
                !g.game.scheduler.isEnabled(Timer::Scegli4CarteSulTavolo));
    g.pannelli.livelloEvidenziato = Livello::Cheat;
    g.key(Key::Enter);
    EXPECT_EQ(std::tuple(g.game.livello, g.screen.FraPannello[4].visible,
                         g.screen.ImgRiquadro[0].picture),
              std::tuple(Livello::Cheat, false, "\\Foto\\Foto23.jpg"));
}

TEST_F(Pannelli, ALevelChosenDuringAGiocoDealsAgainWithEveryCardAndNoOldTimer) {
    g.game.opzioni.commentiZeb = false;
    ScegliLivello(g, Livello::Honest);
    avanza(1300);  // the four table cards and some hand cards are down
    ASSERT_LT(g.game.tavolo.carteRimasteNelMazzo, 40);
    // A Punto Gnamm already scored in this Gioco, and Zeb about to move.
    g.game.punteggi.h.puntiGiocoInCorso = 1;
    g.game.punteggi.h.puntiGnamm = 1;
    g.game.punteggi.h.puntiPartita = 6;
    g.game.scheduler.start(Timer::RitardoMossaPC, 600);
    const Player mazziere = g.game.tavolo.mazziere;
    g.click({TargetKind::Abilita, 0});
    g.click({TargetKind::NonnoZeb, 1});
    EXPECT_FALSE(g.game.scheduler.isEnabled(Timer::RitardoMossaPC));
    EXPECT_EQ(std::tuple(g.game.livello, g.game.punteggi.h.puntiPartita,
                         g.game.punteggi.h.puntiGnamm, g.game.tavolo.mazziere),
              std::tuple(Livello::Cunning, 5, 0, mazziere));
    contaCarte();
    avanza(5000);
    EXPECT_EQ(std::tuple(g.game.tavolo.carteRimasteNelMazzo, g.game.tavolo.numeroCarteSulTavolo),
              std::tuple(30, 4));
    contaCarte();
}

TEST_F(Pannelli, ALevelChosenInThePauseAfterAGiocoWaitsForTheNextDeal) {
    g.game.pausa.quando = true;
    g.game.tavolo.carteRimasteNelMazzo = 0;
    g.click({TargetKind::Abilita, 0});
    g.click({TargetKind::Livello, 0});
    EXPECT_TRUE(g.game.livello == Livello::Cheat && g.screen.FraQuando.visible &&
                !g.game.scheduler.isEnabled(Timer::Scegli4CarteSulTavolo));
}

class OpzioniPanel : public PannelloAperto<2> {
  protected:
    void clic(int i) { g.click({TargetKind::VoceOpzioni, i}); }
    int intervallo(Timer t) const { return g.game.scheduler.interval(t); }
};

TEST_F(OpzioniPanel, EachSpeedMovesItsTimers) {
    const Timer timers[] = {Timer::UltimeCarte, Timer::MuoviHAutomatico, Timer::ScompaionoCarteH};
    ASSERT_EQ(g.screen.lblOpzioni[0].text, "Middle");
    std::vector<int> medio;
    for (Timer t : timers) medio.push_back(intervallo(t));
    for (const char* velocita : {"High", "Low", "Middle"}) {
        clic(0);
        EXPECT_EQ(g.screen.lblOpzioni[0].text, velocita);
        for (std::size_t k = 0; k < medio.size(); ++k) {
            // High shortens every interval, Low lengthens it, Middle brings it back.
            EXPECT_EQ(intervallo(timers[k]) < medio[k], velocita[0] == 'H') << velocita << k;
            EXPECT_EQ(intervallo(timers[k]) > medio[k], velocita[0] == 'L') << velocita << k;
        }
    }
    clic(2);  // Zeb and the dealer move both of their timers
    EXPECT_EQ(std::tuple(intervallo(Timer::EffettuaMossaPC), intervallo(Timer::RitardoMossaPC)),
              std::tuple(400, 400));
    clic(14);
    clic(14);
    EXPECT_EQ(std::tuple(intervallo(Timer::Scegli6Carte), intervallo(Timer::Scegli4CarteSulTavolo)),
              std::tuple(300, 300));
}

TEST_F(OpzioniPanel, ImpatienceAndThePointingHandFollowTheTurn) {
    g.game.opzioni.impazienzaZeb = Impazienza::Quiet;
    g.game.opzioni.commentiZeb = false;
    clic(1);  // Impatient, but Zeb is silenced
    EXPECT_TRUE(intervallo(Timer::Impazienza) == 8000 &&
                !g.game.scheduler.isEnabled(Timer::Impazienza));
    g.game.opzioni.commentiZeb = true;
    g.game.tavolo.aChiTocca = Player::H;
    g.game.tavolo.carteInManoAdH = 2;
    clic(1);  // Very Impatient
    EXPECT_TRUE(intervallo(Timer::Impazienza) == 5000 &&
                g.game.scheduler.isEnabled(Timer::Impazienza));
    clic(1);  // Quiet
    EXPECT_FALSE(g.game.scheduler.isEnabled(Timer::Impazienza));
    clic(1);  // Impatient with Zeb talking
    EXPECT_TRUE(g.game.scheduler.isEnabled(Timer::Impazienza));
    clic(5);  // comments off: no more urging
    EXPECT_FALSE(g.game.opzioni.commentiZeb || g.game.scheduler.isEnabled(Timer::Impazienza));

    // Never urging a player with nothing to play.
    g.game.opzioni.impazienzaZeb = Impazienza::Quiet;
    g.game.opzioni.commentiZeb = true;
    g.game.tavolo.aChiTocca = Player::PC;  // Zeb's own turn
    g.game.tavolo.carteInManoAdH = 2;
    clic(1);
    EXPECT_FALSE(g.game.scheduler.isEnabled(Timer::Impazienza));
    g.game.tavolo.aChiTocca = Player::H;  // between Giochi: no card in hand
    g.game.tavolo.carteInManoAdH = 0;
    clic(1);
    clic(1);
    clic(1);
    EXPECT_EQ(g.game.opzioni.impazienzaZeb, Impazienza::Impatient);
    EXPECT_FALSE(g.game.scheduler.isEnabled(Timer::Impazienza));

    // The pointing hand shows at once, only on the human's turn.
    g.game.opzioni.mostraManina = false;
    g.game.tavolo.aChiTocca = Player::PC;
    clic(13);
    EXPECT_FALSE(g.screen.ImgManina.visible);
    clic(13);
    g.game.tavolo.aChiTocca = Player::H;
    clic(13);
    EXPECT_TRUE(g.screen.ImgManina.visible);
    clic(13);
    EXPECT_FALSE(g.screen.ImgManina.visible);
}

TEST_F(OpzioniPanel, ColoursAndBackRepaintEverythingPaintedLikeThem) {
    g.game.opzioni.coloreTavolo = ColoreTavolo::Blue;
    clic(8);
    const Rgb marrone{191, 160, 140};
    EXPECT_EQ(std::tuple(g.screen.lblOpzioni[8].text, g.screen.windowBack,
                         g.screen.lblCopriCarte.back, g.screen.FraQuando.back),
              std::tuple("Brown", marrone, marrone, marrone));
    for (const Element& e : g.screen.FraRiquadro) EXPECT_EQ(e.back, marrone);
    for (const Element& e : g.screen.FraPannello) EXPECT_EQ(e.back, marrone);
    // The card colour and back repaint the backs on show; a pick keeps its own colour.
    g.game.opzioni.coloreCarte = ColoreCarte::Blue;
    g.game.opzioni.retroCarte = Retro::Horse;
    g.game.tavolo.carta[2] = *Card::Parse("Kc");
    MostraRetro(g.game, 2);
    MostraCarta(g.game, 9, *Card::Parse("3c"));
    g.game.posti[9].segno = Segno::Scelta;
    clic(9);  // Grey
    const Rgb grigio{128, 128, 128};
    EXPECT_EQ(std::tuple(g.screen.ShpCarta[0].back, g.screen.ShpCarta[2].back,
                         g.screen.ShpCarta[9].back, g.screen.ShpContornoCarta[9].borderColor),
              std::tuple(grigio, grigio, colors::kWhite, colors::kPick));

    clic(10);  // Star
    EXPECT_EQ(g.screen.ImgCarta[0].picture, "\\Grafica\\Star.gif");
    EXPECT_EQ(g.screen.ImgCarta[2].picture, "\\Grafica\\Star.gif");
    EXPECT_FALSE(g.screen.ImgCarta[3].visible);
}

TEST_F(OpzioniPanel, EveryChangeIsSavedAtOnceAndTheHiddenBubbleNeverChanges) {
    clic(11);
    clic(3);
    clic(4);  // saloon on restarts the ambience
    EXPECT_TRUE(g.game.scheduler.isEnabled(Timer::DurataAmbiente));
    clic(7);
    EXPECT_TRUE(g.game.opzioni.fumettoZeb && g.screen.lblOpzioni[7].text == "Yes");
    const Opzioni s = data::LoadSettings(dati.dati()).value.opzioni;
    EXPECT_EQ(std::tuple(s.giocoTerzaCarta, s.rumoriCarte, s.rumoriSaloon, s.coloreTavolo),
              std::tuple(TerzaCarta::Automatic, g.game.opzioni.rumoriCarte, true,
                         g.game.opzioni.coloreTavolo));
}

TEST_F(OpzioniPanel, TheClickNoiseWaitsForAFreeIndicatorDuringAGioco) {
    g.game.opzioni.rumoriCarte = true;
    g.game.spia.busy = false;
    clic(0);
    EXPECT_TRUE(g.game.spia.busy && media.played(Channel::Rumori).size() == 1u);
    avanza(230);
    EXPECT_FALSE(g.game.spia.busy);

    g.game.spia.busy = true;  // a remark is speaking during a Gioco: no click
    g.game.tavolo.carteRimasteNelMazzo = 18;
    clic(0);
    EXPECT_EQ(media.played(Channel::Rumori).size(), 1u);
    g.game.tavolo.carteRimasteNelMazzo = 0;  // between Giochi it clicks anyway
    clic(0);
    EXPECT_EQ(media.played(Channel::Rumori).size(), 2u);

    g.game.opzioni.rumoriCarte = false;
    g.game.spia.busy = false;
    clic(0);
    EXPECT_TRUE(media.played(Channel::Rumori).size() == 2u && !g.game.spia.busy);
}

TEST_F(OpzioniPanel, OnlyTheValueUnderTheMouseIsHighlightedAndClosingClearsIt) {
    const auto evidenziate = [&] {
        std::vector<int> v;
        for (int i = 0; i < 17; ++i) {
            if (g.screen.lblOpzioni[i].opaque) v.push_back(i);
        }
        return v;
    };
    g.mouseMove({TargetKind::VoceOpzioni, 3});
    g.mouseMove({TargetKind::VoceOpzioni, 5});
    EXPECT_EQ(std::tuple(evidenziate(), g.pannelli.selezione), std::tuple(std::vector<int>{5}, 5));
    g.mouseMove({TargetKind::PannelloOpzioni, 0});
    EXPECT_EQ(std::tuple(evidenziate(), g.pannelli.selezione),
              std::tuple(std::vector<int>{}, kNessunaSelezione));
    g.mouseMove({TargetKind::VoceOpzioni, kVoceAnimazioni});
    EXPECT_EQ(evidenziate(), std::vector<int>{kVoceAnimazioni});
    g.click({TargetKind::Pannelli, 2});  // closed with the last value still lit
    EXPECT_EQ(evidenziate(), std::vector<int>{});
}

// "Animazioni" flips between Sì and No, shows it, and keeps it in its own file, not among the
// game's options; a save that fails keeps the choice in play and says so once.
TEST_F(OpzioniPanel, AnimazioniTogglesAndIsKeptInItsOwnFile) {
    const std::string impo = dati.read("GnImpo.txt");
    for (const bool atteso : {false, true, false}) {
        clic(kVoceAnimazioni);
        EXPECT_EQ(std::tuple(g.animazioni, g.screen.lblOpzioni[kVoceAnimazioni].text,
                             data::LoadVista(dati.dati()).value.animazioni),
                  std::tuple(atteso, atteso ? "Sì" : "No", atteso));
    }
    EXPECT_EQ(dati.read("GnImpo.txt"), impo);
    const std::size_t avvisi = g.game.avvisi.inAttesa().size();
    {
        testing_support::DiscoPieno pieno;
        clic(kVoceAnimazioni);
        clic(kVoceAnimazioni);
    }
    EXPECT_TRUE(!g.animazioni && data::LoadVista(dati.dati()).value.animazioni == false);
    ASSERT_EQ(g.game.avvisi.inAttesa().size(), avvisi + 1);
    EXPECT_NE(g.game.avvisi.inAttesa().back().find("Animazioni"), std::string::npos);
    // Read back at the next start.
    g.animazioni = true;
    LeggiImpostazioni(g);
    EXPECT_EQ(std::tuple(g.animazioni, g.screen.lblOpzioni[kVoceAnimazioni].text),
              std::tuple(false, "No"));
}

TEST_F(OpzioniPanel, MusicOffStopsThePieceAtOnceAndThePauseTakesItsNewLength) {
    g.game.opzioni.musiche = false;
    clic(6);
    EXPECT_TRUE(g.game.opzioni.musiche && media.played(Channel::Musiche).size() == 1u &&
                g.game.scheduler.isEnabled(Timer::Musiche));
    clic(6);
    EXPECT_FALSE(g.game.scheduler.isEnabled(Timer::Musiche) ||
                 g.game.scheduler.isEnabled(Timer::Silenzio));
    EXPECT_EQ(std::tuple(g.suoni.stato.contaMusiche, media.log().back().command),
              std::tuple(0, Command::Close));

    // A change of the pause during the silence restarts it at the new length.
    media.clear();
    clic(6);
    avanza(int64_t{1000} * g.suoni.stato.contaMusiche);  // the piece's seconds counted down
    ASSERT_TRUE(g.game.scheduler.isEnabled(Timer::Silenzio));
    avanza(10'000);
    clic(15);  // "Middle" -> "Long"
    EXPECT_EQ(g.game.opzioni.pausaMusiche, PausaMusiche::Long);
    avanza(59'999);
    EXPECT_EQ(media.played(Channel::Musiche).size(), 1u);
    avanza(1);
    EXPECT_EQ(media.played(Channel::Musiche).size(), 2u);
    // Outside the pause a click only sets the length of the next one.
    clic(15);  // "Long" -> "Short"
    EXPECT_TRUE(!g.game.scheduler.isEnabled(Timer::Silenzio) &&
                g.game.scheduler.interval(Timer::Silenzio) == 15'000);
}

TEST(GraficaCasuale, EachDrawDiffersFromTheValueBefore) {
    VirtualClock clock{test_ui::kOra};
    SeededRandom rng(5);
    SilentMediaPlayer media;
    Finestra g(clock, rng, media, Paths{});
    std::array<int, 4> tavoli{}, carte{}, retri{};
    for (int n = 0; n < 200; ++n) {
        const Opzioni prima = g.game.opzioni;
        CasualeColoreTavolo(g);
        CasualeColoreCarte(g);
        CasualeRetro(g);
        ASSERT_TRUE(g.game.opzioni.coloreTavolo != prima.coloreTavolo &&
                    g.game.opzioni.coloreCarte != prima.coloreCarte &&
                    g.game.opzioni.retroCarte != prima.retroCarte);
        EXPECT_EQ(g.screen.windowBack, ColoreSfondo(g.game.opzioni.coloreTavolo));
        ++tavoli[static_cast<int>(g.game.opzioni.coloreTavolo)];
        ++carte[static_cast<int>(g.game.opzioni.coloreCarte)];
        ++retri[static_cast<int>(g.game.opzioni.retroCarte)];
        clock.advance(1000);
    }
    for (int k = 0; k < 4; ++k) EXPECT_TRUE(tavoli[k] > 0 && carte[k] > 0 && retri[k] > 0) << k;
    RefreshScreen(g);
    EXPECT_EQ(g.screen.ImgCarta[0].picture, RetroPicture(g.game.opzioni.retroCarte));
}

TEST(GraficaCasuale, AStuckRandomSourceStillChangesTheValue) {
    VirtualClock clock{TimeOfDay{2026, 1, 1, 10, 0, 0}};
    test_ui::FixedRandom rng(0.0);  // always draws 1: Brown, Grey, Horse
    SilentMediaPlayer media;
    Finestra g(clock, rng, media, Paths{});
    g.game.opzioni.coloreTavolo = ColoreTavolo::Brown;
    g.game.opzioni.retroCarte = Retro::Horse;
    CasualeColoreTavolo(g);
    CasualeRetro(g);
    EXPECT_NE(g.game.opzioni.coloreTavolo, ColoreTavolo::Brown);
    EXPECT_NE(g.game.opzioni.retroCarte, Retro::Horse);
}

}  // namespace
}  // namespace gnamm
