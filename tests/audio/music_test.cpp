// The background music: the order without repetition, the countdown and the pauses.
#include "audio/music.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "persona/zeb_table.h"

namespace gnamm {
namespace {

using ::testing::ElementsAre;
using testing::ZebTable;

TEST(ScegliMusiche, StartsTheDrawnTrackWithItsLength) {
    ZebTable t;
    t.rng.next(22, 24);
    ScegliMusiche(t.g);
    EXPECT_THAT(t.trace(Channel::Musiche),
                ElementsAre("Prev", "Close", "file:", "file:\\Musiche\\22.mid", "Open", "Play"));
    EXPECT_EQ(t.g.suoni.contaMusiche, 257);
    EXPECT_EQ(t.g.suoni.musica, 22);
    EXPECT_EQ(t.g.suoni.numeroMusiche, 1);
    EXPECT_TRUE(t.g.scheduler.isEnabled(Timer::Musiche));
}

TEST(ScegliMusiche, EveryTrackOncePerCycleAndThe25thStartsANewOne) {
    ZebTable t(11);
    for (int i = 0; i < 24; ++i) ScegliMusiche(t.g);
    const std::vector<std::string> tracks = t.played(Channel::Musiche);
    EXPECT_EQ(std::set<std::string>(tracks.begin(), tracks.end()).size(), 24u);
    EXPECT_EQ(t.g.suoni.numeroMusiche, 24);

    ScegliMusiche(t.g);
    EXPECT_EQ(t.g.suoni.numeroMusiche, 1);
    int flags = 0;
    for (int k = 1; k <= 24; ++k) flags += t.g.suoni.musicaSuonata[static_cast<size_t>(k)] ? 1 : 0;
    EXPECT_EQ(flags, 1);
    EXPECT_TRUE(t.g.suoni.musicaSuonata[static_cast<size_t>(t.g.suoni.musica)]);
}

TEST(MusicCycle, CountsDownTheTrackThenPausesByTheOption) {
    ZebTable t;
    t.g.opzioni.pausaMusiche = PausaMusiche::Long;
    t.rng.next(2, 24);  // 99 s
    ScegliMusiche(t.g);
    t.advance(98000);
    EXPECT_EQ(t.g.suoni.contaMusiche, 1);
    t.advance(1000);
    EXPECT_FALSE(t.g.scheduler.isEnabled(Timer::Musiche));
    EXPECT_TRUE(t.g.scheduler.isEnabled(Timer::Silenzio));
    // The track itself is never stopped by the countdown.
    EXPECT_EQ(t.trace(Channel::Musiche).back(), "Play");

    t.advance(59999);
    EXPECT_EQ(t.played(Channel::Musiche).size(), 1u);
    t.advance(1);
    EXPECT_EQ(t.played(Channel::Musiche).size(), 2u);
    EXPECT_FALSE(t.g.scheduler.isEnabled(Timer::Silenzio));
}

TEST(SpegniMusiche, StopsCountdownAndPauseAndClosesTheChannel) {
    ZebTable t;
    ScegliMusiche(t.g);
    t.advance(5000);
    t.media.clear();
    SpegniMusiche(t.g);
    EXPECT_THAT(t.trace(Channel::Musiche), ElementsAre("Prev", "Close"));
    EXPECT_EQ(t.g.suoni.contaMusiche, 0);
    EXPECT_FALSE(t.g.scheduler.isEnabled(Timer::Musiche));
    t.advance(600000);
    EXPECT_EQ(t.media.log().size(), 2u) << "no track starts again";
}

}  // namespace
}  // namespace gnamm
