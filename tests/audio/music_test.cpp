// The background music: the order without repetition, the countdown and the pauses.
#include "audio/music.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "support/table_fixture.h"

namespace gnamm {
namespace {

using test_tavolo::Banco;

// The cycle itself is the remark sets' cycle, checked there.
TEST(ScegliMusiche, EveryTrackOncePerCycleAndThe25thStartsANewOne) {
    Banco t(11);
    for (int i = 0; i < kNumeroMusiche; ++i) ScegliMusiche(t.g);
    const std::vector<std::string> tracks = t.suonati(Channel::Musiche);
    EXPECT_EQ(std::set<std::string>(tracks.begin(), tracks.end()).size(), 24u);
    EXPECT_TRUE(t.attivo(Timer::Musiche));
    ScegliMusiche(t.g);
    EXPECT_EQ(t.g.suoni.numeroMusiche, 1);
}

TEST(MusicCycle, CountsDownTheTrackThenPausesByTheOption) {
    Banco t;
    t.g.opzioni.pausaMusiche = PausaMusiche::Long;
    t.rng.forza(24, 2);  // 99 s
    ScegliMusiche(t.g);
    EXPECT_THAT(
        t.traccia(Channel::Musiche),
        ::testing::ElementsAre("Prev", "Close", "file:", "file:\\Musiche\\02.mid", "Open", "Play"));
    t.avanza(98000);
    EXPECT_TRUE(t.attivo(Timer::Musiche));
    t.avanza(1000);
    EXPECT_FALSE(t.attivo(Timer::Musiche));
    EXPECT_TRUE(t.attivo(Timer::Silenzio));
    EXPECT_EQ(t.traccia(Channel::Musiche).back(), "Play") << "the countdown never stops a track";

    t.avanza(59999);
    EXPECT_EQ(t.suonati(Channel::Musiche).size(), 1u);
    t.avanza(1);
    EXPECT_EQ(t.suonati(Channel::Musiche).size(), 2u);
    EXPECT_FALSE(t.attivo(Timer::Silenzio));
}

TEST(SpegniMusiche, StopsCountdownAndPauseAndClosesTheChannel) {
    Banco t;
    ScegliMusiche(t.g);
    t.avanza(5000);
    t.media.clear();
    SpegniMusiche(t.g);
    EXPECT_EQ(t.traccia(Channel::Musiche).back(), "Close");
    EXPECT_FALSE(t.attivo(Timer::Musiche));
    t.avanza(600000);
    EXPECT_TRUE(t.suonati(Channel::Musiche).empty()) << "no track starts again";
}

}  // namespace
}  // namespace gnamm
