#include "game/capture_rules.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>
#include <utility>

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

TEST(CaptureRules, AceCases) {
    // Empty table: laid, an Asso bevuto.
    auto d = DecidiPresa(Tavolo({}), C("Ac"));
    EXPECT_EQ(d.esito, EsitoPresa::Deposita);
    EXPECT_TRUE(d.assoBevuto);
    // One card, a king or an ace: captured, no comment.
    for (const char* sola : {"Kp", "Aq"}) {
        d = DecidiPresa(Tavolo({{12, sola}}), C("Ac"));
        EXPECT_EQ(d.esito, EsitoPresa::Presa) << sola;
        EXPECT_EQ(Marcate(d), V({12})) << sola;
        EXPECT_FALSE(d.assoBevuto) << sola;
    }
    // 5, A, 7: only the ace, with the comment; the first ace in search order, 19 last.
    d = DecidiPresa(Tavolo({{7, "5c"}, {8, "Af"}, {9, "7q"}}), C("Ac"));
    EXPECT_EQ(d.esito, EsitoPresa::Presa);
    EXPECT_EQ(Marcate(d), V({8}));
    EXPECT_TRUE(d.assoBevuto);
    // 5, 2, 7 with no ace: the whole table.
    d = DecidiPresa(Tavolo({{7, "5c"}, {10, "2q"}, {19, "7q"}}), C("Ap"));
    EXPECT_EQ(d.esito, EsitoPresa::Presa);
    EXPECT_EQ(Marcate(d), V({7, 10, 19}));
    EXPECT_FALSE(d.assoBevuto);
}

TEST(CaptureRules, EqualValueBeatsTheSum) {
    auto d = DecidiPresa(Tavolo({{7, "2c"}, {8, "3q"}, {9, "5f"}}), C("5c"));
    EXPECT_EQ(d.esito, EsitoPresa::Presa);
    EXPECT_EQ(Marcate(d), V({9}));
    d = DecidiPresa(Tavolo({{7, "5q"}, {8, "5f"}, {9, "Kc"}}), C("5c"));
    EXPECT_EQ(d.esito, EsitoPresa::SceltaUguali);
    EXPECT_EQ(d.stessoValore, 2);
    EXPECT_EQ(Marcate(d), V({7, 8}));
    // An ace on the table is an ordinary 1 for the sum.
    d = DecidiPresa(Tavolo({{7, "Aq"}, {8, "3f"}, {9, "Kc"}}), C("4c"));
    EXPECT_EQ(d.esito, EsitoPresa::Presa);
    EXPECT_EQ(Marcate(d), V({7, 8}));
}

TEST(CaptureRules, SumCombinationsCountedByPlaces) {
    const auto t = Tavolo({{7, "3c"}, {8, "3q"}, {9, "4f"}});
    auto d = DecidiPresa(t, C("7p"));
    EXPECT_EQ(d.esito, EsitoPresa::SceltaSomma);
    EXPECT_EQ(d.possibilitaDiPresa, 2);
    EXPECT_EQ(CombinazioniSomma(t, 7), std::vector<V>({{7, 9}, {8, 9}}));
    // 10 onto A, 2, 3, 4: one combination of four, captured without a choice.
    d = DecidiPresa(Tavolo({{7, "Ac"}, {8, "2q"}, {9, "3f"}, {10, "4p"}}), C("Kc"));
    EXPECT_EQ(d.esito, EsitoPresa::Presa);
    EXPECT_EQ(d.possibilitaDiPresa, 1);
    EXPECT_EQ(Marcate(d), V({7, 8, 9, 10}));
    // Cards above the value never take part: a Q onto two kings captures nothing.
    d = DecidiPresa(Tavolo({{7, "Kc"}, {8, "Kq"}}), C("Qf"));
    EXPECT_EQ(d.esito, EsitoPresa::Deposita);
    // Five cards are searched: 2+2+2+... with the four 2s and the ace make 9.
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
    EXPECT_EQ(ContaCarteSulTavolo(t), 12);
    EXPECT_TRUE(t[kPostoDodicesimo] == C("2c"));
    EXPECT_EQ(PrimoPostoLibero(t), 0);
    // Every further card captures.
    for (int pos = 1; pos <= 40; ++pos) {
        const Card c = Card::FromDeckPosition(pos);
        if (c.valore() >= 2 && c.valore() <= 9 && c.seme() == 'c') continue;  // on the table
        if (c.valore() == 10) continue;
        EXPECT_NE(DecidiPresa(t, c).esito, EsitoPresa::Deposita) << c.code();
    }
}

}  // namespace
}  // namespace gnamm
