// The card noises, the click and the closing of the channels.
#include "audio/sounds.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/table_fixture.h"

namespace gnamm {
namespace {

using ::testing::ElementsAre;
using test_tavolo::Banco;

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
    // Channel order: noises, ambience, impatience, comments.
    EXPECT_EQ(t.media.log()[0].channel, Channel::Rumori);
    EXPECT_EQ(t.media.log()[3].channel, Channel::Ambiente);
    EXPECT_EQ(t.media.log()[6].channel, Channel::Impazienza);
    EXPECT_EQ(t.media.log()[9].channel, Channel::Commenti);
}

TEST(RumoreGioco, PlaysTheDrawnNoiseAndFreesTheIndicatorAfter230ms) {
    Banco t;
    for (int k = 1; k <= 3; ++k) {
        t.g.suoni.spia.busy = true;
        t.rng.forza(3, k);
        RumoreGioco(t.g);
        EXPECT_EQ(t.suonati(Channel::Rumori).back(), "\\Rumori\\gioco" + std::to_string(k) + ".wav");
        t.avanza(229);
        EXPECT_TRUE(t.g.suoni.spia.busy);
        t.avanza(1);
        EXPECT_FALSE(t.g.suoni.spia.busy);
        EXPECT_FALSE(t.g.scheduler.isEnabled(Timer::Rumoregioco));
    }
}

TEST(SuonoClic, PlaysTheClickAndFreesTheIndicatorAfter230ms) {
    Banco t;
    t.g.suoni.spia.busy = true;
    SuonoClic(t.g);
    EXPECT_THAT(t.suonati(Channel::Rumori), ElementsAre("\\Rumori\\carta3.wav"));
    t.avanza(230);
    EXPECT_FALSE(t.g.suoni.spia.busy);
    EXPECT_FALSE(t.g.scheduler.isEnabled(Timer::Carta));
}

}  // namespace
}  // namespace gnamm
