// The background music: the order without repetition, the countdown and the pauses.
#include "audio/music.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "support/table_fixture.h"

namespace gnamm {
namespace {

using ::testing::ElementsAre;
using test_tavolo::Banco;

TEST(ScegliMusiche, StartsTheDrawnTrackWithItsLength) {
    Banco t;
    t.rng.forza(24, 22);
    ScegliMusiche(t.g);
    EXPECT_THAT(t.traccia(Channel::Musiche),
                ElementsAre("Prev", "Close", "file:", "file:\\Musiche\\22.mid", "Open", "Play"));
    EXPECT_EQ(t.g.suoni.contaMusiche, 257);
    EXPECT_EQ(t.g.suoni.musica, 22);
    EXPECT_EQ(t.g.suoni.numeroMusiche, 1);
    EXPECT_TRUE(t.g.scheduler.isEnabled(Timer::Musiche));
}

TEST(ScegliMusiche, EveryTrackOncePerCycleAndThe25thStartsANewOne) {
    Banco t(11);
    for (int i = 0; i < 24; ++i) ScegliMusiche(t.g);
    const std::vector<std::string> tracks = t.suonati(Channel::Musiche);
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
    Banco t;
    t.g.opzioni.pausaMusiche = PausaMusiche::Long;
    t.rng.forza(24, 2);  // 99 s
    ScegliMusiche(t.g);
    t.avanza(98000);
    EXPECT_EQ(t.g.suoni.contaMusiche, 1);
    t.avanza(1000);
    EXPECT_FALSE(t.g.scheduler.isEnabled(Timer::Musiche));
    EXPECT_TRUE(t.g.scheduler.isEnabled(Timer::Silenzio));
    // The track itself is never stopped by the countdown.
    EXPECT_EQ(t.traccia(Channel::Musiche).back(), "Play");

    t.avanza(59999);
    EXPECT_EQ(t.suonati(Channel::Musiche).size(), 1u);
    t.avanza(1);
    EXPECT_EQ(t.suonati(Channel::Musiche).size(), 2u);
    EXPECT_FALSE(t.g.scheduler.isEnabled(Timer::Silenzio));
}

TEST(SpegniMusiche, StopsCountdownAndPauseAndClosesTheChannel) {
    Banco t;
    ScegliMusiche(t.g);
    t.avanza(5000);
    t.media.clear();
    SpegniMusiche(t.g);
    EXPECT_THAT(t.traccia(Channel::Musiche), ElementsAre("Prev", "Close"));
    EXPECT_EQ(t.g.suoni.contaMusiche, 0);
    EXPECT_FALSE(t.g.scheduler.isEnabled(Timer::Musiche));
    t.avanza(600000);
    EXPECT_EQ(t.media.log().size(), 2u) << "no track starts again";
}

}  // namespace
}  // namespace gnamm
