#include <gtest/gtest.h>

#include "game/card.h"
#include "game/random.h"
#include "support/scripted_random.h"

namespace gnamm {
namespace {

TEST(Card, TheFortyCodesReadBackAndNothingElseParses) {
    for (int i = 1; i <= 40; ++i) {
        const Card c = Card::FromDeckPosition(i);
        EXPECT_EQ(Card::Parse(c.code()), c);
        EXPECT_EQ(c.valore(), (i - 1) % 10 + 1) << c.code();
    }
    for (const char* bad : {"", "A", "Acc", "1c", "ac", "AC", "8c", "Kx", "10"}) {
        EXPECT_FALSE(Card::Parse(bad).has_value()) << bad;
    }
    EXPECT_TRUE(Card::FromDeckPosition(0).empty() && Card::FromDeckPosition(41).empty());
    EXPECT_EQ(Card().code(), "");
}

int Draw(int n, double r, int minute, int second) {
    testing_support::FixedRandom rng(r);
    VirtualClock clock(TimeOfDay{2026, 12, 6, 10, minute, second});
    return EstrazioneCasuale(n, rng, clock);
}

// The draw mixes the generator with the clock and folds the result into 1..n, whatever the
// time of day (the exact draws are pinned by the seeded shuffle).
TEST(EstrazioneCasuale, StaysWithinOneToNAtEveryTimeOfDay) {
    for (int n : {3, 4, 7, 12, 30, 40}) {
        for (int minute = 0; minute < 60; minute += 7) {
            for (int second = 0; second < 60; second += 3) {
                for (double r : {0.0, 0.25, 0.5, 0.999999}) {
                    const int v = Draw(n, r, minute, second);
                    ASSERT_TRUE(v >= 1 && v <= n) << n << " " << minute << ":" << second;
                }
            }
        }
    }
}

}  // namespace
}  // namespace gnamm
