#include "platform/sdl_media_player.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <vector>

#include "data/temp_dati.h"
#include "sdl_fixture.h"

namespace gnamm::platform {
namespace {

using S = SdlMediaPlayer::State;
using enum Command;

// A mono 16-bit WAV of the given length, of silence.
void WriteWav(const std::filesystem::path& file, int ms) {
    const uint32_t bytes = 22050u * static_cast<uint32_t>(ms) / 1000 * 2;
    // "RIFF", its length, "WAVE", "fmt ", 16 bytes of format: PCM mono, 22050 Hz, 44100 bytes a
    // second, 2-byte frames of 16 bits; then "data" and its length. Little-endian words.
    const uint32_t header[] = {0x46464952, 36 + bytes, 0x45564157, 0x20746d66, 16,   0x00010001,
                               22050,      44100,      0x00100002, 0x61746164, bytes};
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(header), sizeof header);
    out << std::string(bytes, '\0');
}

// A one-track MIDI file holding one long note.
void WriteMidi(const std::filesystem::path& file) {
    const unsigned char bytes[] = {
        'M',  'T',  'h',  'd',  0, 0, 0, 6,  0, 0, 0, 1, 0, 96,  // format 0, 96 ticks a beat
        'M',  'T',  'r',  'k',  0, 0, 0, 13,                     //
        0x00, 0x90, 60,   100,                                   // note on
        0x83, 0x00, 0x80, 60,   0,                               // off after 384 ticks
        0x00, 0xFF, 0x2F, 0x00,                                  // end of track
    };
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

class MediaPlayerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing_support::EnsureSdl();
        std::filesystem::create_directories(dir.dati());
        WriteWav(dir.dati() / "voice.wav", 3000);
        std::ofstream(dir.dati() / "broken.wav") << "not a sound";
        WriteMidi(dir.dati() / "02.mid");
    }
    SoundResolver resolver() {
        return [this](std::string_view name) -> std::optional<std::filesystem::path> {
            if (name == "\\Zeb\\S01.wav") return dir.dati() / "voice.wav";
            if (name == "\\Zeb\\S02.wav") return dir.dati() / "broken.wav";
            if (name == "\\Musiche\\02.mid") return dir.dati() / "02.mid";
            if (name == "\\Musiche\\03.mid") return dir.dati() / "broken.wav";
            return std::nullopt;
        };
    }
    // Sends the commands in turn: the channel's state after each, as "Stopped Playing".
    static std::string run(SdlMediaPlayer& p, Channel ch, std::initializer_list<Command> commands) {
        static const char* const kStates[] = {"Closed", "Stopped", "Playing", "Paused"};
        std::string states;
        for (const Command c : commands) {
            p.command(ch, c);
            states += (states.empty() ? "" : " ") + std::string(kStates[int(p.state(ch))]);
        }
        return states;
    }
    gnamm::testing_support::TempDati dir;
};

TEST_F(MediaPlayerTest, TheChannelCommandsStartPauseRewindAndReleaseOrFindNoFile) {
    SdlMediaPlayer p(resolver());
    ASSERT_TRUE(p.hasDevice()) << "the dummy audio driver should open";
    EXPECT_EQ(run(p, Channel::Commenti, {Play}), "Closed");  // nothing open yet: no effect
    p.setFile(Channel::Commenti, "\\Zeb\\S01.wav");
    EXPECT_EQ(run(p, Channel::Commenti, {Open, Play}), "Stopped Playing");
    EXPECT_TRUE(Mix_Playing(3));
    EXPECT_EQ(run(p, Channel::Commenti, {Stop, Play, Prev}), "Paused Playing Stopped");
    EXPECT_FALSE(Mix_Playing(3));
    EXPECT_EQ(run(p, Channel::Commenti, {Close}), "Closed");
    EXPECT_EQ(p.state(Channel::Rumori), S::Closed);  // the other channels never noticed
    // Missing or broken files, sounds and MIDI tracks alike, leave the channel closed.
    for (const auto& [ch, name] : {std::pair{Channel::Rumori, "\\Zeb\\S02.wav"},
                                   {Channel::Rumori, "\\Zeb\\S99.wav"},
                                   {Channel::Rumori, ""},
                                   {Channel::Musiche, "\\Musiche\\01.mid"},
                                   {Channel::Musiche, "\\Musiche\\03.mid"}}) {
        p.setFile(ch, name);
        EXPECT_EQ(run(p, ch, {Open, Play, Stop, Prev, Close}), "Closed Closed Closed Closed Closed")
            << name;
    }
}

TEST_F(MediaPlayerTest, TheDeviceClosesAfterTwoQuietSecondsAndTheNextSoundOpensIt) {
    SdlMediaPlayer p(resolver());
    ASSERT_TRUE(p.deviceOpen());
    // A sound already open but not yet played, as between Open and Play.
    p.setFile(Channel::Rumori, "\\Zeb\\S01.wav");
    p.command(Channel::Rumori, Open);
    // Opening counts as sounding; then quiet for 1 s of the 2, 1.5 s, 2 s: closed.
    EXPECT_EQ((std::vector{p.closeWhenIdle(10'000), p.closeWhenIdle(11'000),
                           p.closeWhenIdle(11'500), p.closeWhenIdle(12'000)}),
              (std::vector{1000, 1000, 500, -1}));
    EXPECT_FALSE(p.deviceOpen());
    EXPECT_TRUE(p.hasDevice());

    // The next sound opens the device first and plays from its start.
    p.setFile(Channel::Commenti, "\\Zeb\\S01.wav");
    p.command(Channel::Commenti, Open);
    EXPECT_TRUE(p.deviceOpen());
    EXPECT_EQ(run(p, Channel::Commenti, {Play}), "Playing");
    EXPECT_TRUE(Mix_Playing(3));
    // While it sounds (3 s) the device stays open however long the check waits.
    EXPECT_EQ(p.closeWhenIdle(20'000), 1000);
    EXPECT_EQ(p.closeWhenIdle(30'000), 1000);
    EXPECT_TRUE(p.deviceOpen());
    // The sound opened before the device closed plays too, decoded again.
    EXPECT_EQ(run(p, Channel::Rumori, {Play}), "Playing");
    EXPECT_TRUE(Mix_Playing(0));
}

TEST_F(MediaPlayerTest, WithoutAnAudioDeviceEveryCommandIsTakenSilently) {
    SDL_setenv("SDL_AUDIODRIVER", "no-such-device", 1);
    {
        // Not a word from the sound libraries: the game tells the player (AvvisaRisorse).
        ::testing::internal::CaptureStderr();
        SdlMediaPlayer p(resolver());
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
        EXPECT_FALSE(p.hasDevice());
        // The channel keeps its story, so the game's protocol runs as with sound.
        p.setFile(Channel::Commenti, "\\Zeb\\S01.wav");
        EXPECT_EQ(run(p, Channel::Commenti, {Open, Play, Stop, Close}),
                  "Stopped Playing Paused Closed");
    }
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);  // as the fixture chose it
}

TEST_F(MediaPlayerTest, MusicPlaysMidiThroughTheSoundFont) {
    if (!FindSoundFont()) GTEST_SKIP() << "no General MIDI sound font installed";
    SdlMediaPlayer p(resolver());
    ASSERT_TRUE(p.hasDevice());
    p.setFile(Channel::Musiche, "\\Musiche\\02.mid");
    ASSERT_EQ(run(p, Channel::Musiche, {Open, Play}), "Stopped Playing") << Mix_GetError();
    EXPECT_TRUE(Mix_PlayingMusic());
    // Music plays under the voices: a remark on its own channel leaves it playing.
    p.setFile(Channel::Commenti, "\\Zeb\\S01.wav");
    EXPECT_EQ(run(p, Channel::Commenti, {Open, Play}), "Stopped Playing");
    EXPECT_EQ(p.state(Channel::Musiche), S::Playing);
    EXPECT_EQ(run(p, Channel::Musiche, {Prev, Close}), "Stopped Closed");
    EXPECT_FALSE(Mix_PlayingMusic());
    EXPECT_EQ(p.state(Channel::Commenti), S::Playing);

    // The synthesizer closes with an idle device and starts again with the next piece.
    p.command(Channel::Commenti, Prev);
    for (const uint64_t t : {0, 1000, 2000, 3000}) p.closeWhenIdle(t);
    ASSERT_FALSE(p.deviceOpen());
    EXPECT_EQ(run(p, Channel::Musiche, {Open, Play}), "Stopped Playing");
    EXPECT_TRUE(Mix_PlayingMusic());
}

}  // namespace
}  // namespace gnamm::platform
