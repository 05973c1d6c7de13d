// The game's sounds: the card noises and the click, the saloon ambience with its hold on the
// sound indicator, the background music, and the closing of the channels.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "audio/ambience.h"
#include "audio/music.h"
#include "audio/sounds.h"
#include "support/table_fixture.h"

namespace gnamm {
namespace {

using test_tavolo::Banco;
using ::testing::ElementsAre;

TEST(AvviaSuono, RewindsClosesThenOpensAndPlaysTheNewFileAndChiudiSuoniStops) {
    Banco t;
    AvviaSuono(t.finestra.media, Channel::Rumori, "\\Rumori\\Presa.wav");
    EXPECT_THAT(t.traccia(Channel::Rumori),
                ElementsAre("Prev", "Close", "file:\\Rumori\\Presa.wav", "Open", "Play"));
    // Closing stops the table's channels and leaves the music and the splash alone.
    t.media.clear();
    ChiudiSuoni(t.finestra.media);
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
        t.g.spia.busy = true;
        if (k <= 3) {
            t.rng.forza(3, k);
            RumoreGioco(t.finestra.suoni);
        } else {
            SuonoClic(t.finestra.suoni);
        }
        const std::string atteso = k <= 3 ? "gioco" + std::to_string(k) : "carta3";
        EXPECT_EQ(t.suonati(Channel::Rumori).back(), "\\Rumori\\" + atteso + ".wav");
        t.avanza(229);
        EXPECT_TRUE(t.g.spia.busy);
        t.avanza(1);
        EXPECT_FALSE(t.g.spia.busy);
        EXPECT_FALSE(t.attivo(Timer::Rumoregioco) || t.attivo(Timer::Carta));
    }
}

// The draws whose sound or caption changes under the music, and a few that do not.
TEST(SuonoAmbiente, TheTableWithAndWithoutMusic) {
    // The draw, with music or not, and the file, duration and caption number.
    const std::tuple<int, bool, SuonoSaloon> casi[] = {
        {1, false, {3, 1750, 1}},    {1, true, {1, 3800, 1}},    {3, true, {1, 3800, 1}},
        {12, false, {12, 1560, 12}}, {12, true, {10, 4270, 10}}, {14, true, {10, 4270, 10}},
        {15, true, {5, 280, 5}},     {23, false, {23, 6800, 23}}};
    for (const auto& [k, musica, atteso] : casi) {
        const SuonoSaloon s = SuonoAmbiente(k, musica);
        EXPECT_EQ(std::tie(s.file, s.durataMs, s.numero),
                  std::tie(atteso.file, atteso.durataMs, atteso.numero))
            << k << (musica ? " with music" : "");
    }
}

TEST(Ambiente, WithMusicDraw12PlaysSa10For4270msCaptioned10UnlessTheIndicatorIsBusy) {
    Banco t;
    t.g.scheduler.enable(Timer::Musiche);
    t.rng.forza(30, 12);
    Ambiente(t.finestra.suoni);
    EXPECT_THAT(t.suonati(Channel::Ambiente), ElementsAre("\\Saloon\\Sa10.wav"));
    EXPECT_EQ(std::pair(t.g.spia.busy, t.g.spia.ambiente), std::pair(true, 10));
    t.g.scheduler.disable(Timer::Musiche);

    t.avanza(4269);
    EXPECT_TRUE(t.g.spia.busy);
    t.avanza(1);
    EXPECT_EQ(std::pair(t.g.spia.busy, t.g.spia.ambiente), std::pair(false, 0));

    // A busy indicator skips the sound.
    t.media.clear();
    t.g.spia.busy = true;
    Ambiente(t.finestra.suoni);
    EXPECT_TRUE(t.media.log().empty());
    EXPECT_EQ(t.g.spia.ambiente, 0);
    // The hall of fame keeps the indicator busy after a sound.
    t.g.spia.busy = false;
    t.rng.forza(30, 4);
    Ambiente(t.finestra.suoni);
    t.g.classifica.alboAperto = true;
    t.avanza(420);
    EXPECT_EQ(std::pair(t.g.spia.busy, t.g.spia.ambiente), std::pair(true, 0));
}

TEST(AmbienceCycle, PausesFourToTenSecondsBetweenSounds) {
    Banco t(3);
    t.g.opzioni.rumoriSaloon = true;
    t.g.scheduler.enable(Timer::DurataAmbiente);  // the end of a deal starts the cycle
    t.rng.forza(7, 5);                            // a pause of 8 s
    t.avanza(10);
    EXPECT_EQ(t.g.scheduler.interval(Timer::Ambiente), 8000);
    t.rng.forza(30, 9);  // Sa09, 670 ms
    t.avanza(8000);
    EXPECT_THAT(t.suonati(Channel::Ambiente), ElementsAre("\\Saloon\\Sa09.wav"));
    EXPECT_EQ(t.g.spia.ambiente, 9);
    t.avanza(670);
    EXPECT_FALSE(t.g.spia.busy);

    // Over a long quiet stretch every pause is 4..10 s plus the sound.
    t.avanza(600000);
    int64_t last = -1;
    for (const auto& e : t.media.log()) {
        if (e.channel != Channel::Ambiente || e.isFile || e.command != Command::Play) continue;
        EXPECT_TRUE(last < 0 || (e.timeMs - last >= 4000 + 280 && e.timeMs - last <= 10000 + 6800))
            << e.timeMs - last;
        last = e.timeMs;
    }
    EXPECT_GT(t.suonati(Channel::Ambiente).size(), 30u);
}

// A tick that finds the indicator busy tries again at the next; with the option switched off
// the cycle stops at the next tick, and the sound under way still frees the indicator; stopped
// by FermaAmbiente, it lets go of the indicator at once.
TEST(AmbienceCycle, ABusyTickTriesAgainAndTheOptionOffOrFermaAmbienteStopsTheCycle) {
    Banco t;
    t.g.opzioni.rumoriSaloon = true;
    t.g.scheduler.setInterval(Timer::Ambiente, 4000);
    t.g.scheduler.enable(Timer::Ambiente);
    t.g.spia.busy = true;
    t.avanza(4000);
    EXPECT_TRUE(t.suonati(Channel::Ambiente).empty());
    t.g.spia.busy = false;
    t.rng.forza(30, 20);  // 6710 ms
    t.avanza(4000);
    EXPECT_EQ(t.suonati(Channel::Ambiente).size(), 1u);
    t.g.opzioni.rumoriSaloon = false;
    t.avanza(6710);
    EXPECT_FALSE(t.g.spia.busy);
    t.avanza(20000);
    EXPECT_FALSE(t.g.scheduler.isEnabled(Timer::Ambiente));
    EXPECT_EQ(t.suonati(Channel::Ambiente).size(), 1u);
    // Stopping the cycle mid-sound lets go of the indicator.
    t.g.opzioni.rumoriSaloon = true;
    t.rng.forza(30, 16);
    Ambiente(t.finestra.suoni);
    t.avanza(1000);
    FermaAmbiente(t.finestra.suoni);
    EXPECT_FALSE(t.g.scheduler.isEnabled(Timer::DurataAmbiente) ||
                 t.g.scheduler.isEnabled(Timer::Ambiente));
    EXPECT_EQ(std::pair(t.g.spia.busy, t.g.spia.ambiente), std::pair(false, 0));
    // Someone else's hold is not released.
    t.g.spia.busy = true;
    FermaAmbiente(t.finestra.suoni);
    EXPECT_TRUE(t.g.spia.busy);
}

// The cycle itself is the remark sets' cycle, checked there.
TEST(ScegliMusiche, EveryTrackOncePerCycleAndThe25thStartsANewOne) {
    Banco t(11);
    for (int i = 0; i < kNumeroMusiche; ++i) ScegliMusiche(t.finestra.suoni);
    const std::vector<std::string> tracks = t.suonati(Channel::Musiche);
    EXPECT_EQ(std::set<std::string>(tracks.begin(), tracks.end()).size(), 24u);
    EXPECT_TRUE(t.attivo(Timer::Musiche));
    ScegliMusiche(t.finestra.suoni);
    EXPECT_EQ(t.finestra.suoni.stato.numeroMusiche, 1);
}

TEST(MusicCycle, CountsDownTheTrackThenPausesByTheOptionUntilSwitchedOff) {
    Banco t;
    t.g.opzioni.pausaMusiche = PausaMusiche::Long;
    t.rng.forza(24, 2);  // 99 s
    ScegliMusiche(t.finestra.suoni);
    EXPECT_THAT(t.traccia(Channel::Musiche),
                ElementsAre("Prev", "Close", "file:", "file:\\Musiche\\02.mid", "Open", "Play"));
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
    // Switched off, the countdown and the pause stop, the channel closes, no track starts again.
    t.avanza(5000);
    t.media.clear();
    SpegniMusiche(t.finestra.suoni);
    EXPECT_EQ(t.traccia(Channel::Musiche).back(), "Close");
    EXPECT_FALSE(t.attivo(Timer::Musiche));
    t.avanza(600000);
    EXPECT_TRUE(t.suonati(Channel::Musiche).empty());
}

}  // namespace
}  // namespace gnamm
