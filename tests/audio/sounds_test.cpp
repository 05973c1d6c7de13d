// The card noises, the click and the closing of the channels.
#include "audio/sounds.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "persona/zeb_table.h"

namespace gnamm {
namespace {

using ::testing::ElementsAre;
using testing::ZebTable;

TEST(AvviaSuono, RewindsClosesThenOpensAndPlaysTheNewFile) {
    ZebTable t;
    AvviaSuono(t.g, Channel::Rumori, "\\Rumori\\Presa.wav");
    EXPECT_THAT(t.trace(Channel::Rumori),
                ElementsAre("Prev", "Close", "file:\\Rumori\\Presa.wav", "Open", "Play"));
}

TEST(ChiudiSuoni, StopsTheTableChannelsAndLeavesMusicAndSplashAlone) {
    ZebTable t;
    ChiudiSuoni(t.g);
    for (const Channel c :
         {Channel::Rumori, Channel::Ambiente, Channel::Impazienza, Channel::Commenti}) {
        EXPECT_THAT(t.trace(c), ElementsAre("Stop", "Prev", "Close")) << ChannelName(c);
    }
    EXPECT_TRUE(t.trace(Channel::Musiche).empty());
    EXPECT_TRUE(t.trace(Channel::AudioSplash).empty());
    // Channel order: noises, ambience, impatience, comments.
    EXPECT_EQ(t.media.log()[0].channel, Channel::Rumori);
    EXPECT_EQ(t.media.log()[3].channel, Channel::Ambiente);
    EXPECT_EQ(t.media.log()[6].channel, Channel::Impazienza);
    EXPECT_EQ(t.media.log()[9].channel, Channel::Commenti);
}

TEST(RumoreGioco, PlaysTheDrawnNoiseAndFreesTheIndicatorAfter230ms) {
    ZebTable t;
    for (int k = 1; k <= 3; ++k) {
        t.g.suoni.spia.busy = true;
        t.rng.next(k, 3);
        RumoreGioco(t.g);
        EXPECT_EQ(t.played(Channel::Rumori).back(), "\\Rumori\\gioco" + std::to_string(k) + ".wav");
        t.advance(229);
        EXPECT_TRUE(t.g.suoni.spia.busy);
        t.advance(1);
        EXPECT_FALSE(t.g.suoni.spia.busy);
        EXPECT_FALSE(t.g.scheduler.isEnabled(Timer::Rumoregioco));
    }
}

TEST(SuonoClic, PlaysTheClickAndFreesTheIndicatorAfter230ms) {
    ZebTable t;
    t.g.suoni.spia.busy = true;
    SuonoClic(t.g);
    EXPECT_THAT(t.played(Channel::Rumori), ElementsAre("\\Rumori\\carta3.wav"));
    t.advance(230);
    EXPECT_FALSE(t.g.suoni.spia.busy);
    EXPECT_FALSE(t.g.scheduler.isEnabled(Timer::Carta));
}

}  // namespace
}  // namespace gnamm
