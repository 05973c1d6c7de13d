// The capture rule, and the computer's search: the moves of a position in order (each one the
// rule allows), the terms each move scores, and the choice among them; and the same scoring as
// advice in the human's seat.
#include "game/ai/consiglio.h"
#include "game/ai/evaluation.h"
#include "game/ai/move_choice.h"
#include "game/ai/move_list.h"
#include "rules/capture_rules.h"

#include <algorithm>
#include <iomanip>
#include <numeric>
#include <random>
#include <sstream>

#include "support/table_fixture.h"

namespace gnamm {
namespace {

using test_tavolo::C;
using test_tavolo::Posizione;

CartePosti Tavolo(std::initializer_list<std::pair<int, std::string_view>> carte) {
    CartePosti t{};
    for (const auto& [place, code] : carte) t[place] = Card::Parse(code).value();
    return t;
}

std::vector<int> Marcate(const DecisionePresa& d) {
    std::vector<int> out;
    for (int i = 0; i < kNumeroPosti; ++i) {
        if (d.marcate[i]) out.push_back(i);
    }
    return out;
}

using V = std::vector<int>;

// A card played onto a table: what the rule decides and which places it marks.
TEST(CaptureRules, DecisionsByTable) {
    const struct {
        std::initializer_list<std::pair<int, std::string_view>> tavolo;
        const char* carta;
        EsitoPresa esito;
        V marcate;
        bool assoBevuto = false;
    } casi[] = {
        {{}, "Ac", EsitoPresa::Deposita, {}, true},     // an empty table: an Asso bevuto
        {{{12, "Kp"}}, "Ac", EsitoPresa::Presa, {12}},  // one card, even an ace: taken
        {{{12, "Aq"}}, "Ac", EsitoPresa::Presa, {12}},
        // An ace among others: only the first ace in search order, with the remark.
        {{{7, "5c"}, {8, "Af"}, {9, "7q"}}, "Ac", EsitoPresa::Presa, {8}, true},
        {{{7, "5c"}, {10, "2q"}, {19, "7q"}}, "Ap", EsitoPresa::Presa, {7, 10, 19}},  // no ace: all
        {{{7, "2c"}, {8, "3q"}, {9, "5f"}}, "5c", EsitoPresa::Presa, {9}},  // equal beats the sum
        {{{7, "5q"}, {8, "5f"}, {9, "Kc"}}, "5c", EsitoPresa::SceltaUguali, {7, 8}},
        {{{7, "Aq"}, {8, "3f"}, {9, "Kc"}}, "4c", EsitoPresa::Presa, {7, 8}},  // the ace counts 1
        {{{7, "3c"}, {8, "3q"}, {9, "4f"}}, "7p", EsitoPresa::SceltaSomma, {}},
        {{{7, "Ac"}, {8, "2q"}, {9, "3f"}, {10, "4p"}}, "Kc", EsitoPresa::Presa, {7, 8, 9, 10}},
        {{{7, "Kc"}, {8, "Kq"}}, "Qf", EsitoPresa::Deposita, {}},  // higher cards never take part
    };
    for (const auto& c : casi) {
        const DecisionePresa d = DecidiPresa(Tavolo(c.tavolo), C(c.carta));
        EXPECT_EQ(d.esito, c.esito) << c.carta;
        if (d.esito != EsitoPresa::SceltaSomma) {
            EXPECT_EQ(Marcate(d), c.marcate) << c.carta;
        }
        EXPECT_EQ(d.assoBevuto, c.assoBevuto) << c.carta;
    }
    // Sums are counted by places; five cards are searched.
    EXPECT_EQ(CombinazioniSomma(Tavolo({{7, "3c"}, {8, "3q"}, {9, "4f"}}), 7),
              std::vector<V>({{7, 9}, {8, 9}}));
    EXPECT_EQ(DecidiPresa(Tavolo({{7, "3c"}, {8, "3q"}, {9, "4f"}}), C("7p")).possibilitaDiPresa,
              2);
    const auto cinque = Tavolo({{7, "2c"}, {8, "2q"}, {9, "2f"}, {10, "2p"}, {11, "Ac"}});
    EXPECT_EQ(CombinazioniSomma(cinque, 9), std::vector<V>({{7, 8, 9, 10, 11}}));
}

TEST(CaptureRules, PresaAmmessaAcceptsOnlyWhatTheRuleAllows) {
    const auto t = Tavolo({{7, "3c"}, {8, "3q"}, {9, "4f"}, {10, "7c"}});
    // A 7 on the table: only that 7.
    EXPECT_TRUE(PresaAmmessa(t, C("7q"), {10}));
    EXPECT_FALSE(PresaAmmessa(t, C("7q"), {7, 9}));
    const auto s = Tavolo({{7, "3c"}, {8, "3q"}, {9, "4f"}});
    EXPECT_TRUE(PresaAmmessa(s, C("7q"), {8, 9}));
    EXPECT_TRUE(PresaAmmessa(s, C("7q"), {9, 7}));
    EXPECT_FALSE(PresaAmmessa(s, C("7q"), {7, 8}));
    EXPECT_FALSE(PresaAmmessa(s, C("7q"), {9, 9, 7}));
    EXPECT_FALSE(PresaAmmessa(s, C("7q"), {}));
    EXPECT_FALSE(PresaAmmessa(s, C("7q"), {12, 9}));  // an empty place
    EXPECT_TRUE(PresaAmmessa(s, C("Jq"), {}));        // nothing makes 8: a lay
    EXPECT_FALSE(PresaAmmessa(s, C("Kq"), {}));       // 3 + 3 + 4 must be taken
    EXPECT_FALSE(PresaAmmessa(s, C("Ac"), {7}));      // the ace sweeps all three
    EXPECT_TRUE(PresaAmmessa(s, C("Ac"), {7, 8, 9}));
}

TEST(CaptureRules, TwelveCardsAtMostAndTheTwelfthPlaceLast) {
    // Four kings opened, then Q (9) down to 2 laid in that order never capture.
    CartePosti t = Tavolo({{9, "Kc"}, {7, "Kq"}, {8, "Kf"}, {10, "Kp"}});
    for (const char* code : {"Qc", "Jc", "7c", "6c", "5c", "4c", "3c", "2c"}) {
        ASSERT_EQ(DecidiPresa(t, C(code)).esito, EsitoPresa::Deposita) << code;
        const int p = PrimoPostoLibero(t);
        ASSERT_NE(p, 0) << code;
        t[p] = C(code);
    }
    EXPECT_EQ(std::tuple(ContaCarteSulTavolo(t), t[kPostoDodicesimo].code(), PrimoPostoLibero(t)),
              std::tuple(12, "2c", 0));
    // Every further card captures.
    for (int pos = 1; pos <= 40; ++pos) {
        const Card c = Card::FromDeckPosition(pos);
        if (c.valore() >= 2 && c.valore() <= 9 && c.seme() == 'c') continue;  // on the table
        if (c.valore() == 10) continue;
        EXPECT_NE(DecidiPresa(t, c).esito, EsitoPresa::Deposita) << c.code();
    }
}

TEST(RuleAgreement, EveryComputerMoveIsOneTheRuleAllows) {
    std::mt19937 gen(2026);
    std::array<int, 40> mazzo{};
    std::iota(mazzo.begin(), mazzo.end(), 1);
    int prese = 0;
    for (int prova = 0; prova < 3000; ++prova) {
        std::shuffle(mazzo.begin(), mazzo.end(), gen);
        TableState t;
        const int sulTavolo = static_cast<int>(gen() % 9);
        int next = 0;
        bool asso = false;
        for (int n = 0; n < sulTavolo; ++n) {
            Card c = Card::FromDeckPosition(mazzo[next++]);
            if (c.isAce() && asso) c = Card::FromDeckPosition(mazzo[next++]);
            if (c.isAce()) asso = true;
            t.carta[kPostiTavolo[n]] = c;
        }
        t.numeroCarteSulTavolo = ContaCarteSulTavolo(t.carta);
        t.assoInTavola = CeAssoInTavola(t.carta);
        for (int k = 1; k <= 3; ++k) t.carta[k] = Card::FromDeckPosition(mazzo[next++]);

        Ricerca r;
        ListaMosse lista;
        PreparaRicerca(t, r);
        TrovaCombinazioniPC(t, r, lista);
        std::array<int, 4> mossePerCarta{};
        for (int m = 1; m <= lista.mossePossibili && m <= kMaxMosse; ++m) {
            const Mossa& mossa = lista[m];
            std::vector<int> posti;
            for (int j = 0; j < mossa.numeroCatturate; ++j) {
                posti.push_back(r.posto(mossa.catturate[j]));
            }
            const Card giocata = t.carta[mossa.posto];
            ASSERT_TRUE(PresaAmmessa(t.carta, giocata, posti))
                << "trial " << prova << " card " << giocata.code();
            ++mossePerCarta[mossa.posto];
            prese += mossa.presa() ? 1 : 0;
        }
        if (lista.mossePossibili >= kMaxMosse) continue;  // a truncated list counts no further
        for (int k = 1; k <= 3; ++k) {
            const DecisionePresa d = DecidiPresa(t.carta, t.carta[k]);
            int attese = 1;
            if (d.esito == EsitoPresa::SceltaUguali) attese = d.stessoValore;
            if (d.esito == EsitoPresa::SceltaSomma) attese = d.possibilitaDiPresa;
            EXPECT_EQ(mossePerCarta[k], attese)
                << "trial " << prova << " card " << t.carta[k].code();
        }
    }
    EXPECT_GT(prese, 1000);  // the tables did exercise captures
}

TableState ConMano(TableState t, int inMano, int nelMazzo) {
    t.carteInManoAdH = inMano;
    t.carteRimasteNelMazzo = nelMazzo;
    return t;
}

struct Ricercato {
    Ricerca r;
    ListaMosse lista;
    Valutazione val;
};

// Lists and scores every move of the position.
Ricercato Cerca(const TableState& t, const Scoreboard& s = {}, Sguardo sguardo = Sguardo::Stima) {
    Ricercato out;
    PreparaRicerca(t, out.r);
    TrovaCombinazioniPC(t, out.r, out.lista);
    ValutaMossePC(t, out.r, out.lista, s, sguardo, out.val);
    return out;
}

std::vector<int> Catturate(const Mossa& m) {
    return {m.catturate.begin(), m.catturate.begin() + m.numeroCatturate};
}

// The list as text: each move is the hand place, the table cards it takes by search index
// (1 = the first table card) and a * for a Punto Gnamm.
std::string Elenco(const Ricercato& res) {
    std::string out;
    for (int m = 1; m <= res.lista.mossePossibili; ++m) {
        const Mossa& mossa = res.lista[m];
        out += (out.empty() ? "" : " ") + std::to_string(mossa.posto) + ":";
        for (const int c : Catturate(mossa)) out += std::to_string(c) + ",";
        if (mossa.gnamm) out += "*";
    }
    return out;
}

TEST(MoveList, EveryMoveOfAPositionInOrder) {
    const struct {
        std::initializer_list<std::string_view> tavolo, mano;
        const char* mosse;
    } casi[] = {
        {{}, {"3c", "7q", "Ap"}, "1: 2: 3:"},  // an empty table: one lay a card, no Gnamm
        {{"5c", "2q", "3f"}, {"5p"}, "1:1,"},  // the equal value beats the sums
        {{"5c", "5q"}, {"5p"}, "1:1, 1:2,"},   // each equal card is a move
        {{"3c", "4q"}, {"7p"}, "1:1,2,*"},     // a sum taking every card is Gnamm
        {{"3c", "3q", "4f"}, {"7p"}, "1:1,3, 1:2,3,"},
        {{"Ac", "2q", "3f", "4p"}, {"Kp"}, "1:1,2,3,4,*"},
        {{"Kc", "Jq"}, {"Qp"}, "1:"},  // nothing to take: a lay
        // The ace takes a single card, even an ace; only the ace among others; else all.
        {{"Kc"}, {"Ap"}, "1:1,*"},
        {{"Aq"}, {"Ap"}, "1:1,*"},
        {{"Kc", "Aq", "5f"}, {"Ap"}, "1:2,"},
        {{"Kc", "2q", "5f"}, {"Ap"}, "1:1,2,3,*"},
        {{"2c"}, {"", "2q", ""}, "2:1,*"},  // empty hand places are skipped
        // By hand place, then by size, then lexicographic.
        {{"Ac", "2c", "3c", "4c", "5c"},
         {"6q", "Kq"},
         "1:1,5, 1:2,4, 1:1,2,3, 2:1,4,5, 2:2,3,5, 2:1,2,3,4,"},
    };
    for (const auto& c : casi) {
        const auto res = Cerca(Posizione(c.tavolo, c.mano));
        EXPECT_EQ(Elenco(res), c.mosse) << c.mosse;
        EXPECT_TRUE(res.lista[res.lista.mossePossibili + 1].libera()) << c.mosse;
    }
}

TEST(MoveList, TheAceSweepsTwelveCards) {
    TableState t;
    int n = 0;
    for (const int p : kPostiTavolo) t.carta[p] = Card::FromDeckPosition(2 + (n++ % 9));
    t.numeroCarteSulTavolo = 12;
    t.carta[1] = C("Ac");
    const auto res = Cerca(t);
    ASSERT_EQ(res.lista.mossePossibili, 1);
    EXPECT_EQ(std::tuple(res.lista[1].numeroCatturate, res.lista[1].gnamm, res.r.cartaOrdinata[12]),
              std::tuple(12, true, kPostoDodicesimo));
}

TEST(MoveList, TheListHoldsThirtyMovesAndDropsTheRest) {
    // The 7 alone has 6 pairs and 27 triples on this table: the list fills with its first 30
    // moves and the J and the 6 get no entry at all; the thirtieth is scored too.
    const auto t = ConMano(
        Posizione({"Ac", "Aq", "2c", "2q", "2f", "3c", "3q", "3f", "4c", "4q"}, {"7c", "Jq", "6p"}),
        3, 12);
    const auto res = Cerca(t);
    ASSERT_EQ(res.lista.mossePossibili, kMaxMosse);
    EXPECT_TRUE(res.val.expTotale[kMaxMosse] == 25 - 7 && res.val.puntiTotali[kMaxMosse] != 0.0f);
    for (int m = 1; m <= kMaxMosse; ++m) {
        const Mossa& mossa = res.lista[m];
        EXPECT_EQ(mossa.posto, 1);
        EXPECT_EQ(mossa.numeroCatturate, m <= 6 ? 2 : 3) << m;
        int somma = 0;
        for (int k = 0; k < mossa.numeroCatturate; ++k) {
            somma += t.valore(res.r.posto(mossa.catturate[k]));
        }
        EXPECT_EQ(somma, 7);
    }
    EXPECT_EQ(Catturate(res.lista[7]), (std::vector<int>{1, 3, 9}));
    EXPECT_EQ(Catturate(res.lista[30]), (std::vector<int>{3, 5, 8}));
    // The last hand card's search still ran and counted every sum of the 6, recorded or not.
    EXPECT_EQ(res.r.combinazioni, static_cast<int>(CombinazioniSomma(t.carta, 6).size()));
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
        EXPECT_EQ(Termini(Cerca(t, s).val, c.mossa), c.atteso) << *c.mano.begin();
    }
}

TEST(Evaluation, TheLookAtTheHumansHand) {
    // 2 laid on 4 leaves 6; many 6s unseen, but the human holds none.
    auto t = ConMano(Posizione({"4c"}, {"2q"}), 3, 12);
    int k = 4;
    for (const char* code : {"Kc", "5p", "Aq"}) t.carta[k++] = C(code);
    auto p = Cerca(t, {}, Sguardo::ManoUmano);
    EXPECT_TRUE(p.val.rischioScopa[1] == 0.0f && p.val.sicura[1]);
    EXPECT_LT(Cerca(t).val.rischioScopa[1], 0.0f);  // the estimate sees the danger

    t.carta[5] = C("6p");
    p = Cerca(t, {}, Sguardo::ManoUmano);
    EXPECT_TRUE(p.val.rischioScopa[1] == -1.0f && !p.val.sicura[1]);
}

// The best score wins, ties keep the earliest; an ace in the best move gives way to a safe,
// positive second move less than 0.4 behind, the margin taken in single precision.
TEST(MoveChoice, BestScoreAndTheAceRule) {
    const struct {
        std::initializer_list<std::string_view> mano;
        std::vector<float> punti, rischi;
        int migliore, seconda;
        bool regolaAsso;
    } casi[] = {
        {{"5c", "6c", "Kc"}, {0.2f, 0.7f, 0.7f}, {}, 2, 3, false},
        {{"5c", "6c", "Kc"}, {-0.5f, -0.9f, -0.5f}, {}, 1, 3, false},
        {{"Ac", "6c"}, {0.9f, 0.6f}, {}, 2, 2, true},   // 0.3 behind: the second is played
        {{"Ac", "6c"}, {0.9f, 0.4f}, {}, 1, 2, false},  // 0.5 behind: the ace is played
        {{"Ac", "6c"}, {0.3f, 0.0f}, {}, 1, 2, false},  // a second at 0 or below never
        {{"Ac", "6c"}, {0.3f, -0.1f}, {}, 1, 2, false},
        {{"Ac", "6c"}, {0.9f, 0.6f}, {0.0f, -0.01f}, 1, 2, false},  // nor one with any risk
        {{"2c", "6c"}, {0.9f, 0.6f}, {}, 1, 2, false},              // only aces give way
        {{"Ac", "6c"}, {0.9f, 0.5f}, {}, 2, 2, true},   // 0.9f - 0.5f falls just under 0.4f
        {{"Ac", "6c"}, {0.8f, 0.4f}, {}, 1, 2, false},  // 0.8f - 0.4f lands on 0.4f
        {{"Ac"}, {0.1f}, {}, 1, 1, false},              // a single move is played
    };
    for (const auto& c : casi) {
        Ricercato m;  // moves 1, 2, ... from hand places 1, 2, ... with these scores
        for (size_t i = 0; i < c.punti.size(); ++i) {
            m.lista.mosse[i + 1].posto = static_cast<int>(i) + 1;
            m.val.puntiTotali[i + 1] = c.punti[i];
            m.val.rischioScopa[i + 1] = i < c.rischi.size() ? c.rischi[i] : 0.0f;
        }
        m.lista.mossePossibili = static_cast<int>(c.punti.size());
        const Scelta s = ScegliMossa(Posizione({}, c.mano), m.lista, m.val);
        // The second move is compared where the ace rule did not play it.
        EXPECT_EQ(
            std::tuple(s.mossaMigliore, s.regolaAsso, c.regolaAsso ? c.seconda : s.secondaMossa),
            std::tuple(c.migliore, c.regolaAsso, c.seconda))
            << c.punti[0] << " " << c.punti.back();
    }
}

// The human's view: his hand, the table in places 7, 8, ..., the cards already played.
VistaUmano Vista(std::initializer_list<std::string_view> mano,
                 std::initializer_list<std::string_view> tavolo,
                 std::initializer_list<std::string_view> uscite = {}, int carteNelMazzo = 20) {
    VistaUmano v;
    size_t k = 0;
    for (const auto code : mano) v.mano[k++] = C(code);
    int p = 7;
    for (const auto code : tavolo) v.carte[p++] = C(code);
    for (const auto code : uscite) v.uscite[static_cast<size_t>(C(code).deckPosition())] = true;
    v.carteInManoZeb = 3;
    v.carteNelMazzo = carteNelMazzo;
    return v;
}

TEST(Consiglio, PicksWhatHonestScoringPicksInTheHumansSeat) {
    struct Caso {
        const char* perche;
        VistaUmano vista;
        int posto;
        std::vector<int> prese;
        const char* riga;
    };
    // clang-format off
    const Caso casi[] = {
        {"a Sette and two Quadri beat laying the J", Vista({"7q", "Jc"}, {"3c", "4q", "Kp"}), 4,
         {7, 8}, "Zeb giocherebbe il 7 di Quadri: prende 3 e 4, e ti porta un Sette e due Quadri"},
        {"nothing takes: the K costs less than the 5 di Cuori", Vista({"5c", "Kq"}, {"2p", "Qf"}),
         5, {}, "Zeb giocherebbe il K di Quadri e lo lascerebbe sul tavolo"},
        {"the 6 sweeps where the ace would only drink the ace",
         Vista({"Ap", "6c"}, {"Ac", "3q", "2f"}), 5, {7, 8, 9},
         "Zeb giocherebbe il 6 di Cuori: prende A, 3 e 2, e ti porta un Punto Gnamm e un Quadri"},
        {"the 5 di Cuori is a point of its own", Vista({"5q", "5c"}, {"5p", "Kf"}), 5, {7},
         "Zeb giocherebbe il 5 di Cuori: prende 5, e ti porta il 5 di Cuori"},
        // Q takes 4 and 5 and leaves the 2: both other 2s unseen, it is still the better risk...
        {"risk from unseen cards", Vista({"2c", "Qp"}, {"2q", "4f", "5p"}), 5, {8, 9},
         "Zeb giocherebbe il Q di Picche: prende 4 e 5, e ti porta una Figura"},
        // ...and with the Queens gone, the 2 that leaves the Q's sum is safe and preferred.
        {"cards already played count as seen",
         Vista({"2c", "Qp"}, {"2q", "4f", "5p"}, {"Qc", "Qq", "Qf"}), 4, {7},
         "Zeb giocherebbe il 2 di Cuori: prende 2, e ti porta un Quadri"},
    };
    // clang-format on
    for (const Caso& c : casi) {
        const Consiglio k = ConsiglioPer(c.vista);
        EXPECT_EQ(std::tie(k.posto, k.prese, k.riga), std::tie(c.posto, c.prese, c.riga))
            << c.perche;
    }
    EXPECT_EQ(ConsiglioPer(Vista({}, {"3c"})).posto, 0);  // an empty hand: nothing to advise
}

// A game in the middle of a Gioco: the deck in the given order, the first `distribuite` cards
// dealt; Zeb's hand, the human's hand and the table hold the given cards.
TableState Partita(const std::vector<std::string_view>& mazzo, int distribuite,
                   std::initializer_list<std::string_view> zeb,
                   std::initializer_list<std::string_view> umano,
                   std::initializer_list<std::string_view> tavolo) {
    TableState t;
    for (size_t i = 0; i < mazzo.size(); ++i) {
        t.carteDaGiocare[i + 1] = C(mazzo[i]);
        t.distribuita[i + 1] = static_cast<int>(i) < distribuite;
    }
    int p = 1;
    for (const auto code : zeb) t.carta[p++] = C(code);
    p = 4;
    for (const auto code : umano) t.carta[p++] = C(code);
    p = 7;
    for (const auto code : tavolo) t.carta[p++] = C(code);
    t.carteInManoAPC = static_cast<int>(zeb.size());
    t.carteInManoAdH = static_cast<int>(umano.size());
    t.carteRimasteNelMazzo = static_cast<int>(mazzo.size()) - distribuite;
    return t;
}

TEST(Consiglio, SeesNeitherZebsHandNorTheDeck) {
    // The same Gioco seen by the human: 6p and 7f were played before. Zeb holds a 2 in the
    // first game and neither a 2 nor a Q in the second, and the decks differ in order; a
    // hint that looked at Zeb's cards would keep the Q from leaving a 2 in the first game.
    const std::vector<std::string_view> giocate = {"2c", "Qp", "2q", "4f", "5p", "6p", "7f"};
    std::vector<std::string_view> primo = giocate;
    for (const auto c : {"2p", "Kc", "3c", "Jq", "Ap", "6q", "Kq", "3f"}) primo.push_back(c);
    std::vector<std::string_view> secondo = giocate;
    for (const auto c : {"Jq", "Kc", "3c", "6q", "3f", "2p", "Ap", "Kq"}) secondo.push_back(c);
    const TableState a = Partita(primo, 10, {"2p", "Kc", "3c"}, {"2c", "Qp"}, {"2q", "4f", "5p"});
    const TableState b = Partita(secondo, 10, {"Jq", "Kc", "3c"}, {"2c", "Qp"}, {"2q", "4f", "5p"});
    Scoreboard s;
    s.h.prese = {1, 0, 0, 2};
    const Consiglio ka = ConsiglioPer(VistaDelGiocatore(a, s));
    const Consiglio kb = ConsiglioPer(VistaDelGiocatore(b, s));
    EXPECT_EQ(ka.posto, 5);
    EXPECT_EQ(std::tie(ka.posto, ka.prese, ka.riga), std::tie(kb.posto, kb.prese, kb.riga));
    const VistaUmano v = VistaDelGiocatore(a, s);
    for (int i = 1; i <= 40; ++i) {
        const Card c = Card::FromDeckPosition(i);
        EXPECT_EQ(v.uscite[static_cast<size_t>(i)], c == C("6p") || c == C("7f")) << c.code();
    }
}

}  // namespace
}  // namespace gnamm
