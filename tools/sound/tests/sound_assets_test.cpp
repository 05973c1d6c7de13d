// Checks on the generated sound files as the game will find them: every name the game uses
// opens, every voice ends within the time its remark gives it, the saloon sounds and the tracks
// last as long as the game counts on, and the music is actually heard through the mixer.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <smf.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "audio/ambience.h"
#include "audio/music.h"
#include "data/asset_catalog.h"
#include "data/asset_resolver.h"
#include "dsp.h"
#include "persona/remarks.h"

namespace gnamm::sound {
namespace {

const AssetResolver& Assets() {
    static const AssetResolver resolver{std::filesystem::path(GNAMM_ASSET_DIR)};
    return resolver;
}

// A WAV file as SDL reads it: its rate and its samples in -1..1; no rate when it is missing, or
// not 16-bit mono.
struct Pcm {
    int rate = 0;
    Samples samples;
    double seconds() const { return rate > 0 ? static_cast<double>(samples.size()) / rate : 0; }
};

Pcm LoadWavFile(const std::filesystem::path& path) {
    SDL_AudioSpec format;
    Uint8* buffer = nullptr;
    Uint32 bytes = 0;
    Pcm pcm;
    if (SDL_LoadWAV(path.c_str(), &format, &buffer, &bytes) == nullptr) return pcm;
    if (format.format == AUDIO_S16LSB && format.channels == 1) {
        pcm.rate = format.freq;
        const auto* data = reinterpret_cast<const Sint16*>(buffer);
        for (Uint32 i = 0; i < bytes / 2; ++i) pcm.samples.push_back(data[i] / 32768.0f);
    }
    SDL_FreeWAV(buffer);
    return pcm;
}

Pcm LoadWav(std::string_view assetName) {
    return LoadWavFile(Assets().resolve(assetName).value_or(""));
}

// Runs a copy of the voice script on one line, in a scratch folder of each test's own (ctest
// runs them side by side).
class VoiceScript : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::path(GNAMM_TEST_TMP_DIR) / "voice-script" /
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        std::filesystem::copy_file(GNAMM_MAKE_VOICE, script());
    }
    int Speak(int limitMs, const std::string& words) {
        std::ofstream(dir_ / "line.txt") << limitMs << "\n" << words << "\n";
        const std::string command = "bash '" + script().string() + "' '" +
                                    (dir_ / "line.txt").string() + "' '" + out().string() + "' '" +
                                    (dir_ / "line.made").string() + "'";
        return std::system(command.c_str());
    }
    std::filesystem::path script() const { return dir_ / "make_voice.sh"; }
    std::filesystem::path out() const { return dir_ / "voice.wav"; }
    // Stands in for a stale voice, so a test can tell whether the script spoke again.
    void MarkStale() const { std::ofstream(out(), std::ios::trunc) << "kept"; }
    bool SpokeAgain() const { return LoadWavFile(out()).rate > 0; }

  private:
    std::filesystem::path dir_;
};

TEST_F(VoiceScript, SqueezesALongLineIntoAShortRemarkAndSpeaksAgainOnlyOnAChange) {
    // Far more words than half a second holds at a natural pace: the speed gives, not the words.
    ASSERT_EQ(Speak(500, "Per mille lumache lesse... vuoi giocare??"), 0);
    const Pcm pcm = LoadWavFile(out());
    ASSERT_GT(pcm.rate, 0);
    EXPECT_LE(pcm.seconds() * 1000, 550);
    EXPECT_GT(pcm.seconds() * 1000, 250);
    // It speaks again only when the line, its time or the voice changed.
    ASSERT_EQ(Speak(1200, "Troppe carte..."), 0);
    MarkStale();
    ASSERT_EQ(Speak(1200, "Troppe carte..."), 0);
    EXPECT_FALSE(SpokeAgain()) << "an unchanged line was spoken again";
    ASSERT_EQ(Speak(1200, "Troppe carte!"), 0);
    EXPECT_TRUE(SpokeAgain()) << "a changed line was not spoken again";
    MarkStale();
    ASSERT_EQ(Speak(1100, "Troppe carte!"), 0);
    EXPECT_TRUE(SpokeAgain()) << "a changed time limit did not refit the voice";
    MarkStale();
    std::ofstream(script(), std::ios::app) << "# a new voice setting\n";
    ASSERT_EQ(Speak(1100, "Troppe carte!"), 0);
    EXPECT_TRUE(SpokeAgain()) << "a changed voice setting was not applied";
}

// Every name the game uses opens, and the saloon sounds, the tracks and the voices last as long
// as the game holds the sound indicator, counts the track down or shows the remark.
TEST(SoundAssets, EveryNameTheGameUsesOpensAndLastsWhatTheGameCountsOn) {
    // The catalogue, and the names as the game's own tables give them.
    std::vector<std::string> names = assets::AllSounds();
    names.emplace_back(assets::kClic);  // the click, written in lower case
    for (int tick = 1; tick <= 5; ++tick) names.push_back(remarks::SplashVoice(tick));
    for (const std::string& name : names) {
        ASSERT_TRUE(Assets().resolve(name).has_value()) << name << " is missing";
        if (!name.ends_with(".wav")) continue;
        const Pcm pcm = LoadWav(name);
        EXPECT_TRUE(pcm.rate > 0 && !pcm.samples.empty())
            << name << " is not a 16-bit mono WAV: " << SDL_GetError();
    }
    for (const bool musica : {false, true}) {
        for (int k = 1; k <= 30; ++k) {
            const SuonoSaloon s = SuonoAmbiente(k, musica);
            EXPECT_NEAR(LoadWav(assets::SaloonSound(s.file)).seconds() * 1000, s.durataMs,
                        s.durataMs * 0.05)
                << "Sa" << s.file << " for draw " << k << (musica ? " under the music" : "");
        }
    }
    for (int n = 1; n <= kNumeroMusiche; ++n) {
        smf_t* smf = smf_load(Assets().resolve(assets::MusicTrack(n)).value_or("").c_str());
        ASSERT_NE(smf, nullptr) << n << " is missing or does not parse";
        EXPECT_NEAR(smf_get_length_seconds(smf), DurataMusica(n), 3.0) << n;
        smf_delete(smf);
    }
    // Every voice ends with its remark, loud enough and clear.
    for (const auto& line : remarks::VoiceLines()) {
        const Pcm pcm = LoadWav(line.file);
        ASSERT_GT(pcm.rate, 0) << line.file << " is missing or not a 16-bit mono WAV";
        EXPECT_LE(pcm.seconds() * 1000, line.limiteMs * 1.10) << line.file << " " << line.testo;
        EXPECT_GT(Peak(pcm.samples), 16000.0 / 32768) << line.file << " is too quiet";
        EXPECT_LT(Peak(pcm.samples), 32767.0 / 32768) << line.file << " clips";
        EXPECT_GT(20 * std::log10(Rms(pcm.samples)), -35) << line.file << " is mostly silence";
    }
}

// Plays a track through SDL_mixer into a file (SDL's disk audio driver, as fast as it can
// write) and measures what came out: the synthesiser and its sound font must make it audible.
TEST(SoundAssets, MusicIsHeardThroughTheMixer) {
    const auto track = Assets().resolve(assets::MusicTrack(2));
    ASSERT_TRUE(track.has_value());
    const std::filesystem::path dir = std::filesystem::path(GNAMM_TEST_TMP_DIR) / "sound-assets";
    std::filesystem::create_directories(dir);
    const auto raw = (dir / "music.raw").string();
    std::filesystem::remove(raw);
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", raw.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "0", 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
    Mix_Init(MIX_INIT_MID);
    constexpr int kRate = 22050;
    ASSERT_EQ(Mix_OpenAudio(kRate, AUDIO_S16LSB, 2, 1024), 0) << Mix_GetError();
    Mix_Music* music = Mix_LoadMUS(track->c_str());
    ASSERT_NE(music, nullptr) << Mix_GetError();
    EXPECT_EQ(Mix_GetMusicType(music), MUS_MID);
    ASSERT_EQ(Mix_PlayMusic(music, 0), 0) << Mix_GetError();
    // The driver writes silence while the synthesiser loads its sound font, then renders far
    // faster than the music plays: follow the file until twenty seconds have come out after
    // the first sound. The deadline only guards against a mixer that never plays.
    constexpr std::size_t kWindow = 20ull * kRate * 2;  // samples, both channels
    Samples musica;                                     // from the first sound on
    for (int polls = 0; polls < 600 && musica.size() < kWindow; ++polls) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const auto bytes = std::filesystem::exists(raw) ? std::filesystem::file_size(raw) : 0;
        std::vector<Sint16> pcm(bytes / 4 * 2);  // whole stereo frames only
        std::ifstream(raw, std::ios::binary)
            .read(reinterpret_cast<char*>(pcm.data()),
                  static_cast<std::streamsize>(pcm.size() * 2));
        musica.assign(std::find_if(pcm.begin(), pcm.end(), [](Sint16 x) { return x != 0; }),
                      pcm.end());
    }
    Mix_FreeMusic(music);  // halts it too
    Mix_CloseAudio();
    Mix_Quit();
    SDL_Quit();
    std::filesystem::remove(raw);
    ASSERT_GE(musica.size(), kWindow) << "the music is silent";
    musica.resize(kWindow);
    Scale(musica, 1.0 / 32768);
    const double rmsDb = 20 * std::log10(Rms(musica));
    EXPECT_GT(rmsDb, -40) << "the music is (nearly) silent";
    EXPECT_LT(rmsDb, -22) << "the music would drown the voices (about -22 dB)";
    EXPECT_LT(Peak(musica), 32767.0 / 32768) << "the music clips";
}

}  // namespace
}  // namespace gnamm::sound
