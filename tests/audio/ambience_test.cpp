// The saloon ambience: its table, its cycle and its hold on the sound indicator.
#include "audio/ambience.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "persona/zeb_table.h"

namespace gnamm {
namespace {

using ::testing::ElementsAre;
using testing::ZebTable;

TEST(SuonoAmbiente, TheTableWithAndWithoutMusic) {
    const auto expect = [](int k, bool musica, int file, int durata, int numero) {
        const SuonoSaloon s = SuonoAmbiente(k, musica);
        EXPECT_EQ(s.file, file) << k << (musica ? " with music" : "");
        EXPECT_EQ(s.durataMs, durata) << k;
        EXPECT_EQ(s.numero, numero) << k;
    };
    expect(1, false, 3, 1750, 1);  // Sa03 under its own number 1
    expect(1, true, 1, 3800, 1);
    expect(3, false, 3, 1750, 3);
    expect(3, true, 1, 3800, 1);
    expect(2, true, 2, 1010, 2);
    expect(12, false, 12, 1560, 12);
    expect(12, true, 10, 4270, 10);
    expect(13, true, 1, 3800, 1);
    expect(14, false, 14, 6390, 14);
    expect(14, true, 10, 4270, 10);
    expect(15, true, 5, 280, 5);
    expect(23, false, 23, 6800, 23);
    expect(30, true, 30, 1910, 30);
}

TEST(Ambiente, WithMusicDraw12PlaysSa10For4270msCaptioned10) {
    ZebTable t;
    t.g.scheduler.enable(Timer::Musiche);
    t.rng.next(12, 30);
    Ambiente(t.g);
    EXPECT_THAT(t.played(Channel::Ambiente), ElementsAre("\\Saloon\\Sa10.wav"));
    EXPECT_TRUE(t.g.suoni.spia.busy);
    EXPECT_EQ(t.g.suoni.spia.ambiente, 10);
    EXPECT_EQ(t.g.scheduler.interval(Timer::DurataAmbiente), 4270);
    t.g.scheduler.disable(Timer::Musiche);

    t.advance(4269);
    EXPECT_TRUE(t.g.suoni.spia.busy);
    t.advance(1);
    EXPECT_FALSE(t.g.suoni.spia.busy);
    EXPECT_EQ(t.g.suoni.spia.ambiente, 0);
}

TEST(Ambiente, ABusyIndicatorSkipsTheSound) {
    ZebTable t;
    t.g.suoni.spia.busy = true;
    Ambiente(t.g);
    EXPECT_TRUE(t.media.log().empty());
    EXPECT_EQ(t.g.suoni.spia.ambiente, 0);
}

TEST(AmbienceCycle, PausesFourToTenSecondsBetweenSounds) {
    ZebTable t(3);
    t.g.opzioni.rumoriSaloon = true;
    t.g.scheduler.enable(Timer::DurataAmbiente);  // the end of a deal starts the cycle
    t.rng.next(5, 7);                             // a pause of 8 s
    t.advance(10);
    EXPECT_EQ(t.g.scheduler.interval(Timer::Ambiente), 8000);
    t.rng.next(9, 30);  // Sa09, 670 ms
    t.advance(8000);
    EXPECT_THAT(t.played(Channel::Ambiente), ElementsAre("\\Saloon\\Sa09.wav"));
    EXPECT_EQ(t.g.suoni.spia.ambiente, 9);
    t.advance(670);
    EXPECT_FALSE(t.g.suoni.spia.busy);

    // Over a long quiet stretch every pause is 4..10 s plus the sound.
    t.advance(600000);
    int64_t last = -1;
    for (const auto& e : t.media.log()) {
        if (e.channel != Channel::Ambiente || e.isFile || e.command != Command::Play) continue;
        if (last >= 0) {
            EXPECT_GE(e.timeMs - last, 4000 + 280);
            EXPECT_LE(e.timeMs - last, 10000 + 6800);
        }
        last = e.timeMs;
    }
    EXPECT_GT(t.played(Channel::Ambiente).size(), 30u);
}

TEST(AmbienceCycle, WhileTheIndicatorIsBusyTheNextTickTriesAgain) {
    ZebTable t;
    t.g.opzioni.rumoriSaloon = true;
    t.g.scheduler.setInterval(Timer::Ambiente, 4000);
    t.g.scheduler.enable(Timer::Ambiente);
    t.g.suoni.spia.busy = true;
    t.advance(4000);
    EXPECT_TRUE(t.played(Channel::Ambiente).empty());
    EXPECT_TRUE(t.g.scheduler.isEnabled(Timer::Ambiente));
    t.g.suoni.spia.busy = false;
    t.advance(4000);
    EXPECT_EQ(t.played(Channel::Ambiente).size(), 1u);
}

TEST(AmbienceCycle, SwitchingTheOptionOffStopsAtTheNextTickButFreesThePlayingSound) {
    ZebTable t;
    t.g.opzioni.rumoriSaloon = true;
    t.g.scheduler.setInterval(Timer::Ambiente, 4000);
    t.g.scheduler.enable(Timer::Ambiente);
    t.rng.next(20, 30);  // 6710 ms
    t.advance(4000);
    t.g.opzioni.rumoriSaloon = false;
    t.advance(6710);
    EXPECT_FALSE(t.g.suoni.spia.busy);
    t.advance(20000);
    EXPECT_FALSE(t.g.scheduler.isEnabled(Timer::Ambiente));
    EXPECT_EQ(t.played(Channel::Ambiente).size(), 1u);
}

TEST(AmbienceCycle, TheHallOfFameKeepsTheIndicatorBusyAfterASound) {
    ZebTable t;
    t.rng.next(4, 30);
    Ambiente(t.g);
    t.g.screen.FraPannello[3].visible = true;
    t.advance(420);
    EXPECT_TRUE(t.g.suoni.spia.busy);
    EXPECT_EQ(t.g.suoni.spia.ambiente, 0);
}

TEST(FermaAmbiente, StoppingTheCycleMidSoundLetsGoOfTheIndicator) {
    ZebTable t;
    t.g.opzioni.rumoriSaloon = true;
    t.rng.next(16, 30);
    Ambiente(t.g);
    t.advance(1000);
    FermaAmbiente(t.g);
    EXPECT_FALSE(t.g.scheduler.isEnabled(Timer::DurataAmbiente));
    EXPECT_FALSE(t.g.scheduler.isEnabled(Timer::Ambiente));
    EXPECT_FALSE(t.g.suoni.spia.busy);
    EXPECT_EQ(t.g.suoni.spia.ambiente, 0);

    // Someone else's hold is not released.
    t.g.suoni.spia.busy = true;
    FermaAmbiente(t.g);
    EXPECT_TRUE(t.g.suoni.spia.busy);
}

}  // namespace
}  // namespace gnamm
