#include "composer.h"

#include "audio/music.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <sstream>

namespace gnamm::sound {

namespace {

constexpr int kBarsPerSection = 16;
constexpr int kEndingBars = 2;
constexpr std::array<int, 7> kMajor = {0, 2, 4, 5, 7, 9, 11};
constexpr std::array<int, 7> kMinor = {0, 2, 3, 5, 7, 8, 11};  // harmonic: the saloon's lament

// Xorshift, seeded per track: the same track every build.
class Dice {
  public:
    explicit Dice(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 7) {}
    int below(int n) {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return static_cast<int>(state_ % static_cast<std::uint64_t>(n));
    }

  private:
    std::uint64_t state_;
};

// A chord as the pianist thinks of it: notes counted in semitones from the key note.
struct Chord {
    std::vector<int> tones;  // semitones above the tonic; the first is the root
};

Chord ChordNamed(const std::string& name) {
    static const std::pair<const char*, std::vector<int>> kChords[] = {
        {"I", {0, 4, 7}},      {"I7", {0, 4, 7, 10}}, {"ii", {2, 5, 9}},     {"II7", {2, 6, 9, 0}},
        {"IV", {5, 9, 0}},     {"iv", {5, 8, 0}},     {"V7", {7, 11, 2, 5}}, {"vi", {9, 0, 4}},
        {"VI7", {9, 1, 4, 7}}, {"i", {0, 3, 7}},      {"VI", {8, 0, 3}},     {"III", {3, 7, 10}},
    };
    for (const auto& [n, tones] : kChords) {
        if (name == n) return {tones};
    }
    return {{0, 4, 7}};
}

std::vector<Chord> Progression(const char* text) {
    std::vector<Chord> chords;
    std::istringstream in(text);
    for (std::string token; in >> token;) chords.push_back(ChordNamed(token));
    return chords;
}

// What makes a rag a rag and a waltz a waltz: metre, pace, tune rhythms and chord changes.
struct StyleTraits {
    int beatsPerBar;
    double minBpm, maxBpm;
    std::vector<std::vector<int>> rhythms;  // eighth notes per melody note, one bar each
    const char* sectionA;
    const char* sectionB;
};

const StyleTraits& TraitsOf(Style style) {
    static const StyleTraits kRag = {4,
                                   108,
                                   150,
                                   {{2, 1, 2, 1, 2},
                                    {1, 2, 1, 2, 2},
                                    {2, 2, 1, 1, 2},
                                    {1, 1, 1, 1, 2, 2},
                                    {2, 1, 1, 2, 2},
                                    {3, 3, 2}},
                                   "I I V7 V7 V7 V7 I I7 IV iv I VI7 II7 V7 I I",
                                   "IV IV I I II7 II7 V7 V7 IV IV I VI7 II7 V7 I I"};
    static const StyleTraits kFolk = {4,
                                    96,
                                    140,
                                    {{2, 2, 2, 2}, {3, 1, 2, 2}, {4, 2, 2}, {2, 2, 4}, {3, 1, 4}},
                                    "I I IV I I I V7 V7 I I IV IV I V7 I I",
                                    "IV IV I I V7 V7 I I IV IV I vi II7 V7 I I"};
    static const StyleTraits kWaltz = {3,
                                     120,
                                     190,
                                     {{4, 2}, {2, 2, 2}, {6}, {3, 1, 2}, {2, 4}},
                                     "I I I V7 V7 V7 V7 I I I I IV IV I V7 I",
                                     "IV IV I I V7 V7 I I IV IV I VI7 II7 V7 I I"};
    static const StyleTraits kMarch = {2,
                                     92,
                                     132,
                                     {{2, 2}, {1, 1, 2}, {1, 1, 1, 1}, {3, 1}, {4}},
                                     "I I V7 V7 V7 V7 I I I I IV IV I V7 I I",
                                     "IV IV I I V7 V7 I I IV IV I I V7 V7 I I"};
    static const StyleTraits kBallad = {4,
                                      66,
                                      100,
                                      {{4, 4}, {2, 2, 4}, {6, 2}, {3, 1, 4}, {2, 2, 2, 2}},
                                      "I I IV I I vi II7 V7 I I IV IV I V7 I I",
                                      "IV IV I I ii ii V7 V7 I I IV IV I V7 I I"};
    switch (style) {
        case Style::Rag:
            return kRag;
        case Style::Folk:
            return kFolk;
        case Style::Waltz:
            return kWaltz;
        case Style::March:
            return kMarch;
        case Style::Ballad:
            return kBallad;
    }
    return kFolk;
}

constexpr const char* kMinorA = "i i iv i V7 V7 i i i i iv iv i V7 i i";
constexpr const char* kMinorB = "VI VI III III iv iv V7 V7 i i iv iv VI V7 i i";

// One note of the tune within its bar, as a step of the scale.
struct MelodyNote {
    int onset;   // eighths into the bar
    int length;  // eighths
    int step;    // scale step above the tonic (7 = octave)
};
using Bar = std::vector<MelodyNote>;

// Writes one track: the tune in phrases of eight bars, fitted to the chords, over the left
// hand of its style, repeated to fill the track's length.
class Composer {
  public:
    Composer(const TrackPlan& plan, const StyleTraits& traits)
        : plan_(plan),
          traits_(traits),
          dice_(plan.seed),
          scale_(plan.minor ? kMinor : kMajor),
          eighthsPerBar_(traits.beatsPerBar * 2) {}

    int Pitch(int step) const {
        const int octave = static_cast<int>(std::floor(step / 7.0));
        const int degree = step - octave * 7;
        return MelodyBase() + scale_[static_cast<std::size_t>(degree)] + 12 * octave;
    }
    int MelodyBase() const { return 60 + plan_.tonic - (plan_.tonic >= 7 ? 12 : 0) + 12; }

    bool InChord(int step, const Chord& chord) const {
        const int degree = ((step % 7) + 7) % 7;
        const int pc = scale_[static_cast<std::size_t>(degree)];
        return std::find(chord.tones.begin(), chord.tones.end(), pc) != chord.tones.end();
    }

    int Snap(int step, const Chord& chord, int prefer = 0) const {
        for (int d = 0; d < 4; ++d) {
            for (const int s : {step + (prefer >= 0 ? d : -d), step + (prefer >= 0 ? -d : d)}) {
                if (InChord(s, chord) && s >= -3 && s <= 10) return s;
            }
        }
        return step;
    }

    Bar RandomBar(int start) {
        const auto& rhythm = traits_.rhythms[static_cast<std::size_t>(
            dice_.below(static_cast<int>(traits_.rhythms.size())))];
        Bar bar;
        int onset = 0, step = start;
        // Mostly steps, some skips, a rare repeat or leap: the shape of a tune one can whistle.
        static constexpr int kMoves[] = {-1, -1, -1, 1, 1, 1, -2, 2, 0, 3, -3, 4};
        for (const int len : rhythm) {
            bar.push_back({onset, len, step});
            onset += len;
            step = std::clamp(step + kMoves[dice_.below(12)], -2, 9);
        }
        return bar;
    }

    // Eight bars: a two-bar motif, its sequence, the motif again and a cadence.
    std::vector<Bar> Phrase() {
        const int start = 2 + dice_.below(4);
        std::vector<Bar> bars = {RandomBar(start), RandomBar(start + dice_.below(3) - 1)};
        const int shift = dice_.below(2) ? 1 : -1;
        for (int b = 0; b < 2; ++b) {
            Bar moved = bars[static_cast<std::size_t>(b)];
            for (MelodyNote& n : moved) n.step = std::clamp(n.step + shift, -2, 9);
            bars.push_back(moved);
        }
        bars.push_back(bars[0]);
        bars.push_back(RandomBar(bars[1].back().step));
        bars.push_back(RandomBar(bars[5].back().step));
        bars.push_back({{0, eighthsPerBar_, 0}});
        return bars;
    }

    // Bends a phrase onto its chords: the notes on the bar's strong beats become chord tones,
    // moving on rather than sounding the note before again; the notes between stay passing
    // notes of the scale. The last note settles on the tonic or, halfway through a section,
    // on a note of the dominant.
    void Fit(std::vector<Bar>& bars, const std::vector<Chord>& chords, bool close) const {
        int previous = bars.front().front().step;
        for (std::size_t b = 0; b < bars.size(); ++b) {
            for (MelodyNote& n : bars[b]) {
                if (n.onset == 0 || n.onset * 2 == eighthsPerBar_) {
                    const int direction = n.step >= previous ? 1 : -1;
                    n.step = Snap(n.step, chords[b], direction);
                    if (n.step == previous && b > 0) {
                        n.step = Snap(n.step + direction, chords[b], direction);
                    }
                }
                previous = n.step;
            }
        }
        MelodyNote& last = bars.back().back();
        last.step = close ? (bars[6].back().step > 3 ? 7 : 0) : Snap(4, chords.back());
    }

    void PlayMelody(const std::vector<Bar>& bars, double atBeat, int chorus) {
        for (std::size_t b = 0; b < bars.size(); ++b) {
            for (const MelodyNote& n : bars[b]) {
                const double beat =
                    atBeat + static_cast<double>(b) * traits_.beatsPerBar + n.onset * 0.5;
                const int accent = n.onset == 0 ? 10 : (n.onset % 2 ? -6 : 0);
                const int velocity = std::clamp(100 + accent + dice_.below(9) - 4, 60, 127);
                const double len = n.length * 0.5 * 0.92;
                const int pitch = Pitch(n.step);
                score_.notes.push_back({beat, len, pitch, velocity, 0});
                // Later choruses fill out the tune: octaves for the lively pieces, a third
                // or sixth beneath for the gentle ones.
                if (chorus % 2 == 1) {
                    const bool gentle = plan_.style == Style::Waltz || plan_.style == Style::Ballad;
                    const int under = gentle ? Pitch(n.step - 2) : pitch - 12;
                    score_.notes.push_back({beat, len, under, velocity - 18, 0});
                }
            }
        }
    }

    int Bass(int semis) const { return 36 + ((plan_.tonic + semis) % 12 + 12) % 12; }

    // Three notes around the E below middle C. A seventh chord leaves out its fifth, as a
    // stride pianist's hand does, so root, third and seventh all sound whatever the bass plays.
    std::vector<int> Voicing(const Chord& chord) const {
        std::vector<int> pitches;
        const auto& t = chord.tones;
        for (std::size_t i = 0; i < t.size(); ++i) {
            if (t.size() > 3 && i == 2) continue;
            pitches.push_back(52 + ((plan_.tonic + t[i] - 52) % 12 + 12) % 12);
        }
        return pitches;
    }

    void Harmony(const Chord& chord) {
        std::vector<int> classes;
        for (const int t : chord.tones) classes.push_back((plan_.tonic + t) % 12);
        score_.harmony.push_back(classes);
    }

    void PlayLeftHand(const Chord& chord, double at, int bar) {
        Harmony(chord);
        const int root = Bass(chord.tones[0]);
        int fifth = root + 7;
        if (fifth > 50) fifth -= 12;
        const auto chordAt = [&](double beat, double len, int velocity) {
            for (const int p : Voicing(chord)) score_.notes.push_back({beat, len, p, velocity, 1});
        };
        const auto bassAt = [&](double beat, int pitch, double len) {
            score_.notes.push_back({beat, len, pitch, 92, 1});
            if (plan_.style == Style::Rag) score_.notes.push_back({beat, len, pitch - 12, 80, 1});
        };
        switch (plan_.style) {
            case Style::Rag:
            case Style::Folk:
                bassAt(at, root, 0.9);
                chordAt(at + 1, 0.5, 70);
                bassAt(at + 2, bar % 2 ? root : fifth, 0.9);
                chordAt(at + 3, 0.5, 66);
                break;
            case Style::Waltz:
                bassAt(at, bar % 2 ? fifth : root, 0.9);
                chordAt(at + 1, 0.6, 68);
                chordAt(at + 2, 0.6, 62);
                break;
            case Style::March:
                bassAt(at, bar % 2 ? fifth : root, 0.8);
                chordAt(at + 1, 0.5, 70);
                break;
            case Style::Ballad: {
                const std::vector<int> up = Voicing(chord);
                const int pattern[] = {-1, 0, 1, 2, 1, 0, 1, 2};
                for (int e = 0; e < 8; ++e) {
                    const double beat = at + e * 0.5;
                    const int idx = pattern[e];
                    const int pitch =
                        idx < 0 ? root : up[static_cast<std::size_t>(idx) % up.size()];
                    score_.notes.push_back({beat, 4.0 - e * 0.5, pitch, idx < 0 ? 84 : 60, 1});
                }
                break;
            }
        }
    }

    Score Compose() {
        score_.title = plan_.title;
        score_.beatsPerBar = traits_.beatsPerBar;
        const std::vector<Chord> a = Progression(plan_.minor ? kMinorA : traits_.sectionA);
        const std::vector<Chord> b = Progression(plan_.minor ? kMinorB : traits_.sectionB);
        const auto half = [](const std::vector<Chord>& section, int from) {
            return std::vector<Chord>(section.begin() + from, section.begin() + from + 8);
        };
        // Section A: a question and its answer on the same opening; section B likewise.
        std::vector<Bar> a1 = Phrase(), a2 = a1, b1 = Phrase(), b2 = b1;
        a2[6] = RandomBar(a2[5].back().step);
        b2[6] = RandomBar(b2[5].back().step);
        Fit(a1, half(a, 0), false);
        Fit(a2, half(a, 8), true);
        Fit(b1, half(b, 0), false);
        Fit(b2, half(b, 8), true);

        Plan();
        const int choruses = choruses_;
        const int bpb = traits_.beatsPerBar;
        int bar = 0;
        static const char* const kVamps[] = {"V7", "I V7", "I IV V7", "I IV I V7"};
        const std::vector<Chord> intro = Progression(kVamps[intro_ - 1]);
        for (const Chord& c : intro) PlayLeftHand(c, bar * bpb, bar), ++bar;
        for (int chorus = 0; chorus < choruses; ++chorus) {
            const std::pair<const std::vector<Bar>*, std::vector<Chord>> parts[] = {
                {&a1, half(a, 0)}, {&a2, half(a, 8)}, {&b1, half(b, 0)}, {&b2, half(b, 8)}};
            for (const auto& [melody, chords] : parts) {
                PlayMelody(*melody, bar * bpb, chorus);
                for (const Chord& c : chords) PlayLeftHand(c, bar * bpb, bar), ++bar;
            }
        }
        // The tag: the tonic chord rung out over the last two bars.
        const double end = (bar + kEndingBars) * bpb;
        const Chord tonic = Progression(plan_.minor ? "i" : "I")[0];
        for (const int p : Voicing(tonic))
            score_.notes.push_back({bar * 1.0 * bpb, end - bar * bpb, p, 80, 1});
        score_.notes.push_back({bar * 1.0 * bpb, end - bar * bpb, Bass(0), 95, 1});
        score_.notes.push_back({bar * 1.0 * bpb, end - bar * bpb, Bass(0) - 12, 85, 1});
        score_.notes.push_back({bar * 1.0 * bpb, end - bar * bpb, Pitch(7), 105, 0});
        score_.notes.push_back({bar * 1.0 * bpb, end - bar * bpb, Pitch(4), 90, 0});
        for (int b = 0; b < kEndingBars; ++b) Harmony(tonic);
        score_.totalBeats = end;
        score_.bpm = score_.totalBeats * 60.0 / plan_.seconds;
        return score_;
    }

    // How many times through the tune, after a vamp of one to four bars, so that the track
    // lasts its length at the pace nearest the one it asks for.
    void Plan() {
        const int barsPerChorus = 2 * kBarsPerSection;
        double bestDistance = 1e9;
        for (int n = 1; n <= 12; ++n) {
            for (int intro = 1; intro <= 4; ++intro) {
                const double beats = (intro + n * barsPerChorus + kEndingBars) * traits_.beatsPerBar;
                const double bpm = beats * 60.0 / plan_.seconds;
                const double distance = std::fabs(bpm - plan_.tempo);
                if (distance < bestDistance) bestDistance = distance, choruses_ = n, intro_ = intro;
            }
        }
    }

  private:
    const TrackPlan& plan_;
    const StyleTraits& traits_;
    Dice dice_;
    std::array<int, 7> scale_;
    int eighthsPerBar_;
    Score score_;
    int choruses_ = 1;
    int intro_ = 2;
};

}  // namespace

Score Compose(const TrackPlan& plan) {
    return Composer(plan, TraitsOf(plan.style)).Compose();
}

std::string StyleName(Style style) {
    switch (style) {
        case Style::Rag:
            return "rag";
        case Style::Folk:
            return "folk song";
        case Style::Waltz:
            return "waltz";
        case Style::March:
            return "march";
        case Style::Ballad:
            return "ballad";
    }
    return "";
}

std::string KeyName(int tonic, bool minor) {
    static const char* kNames[] = {"C", "Db", "D", "Eb", "E", "F", "F#", "G", "Ab", "A", "Bb", "B"};
    return std::string(kNames[((tonic % 12) + 12) % 12]) + (minor ? " minor" : " major");
}

namespace {

// Each track lasts what the game's music table counts down for it.
std::vector<TrackPlan> WithLengths(std::vector<TrackPlan> tracks) {
    for (std::size_t i = 0; i < tracks.size(); ++i) {
        tracks[i].seconds = DurataMusica(static_cast<int>(i + 1));
    }
    return tracks;
}

}  // namespace

const std::vector<TrackPlan>& SaloonTracks() {
    // Keys that sit well under a pianist's hands, no two neighbours alike; tempos follow from
    // each length.
    static const std::vector<TrackPlan> kTracks = WithLengths({
        {"Tumbleweed Rag", Style::Rag, 0, false, 101, 132},
        {"Valzer della Diligenza", Style::Waltz, 7, false, 102, 176},
        {"Dust on the Boots", Style::Folk, 2, false, 103, 112},
        {"Silver Dollar Strut", Style::Rag, 5, false, 104, 126},
        {"La Ballata del Cercatore", Style::Ballad, 9, true, 105, 92},
        {"Whisky Creek Stomp", Style::Folk, 10, false, 106, 138},
        {"Old Mule Waltz", Style::Waltz, 3, false, 107, 150},
        {"Poker Face Rag", Style::Rag, 7, false, 108, 146},
        {"Sunset over the Mesa", Style::Ballad, 5, false, 109, 84},
        {"Canto del Bovaro", Style::Folk, 9, false, 110, 100},
        {"Rattlesnake Shuffle", Style::Rag, 2, false, 111, 152},
        {"Valzer di Rosalita", Style::Waltz, 0, false, 112, 140},
        {"Lonesome Prairie", Style::Waltz, 4, true, 113, 154},
        {"Gold Rush Two-Step", Style::March, 8, false, 114, 108},
        {"Nonno Zeb's Hoedown", Style::Folk, 7, false, 115, 110},
        {"Honky-Tonk Sunday", Style::Rag, 10, false, 116, 116},
        {"Saloon Doors Waltz", Style::Waltz, 2, false, 117, 168},
        {"Coyote Moon", Style::Folk, 0, true, 118, 104},
        {"Marcia dello Sceriffo", Style::March, 3, false, 119, 122},
        {"Wagon Wheel Rag", Style::Rag, 8, false, 120, 128},
        {"Red Canyon Song", Style::Folk, 5, false, 121, 120},
        {"Midnight at the Bar", Style::Rag, 3, false, 122, 124},
        {"Il Lamento del Pistolero", Style::Waltz, 7, true, 123, 162},
        {"Last Round Waltz", Style::Waltz, 4, false, 124, 139},
    });
    return kTracks;
}

}  // namespace gnamm::sound
