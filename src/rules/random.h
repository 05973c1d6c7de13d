// The one random draw of the game, EstrazioneCasuale, over an injected uniform generator.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

#include "rules/clock.h"

namespace gnamm {

// A uniform source of numbers in [0, 1), seeded once.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual double uniform() = 0;
    // The source's inner state as text, for a saved Torneo; empty when it cannot be kept.
    virtual std::string state() const { return {}; }
    // Continues from a state() text; false (and nothing changed) for a text it did not write.
    virtual bool restoreState(std::string_view) { return false; }
};

// Mersenne Twister with a fixed conversion to [0, 1), so a seed gives the same draws
// whatever the standard library.
class SeededRandom final : public RandomSource {
  public:
    explicit SeededRandom(uint32_t seed) : engine_(seed) {}
    double uniform() override { return static_cast<double>(engine_() >> 8) / 16777216.0; }
    std::string state() const override;
    bool restoreState(std::string_view text) override;

  private:
    std::mt19937 engine_;
};

// An integer 1..n that mixes a fresh uniform draw with the minute and second of the clock:
// x = floor(n * (r + minute/60 - second/61)), then the floor remainder of x by n, plus 1.
int EstrazioneCasuale(int n, RandomSource& rng, const Clock& clock);

// The same draws for a run of them at one moment of the clock (a deal draws hundreds): the
// time of day is read once, when it is made.
class EstrazioniAdesso {
  public:
    EstrazioniAdesso(RandomSource& rng, const Clock& clock);
    int operator()(int n);

  private:
    RandomSource& rng_;
    double minuto_;   // minute / 60
    double secondo_;  // second / 61
};

}  // namespace gnamm
