// A game on a virtual clock with a recording media player, and a random source that can be
// told which number the next draws must give.
#pragma once

#include <cmath>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "audio/recording_media_player.h"
#include "game/game.h"

namespace gnamm::testing {

// Gives the draws queued with next(k, n) (the k that EstrazioneCasuale(n) must return at the
// clock's present time of day), then falls back to a seeded generator.
class DrawScript final : public RandomSource {
  public:
    DrawScript(const Clock& clock, uint32_t seed) : clock_(clock), fallback_(seed) {}

    void next(int k, int n) { queue_.emplace_back(k, n); }
    bool exhausted() const { return queue_.empty(); }

    double uniform() override {
        if (queue_.empty()) return fallback_.uniform();
        const auto [k, n] = queue_.front();
        queue_.pop_front();
        const TimeOfDay t = clock_.timeOfDay();
        double r = (k - 0.5) / n - t.minute / 60.0 + t.second / 61.0;
        r -= std::floor(r);
        return r;
    }

  private:
    const Clock& clock_;
    SeededRandom fallback_;
    std::deque<std::pair<int, int>> queue_;
};

// One game with everything a test of the sound and the persona needs.
struct ZebTable {
    explicit ZebTable(uint32_t seed = 7) : rng(clock, seed) {}

    void advance(int64_t ms) { AdvanceVirtualTime(g, clock, ms); }
    // Advances until the timer fires (at most limitMs); returns the time waited.
    int64_t advanceUntilFired(Timer t, int64_t limitMs = 120000) {
        const int64_t start = clock.nowMs();
        while (g.scheduler.isEnabled(t) && clock.nowMs() - start < limitMs) advance(1);
        return clock.nowMs() - start;
    }
    std::vector<std::string> played(Channel c) const { return media.played(c); }
    // The commands and files sent on one channel, as text ("Prev", "Close", "file:\Zeb\S01.wav").
    std::vector<std::string> trace(Channel c) const {
        std::vector<std::string> out;
        for (const auto& e : media.log()) {
            if (e.channel != c) continue;
            out.push_back(e.isFile ? "file:" + e.file : std::string(CommandName(e.command)));
        }
        return out;
    }

    VirtualClock clock;
    DrawScript rng;
    RecordingMediaPlayer media{clock};
    Game g{clock, rng, media, Paths{}};
};

}  // namespace gnamm::testing
