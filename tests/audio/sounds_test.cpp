// The card noises, the click and the closing of the channels.
#include "audio/sounds.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/table_fixture.h"

namespace gnamm {
namespace {

using test_tavolo::Banco;
using ::testing::ElementsAre;

TEST(AvviaSuono, RewindsClosesThenOpensAndPlaysTheNewFile) {
    Banco t;
    AvviaSuono(t.g, Channel::Rumori, "\\Rumori\\Presa.wav");
    EXPECT_THAT(t.traccia(Channel::Rumori),
                ElementsAre("Prev", "Close", "file:\\Rumori\\Presa.wav", "Open", "Play"));
}

TEST(ChiudiSuoni, StopsTheTableChannelsAndLeavesMusicAndSplashAlone) {
    Banco t;
    ChiudiSuoni(t.g);
    for (const Channel c :
         {Channel::Rumori, Channel::Ambiente, Channel::Impazienza, Channel::Commenti}) {
        EXPECT_THAT(t.traccia(c), ElementsAre("Stop", "Prev", "Close")) << ChannelName(c);
    }
    EXPECT_TRUE(t.traccia(Channel::Musiche).empty());
    EXPECT_TRUE(t.traccia(Channel::AudioSplash).empty());
}

// The drawn card noise and the click each hold the indicator for 230 ms.
TEST(RumoreGioco, ThePlayNoisesAndTheClickFreeTheIndicatorAfter230ms) {
    Banco t;
    for (int k = 1; k <= 4; ++k) {
        t.g.suoni.spia.busy = true;
        if (k <= 3) {
            t.rng.forza(3, k);
            RumoreGioco(t.g);
        } else {
            SuonoClic(t.g);
        }
        const std::string atteso = k <= 3 ? "gioco" + std::to_string(k) : "carta3";
        EXPECT_EQ(t.suonati(Channel::Rumori).back(), "\\Rumori\\" + atteso + ".wav");
        t.avanza(229);
        EXPECT_TRUE(t.g.suoni.spia.busy);
        t.avanza(1);
        EXPECT_FALSE(t.g.suoni.spia.busy);
        EXPECT_FALSE(t.attivo(Timer::Rumoregioco) || t.attivo(Timer::Carta));
    }
}

}  // namespace
}  // namespace gnamm
