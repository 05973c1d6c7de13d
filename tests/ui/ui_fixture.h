// A whole game on pinned services for the panel and start-up tests: a virtual clock at a fixed
// time of day, a seeded random source, a recording media player and a Dati folder of its own.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "audio/recording_media_player.h"
#include "data/temp_dati.h"
#include "game/clock.h"
#include "game/game.h"
#include "game/random.h"
#include "ui/startup.h"

namespace gnamm::test_ui {

inline constexpr TimeOfDay kOra{2026, 3, 14, 21, 7, 33};

class UiTest : public ::testing::Test {
  protected:
    explicit UiTest(uint32_t seed = 11) : rng(seed) {}

    void avanza(int64_t ms) { AdvanceVirtualTime(g, clock, ms); }

    // Start-up on an 800 x 600 screen, then the name typed and confirmed.
    void avviaConNome(std::string_view nome = "Ugo") {
        Avvio(g, 12000, 9000);
        g.screen.txtNome.text.clear();
        g.textInput(nome);
        g.key(Key::Enter);
    }

    // How many times a channel was sent a command.
    int comandi(Channel c, Command cmd) const {
        return static_cast<int>(std::count_if(
            media.log().begin(), media.log().end(), [&](const RecordingMediaPlayer::Entry& e) {
                return e.channel == c && !e.isFile && e.command == cmd;
            }));
    }

    testing_support::TempDati dati;
    VirtualClock clock{kOra};
    SeededRandom rng;
    RecordingMediaPlayer media{clock};
    Game g{clock, rng, media, Paths{dati.dati().parent_path() / "assets", dati.dati()}};
};

// A random source that gives the same number every time: the worst case for a draw that must
// change a value.
class FixedRandom final : public RandomSource {
  public:
    explicit FixedRandom(double v) : v_(v) {}
    double uniform() override { return v_; }

  private:
    double v_;
};

// Draws that give the scripted results of EstrazioneCasuale(n) in turn, whatever the time of
// day, then seeded ones.
class ScriptedRandom final : public RandomSource {
  public:
    explicit ScriptedRandom(const Clock& clock) : clock_(clock), seeded_(3) {}
    void forza(int n, int k) { script_.emplace_back(n, k); }
    bool esaurito() const { return script_.empty(); }
    double uniform() override {
        if (script_.empty()) return seeded_.uniform();
        const auto [n, k] = script_.front();
        script_.erase(script_.begin());
        const TimeOfDay t = clock_.timeOfDay();
        // The middle of the bucket that the draw floors to k - 1, folded into [0, 1).
        const double y = (k - 0.5) / n - (t.minute / 60.0 - t.second / 61.0);
        return y - std::floor(y);
    }

  private:
    const Clock& clock_;
    SeededRandom seeded_;
    std::vector<std::pair<int, int>> script_;
};

}  // namespace gnamm::test_ui
