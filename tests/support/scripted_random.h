// Random sources for tests: one that gives scripted draws, one stuck on a single number.
#pragma once

#include <cmath>
#include <cstdint>
#include <deque>
#include <utility>

#include "rules/clock.h"
#include "rules/random.h"

namespace gnamm::testing_support {

// Gives the queued draws (forza(n, k): the next EstrazioneCasuale(n) returns k, whatever the
// clock's time of day), then seeded ones.
class ScriptedRandom final : public RandomSource {
  public:
    explicit ScriptedRandom(const Clock& clock, uint32_t seed = 7) : clock_(clock), seeded_(seed) {}

    void forza(int n, int k) { script_.emplace_back(n, k); }
    bool esaurito() const { return script_.empty(); }

    double uniform() override {
        if (script_.empty()) return seeded_.uniform();
        const auto [n, k] = script_.front();
        script_.pop_front();
        const TimeOfDay t = clock_.timeOfDay();
        // Aim at the middle of the bucket that floors to k - 1, then fold into [0, 1).
        const double y = (k - 0.5) / n - (t.minute / 60.0 - t.second / 61.0);
        return y - std::floor(y);
    }

  private:
    const Clock& clock_;
    SeededRandom seeded_;
    std::deque<std::pair<int, int>> script_;
};

// The same number every time: the worst case for a draw that must change a value or avoid a
// repeat.
class FixedRandom final : public RandomSource {
  public:
    explicit FixedRandom(double v = 0.25) : v_(v) {}
    double uniform() override { return v_; }

  private:
    double v_;
};

}  // namespace gnamm::testing_support
