#include "game/ai/evaluation.h"

#include <gtest/gtest.h>

#include <iomanip>
#include <sstream>
#include <string>

#include "game/ai/move_list.h"
#include "support/table_fixture.h"

namespace gnamm {
namespace {

using test_tavolo::C;
using test_tavolo::Posizione;

struct Punteggio {
    ListaMosse lista;
    Valutazione val;
};

// Scores every move of the position; the human holds 3 cards and 12 remain in the deck unless
// the test says otherwise.
Punteggio Valuta(TableState t, const Scoreboard& s = {}, Sguardo sguardo = Sguardo::Stima) {
    Punteggio out;
    Ricerca r;
    PreparaRicerca(t, r);
    TrovaCombinazioniPC(t, r, out.lista);
    ValutaMossePC(t, r, out.lista, s, sguardo, out.val);
    return out;
}

TableState ConMano(TableState t, int inMano, int nelMazzo) {
    t.carteInManoAdH = inMano;
    t.carteRimasteNelMazzo = nelMazzo;
    return t;
}

// One move's terms as text: real points, potential points, the risk of a sweep, the total, and
// the sum the move leaves on the table.
std::string Termini(const Valutazione& v, int m) {
    std::ostringstream out;
    out << std::setprecision(7) << "reali " << v.puntiReali[m] << " potenziali "
        << v.puntiPotenziali[m] << " rischio " << v.rischioScopa[m] << " totali "
        << v.puntiTotali[m] << " resta " << v.expTotale[m];
    return out.str();
}

TEST(Evaluation, TheRiskEstimate) {
    EXPECT_EQ(StimaRischio(3, 15, 2), static_cast<float>(-169.0 / 455.0));
    EXPECT_EQ(StimaRischio(2, 10, 1), static_cast<float>(-9.0 / 45.0));
    EXPECT_EQ(StimaRischio(1, 1, 1), -1.0f);
    EXPECT_EQ(StimaRischio(3, 15, 0), 0.0f);
}

// Positions worked by hand: the terms of the computer's first move (or the one named).
TEST(Evaluation, TheTermsOfAMove) {
    using Prepara = void (*)(TableState&, Scoreboard&);
    const struct {
        std::initializer_list<std::string_view> tavolo, mano;
        int inMano, nelMazzo;
        Prepara prepara;
        const char* atteso;
        int mossa = 1;
    } casi[] = {
        // clang-format off
        // 3 takes 3 on 3, 5: 5 is left with two 5s unseen. The total adds the risk as
        // computed, not as shown.
        {{"3p", "5f"}, {"3c"}, 3, 12, [](TableState& t, Scoreboard&) { t.valoriRimasti[5] = 2; },
         "reali 0 potenziali 0.0952 rischio -0.3714286 totali -0.2762286 resta 5"},
        // A deck point won now is real and no longer potential; gone already, neither.
        {{"7q", "2f"}, {"7c"}, 0, 0, [](TableState&, Scoreboard& s) { s.pc.prese[0] = 1; },
         "reali 1 potenziali 0.1861 rischio 0 totali 1.1861 resta 2"},
        {{"7q", "2f"}, {"7c"}, 0, 0, [](TableState&, Scoreboard& s) {
             s.pc.prese[0] = 1, s.h.punto[0] = true; },
         "reali 0 potenziali 0.1861 rischio 0 totali 0.1861 resta 2"},
        {{"7q", "2f"}, {"7c"}, 0, 0, nullptr,
         "reali 0 potenziali 0.5861 rischio 0 totali 0.5861 resta 2"},
        // The tie six counts as one more card: the sixth Quadri with the Gnamm.
        {{"2q"}, {"2c"}, 0, 0, [](TableState&, Scoreboard& s) {
             s.pc.prese[1] = 4, s.pc.seiPreso[1] = true; },
         "reali 2 potenziali 0.0952 rischio 0 totali 2.0952 resta 0"},
        // Gnamm with nothing left; an ace taking only the ace; an ace sweeping (no Gnamm term);
        // the 5 di Cuori as a real point.
        {{"3c", "4f"}, {"7p"}, 3, 12, nullptr,
         "reali 1 potenziali 0.3428 rischio 0 totali 1.3428 resta 0"},
        {{"Kc", "Aq", "5f"}, {"Ap"}, 0, 0, nullptr,
         "reali -1.2 potenziali 0.1861 rischio 0 totali -1.0139 resta 15"},
        {{"Kc", "2f", "5f"}, {"Ap"}, 0, 0, nullptr,
         "reali 0 potenziali 0.2673 rischio 0 totali 0.2673 resta 0"},
        {{"5c"}, {"5p"}, 0, 0, nullptr,
         "reali 2 potenziali 0.0952 rischio 0 totali 2.0952 resta 0"},
        // Lays: an ace on the empty table, the 5 di Cuori, the tie sixes; a closed point.
        {{}, {"Ac"}, 3, 12, [](TableState& t, Scoreboard&) { t.valoriRimasti[1] = 3; },
         "reali -1.2 potenziali -0.0476 rischio -0.5164835 totali -1.764084 resta 1"},
        {{"Kc"}, {"5c"}, 3, 12, nullptr,
         "reali -0.8 potenziali -0.0476 rischio 0 totali -0.8476 resta 15"},
        {{"Kc"}, {"6q"}, 0, 0, nullptr,
         "reali 0 potenziali -0.2294 rischio 0 totali -0.2294 resta 16"},
        {{"Kc"}, {"6f"}, 0, 0, nullptr,
         "reali 0 potenziali -0.1245 rischio 0 totali -0.1245 resta 16"},
        {{"Kc"}, {"6p"}, 0, 0, nullptr,
         "reali 0 potenziali -0.0952 rischio 0 totali -0.0952 resta 16"},
        {{"Kc"}, {"6p"}, 0, 0, [](TableState&, Scoreboard& s) { s.pc.punto[3] = true; },
         "reali 0 potenziali 0 rischio 0 totali 0 resta 16"},
        // No risk with eleven or more left (the 2 leaves 12), or a human without cards.
        {{"Kc"}, {"Ap", "2q"}, 3, 12, nullptr,
         "reali 0 potenziali -0.1385 rischio 0 totali -0.1385 resta 12", 2},
        {{"4c"}, {"2q"}, 0, 0, nullptr,
         "reali 0 potenziali -0.1385 rischio 0 totali -0.1385 resta 6"},
        // The human's one card is the only unseen card, and a 6: a certain sweep; so is a count
        // of unseen 6s beyond the cards unseen.
        {{"4c"}, {"2q"}, 1, 0, [](TableState& t, Scoreboard&) {
             t.valoriRimasti.fill(0), t.valoriRimasti[6] = 1; },
         "reali 0 potenziali -0.1385 rischio -1 totali -1.1385 resta 6"},
        {{"4c"}, {"2q"}, 2, 0, [](TableState& t, Scoreboard&) { t.valoriRimasti[6] = 4; },
         "reali 0 potenziali -0.1385 rischio -1 totali -1.1385 resta 6"},
        // clang-format on
    };
    for (const auto& c : casi) {
        TableState t = ConMano(Posizione(c.tavolo, c.mano), c.inMano, c.nelMazzo);
        Scoreboard s;
        if (c.prepara != nullptr) c.prepara(t, s);
        EXPECT_EQ(Termini(Valuta(t, s).val, c.mossa), c.atteso) << *c.mano.begin();
    }
}

TEST(Evaluation, TheLookAtTheHumansHand) {
    // 2 laid on 4 leaves 6; many 6s unseen, but the human holds none.
    auto t = ConMano(Posizione({"4c"}, {"2q"}), 3, 12);
    int k = 4;
    for (const char* code : {"Kc", "5p", "Aq"}) t.carta[k++] = C(code);
    auto p = Valuta(t, {}, Sguardo::ManoUmano);
    EXPECT_TRUE(p.val.rischioScopa[1] == 0.0f && p.val.sicura[1]);
    EXPECT_LT(Valuta(t).val.rischioScopa[1], 0.0f);  // the estimate sees the danger

    t.carta[5] = C("6p");
    p = Valuta(t, {}, Sguardo::ManoUmano);
    EXPECT_TRUE(p.val.rischioScopa[1] == -1.0f && !p.val.sicura[1]);
}

TEST(Evaluation, AFullListIsScoredToTheThirtiethMove) {
    // A 7 with 33 sums fills the list; the thirtieth move keeps its diagnostic too.
    const auto t = ConMano(
        Posizione({"Ac", "Aq", "2c", "2q", "2f", "3c", "3q", "3f", "4c", "4q"}, {"7c", "Jq", "6p"}),
        3, 12);
    const auto p = Valuta(t);
    ASSERT_EQ(p.lista.mossePossibili, kMaxMosse);
    EXPECT_EQ(p.val.expTotale[kMaxMosse], 25 - 7);
    EXPECT_NE(p.val.puntiTotali[kMaxMosse], 0.0f);
}

}  // namespace
}  // namespace gnamm
