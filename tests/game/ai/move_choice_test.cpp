#include "game/ai/move_choice.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/position.h"

namespace gnamm {
namespace {

using testing::Posizione;

struct Caso {
    TableState t;
    ListaMosse lista;
    Valutazione val;
};

// Moves with the given hand places and scores; risk 0 unless given.
Caso Mosse(const TableState& t, const std::vector<int>& posti, const std::vector<float>& punti,
           const std::vector<float>& rischi = {}) {
    Caso c{t, {}, {}};
    for (size_t i = 0; i < posti.size(); ++i) {
        c.lista.mosse[i + 1].posto = posti[i];
        c.val.puntiTotali[i + 1] = punti[i];
        c.val.rischioScopa[i + 1] = i < rischi.size() ? rischi[i] : 0.0f;
    }
    c.lista.mossePossibili = static_cast<int>(posti.size());
    return c;
}

Scelta Scegli(const Caso& c) {
    return ScegliMossa(c.t, c.lista, c.val);
}

TEST(MoveChoice, HighestScoreWinsAndTiesKeepTheEarliest) {
    const auto t = Posizione({}, {"5c", "6c", "Kc"});
    auto s = Scegli(Mosse(t, {1, 2, 3}, {0.2f, 0.7f, 0.7f}));
    EXPECT_EQ(s.mossaMigliore, 2);
    EXPECT_EQ(s.secondaMossa, 3);
    EXPECT_FALSE(s.regolaAsso);
    s = Scegli(Mosse(t, {1, 2, 3}, {-0.5f, -0.9f, -0.5f}));
    EXPECT_EQ(s.mossaMigliore, 1);
    EXPECT_EQ(s.secondaMossa, 3);
}

TEST(MoveChoice, TheAceIsKeptWhenASafeSecondIsClose) {
    const auto t = Posizione({}, {"Ac", "6c"});
    // 0.9 against 0.6: difference 0.3, the second is played.
    auto s = Scegli(Mosse(t, {1, 2}, {0.9f, 0.6f}));
    EXPECT_EQ(s.mossaMigliore, 2);
    EXPECT_TRUE(s.regolaAsso);
    // 0.9 against 0.4: difference 0.5, the ace is played.
    s = Scegli(Mosse(t, {1, 2}, {0.9f, 0.4f}));
    EXPECT_EQ(s.mossaMigliore, 1);
    EXPECT_FALSE(s.regolaAsso);
    // A second at 0 or below, or with any risk, never replaces the ace.
    EXPECT_EQ(Scegli(Mosse(t, {1, 2}, {0.3f, 0.0f})).mossaMigliore, 1);
    EXPECT_EQ(Scegli(Mosse(t, {1, 2}, {0.3f, -0.1f})).mossaMigliore, 1);
    EXPECT_EQ(Scegli(Mosse(t, {1, 2}, {0.9f, 0.6f}, {0.0f, -0.01f})).mossaMigliore, 1);
    // The rule only looks at aces.
    const auto t2 = Posizione({}, {"2c", "6c"});
    EXPECT_EQ(Scegli(Mosse(t2, {1, 2}, {0.9f, 0.6f})).mossaMigliore, 1);
}

TEST(MoveChoice, TheMarginIsTakenInSinglePrecision) {
    const auto t = Posizione({}, {"Ac", "6c"});
    // 0.9f - 0.5f falls just under 0.4f: the second is played although the decimal
    // difference is exactly 0.4.
    ASSERT_LT(0.9f - 0.5f, 0.4f);
    EXPECT_EQ(Scegli(Mosse(t, {1, 2}, {0.9f, 0.5f})).mossaMigliore, 2);
    // 0.8f - 0.4f lands exactly on 0.4f: not below it, the ace stays.
    ASSERT_EQ(0.8f - 0.4f, 0.4f);
    EXPECT_EQ(Scegli(Mosse(t, {1, 2}, {0.8f, 0.4f})).mossaMigliore, 1);
}

TEST(MoveChoice, ASingleMoveIsPlayed) {
    const auto s = Scegli(Mosse(Posizione({}, {"Ac"}), {1}, {0.1f}));
    EXPECT_EQ(s.mossaMigliore, 1);
    EXPECT_EQ(s.secondaMossa, 1);
    EXPECT_FALSE(s.regolaAsso);
}

}  // namespace
}  // namespace gnamm
