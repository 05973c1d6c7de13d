#include "game/ai/evaluation.h"

#include <gtest/gtest.h>

#include "game/ai/move_list.h"
#include "support/position.h"

namespace gnamm {
namespace {

using testing::C;
using testing::Posizione;

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

TEST(Evaluation, TheWorkedEstimate) {
    EXPECT_EQ(StimaRischio(3, 15, 2), static_cast<float>(-169.0 / 455.0));
    EXPECT_NEAR(StimaRischio(3, 15, 2), -0.3714f, 1e-4f);
    EXPECT_EQ(StimaRischio(2, 10, 1), static_cast<float>(-9.0 / 45.0));
    EXPECT_EQ(StimaRischio(1, 1, 1), -1.0f);
    EXPECT_EQ(StimaRischio(3, 15, 0), 0.0f);

    // 3 takes 3 on a table 3, 5: 5 is left, two 5s unseen.
    auto t = ConMano(Posizione({"3p", "5f"}, {"3c"}), 3, 12);
    t.valoriRimasti[5] = 2;
    const auto p = Valuta(t);
    ASSERT_EQ(p.lista.mossePossibili, 1);
    EXPECT_EQ(p.val.expTotale[1], 5);
    EXPECT_EQ(p.val.rischioScopa[1], -0.3714286f);  // as its text holds it
    EXPECT_EQ(p.val.puntiReali[1], 0.0f);
    EXPECT_EQ(p.val.puntiPotenziali[1], 0.0952f);
    // The total adds the risk as computed, not as shown: -0.27622858 shown as -0.2762286.
    EXPECT_EQ(p.val.puntiTotali[1], -0.2762286f);
}

TEST(Evaluation, ADeckPointWonNowIsRealAndNoLongerPotential) {
    Scoreboard s;
    s.pc.prese[0] = 1;  // one 7 already taken
    const auto t = ConMano(Posizione({"7q", "2f"}, {"7c"}), 0, 0);
    auto p = Valuta(t, s);
    EXPECT_EQ(p.val.puntiReali[1], 1.0f);  // Sette: 1 + the played 7 + the captured 7
    EXPECT_EQ(p.val.puntiPotenziali[1], 0.1861f);
    EXPECT_EQ(p.val.copia[0], 3);

    // The same move with the Sette point already gone earns neither term.
    s.h.punto[0] = true;
    p = Valuta(t, s);
    EXPECT_EQ(p.val.puntiReali[1], 0.0f);
    EXPECT_EQ(p.val.puntiPotenziali[1], 0.1861f);

    // Without the earlier 7 the point stays open: the two 7s are potential.
    p = Valuta(t);
    EXPECT_EQ(p.val.puntiReali[1], 0.0f);
    EXPECT_EQ(p.val.puntiPotenziali[1], 0.5861f);
}

TEST(Evaluation, TheTieSixCountsAsOneMoreCard) {
    Scoreboard s;
    s.pc.prese[1] = 4;  // four Quadri and the 6 di Quadri: five counted
    s.pc.seiPreso[1] = true;
    const auto p = Valuta(ConMano(Posizione({"2q"}, {"2c"}), 0, 0), s);
    EXPECT_EQ(p.val.puntiReali[1], 1.0f /*Quadri*/ + 1.0f /*Gnamm*/);
    EXPECT_EQ(p.val.copia[1], 6);
}

TEST(Evaluation, GnammTermAndTheAceExceptions) {
    // A 7 clearing 3 and 4: Gnamm, nothing left, no risk.
    auto p = Valuta(ConMano(Posizione({"3c", "4f"}, {"7p"}), 3, 12));
    EXPECT_EQ(p.val.puntiReali[1], 1.0f);
    EXPECT_EQ(p.val.expTotale[1], 0);
    EXPECT_EQ(p.val.rischioScopa[1], 0.0f);
    EXPECT_EQ(p.val.puntiPotenziali[1], 0.3428f);

    // An ace that takes only the table's ace.
    p = Valuta(ConMano(Posizione({"Kc", "Aq", "5f"}, {"Ap"}), 0, 0));
    EXPECT_EQ(p.val.puntiReali[1], -1.2f);
    // An ace that sweeps the table: no Gnamm term.
    p = Valuta(ConMano(Posizione({"Kc", "2f", "5f"}, {"Ap"}), 0, 0));
    EXPECT_EQ(p.val.puntiReali[1], 0.0f);
    EXPECT_TRUE(p.lista[1].gnamm);
    // The 5 di Cuori, played or taken, is one real point.
    p = Valuta(ConMano(Posizione({"5c"}, {"5p"}), 0, 0));
    EXPECT_EQ(p.val.puntiReali[1], 1.0f /*Gnamm*/ + 1.0f);
}

TEST(Evaluation, LayPenaltiesAndPotentialLosses) {
    // An ace laid on the empty table: the risk is the human holding an ace.
    auto t = ConMano(Posizione({}, {"Ac"}), 3, 12);
    t.valoriRimasti[1] = 3;
    auto p = Valuta(t);
    EXPECT_EQ(p.val.puntiReali[1], -1.2f);
    EXPECT_EQ(p.val.expTotale[1], 1);
    EXPECT_EQ(p.val.rischioScopa[1], ComeTesto(StimaRischio(3, 15, 3)));
    EXPECT_EQ(p.val.puntiPotenziali[1], -0.0476f);

    // Laying the 5 di Cuori on a table of K: 15 left, out of reach of a single card.
    p = Valuta(ConMano(Posizione({"Kc"}, {"5c"}), 3, 12));
    EXPECT_EQ(p.val.puntiReali[1], -0.8f);
    EXPECT_EQ(p.val.puntiPotenziali[1], -0.0476f);
    EXPECT_EQ(p.val.rischioScopa[1], 0.0f);
    EXPECT_EQ(p.val.puntiTotali[1], -0.8476f);

    p = Valuta(ConMano(Posizione({"Kc"}, {"6q"}), 0, 0));
    EXPECT_EQ(p.val.puntiPotenziali[1], -0.2294f);
    p = Valuta(ConMano(Posizione({"Kc"}, {"6f"}), 0, 0));
    EXPECT_EQ(p.val.puntiPotenziali[1], -0.1245f);
    p = Valuta(ConMano(Posizione({"Kc"}, {"6p"}), 0, 0));
    EXPECT_EQ(p.val.puntiPotenziali[1], -0.0952f);

    // A closed point loses nothing.
    Scoreboard s;
    s.pc.punto[3] = true;
    p = Valuta(ConMano(Posizione({"Kc"}, {"6p"}), 0, 0), s);
    EXPECT_EQ(p.val.puntiPotenziali[1], 0.0f);
}

TEST(Evaluation, RiskRuleBounds) {
    // Eleven or more left, or a human without cards: no risk.
    auto p = Valuta(ConMano(Posizione({"Kc"}, {"Ap", "2q"}), 3, 12));
    EXPECT_EQ(p.val.expTotale[2], 12);
    EXPECT_EQ(p.val.rischioScopa[2], 0.0f);
    p = Valuta(ConMano(Posizione({"4c"}, {"2q"}), 0, 0));
    EXPECT_EQ(p.val.rischioScopa[1], 0.0f);

    // Last Manche: the human's one card is the only unseen card, and it is a 6.
    auto t = ConMano(Posizione({"4c"}, {"2q"}), 1, 0);
    t.valoriRimasti.fill(0);
    t.valoriRimasti[6] = 1;
    p = Valuta(t);
    EXPECT_EQ(p.val.rischioScopa[1], -1.0f);
    EXPECT_EQ(p.val.puntiTotali[1], ComeTesto(p.val.puntiPotenziali[1] + 0.0f + -1.0f));
}

TEST(Evaluation, TheLookAtTheHumansHand) {
    // 2 laid on 4 leaves 6; many 6s unseen, but the human holds none.
    auto t = ConMano(Posizione({"4c"}, {"2q"}), 3, 12);
    t.carta[4] = C("Kc");
    t.carta[5] = C("5p");
    t.carta[6] = C("Aq");
    auto p = Valuta(t, {}, Sguardo::ManoUmano);
    EXPECT_EQ(p.val.rischioScopa[1], 0.0f);
    EXPECT_TRUE(p.val.sicura[1]);
    EXPECT_LT(Valuta(t).val.rischioScopa[1], 0.0f);  // the estimate sees the danger

    t.carta[5] = C("6p");
    p = Valuta(t, {}, Sguardo::ManoUmano);
    EXPECT_EQ(p.val.rischioScopa[1], -1.0f);
    EXPECT_FALSE(p.val.sicura[1]);
}

TEST(Evaluation, InconsistentCountsStayInRange) {
    // More unseen cards of a value than unseen cards: the risk is certain, not absurd.
    auto t = ConMano(Posizione({"4c"}, {"2q"}), 2, 0);
    t.valoriRimasti[6] = 4;
    const auto p = Valuta(t);
    EXPECT_EQ(p.val.rischioScopa[1], -1.0f);
}

TEST(Evaluation, ScoresKeepSevenSignificantDigits) {
    // Float noise below the seventh digit is gone, so equal decimal scores tie.
    EXPECT_EQ(ComeTesto(0.2f + 0.0476f + 0.0476f + 0.0476f), 0.3428f);
    EXPECT_EQ(ComeTesto(0.0909f + 0.0909f), ComeTesto(0.1818f));
    EXPECT_EQ(ComeTesto(1.0f + -1.2f), -0.2f);
    EXPECT_EQ(ComeTesto(static_cast<float>(-169.0 / 455.0)), -0.3714286f);
    EXPECT_EQ(ComeTesto(0.0f), 0.0f);
    EXPECT_EQ(ComeTesto(-1.0f), -1.0f);
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
