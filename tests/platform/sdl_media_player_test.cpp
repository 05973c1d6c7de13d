#include "platform/sdl_media_player.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <vector>

#include "data/temp_dati.h"
#include "sdl_fixture.h"

namespace gnamm::platform {
namespace {

// A mono 16-bit WAV of the given length, a plain tone.
void WriteWav(const std::filesystem::path& file, int ms) {
    const uint32_t rate = 22050;
    const uint32_t samples = rate * static_cast<uint32_t>(ms) / 1000;
    std::vector<int16_t> data(samples);
    for (uint32_t i = 0; i < samples; ++i)
        data[i] = static_cast<int16_t>((i / 25) % 2 ? 3000 : -3000);
    std::ofstream out(file, std::ios::binary);
    auto u32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out.write("RIFF", 4);
    u32(36 + samples * 2);
    out.write("WAVEfmt ", 8);
    u32(16);
    u16(1);
    u16(1);
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    out.write("data", 4);
    u32(samples * 2);
    out.write(reinterpret_cast<const char*>(data.data()),
              static_cast<std::streamsize>(samples * 2));
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
    // Sends the command; the channel's state after it.
    static SdlMediaPlayer::State dopo(SdlMediaPlayer& p, Channel ch, Command c) {
        p.command(ch, c);
        return p.state(ch);
    }
    gnamm::testing_support::TempDati dir;
};

TEST_F(MediaPlayerTest, TheChannelCommandsStartPauseRewindAndRelease) {
    SdlMediaPlayer p(resolver());
    ASSERT_TRUE(p.hasDevice()) << "the dummy audio driver should open";
    using S = SdlMediaPlayer::State;
    EXPECT_EQ(dopo(p, Channel::Commenti, Command::Play), S::Closed);  // nothing open yet: no effect
    p.setFile(Channel::Commenti, "\\Zeb\\S01.wav");
    EXPECT_EQ(dopo(p, Channel::Commenti, Command::Open), S::Stopped);
    EXPECT_EQ(dopo(p, Channel::Commenti, Command::Play), S::Playing);
    EXPECT_TRUE(Mix_Playing(3));
    EXPECT_EQ(dopo(p, Channel::Commenti, Command::Stop), S::Paused);
    EXPECT_EQ(dopo(p, Channel::Commenti, Command::Play), S::Playing);
    EXPECT_EQ(dopo(p, Channel::Commenti, Command::Prev), S::Stopped);
    EXPECT_FALSE(Mix_Playing(3));
    EXPECT_EQ(dopo(p, Channel::Commenti, Command::Close), S::Closed);
    // The other channels never noticed.
    EXPECT_EQ(p.state(Channel::Rumori), S::Closed);
}

TEST_F(MediaPlayerTest, TheDeviceClosesAfterTwoQuietSecondsAndTheNextSoundOpensIt) {
    SdlMediaPlayer p(resolver());
    ASSERT_TRUE(p.deviceOpen());
    using S = SdlMediaPlayer::State;
    // A sound already open but not yet played, as between Open and Play.
    p.setFile(Channel::Rumori, "\\Zeb\\S01.wav");
    p.command(Channel::Rumori, Command::Open);
    EXPECT_EQ(p.closeWhenIdle(10'000), 1000);  // opening counts as sounding
    EXPECT_EQ(p.closeWhenIdle(11'000), 1000);  // quiet for 1 s of the 2
    EXPECT_EQ(p.closeWhenIdle(11'500), 500);
    EXPECT_EQ(p.closeWhenIdle(12'000), -1);
    EXPECT_FALSE(p.deviceOpen());
    EXPECT_TRUE(p.hasDevice());

    // The next sound opens the device first and plays from its start.
    p.setFile(Channel::Commenti, "\\Zeb\\S01.wav");
    p.command(Channel::Commenti, Command::Open);
    EXPECT_TRUE(p.deviceOpen());
    EXPECT_EQ(dopo(p, Channel::Commenti, Command::Play), S::Playing);
    EXPECT_TRUE(Mix_Playing(3));
    // While it sounds (3 s) the device stays open however long the check waits.
    EXPECT_EQ(p.closeWhenIdle(20'000), 1000);
    EXPECT_EQ(p.closeWhenIdle(30'000), 1000);
    EXPECT_TRUE(p.deviceOpen());
    // The sound opened before the device closed plays too, decoded again.
    EXPECT_EQ(dopo(p, Channel::Rumori, Command::Play), S::Playing);
    EXPECT_TRUE(Mix_Playing(0));
}

TEST_F(MediaPlayerTest, MissingOrBrokenFilesLeaveTheChannelClosedAndPlayGoesOn) {
    SdlMediaPlayer p(resolver());
    using S = SdlMediaPlayer::State;
    for (const char* name : {"\\Zeb\\S02.wav", "\\Zeb\\S99.wav", ""}) {
        p.setFile(Channel::Rumori, name);
        p.command(Channel::Rumori, Command::Open);
        EXPECT_EQ(dopo(p, Channel::Rumori, Command::Play), S::Closed) << name;
        p.command(Channel::Rumori, Command::Stop);
        p.command(Channel::Rumori, Command::Prev);
        p.command(Channel::Rumori, Command::Close);
    }
    // A missing or broken MIDI track is no different.
    for (const char* name : {"\\Musiche\\01.mid", "\\Musiche\\03.mid"}) {
        p.setFile(Channel::Musiche, name);
        p.command(Channel::Musiche, Command::Open);
        EXPECT_EQ(dopo(p, Channel::Musiche, Command::Play), S::Closed) << name;
    }
}

TEST_F(MediaPlayerTest, WithoutAnAudioDeviceEveryCommandIsTakenSilently) {
    const char* before = SDL_getenv("SDL_AUDIODRIVER");
    const std::string saved = before ? before : "";
    SDL_setenv("SDL_AUDIODRIVER", "no-such-device", 1);
    {
        ::testing::internal::CaptureStderr();
        SdlMediaPlayer p(resolver());
        EXPECT_EQ(::testing::internal::GetCapturedStderr(),
                  "gnamm: no sound device could be opened; the game plays silent\n");
        EXPECT_FALSE(p.hasDevice());
        using S = SdlMediaPlayer::State;
        p.setFile(Channel::Commenti, "\\Zeb\\S01.wav");
        p.command(Channel::Commenti, Command::Open);
        p.command(Channel::Commenti, Command::Play);
        // The channel keeps its story, so the game's protocol runs as with sound.
        EXPECT_EQ(p.state(Channel::Commenti), S::Playing);
        EXPECT_EQ(dopo(p, Channel::Commenti, Command::Stop), S::Paused);
        EXPECT_EQ(dopo(p, Channel::Commenti, Command::Close), S::Closed);
    }
    SDL_setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
}

TEST_F(MediaPlayerTest, MusicPlaysMidiThroughTheSoundFont) {
    if (!FindSoundFont()) GTEST_SKIP() << "no General MIDI sound font installed";
    SdlMediaPlayer p(resolver());
    ASSERT_TRUE(p.hasDevice());
    using S = SdlMediaPlayer::State;
    p.setFile(Channel::Musiche, "\\Musiche\\02.mid");
    ASSERT_EQ(dopo(p, Channel::Musiche, Command::Open), S::Stopped) << Mix_GetError();
    EXPECT_EQ(dopo(p, Channel::Musiche, Command::Play), S::Playing);
    EXPECT_TRUE(Mix_PlayingMusic());
    // Music plays under the voices: a remark on its own channel leaves it playing.
    p.setFile(Channel::Commenti, "\\Zeb\\S01.wav");
    p.command(Channel::Commenti, Command::Open);
    p.command(Channel::Commenti, Command::Play);
    EXPECT_EQ(p.state(Channel::Musiche), S::Playing);
    EXPECT_EQ(p.state(Channel::Commenti), S::Playing);
    p.command(Channel::Musiche, Command::Prev);
    p.command(Channel::Musiche, Command::Close);
    EXPECT_FALSE(Mix_PlayingMusic());
    EXPECT_EQ(p.state(Channel::Commenti), S::Playing);

    // The synthesizer closes with an idle device and starts again with the next piece.
    p.command(Channel::Commenti, Command::Prev);
    for (const uint64_t t : {0, 1000, 2000, 3000}) p.closeWhenIdle(t);
    ASSERT_FALSE(p.deviceOpen());
    p.command(Channel::Musiche, Command::Open);
    EXPECT_EQ(dopo(p, Channel::Musiche, Command::Play), S::Playing);
    EXPECT_TRUE(Mix_PlayingMusic());
}

}  // namespace
}  // namespace gnamm::platform
