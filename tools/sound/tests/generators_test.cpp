// The sound generators on their own: what the voice is asked to say, the composed tracks, the
// MIDI and WAV files they are written to, and the building blocks of the noises.
#include <SDL.h>
#include <gtest/gtest.h>
#include <smf.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <numbers>
#include <set>
#include <tuple>

#include "composer.h"
#include "dsp.h"
#include "midi_file.h"
#include "sfx.h"
#include "spoken_form.h"
#include "wav.h"

namespace gnamm::sound {
namespace {

std::filesystem::path TempDir() {
    const char* base = std::getenv("GNAMM_TEST_TMP");
    const auto dir = (base ? base : std::filesystem::temp_directory_path()) / "sound-tools";
    std::filesystem::create_directories(dir);
    return dir;
}

TEST(SpokenForm, SaysTheWordsTheBubbleShows) {
    const std::pair<const char*, const char*> casi[] = {
        {"E' solo fortuna, ragazzo!!", "È solo fortuna, ragazzo!!"},
        {"Mmmh...", "Ehmm..."},
        {"He-he-he...", "eh, eh, eh..."},
        {"Benvenuto nel mio saloon.", "Benvenuto nel mio salùn."},
        // An apostrophe inside a phrase is elision, not an accent; whole words only change.
        {"Non fare l'indiano... gioca!!", "Non fare l'indiano... gioca!!"},
        {"Ehi!", "Ehi!"},
        {"", ""},
    };
    for (const auto& [bolla, voce] : casi) EXPECT_EQ(SpokenForm(bolla), voce);
}

// Every track lasts its length with the last chord ringing to the end, stays on the piano's
// keyboard, and keeps the tune's downbeats and the left hand on each bar's chord; no two tracks
// share a tune or a tempo, and neighbours differ in key. Composing twice gives the same notes.
TEST(Composer, EveryTrackIsPlayableDistinctAndInHarmony) {
    const auto& tracks = SaloonTracks();
    ASSERT_EQ(tracks.size(), 24u);
    std::set<std::vector<int>> tunes;
    std::set<long> tempos;
    for (std::size_t i = 0; i < tracks.size(); ++i) {
        const TrackPlan& plan = tracks[i];
        const Score score = Compose(plan);
        EXPECT_NEAR(score.seconds(), plan.seconds, 0.01) << plan.title;
        const auto bars = static_cast<std::size_t>(score.totalBeats) /
                          static_cast<std::size_t>(score.beatsPerBar);
        ASSERT_EQ(score.harmony.size(), bars) << plan.title;
        const auto chordHas = [&](std::size_t bar, int pitch) {
            return std::ranges::count(score.harmony[bar], pitch % 12) > 0;
        };
        std::map<std::size_t, std::pair<double, int>> downbeats;  // each bar's first tune note
        std::vector<int> tune;
        double lastEnd = 0;
        for (const NoteEvent& n : score.notes) {
            lastEnd = std::max(lastEnd, n.beat + n.length);
            EXPECT_TRUE(n.pitch >= 21 && n.pitch <= 108 && n.velocity >= 1 && n.velocity <= 127 &&
                        n.length > 0)
                << plan.title;
            const auto bar = static_cast<std::size_t>(n.beat / score.beatsPerBar);
            ASSERT_LT(bar, bars) << plan.title;
            if (n.channel == 1) {
                EXPECT_TRUE(chordHas(bar, n.pitch)) << plan.title << ", bar " << bar + 1;
            } else {
                if (tune.size() < 32) tune.push_back(n.pitch);
                auto first = downbeats.try_emplace(bar, n.beat, n.pitch).first;
                if (n.beat < first->second.first) first->second = {n.beat, n.pitch};
            }
        }
        EXPECT_NEAR(lastEnd, score.totalBeats, 1e-9) << plan.title;
        for (const auto& [bar, first] : downbeats) {
            EXPECT_TRUE(chordHas(bar, first.second)) << plan.title << ", bar " << bar + 1;
        }
        // Only the vamp before the tune has none.
        EXPECT_GT(downbeats.size(), bars * 9 / 10) << plan.title << " is mostly silent on top";
        EXPECT_TRUE(tunes.insert(tune).second) << plan.title;
        EXPECT_TRUE(tempos.insert(std::lround(score.bpm)).second) << plan.title;
        EXPECT_FALSE(i > 0 && plan.tonic == tracks[i - 1].tonic &&
                     plan.minor == tracks[i - 1].minor)
            << plan.title << " is in the key of the track before it";
        const auto when = [](const NoteEvent& n) { return std::pair(n.beat, n.pitch); };
        EXPECT_TRUE(std::ranges::equal(score.notes, Compose(plan).notes, {}, when, when))
            << plan.title << " differs when composed again";
    }
}

Samples Sine(double freq, double seconds) {
    Samples s(static_cast<std::size_t>(Frames(seconds)));
    for (std::size_t i = 0; i < s.size(); ++i) {
        s[i] = static_cast<float>(
            std::sin(2 * std::numbers::pi * freq * static_cast<double>(i) / kRate));
    }
    return s;
}

TEST(SoundFiles, MidiAndWavReadBackAsWrittenAndAnUnwritablePathIsReported) {
    const Score score = Compose(SaloonTracks()[1]);
    const auto path = (TempDir() / "02.mid").string();
    ASSERT_TRUE(WriteMidi(path, score));
    smf_t* smf = smf_load(path.c_str());
    ASSERT_NE(smf, nullptr);
    EXPECT_NEAR(smf_get_length_seconds(smf), score.seconds(), 0.05);
    std::size_t noteOns = 0;
    bool honkyTonk = false;
    for (smf_event_t* e = smf_get_next_event(smf); e != nullptr; e = smf_get_next_event(smf)) {
        if (e->midi_buffer_length == 3 && (e->midi_buffer[0] & 0xF0) == 0x90 &&
            e->midi_buffer[2] > 0) {
            ++noteOns;
        }
        if (e->midi_buffer_length == 2 && (e->midi_buffer[0] & 0xF0) == 0xC0) {
            honkyTonk = e->midi_buffer[1] == kHonkyTonkProgram;
        }
    }
    smf_delete(smf);
    EXPECT_EQ(noteOns, score.notes.size());
    EXPECT_TRUE(honkyTonk);
    // An unwritable path is reported, not fatal.
    EXPECT_FALSE(WriteMidi((TempDir() / "no-such-dir" / "x.mid").string(), score));
    // SDL reads the WAV files we write.
    Samples s = Sine(440, 0.3);
    s[10] = 3.0f;  // out of range: clamped, never wrapped round
    const auto wav = (TempDir() / "sine.wav").string();
    ASSERT_TRUE(WriteWav(wav, s));
    SDL_AudioSpec format;
    Uint8* buffer = nullptr;
    Uint32 bytes = 0;
    ASSERT_NE(SDL_LoadWAV(wav.c_str(), &format, &buffer, &bytes), nullptr) << SDL_GetError();
    EXPECT_EQ(std::tuple(format.freq, format.channels, format.format, bytes),
              std::tuple(kRate, 1, AUDIO_S16LSB, s.size() * 2));
    const auto* pcm = reinterpret_cast<const Sint16*>(buffer);
    EXPECT_EQ(pcm[10], 32767);
    EXPECT_NEAR(pcm[20] / 32767.0, s[20], 1e-4);
    SDL_FreeWAV(buffer);
}

TEST(Dsp, FiltersLengthsMixesAndStrikes) {
    // Filters keep their band and drop the rest.
    auto filtered = [](double freq, Biquad filter) {
        Samples s = Sine(freq, 0.5);
        Apply(s, filter);
        return Rms(s);
    };
    EXPECT_GT(filtered(200, Biquad::LowPass(1000)), 0.6);
    EXPECT_LT(filtered(6000, Biquad::LowPass(1000)), 0.05);
    EXPECT_GT(filtered(1500, Biquad::BandPass(1500, 4)),
              10 * filtered(150, Biquad::BandPass(1500, 4)));
    // A fitted length is cut with a fade, not a click, or padded with silence.
    Samples s = Sine(440, 1.0);
    FitLength(s, 0.5);
    EXPECT_EQ(s.size(), static_cast<std::size_t>(Frames(0.5)));
    EXPECT_LT(std::fabs(s.back()), 1e-3);
    FitLength(s, 0.75);
    EXPECT_EQ(s.size(), static_cast<std::size_t>(Frames(0.75)));
    EXPECT_EQ(s.back(), 0.0f);
    // A mix grows the buffer and adds.
    Samples into = Silence(0.1);
    MixInto(into, Samples(100, 0.5f), 0.2, 0.5);
    EXPECT_EQ(into.size(), static_cast<std::size_t>(Frames(0.2)) + 100);
    EXPECT_FLOAT_EQ(into.back(), 0.25f);
    EXPECT_FLOAT_EQ(into.front(), 0.0f);
    // A strike ignores modes above Nyquist.
    EXPECT_EQ(Peak(Strike({{kRate * 0.6, 1.0, 0.5}}, 0.2)), 0.0);
}

// The saloon sounds last their length and sit behind the game; the click and the card-play
// noises free the sound after 230 ms, the capture after 365.
TEST(Sfx, EverySoundLastsWhatTheGameCountsOnAndIsHeard) {
    for (int n = 1; n <= 30; ++n) {
        const Samples s = SaloonSound(n);
        EXPECT_NEAR(Seconds(s) * 1000, SaloonLengthMs(n), 1.0) << "Sa" << n;
        // Something to hear, never louder than a voice.
        EXPECT_TRUE(Peak(s) > 0.05 && Peak(s) <= 0.51 && Rms(s) > 0.005 && Rms(s) <= 0.0501)
            << "Sa" << n;
    }
    for (const NamedSound& s : CardNoises()) {
        const double ms = Seconds(s.samples) * 1000;
        EXPECT_GT(Peak(s.samples), 0.3) << s.file;
        EXPECT_LE(ms, s.file == "Presa.wav" ? 365 : 230) << s.file;
    }
}

}  // namespace
}  // namespace gnamm::sound
