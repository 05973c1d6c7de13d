#include "game/scoreboard.h"

#include <algorithm>

#include "support/table_fixture.h"
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

// Each deck point goes to the human at the card that passes its threshold, one card earlier
// with the row's tie six; later cards add nothing.
TEST_F(ScoreboardTest, EachDeckPointAtItsThresholdOrOneEarlierWithTheTieSix) {
    const auto molti = [](int n, std::string_view code, std::vector<std::string> poi) {
        std::vector<std::string> v(static_cast<size_t>(n), std::string(code));
        v.insert(v.end(), poi.begin(), poi.end());
        return v;
    };
    const struct {
        PuntoMazzo riga;
        std::vector<std::string> carte;
        size_t alla;  // the card that awards the point, from 1
    } casi[] = {
        {PuntoMazzo::Sette, {"7c", "7q", "7f", "7p"}, 3},
        {PuntoMazzo::Sette, {"6c", "7c", "7q"}, 3},
        {PuntoMazzo::Sette, {"7c", "7q", "6c"}, 3},
        {PuntoMazzo::Quadri, {"Aq", "2q", "3q", "4q", "5q", "6q", "7q"}, 6},
        {PuntoMazzo::Figure, {"Jc", "Jq", "Jf", "Jp", "Qc", "Qq", "Qf"}, 7},
        {PuntoMazzo::Figure, {"Jc", "Jq", "Jf", "Jp", "Qc", "Qq", "6f"}, 7},
        {PuntoMazzo::Carte, molti(20, "2c", {"Ac"}), 21},
        {PuntoMazzo::Carte, molti(19, "2c", {"6p"}), 20},
    };
    for (const auto& c : casi) {
        AzzeraTabellone(g.punteggi);
        g.punteggi.h.puntiPartita = 0;
        for (size_t i = 0; i < c.carte.size(); ++i) {
            g.tavolo.carta[7] = C(c.carte[i]);
            ContaPreseH(g, 7);
            EXPECT_EQ(h().haPunto(c.riga), i + 1 >= c.alla) << c.carte[i] << " at " << i + 1;
        }
        EXPECT_EQ(std::tuple(h().puntiGiocoInCorso, h().puntiPartita), std::tuple(1, 1))
            << c.carte.back();
    }
}

TEST_F(ScoreboardTest, FiveOfCuoriAwardsWithARemarkOrElseTheCaptureNoise) {
    g.opzioni.rumoriCarte = true;
    for (const bool commenti : {true, false}) {
        AzzeraTabellone(g.punteggi);
        media.clear();
        g.suoni.spia.busy = false;
        g.opzioni.commentiZeb = commenti;
        prendeH({"5c"});
        EXPECT_TRUE(h().punto5DiCuori && h().puntiGiocoInCorso == 1 && g.suoni.spia.busy);
        EXPECT_EQ(media.played(Channel::Commenti).size(), commenti ? 1u : 0u);
        EXPECT_EQ(media.played(Channel::Rumori).size(), commenti ? 0u : 1u);
    }
}

TEST_F(ScoreboardTest, TheComputerNeverTakesAPointTheHumanHolds) {
    prendeH({"7c", "7q", "7f"});
    prendePC({"7p", "6c"});
    EXPECT_TRUE(!pc().haPunto(PuntoMazzo::Sette) && pc().tieneSei(PuntoMazzo::Sette));

    // Figure: seven figures, or six with the six of Fiori.
    prendePC({"Jc", "Jq", "Jf", "Jp", "Qc", "Qq"});
    EXPECT_FALSE(pc().haPunto(PuntoMazzo::Figure));
    prendePC({"6f"});
    EXPECT_TRUE(pc().haPunto(PuntoMazzo::Figure) && pc().puntiGiocoInCorso == 1);
    prendePC({"5c"});
    EXPECT_TRUE(pc().punto5DiCuori && pc().puntiPartita == 2);

    // The human's later figures cannot take the point back.
    prendeH({"Kc", "Kq", "Kf", "Kp", "Qf", "Qp"});
    EXPECT_FALSE(h().haPunto(PuntoMazzo::Figure));
}

TEST_F(ScoreboardTest, TheViewShowsCountsPointsAndColours) {
    prendeH({"7c", "7q", "7f", "6q"});
    prendePC({"Kc"});
    RefreshScoreboard(g);
    const Screen& s = g.screen;
    std::string testi;
    for (const Element* e :
         {&s.lblSetteH, &s.lblPuntiSetteH, &s.lblPuntiQuadriH, &s.lblCartePC, &s.lblFigurePC,
          &s.lblPuntiGiocoInCorsoH, &s.lblPuntiH, &s.lblCarteRimasteNelMazzo})
        testi += e->text + " ";
    EXPECT_EQ(testi, "3 1 0 1 1 1 1 40 ");
    EXPECT_EQ(std::tuple(s.lblPuntiSetteH.back, s.lblPuntiQuadriH.back, s.lblQuadriH.back,
                         s.lblSetteH.back),
              std::tuple(colors::kRed, colors::kWhite, colors::kLightBlue, colors::kWhite));
}

using ScoreboardLayout = TableTest;

// Every field of the scoreboard and the Torneo data sits inside its side box, and no two
// fields of one box overlap.
TEST_F(ScoreboardLayout, FieldsStayInsideTheirBoxesWithoutOverlapping) {
    const Screen& s = g.screen;
    std::vector<const Element*> campi = {&s.ImgSemi};
    for (const Element& e : s.lblScritte) campi.push_back(&e);
    // clang-format off
    for (const Element* e :
         {&s.lblSetteH, &s.lblSettePC, &s.lblQuadriH, &s.lblQuadriPC, &s.lblFigureH,
          &s.lblFigurePC, &s.lblCarteH, &s.lblCartePC, &s.lblPuntiSetteH, &s.lblPuntiSettePC,
          &s.lblPuntiQuadriH, &s.lblPuntiQuadriPC, &s.lblPuntiFigureH, &s.lblPuntiFigurePC,
          &s.lblPuntiCarteH, &s.lblPuntiCartePC, &s.lblPunti5DiCuoriH, &s.lblPunti5DiCuoriPC,
          &s.lblPuntiGnammH, &s.lblPuntiGnammPC, &s.lblPuntiGiocoInCorsoH,
          &s.lblPuntiGiocoInCorsoPC, &s.lblPuntiH, &s.lblPuntiPC, &s.lblPartiteH, &s.lblPartitePC,
          &s.lblH, &s.lblPC, &s.lblCarteRimasteNelMazzo, &s.lblGioco, &s.lblManche}) {
        // clang-format on
        campi.push_back(e);
    }
    for (size_t i = 0; i < campi.size(); ++i) {
        const Element& e = *campi[i];
        ASSERT_TRUE(e.frame == RiquadroFrame(0) || e.frame == RiquadroFrame(1)) << i;
        const Rect box =
            e.frame == RiquadroFrame(0) ? Rect{0, 0, 3060, 2760} : Rect{0, 0, 3060, 3000};
        EXPECT_TRUE(e.rect.w > 0 && e.rect.h > 0 && e.rect.x >= 0 && e.rect.y >= 0 &&
                    e.rect.x + e.rect.w <= box.w && e.rect.y + e.rect.h <= box.h)
            << i;
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
    EXPECT_TRUE(s.FraRiquadro[0].rect.w >= 3060 && s.FraRiquadro[0].rect.h >= 2760);
    EXPECT_TRUE(s.FraRiquadro[1].rect.w >= 3060 && s.FraRiquadro[1].rect.h >= 3000);
}

TEST_F(ScoreboardLayout, NamesFollowThePlayerAndTheLevel) {
    g.livello = Livello::None;
    RefreshScreen(g);
    EXPECT_EQ(g.screen.lblPC.text, "Nonno Zeb");
    g.livello = Livello::Cheat;
    RefreshScreen(g);
    EXPECT_EQ(g.screen.lblH.text + " / " + g.screen.lblPC.text, "Ugo / 'Cheat' Zeb");
    EXPECT_EQ(g.screen.lblPC.tooltip, "'Stile di gioco' di Nonno Zeb");
}

}  // namespace
}  // namespace gnamm::test_tavolo
