#include "game/capture_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <numeric>
#include <random>
#include <string_view>
#include <utility>

#include "game/ai/move_list.h"

namespace gnamm {
namespace {

CartePosti Tavolo(std::initializer_list<std::pair<int, std::string_view>> carte) {
    CartePosti t{};
    for (const auto& [place, code] : carte) t[place] = Card::Parse(code).value();
    return t;
}

Card C(std::string_view code) {
    return Card::Parse(code).value();
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

}  // namespace
}  // namespace gnamm
