#include "ui/options_panel.h"

#include <gtest/gtest.h>

#include "data/data_files.h"
#include "ui_fixture.h"

namespace gnamm {
namespace {

class OpzioniPanel : public test_ui::UiTest {
  protected:
    void SetUp() override {
        avviaConNome();
        g.click({TargetKind::Pannelli, 2});
        media.clear();
    }
    void clic(int i) { g.click({TargetKind::VoceOpzioni, i}); }
    int intervallo(Timer t) const { return g.scheduler.interval(t); }
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
    EXPECT_EQ(intervallo(Timer::EffettuaMossaPC), 400);
    EXPECT_EQ(intervallo(Timer::RitardoMossaPC), 400);
    clic(14);
    clic(14);
    EXPECT_EQ(intervallo(Timer::Scegli6Carte), 300);
    EXPECT_EQ(intervallo(Timer::Scegli4CarteSulTavolo), 300);
}

TEST_F(OpzioniPanel, ImpatienceAndThePointingHandFollowTheTurn) {
    g.opzioni.impazienzaZeb = Impazienza::Quiet;
    g.opzioni.commentiZeb = false;
    clic(1);  // Impatient, but Zeb is silenced
    EXPECT_EQ(intervallo(Timer::Impazienza), 8000);
    EXPECT_FALSE(g.scheduler.isEnabled(Timer::Impazienza));
    g.opzioni.commentiZeb = true;
    g.tavolo.aChiTocca = Player::H;
    g.tavolo.carteInManoAdH = 2;
    clic(1);  // Very Impatient
    EXPECT_EQ(intervallo(Timer::Impazienza), 5000);
    EXPECT_TRUE(g.scheduler.isEnabled(Timer::Impazienza));
    clic(1);  // Quiet
    EXPECT_FALSE(g.scheduler.isEnabled(Timer::Impazienza));
    clic(1);  // Impatient with Zeb talking
    EXPECT_TRUE(g.scheduler.isEnabled(Timer::Impazienza));
    clic(5);  // comments off: no more urging
    EXPECT_FALSE(g.opzioni.commentiZeb);
    EXPECT_FALSE(g.scheduler.isEnabled(Timer::Impazienza));

    // Never urging a player with nothing to play.
    g.opzioni.impazienzaZeb = Impazienza::Quiet;
    g.opzioni.commentiZeb = true;
    g.tavolo.aChiTocca = Player::PC;  // Zeb's own turn
    g.tavolo.carteInManoAdH = 2;
    clic(1);
    EXPECT_FALSE(g.scheduler.isEnabled(Timer::Impazienza));
    g.tavolo.aChiTocca = Player::H;  // between Giochi: no card in hand
    g.tavolo.carteInManoAdH = 0;
    clic(1);
    clic(1);
    clic(1);
    EXPECT_EQ(g.opzioni.impazienzaZeb, Impazienza::Impatient);
    EXPECT_FALSE(g.scheduler.isEnabled(Timer::Impazienza));

    // The pointing hand shows at once, only on the human's turn.
    g.opzioni.mostraManina = false;
    g.tavolo.aChiTocca = Player::PC;
    clic(13);
    EXPECT_FALSE(g.screen.ImgManina.visible);
    clic(13);
    g.tavolo.aChiTocca = Player::H;
    clic(13);
    EXPECT_TRUE(g.screen.ImgManina.visible);
    clic(13);
    EXPECT_FALSE(g.screen.ImgManina.visible);
}

TEST_F(OpzioniPanel, ColoursAndBackRepaintEverythingPaintedLikeThem) {
    g.opzioni.coloreTavolo = ColoreTavolo::Blue;
    clic(8);
    const Rgb marrone{191, 160, 140};
    EXPECT_EQ(g.screen.lblOpzioni[8].text, "Brown");
    EXPECT_EQ(g.screen.windowBack, marrone);
    EXPECT_EQ(g.screen.lblCopriCarte.back, marrone);
    EXPECT_EQ(g.screen.FraQuando.back, marrone);
    for (const Element& e : g.screen.FraRiquadro) EXPECT_EQ(e.back, marrone);
    for (const Element& e : g.screen.FraPannello) EXPECT_EQ(e.back, marrone);
    // The card colour and back repaint the covered cards and the outlines shown.
    g.opzioni.coloreCarte = ColoreCarte::Blue;
    g.opzioni.retroCarte = Retro::Horse;
    g.vista.ShpCarta[2].visible = true;
    g.vista.ShpCarta[3].visible = false;
    g.vista.ShpContornoCarta[9].visible = true;
    g.vista.ShpContornoCarta[10].visible = false;
    const Rgb prima = g.screen.ShpContornoCarta[10].borderColor;
    clic(9);  // Grey
    const Rgb grigio{128, 128, 128};
    EXPECT_EQ(g.screen.ShpContornoCarta[0].borderColor, grigio);
    EXPECT_EQ(g.screen.ShpCarta[0].back, grigio);
    EXPECT_EQ(g.screen.ShpCarta[2].back, grigio);
    EXPECT_NE(g.screen.ShpCarta[3].back, grigio);
    EXPECT_EQ(g.screen.ShpContornoCarta[9].borderColor, grigio);
    EXPECT_EQ(g.screen.ShpContornoCarta[10].borderColor, prima);

    clic(10);  // Star
    EXPECT_EQ(g.screen.ImgCarta[0].picture, "\\Grafica\\Star.gif");
    EXPECT_EQ(g.screen.ImgCarta[2].picture, "\\Grafica\\Star.gif");
    EXPECT_NE(g.screen.ImgCarta[3].picture, "\\Grafica\\Star.gif");
}

TEST_F(OpzioniPanel, EveryChangeIsSavedAtOnceAndTheHiddenBubbleNeverChanges) {
    clic(11);
    clic(3);
    clic(4);  // saloon on restarts the ambience
    EXPECT_TRUE(g.scheduler.isEnabled(Timer::DurataAmbiente));
    clic(7);
    EXPECT_TRUE(g.opzioni.fumettoZeb);
    EXPECT_EQ(g.screen.lblOpzioni[7].text, "Yes");
    const data::Settings s = data::LoadSettings(dati.dati()).value;
    EXPECT_EQ(s.opzioni.giocoTerzaCarta, TerzaCarta::Automatic);
    EXPECT_EQ(s.opzioni.rumoriCarte, g.opzioni.rumoriCarte);
    EXPECT_TRUE(s.opzioni.rumoriSaloon);
    EXPECT_EQ(s.opzioni.coloreTavolo, g.opzioni.coloreTavolo);
}

TEST_F(OpzioniPanel, TheClickNoiseWaitsForAFreeIndicatorDuringAGioco) {
    g.opzioni.rumoriCarte = true;
    g.suoni.spia.busy = false;
    clic(0);
    EXPECT_TRUE(g.suoni.spia.busy);
    EXPECT_EQ(media.played(Channel::Rumori).size(), 1u);
    avanza(230);
    EXPECT_FALSE(g.suoni.spia.busy);

    g.suoni.spia.busy = true;  // a remark is speaking during a Gioco: no click
    g.tavolo.carteRimasteNelMazzo = 18;
    clic(0);
    EXPECT_EQ(media.played(Channel::Rumori).size(), 1u);
    g.tavolo.carteRimasteNelMazzo = 0;  // between Giochi it clicks anyway
    clic(0);
    EXPECT_EQ(media.played(Channel::Rumori).size(), 2u);

    g.opzioni.rumoriCarte = false;
    g.suoni.spia.busy = false;
    clic(0);
    EXPECT_EQ(media.played(Channel::Rumori).size(), 2u);
    EXPECT_FALSE(g.suoni.spia.busy);
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
    EXPECT_EQ(evidenziate(), std::vector<int>{5});
    EXPECT_EQ(g.pannelli.selezione, 5);
    g.mouseMove({TargetKind::PannelloOpzioni, 0});
    EXPECT_EQ(evidenziate(), std::vector<int>{});
    EXPECT_EQ(g.pannelli.selezione, kNessunaSelezione);
    g.mouseMove({TargetKind::VoceOpzioni, 15});
    g.click({TargetKind::Pannelli, 2});  // closed with the last value still lit
    EXPECT_EQ(evidenziate(), std::vector<int>{});
}

TEST_F(OpzioniPanel, MusicOffStopsThePieceAtOnceAndThePauseTakesItsNewLength) {
    g.opzioni.musiche = false;
    clic(6);
    EXPECT_TRUE(g.opzioni.musiche);
    EXPECT_EQ(media.played(Channel::Musiche).size(), 1u);
    EXPECT_TRUE(g.scheduler.isEnabled(Timer::Musiche));
    clic(6);
    EXPECT_FALSE(g.scheduler.isEnabled(Timer::Musiche));
    EXPECT_FALSE(g.scheduler.isEnabled(Timer::Silenzio));
    EXPECT_EQ(g.suoni.contaMusiche, 0);
    EXPECT_EQ(media.log().back().command, Command::Close);

    // A change of the pause during the silence restarts it at the new length.
    media.clear();
    clic(6);
    avanza(int64_t{1000} * g.suoni.contaMusiche);  // the piece's seconds counted down
    ASSERT_TRUE(g.scheduler.isEnabled(Timer::Silenzio));
    avanza(10'000);
    clic(15);  // "Middle" -> "Long"
    EXPECT_EQ(g.opzioni.pausaMusiche, PausaMusiche::Long);
    avanza(59'999);
    EXPECT_EQ(media.played(Channel::Musiche).size(), 1u);
    avanza(1);
    EXPECT_EQ(media.played(Channel::Musiche).size(), 2u);
    // Outside the pause a click only sets the length of the next one.
    clic(15);  // "Long" -> "Short"
    EXPECT_FALSE(g.scheduler.isEnabled(Timer::Silenzio));
    EXPECT_EQ(g.scheduler.interval(Timer::Silenzio), 15'000);
}

TEST(GraficaCasuale, EachDrawDiffersFromTheValueBefore) {
    VirtualClock clock{test_ui::kOra};
    SeededRandom rng(5);
    SilentMediaPlayer media;
    Finestra g(clock, rng, media, Paths{});
    std::array<int, 4> tavoli{}, carte{}, retri{};
    for (int n = 0; n < 200; ++n) {
        const Opzioni prima = g.opzioni;
        CasualeColoreTavolo(g);
        CasualeColoreCarte(g);
        CasualeRetro(g);
        ASSERT_NE(g.opzioni.coloreTavolo, prima.coloreTavolo);
        ASSERT_NE(g.opzioni.coloreCarte, prima.coloreCarte);
        ASSERT_NE(g.opzioni.retroCarte, prima.retroCarte);
        EXPECT_EQ(g.screen.windowBack, ColoreSfondo(g.opzioni.coloreTavolo));
        ++tavoli[static_cast<int>(g.opzioni.coloreTavolo)];
        ++carte[static_cast<int>(g.opzioni.coloreCarte)];
        ++retri[static_cast<int>(g.opzioni.retroCarte)];
        clock.advance(1000);
    }
    for (int k = 0; k < 4; ++k) {
        EXPECT_GT(tavoli[k], 0);
        EXPECT_GT(carte[k], 0);
        EXPECT_GT(retri[k], 0);
    }
    MostraRetroMazzo(g);
    EXPECT_EQ(g.vista.ImgCarta[0].picture, RetroPicture(g.opzioni.retroCarte));
}

TEST(GraficaCasuale, AStuckRandomSourceStillChangesTheValue) {
    VirtualClock clock{TimeOfDay{2026, 1, 1, 10, 0, 0}};
    test_ui::FixedRandom rng(0.0);  // always draws 1: Brown, Grey, Horse
    SilentMediaPlayer media;
    Finestra g(clock, rng, media, Paths{});
    g.opzioni.coloreTavolo = ColoreTavolo::Brown;
    g.opzioni.retroCarte = Retro::Horse;
    CasualeColoreTavolo(g);
    CasualeRetro(g);
    EXPECT_NE(g.opzioni.coloreTavolo, ColoreTavolo::Brown);
    EXPECT_NE(g.opzioni.retroCarte, Retro::Horse);
}

}  // namespace
}  // namespace gnamm
