// Whole Giochi through the real code paths, the options varied by seed: the simulator's human
// clicks as a player would, the computer answers with its own move, and every card and every
// point must be accounted for.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "audio/recording_media_player.h"
#include "game/capture_rules.h"
#include "game/deal.h"
#include "game/game.h"
#include "game/table_model.h"
#include "human_policy.h"
#include "invariants.h"

namespace gnamm {
namespace {

using ::testing::IsEmpty;

TEST(GiocoScenario, EveryCardAndEveryPointIsAccountedFor) {
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE(seed);
        VirtualClock clock{TimeOfDay{2026, 12, 6, 21, 17, 0}};
        SeededRandom rng(seed);
        RecordingMediaPlayer media{clock};
        auto partita = std::make_unique<Game>(clock, rng, media, Paths{});
        Game& g = *partita;
        g.nome = "Ugo";
        g.livello = static_cast<Livello>(1 + seed % 3);
        g.opzioni.commentiZeb = seed % 2 == 0;
        g.opzioni.rumoriCarte = seed % 3 != 0;
        g.opzioni.giocoTerzaCarta = seed % 4 == 0 ? TerzaCarta::Automatic : TerzaCarta::Manual;
        g.tavolo.mazziere = seed % 2 == 0 ? Player::PC : Player::H;
        g.screen.FraSplash.visible = false;
        const sim::Politica politica =
            seed % 5 == 0 ? sim::Politica::Greedy : sim::Politica::Random;
        std::mt19937 umano(seed);
        sim::ControlloPunti punti;

        NuovoGioco(g);
        AzzeraTabellone(g.punteggi);
        MescolaCarte(g);
        for (int passi = 0; !g.screen.FraQuando.visible && passi < 20000; ++passi) {
            if (sim::TurnoUmano(g)) {
                ASSERT_THAT(sim::ControllaCarte(g), IsEmpty());
                ASSERT_TRUE(sim::GiocaUmano(g, politica, umano)) << "a legal pick was refused";
            }
            AdvanceVirtualTime(g, clock, 50);
            ASSERT_LE(ContaCarteSulTavolo(g.tavolo.carta), 12);
        }
        ASSERT_TRUE(g.screen.FraQuando.visible) << "the Gioco never ended";
        EXPECT_EQ(g.tavolo.carteRimasteNelMazzo, 0);
        EXPECT_EQ(g.tavolo.manche, 6);
        EXPECT_THAT(punti.fineGioco(g), IsEmpty());
    }
}

}  // namespace
}  // namespace gnamm
