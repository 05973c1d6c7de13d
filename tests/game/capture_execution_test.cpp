#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string_view>
#include <tuple>
#include <utility>

#include "game/capture_execution.h"
#include "support/table_fixture.h"

namespace gnamm::test_tavolo {
namespace {

using CaptureExecution = TableTest;

TEST_F(CaptureExecution, AceOntoAnEmptyTableIsAssoBevuto) {
    g.opzioni.commentiZeb = true;
    g.persona.assoBevuto = 1;
    turnoUmano({{4, "Ac"}, {5, "2f"}});
    click(4);
    EXPECT_EQ(carte({7}), "Ac");
    EXPECT_TRUE(g.tavolo.assoInTavola && g.punteggi.h.puntiGiocoInCorso == 0);
    EXPECT_EQ(g.vista.lblCommenti.text, "Hai bevuto l'asso, eh?");
    EXPECT_EQ(media.played(Channel::Commenti), std::vector<std::string>({"\\Zeb\\S13.wav"}));
    EXPECT_EQ(g.scheduler.interval(Timer::AssoBevuto), 1550);  // the remark's own length
    EXPECT_TRUE(attivo(Timer::AssoBevuto) && g.suoni.spia.busy);
    EXPECT_EQ(g.persona.assoBevuto, 2);
}

// The human's ace onto a table: what is left, the cards taken and the Punto Gnamm; the remark
// only when it takes the one ace among others.
TEST_F(CaptureExecution, TheAceTakesTheOnlyCardOrTheAceOrSweepsTheTable) {
    g.opzioni.commentiZeb = true;
    const struct {
        std::initializer_list<std::pair<int, std::string_view>> tavolo;
        int resta, prese, gnamm;
        const char* commento;
    } casi[] = {
        {{{11, "Aq"}}, 0, 2, 1, ""},
        {{{7, "5c"}, {8, "Af"}, {9, "7q"}}, 2, 2, 0, "Asso bevuto... gioco astuto!"},
        {{{7, "5q"}, {8, "2q"}, {9, "7f"}}, 0, 4, 1, ""},
    };
    for (const auto& c : casi) {
        Banco b;
        b.g.opzioni = g.opzioni;
        b.g.screen.FraSplash.visible = false;
        b.g.persona.assoBevuto = 2;
        b.tavolo(c.tavolo);
        b.turnoUmano({{4, "Ac"}, {5, "2f"}});
        b.click(4);
        EXPECT_FALSE(b.g.tavolo.assoInTavola);
        EXPECT_EQ(b.g.vista.lblCommenti.text, c.commento);
        b.avanza(600);
        const Colonna& h = b.g.punteggi.h;
        EXPECT_EQ(std::tuple(b.g.tavolo.numeroCarteSulTavolo, h.conta(PuntoMazzo::Carte),
                             h.puntiGnamm, h.puntiPartita),
                  std::tuple(c.resta, c.prese, c.gnamm, c.gnamm));
    }
}

TEST_F(CaptureExecution, ALaidCardFillsTheLowestGap) {
    tavolo({{7, "Kc"}, {9, "Qc"}});
    turnoUmano({{5, "Jf"}, {6, "2f"}});
    click(5);
    EXPECT_EQ(carte({7, 8, 9}), "Kc Jf Qc");
    EXPECT_TRUE(g.vista.ImgCarta[8].visible && !g.vista.ImgCarta[5].visible);
    EXPECT_EQ(g.tavolo.numeroCarteSulTavolo, 3);
    EXPECT_EQ(g.tavolo.aChiTocca, Player::PC);
    EXPECT_TRUE(attivo(Timer::RitardoMossaPC) && !attivo(Timer::ScompaionoCarteH));
}

// A Punto Gnamm with remarks on is a remark that holds the sound; without, the capture noise
// plays once and frees the sound after 365 ms.
TEST_F(CaptureExecution, GnammTakesTheSoundForARemarkOrElseTheCaptureNoise) {
    g.opzioni.rumoriCarte = true;
    for (const bool commenti : {true, false}) {
        g.opzioni.commentiZeb = commenti;
        media.clear();
        tavolo({{7, "3c"}, {8, "4q"}});
        turnoUmano({{4, "7f"}, {5, "2f"}});
        click(4);
        avanza(600);
        EXPECT_EQ(g.punteggi.h.puntiGnamm, commenti ? 1 : 2);
        EXPECT_EQ(g.vista.lblCommenti.text.empty(), !commenti);
        EXPECT_TRUE(g.suoni.spia.busy);
        const auto rumori = media.played(Channel::Rumori);
        EXPECT_EQ(std::count(rumori.begin(), rumori.end(), "\\Rumori\\Presa.wav"),
                  commenti ? 0 : 1);
        avanza(commenti ? 5000 : 365);
        EXPECT_FALSE(g.suoni.spia.busy);
        g.vista.lblCommenti.text.clear();
        sgombera();
    }
}

TEST_F(CaptureExecution, SilentCaptureStillVanishes) {
    tavolo({{7, "3c"}, {8, "4q"}, {9, "Kc"}});
    turnoUmano({{4, "7f"}, {5, "2f"}});
    click(4);
    avanza(600);
    EXPECT_TRUE(media.log().empty());
    EXPECT_EQ(g.tavolo.numeroCarteSulTavolo, 1);
}

TEST_F(CaptureExecution, TheLastCardOfTheGiocoScoresGnammAndEndsTheGioco) {
    tavolo({{7, "3c"}, {8, "4q"}});
    turnoUmano({{6, "7f"}}, 6, 5);
    g.tavolo.carteRimasteNelMazzo = 0;
    click(6);
    avanza(600);
    EXPECT_EQ(g.punteggi.h.puntiGnamm, 1);
    EXPECT_EQ(g.tavolo.aChiTocca, Player::PC);
    EXPECT_FALSE(attivo(Timer::RitardoMossaPC) || attivo(Timer::Scegli6Carte));
    EXPECT_TRUE(attivo(Timer::UltimeCarte));
}

TEST_F(CaptureExecution, TheNextDealStartsWithTheDealersOpponent) {
    for (const Player mazziere : {Player::PC, Player::H}) {
        g.tavolo.mazziere = mazziere;
        tavolo({{7, "3c"}, {8, "Kq"}});
        turnoUmano({{6, "3f"}}, 2, 5);
        click(6);
        avanza(600);
        EXPECT_EQ(g.tavolo.numeroCarteGiocate, 0);
        EXPECT_EQ(g.tavolo.contatoreCartaDaEstrarre, mazziere == Player::PC ? 4 : 1);
        EXPECT_TRUE(attivo(Timer::Scegli6Carte) && g.suoni.spia.busy);
        g.scheduler.disable(Timer::Scegli6Carte);
        g.suoni.spia.busy = false;
        sgombera();
    }
}

TEST_F(CaptureExecution, TheTwelfthCardGoesToItsOwnPlaceAndCanBeTaken) {
    int p = 7;
    for (const char* code : {"Kq", "Kf", "Kc", "Kp", "Qc", "Jc", "7c", "6c", "5c", "4c", "3c"})
        posa(p++, code);
    turnoUmano({{4, "2c"}, {5, "2q"}});
    click(4);
    EXPECT_EQ(carte({kPostoDodicesimo}), "2c");
    EXPECT_TRUE(g.vista.ImgCarta[kPostoDodicesimo].visible);
    EXPECT_EQ(g.tavolo.numeroCarteSulTavolo, 12);

    // Later the human's 2 takes it from there.
    g.tavolo.aChiTocca = Player::H;
    g.tavolo.numeroCarteGiocate = 2;
    click(5);
    EXPECT_TRUE(g.umano.marcaPresa[kPostoDodicesimo]);
    avanza(600);
    EXPECT_EQ(carte({kPostoDodicesimo}), "-");
    EXPECT_FALSE(g.vista.ImgCarta[kPostoDodicesimo].visible);
    EXPECT_EQ(g.tavolo.numeroCarteSulTavolo, 11);
}

}  // namespace
}  // namespace gnamm::test_tavolo
