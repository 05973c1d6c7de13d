#include <gtest/gtest.h>

#include "game/card.h"
#include "game/random.h"

namespace gnamm {
namespace {

TEST(Card, CodesValuesAndSuitsFollowTheOrderedDeck) {
    EXPECT_EQ(Card::FromDeckPosition(1).code(), "Ac");
    EXPECT_EQ(Card::FromDeckPosition(10).code(), "Kc");
    EXPECT_EQ(Card::FromDeckPosition(11).code(), "Aq");
    EXPECT_EQ(Card::FromDeckPosition(21).code(), "Af");
    EXPECT_EQ(Card::FromDeckPosition(40).code(), "Kp");
    EXPECT_EQ(Card::Parse("Ac")->valore(), 1);
    EXPECT_EQ(Card::Parse("Jq")->valore(), 8);
    EXPECT_EQ(Card::Parse("Qf")->valore(), 9);
    EXPECT_EQ(Card::Parse("Kp")->valore(), 10);
    EXPECT_EQ(Card::Parse("5c")->seme(), 'c');
    for (int i = 1; i <= 40; ++i) {
        const Card c = Card::FromDeckPosition(i);
        EXPECT_EQ(Card::Parse(c.code()), c);
    }
}

TEST(Card, RejectsAnythingButTheFortyCodes) {
    for (const char* bad : {"", "A", "Acc", "1c", "ac", "AC", "8c", "Kx", "10"}) {
        EXPECT_FALSE(Card::Parse(bad).has_value()) << bad;
    }
    EXPECT_TRUE(Card::FromDeckPosition(0).empty());
    EXPECT_TRUE(Card::FromDeckPosition(41).empty());
    EXPECT_EQ(Card().valore(), 0);
    EXPECT_EQ(Card().code(), "");
}

// A source that returns the values it is given.
class FixedRandom final : public RandomSource {
public:
    explicit FixedRandom(double r) : r_(r) {}
    double uniform() override { return r_; }

private:
    double r_;
};

int Draw(int n, double r, int minute, int second) {
    FixedRandom rng(r);
    VirtualClock clock(TimeOfDay{2026, 12, 6, 10, minute, second});
    return EstrazioneCasuale(n, rng, clock);
}

TEST(EstrazioneCasuale, FollowsTheClockMixedFormula) {
    // x = floor(40 * (0.5 + 0 - 0)) = 20 -> 21
    EXPECT_EQ(Draw(40, 0.5, 0, 0), 21);
    // x = floor(40 * (0 + 30/60 - 0)) = 20 -> 21
    EXPECT_EQ(Draw(40, 0.0, 30, 0), 21);
    // x = floor(40 * (0.999 + 59/60)) = 79 -> 79 mod 40 = 39 -> 40
    EXPECT_EQ(Draw(40, 0.999, 59, 0), 40);
    // Negative x: floor(40 * (0 - 59/61)) = floor(-38.69) = -39 -> floor mod gives 1 -> 2
    EXPECT_EQ(Draw(40, 0.0, 0, 59), 2);
    // x = floor(4 * (0.1 - 30/61)) = floor(-1.567) = -2 -> 2 -> 3
    EXPECT_EQ(Draw(4, 0.1, 0, 30), 3);
    // x exactly -n: floor(4 * (0 - 61/61))? second stops at 59; use r, minute to reach -4:
    // 4 * (0.0 + 0/60 - 59/61) = -3.87 -> -4 -> remainder 0 -> 1
    EXPECT_EQ(Draw(4, 0.0, 0, 59), 1);
}

TEST(EstrazioneCasuale, StaysWithinOneToNForEveryMinuteAndSecond) {
    for (int n : {3, 4, 7, 12, 30, 40}) {
        for (int minute = 0; minute < 60; minute += 7) {
            for (int second = 0; second < 60; second += 3) {
                for (double r : {0.0, 0.25, 0.5, 0.999999}) {
                    const int v = Draw(n, r, minute, second);
                    ASSERT_GE(v, 1);
                    ASSERT_LE(v, n);
                }
            }
        }
    }
}

TEST(SeededRandom, SameSeedSameDraws) {
    SeededRandom a(7), b(7), c(8);
    bool differs = false;
    for (int i = 0; i < 100; ++i) {
        const double x = a.uniform();
        EXPECT_EQ(x, b.uniform());
        EXPECT_GE(x, 0.0);
        EXPECT_LT(x, 1.0);
        differs = differs || x != c.uniform();
    }
    EXPECT_TRUE(differs);
}

}  // namespace
}  // namespace gnamm
