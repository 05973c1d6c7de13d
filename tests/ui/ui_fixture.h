// A whole game on pinned services for the panel and start-up tests: a virtual clock at a fixed
// time of day, a seeded random source, a recording media player and a Dati folder of its own.
#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "audio/recording_media_player.h"
#include "data/temp_dati.h"
#include "rules/clock.h"
#include "rules/random.h"
#include "support/scripted_random.h"
#include "ui/finestra.h"
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

    // The human plays his first card, and takes the first card a pick offers.
    void giocaSeTocca() {
        const Game& s = g.game;
        if (s.tavolo.aChiTocca == Player::H && s.umano.cartaGiocata == 0) {
            for (const int k : {4, 5, 6}) {
                if (!s.tavolo.carta[k].empty()) return g.click({TargetKind::Carta, k});
            }
        }
        if (s.umano.puoiScegliere && !s.umano.presaDecisa) {
            for (const int i : kPostiTavolo) {
                if (!s.tavolo.carta[i].empty() && !s.umano.scelta[i]) {
                    g.click({TargetKind::Carta, i});
                    if (s.umano.presaDecisa) return;
                }
            }
        }
    }

    testing_support::TempDati dati;
    VirtualClock clock{kOra};
    SeededRandom rng;
    RecordingMediaPlayer media{clock};
    Finestra g{clock, rng, media, Paths{dati.dati().parent_path() / "assets", dati.dati()}};
};

using testing_support::FixedRandom;
using testing_support::ScriptedRandom;

}  // namespace gnamm::test_ui
