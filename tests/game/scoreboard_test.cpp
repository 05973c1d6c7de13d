#include "game/scoreboard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

#include "table_fixture.h"
#include "ui/scoreboard_view.h"

namespace gnamm::test_tavolo {
namespace {

class ScoreboardTest : public TableTest {
  protected:
    // The human takes these cards, one by one, through place 7.
    void prendeH(std::initializer_list<std::string_view> carte) {
        for (const auto code : carte) {
            g.tavolo.carta[7] = C(code);
            ContaPreseH(g, 7);
        }
        g.tavolo.carta[7] = Card();
    }
    void prendePC(std::initializer_list<std::string_view> carte) {
        for (const auto code : carte) {
            g.tavolo.carta[7] = C(code);
            ContaPresePC(g, 7);
        }
        g.tavolo.carta[7] = Card();
        AssegnaPuntiMazzoPC(g);
    }
    const Colonna& h() const { return g.punteggi.h; }
    const Colonna& pc() const { return g.punteggi.pc; }
};

TEST_F(ScoreboardTest, SetteByThreeSevensOrTwoWithTheSixOfCuori) {
    prendeH({"7c", "7q"});
    EXPECT_FALSE(h().haPunto(PuntoMazzo::Sette));
    prendeH({"7f"});
    EXPECT_TRUE(h().haPunto(PuntoMazzo::Sette));
    EXPECT_EQ(h().puntiGiocoInCorso, 1);
    EXPECT_EQ(h().puntiPartita, 1);
    prendeH({"7p"});
    EXPECT_EQ(h().puntiGiocoInCorso, 1);
}

TEST_F(ScoreboardTest, TheTieSixAwardsWhenTheCountStandsAtTheThreshold) {
    prendeH({"6c", "7c"});
    EXPECT_TRUE(h().tieneSei(PuntoMazzo::Sette));
    EXPECT_FALSE(h().haPunto(PuntoMazzo::Sette));
    prendeH({"7q"});  // two sevens with the six held
    EXPECT_TRUE(h().haPunto(PuntoMazzo::Sette));

    // The other way round: two sevens first, then the six.
    AzzeraTabellone(g.punteggi);
    prendeH({"7c", "7q"});
    EXPECT_FALSE(h().haPunto(PuntoMazzo::Sette));
    prendeH({"6c"});
    EXPECT_TRUE(h().haPunto(PuntoMazzo::Sette));
}

TEST_F(ScoreboardTest, TheSixOfQuadriAsSixthQuadriAwardsOnce) {
    prendeH({"Aq", "2q", "3q", "4q", "5q"});
    EXPECT_FALSE(h().haPunto(PuntoMazzo::Quadri));
    prendeH({"6q"});
    EXPECT_TRUE(h().haPunto(PuntoMazzo::Quadri));
    EXPECT_EQ(h().conta(PuntoMazzo::Quadri), 6);
    EXPECT_EQ(h().puntiGiocoInCorso, 1);
    EXPECT_EQ(h().puntiPartita, 1);
}

TEST_F(ScoreboardTest, CarteAtTheTwentyFirstOrTheTwentiethWithTheSixOfPicche) {
    // 20 cards without the six of Picche: not yet.
    for (int i = 0; i < 20; ++i) {
        g.tavolo.carta[7] = C("Kc");
        ContaCarteH(g, 7);
    }
    EXPECT_EQ(h().conta(PuntoMazzo::Carte), 20);
    EXPECT_FALSE(h().haPunto(PuntoMazzo::Carte));
    g.tavolo.carta[7] = C("Ac");
    ContaCarteH(g, 7);
    EXPECT_TRUE(h().haPunto(PuntoMazzo::Carte));

    // The six of Picche as the twentieth card awards at once.
    AzzeraTabellone(g.punteggi);
    for (int i = 0; i < 19; ++i) {
        g.tavolo.carta[7] = C("Kc");
        ContaCarteH(g, 7);
    }
    prendeH({"6p"});
    EXPECT_EQ(h().conta(PuntoMazzo::Carte), 20);
    EXPECT_TRUE(h().haPunto(PuntoMazzo::Carte));
}

TEST_F(ScoreboardTest, FiveOfCuoriAwardsAndDrawsAComment) {
    g.opzioni.commentiZeb = true;
    prendeH({"5c"});
    EXPECT_TRUE(h().punto5DiCuori);
    EXPECT_EQ(h().puntiGiocoInCorso, 1);
    EXPECT_EQ(h().puntiPartita, 1);
    EXPECT_TRUE(g.suoni.spia.busy);
    EXPECT_FALSE(g.screen.lblCommenti.text.empty());
    EXPECT_EQ(media.played(Channel::Commenti).size(), 1u);
}

TEST_F(ScoreboardTest, FiveOfCuoriWithoutCommentsPlaysTheCaptureNoise) {
    g.opzioni.rumoriCarte = true;
    prendeH({"5c"});
    EXPECT_EQ(media.played(Channel::Rumori), std::vector<std::string>({"\\Rumori\\Presa.wav"}));
    EXPECT_TRUE(attivo(Timer::Presa));
}

TEST_F(ScoreboardTest, TheComputerNeverTakesAPointTheHumanHolds) {
    prendeH({"7c", "7q", "7f"});
    prendePC({"7p", "6c"});
    EXPECT_FALSE(pc().haPunto(PuntoMazzo::Sette));
    EXPECT_TRUE(pc().tieneSei(PuntoMazzo::Sette));

    // Figure: seven figures, or six with the six of Fiori.
    prendePC({"Jc", "Jq", "Jf", "Jp", "Qc", "Qq"});
    EXPECT_FALSE(pc().haPunto(PuntoMazzo::Figure));
    prendePC({"6f"});
    EXPECT_TRUE(pc().haPunto(PuntoMazzo::Figure));
    EXPECT_EQ(pc().puntiGiocoInCorso, 1);
    prendePC({"5c"});
    EXPECT_TRUE(pc().punto5DiCuori);
    EXPECT_EQ(pc().puntiPartita, 2);

    // The human's later figures cannot take the point back.
    prendeH({"Kc", "Kq", "Kf", "Kp", "Qf", "Qp"});
    EXPECT_FALSE(h().haPunto(PuntoMazzo::Figure));
}

TEST_F(ScoreboardTest, ANewGiocoClearsTheBoardButKeepsThePartita) {
    prendeH({"5c", "6q"});
    AssegnaPuntoGnamm(g, Player::H);
    AzzeraTabellone(g.punteggi);
    EXPECT_EQ(h().puntiGiocoInCorso, 0);
    EXPECT_EQ(h().puntiGnamm, 0);
    EXPECT_FALSE(h().punto5DiCuori);
    EXPECT_FALSE(h().tieneSei(PuntoMazzo::Quadri));
    EXPECT_EQ(h().conta(PuntoMazzo::Carte), 0);
    EXPECT_EQ(h().puntiPartita, 2);
}

TEST_F(ScoreboardTest, TheViewShowsCountsPointsAndColours) {
    prendeH({"7c", "7q", "7f", "6q"});
    prendePC({"Kc"});
    RefreshScoreboard(g);
    const Screen& s = g.screen;
    EXPECT_EQ(s.lblSetteH.text, "3");
    EXPECT_EQ(s.lblPuntiSetteH.text, "1");
    EXPECT_EQ(s.lblPuntiSetteH.back, colors::kRed);
    EXPECT_EQ(s.lblPuntiQuadriH.text, "0");
    EXPECT_EQ(s.lblPuntiQuadriH.back, colors::kWhite);
    EXPECT_EQ(s.lblQuadriH.back, colors::kLightBlue);
    EXPECT_EQ(s.lblSetteH.back, colors::kWhite);
    EXPECT_EQ(s.lblCartePC.text, "1");
    EXPECT_EQ(s.lblFigurePC.text, "1");
    EXPECT_EQ(s.lblPuntiGiocoInCorsoH.text, "1");
    EXPECT_EQ(s.lblPuntiH.text, "1");
    EXPECT_EQ(s.lblCarteRimasteNelMazzo.text, "40");

    EXPECT_EQ(s.lblScritte[0].text, "Prese:");
    EXPECT_EQ(s.lblScritte[11].tooltip,
              "Numero di carte da superare per ottenere il punto di 'Figure''");
    EXPECT_EQ(s.lblScritte[24].text, "DATI TORNEO IN CORSO");
    EXPECT_EQ(s.lblSetteH.tooltip,
              "Prese di Sette effettuate dal Giocatore umano (in azzurro se ha catturato il 6 "
              "relativo)");
    EXPECT_EQ(s.lblPuntiQuadriPC.tooltip,
              "Eventuale punto di mazzo (di Quadri) conseguito da Nonno Zeb");
    EXPECT_EQ(s.lblPunti5DiCuoriH.tooltip,
              "Eventuale punto di mazzo (5 di Cuori) conseguito dal Giocatore umano");
    EXPECT_EQ(s.lblPuntiGnammPC.tooltip, "Eventuali Punti Gnamm conseguiti da Nonno Zeb");
}

}  // namespace
}  // namespace gnamm::test_tavolo

namespace gnamm::test_tavolo {
namespace {

using ScoreboardLayout = TableTest;

// Every field of the scoreboard and the Torneo data sits inside its side box, and no two
// fields of one box overlap.
TEST_F(ScoreboardLayout, FieldsStayInsideTheirBoxesWithoutOverlapping) {
    const Screen& s = g.screen;
    std::vector<const Element*> campi = {&s.ImgSemi};
    for (const Element& e : s.lblScritte) campi.push_back(&e);
    for (const Element* e : {&s.lblSetteH,
                             &s.lblSettePC,
                             &s.lblQuadriH,
                             &s.lblQuadriPC,
                             &s.lblFigureH,
                             &s.lblFigurePC,
                             &s.lblCarteH,
                             &s.lblCartePC,
                             &s.lblPuntiSetteH,
                             &s.lblPuntiSettePC,
                             &s.lblPuntiQuadriH,
                             &s.lblPuntiQuadriPC,
                             &s.lblPuntiFigureH,
                             &s.lblPuntiFigurePC,
                             &s.lblPuntiCarteH,
                             &s.lblPuntiCartePC,
                             &s.lblPunti5DiCuoriH,
                             &s.lblPunti5DiCuoriPC,
                             &s.lblPuntiGnammH,
                             &s.lblPuntiGnammPC,
                             &s.lblPuntiGiocoInCorsoH,
                             &s.lblPuntiGiocoInCorsoPC,
                             &s.lblPuntiH,
                             &s.lblPuntiPC,
                             &s.lblPartiteH,
                             &s.lblPartitePC,
                             &s.lblH,
                             &s.lblPC,
                             &s.lblCarteRimasteNelMazzo,
                             &s.lblGioco,
                             &s.lblManche}) {
        campi.push_back(e);
    }
    for (size_t i = 0; i < campi.size(); ++i) {
        const Element& e = *campi[i];
        ASSERT_TRUE(e.frame == RiquadroFrame(0) || e.frame == RiquadroFrame(1)) << i;
        const Rect box =
            e.frame == RiquadroFrame(0) ? Rect{0, 0, 3060, 2760} : Rect{0, 0, 3060, 3000};
        EXPECT_GT(e.rect.w, 0) << i;
        EXPECT_GT(e.rect.h, 0) << i;
        EXPECT_GE(e.rect.x, 0) << i;
        EXPECT_GE(e.rect.y, 0) << i;
        EXPECT_LE(e.rect.x + e.rect.w, box.w) << i;
        EXPECT_LE(e.rect.y + e.rect.h, box.h) << i;
        for (size_t j = 0; j < i; ++j) {
            const Element& f = *campi[j];
            if (f.frame != e.frame) continue;
            const bool separati =
                e.rect.x + e.rect.w <= f.rect.x || f.rect.x + f.rect.w <= e.rect.x ||
                e.rect.y + e.rect.h <= f.rect.y || f.rect.y + f.rect.h <= e.rect.y;
            EXPECT_TRUE(separati) << i << " overlaps " << j;
        }
    }
    // The side boxes are as large as the grid expects.
    EXPECT_GE(s.FraRiquadro[0].rect.w, 3060);
    EXPECT_GE(s.FraRiquadro[0].rect.h, 2760);
    EXPECT_GE(s.FraRiquadro[1].rect.w, 3060);
    EXPECT_GE(s.FraRiquadro[1].rect.h, 3000);
}

TEST_F(ScoreboardLayout, NamesFollowThePlayerAndTheLevel) {
    g.livello = Livello::None;
    RefreshScreen(g);
    EXPECT_EQ(g.screen.lblPC.text, "Nonno Zeb");
    g.livello = Livello::Cheat;
    RefreshScreen(g);
    EXPECT_EQ(g.screen.lblH.text, "Ugo");
    EXPECT_EQ(g.screen.lblPC.text, "'Cheat' Zeb");
    EXPECT_EQ(g.screen.lblPC.tooltip, "'Stile di gioco' di Nonno Zeb");
}

}  // namespace
}  // namespace gnamm::test_tavolo
