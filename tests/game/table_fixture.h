// A Game with pinned services for scenario tests of the table: a virtual clock, a recording
// media player and a random source that can be told which card a draw must give.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <initializer_list>
#include <string_view>
#include <utility>

#include "audio/recording_media_player.h"
#include "game/clock.h"
#include "game/game.h"
#include "game/random.h"

namespace gnamm::test_tavolo {

// Draws that give scripted results of EstrazioneCasuale while scripted ones remain, whatever
// the virtual time of day, and seeded ones after.
class ScriptedRandom final : public RandomSource {
  public:
    explicit ScriptedRandom(const Clock& clock, uint32_t seed = 7) : clock_(clock), seeded_(seed) {}

    // The next draw of EstrazioneCasuale(n) gives k.
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

inline Card C(std::string_view code) {
    return Card::Parse(code).value();
}

class TableTest : public ::testing::Test {
  protected:
    TableTest() {
        g.nome = "Ugo";
        g.livello = Livello::Honest;
        g.opzioni.rumoriCarte = false;
        g.opzioni.rumoriSaloon = false;
        g.opzioni.commentiZeb = false;
        // The name has been given: the splash is gone and the table takes clicks.
        g.screen.FraSplash.visible = false;
    }

    // Puts a card in a place and shows it: a face, or a back in the computer's hand.
    void posa(int place, std::string_view code) {
        g.tavolo.carta[place] = C(code);
        g.screen.ImgCarta[place].visible = true;
        g.screen.ShpCarta[place].visible = true;
        if (IsPostoTavolo(place)) g.tavolo.numeroCarteSulTavolo++;
    }
    void tavolo(std::initializer_list<std::pair<int, std::string_view>> carte) {
        for (const auto& [place, code] : carte) posa(place, code);
        g.tavolo.assoInTavola = false;
        for (const int i : kPostiTavolo) {
            if (g.tavolo.carta[i].isAce()) g.tavolo.assoInTavola = true;
        }
    }
    // The human is to play from these hand places; the computer holds cards in 1..3 and the
    // Manche is `manche` with `giocate` cards already played.
    void turnoUmano(std::initializer_list<std::pair<int, std::string_view>> mano, int manche = 1,
                    int giocate = 0) {
        for (const auto& [place, code] : mano) posa(place, code);
        for (int k = 1; k <= 3; ++k) {
            if (g.tavolo.carta[k].empty()) posa(k, "Kc");
        }
        g.tavolo.carteInManoAdH = static_cast<int>(mano.size());
        g.tavolo.carteInManoAPC = 3;
        g.tavolo.manche = manche;
        g.tavolo.numeroCarteGiocate = giocate;
        g.tavolo.carteRimasteNelMazzo = 30 - 6 * (manche - 1);
        g.tavolo.aChiTocca = Player::H;
    }

    void click(int k) { g.click(Target{TargetKind::Carta, k}); }
    void avanza(int64_t ms) { AdvanceVirtualTime(g, clock, ms); }
    bool attivo(Timer t) const { return g.scheduler.isEnabled(t); }
    bool contorno(int place) const { return g.screen.ShpContornoCarta[place].visible; }
    Rgb coloreContorno(int place) const { return g.screen.ShpContornoCarta[place].borderColor; }

    VirtualClock clock{TimeOfDay{2026, 12, 6, 10, 0, 0}};
    ScriptedRandom rng{clock};
    RecordingMediaPlayer media{clock};
    Game g{clock, rng, media, Paths{}};
};

}  // namespace gnamm::test_tavolo
