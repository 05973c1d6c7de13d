// The thirty saloon sounds, each cut to the length the game gives it.
#include <array>
#include <cmath>
#include <functional>

#include "audio/ambience.h"
#include "sfx.h"

namespace gnamm::sound {

namespace {

constexpr double kSaloonRms = 0.05;  // -26 dB

double Hz(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// A note of the saloon's piano phrases.
struct Note {
    double at;   // seconds
    int pitch;   // MIDI number
    double len;  // seconds
    double velocity;
};

Samples Piano(const std::vector<Note>& notes, double seconds) {
    Samples out = Silence(seconds);
    for (const Note& n : notes) MixInto(out, PianoNote(Hz(n.pitch), n.len + 0.4, n.velocity), n.at);
    return out;
}

Samples Walk(Rng& rng, double seconds, double pace, bool spurs, double weight) {
    Samples out = Silence(seconds);
    int k = 0;
    for (double t = 0.05; t < seconds - 0.2; t += pace * (1 + 0.08 * rng.bipolar()), ++k) {
        MixInto(out, BootStep(rng, weight * (k % 2 ? 0.85 : 1.0)), t);
        if (spurs) MixInto(out, SpurJingle(rng, 0.35), t + 0.02);
    }
    return out;
}

Samples Crowd(Rng& rng, double seconds) {
    Samples out = Murmur(rng, seconds, 6);
    Fades(out, 0.4, 0.5);
    return out;
}

Samples Sound(int n) {
    const double len = SaloonLengthMs(n) / 1000.0;
    Rng rng(static_cast<std::uint64_t>(1000 + n));
    Samples out = Silence(len);
    switch (n) {
        case 1:  // talk at the bar (plays under the music)
            out = Crowd(rng, len);
            break;
        case 2:  // two glasses raised together
            MixInto(out, GlassClink(rng, 1.0), 0.05);
            MixInto(out, GlassClink(rng, 1.12), 0.07, 0.8);
            break;
        case 3:  // the pianist tries a lick
            out = Piano({{0.0, 67, 0.15, 0.7},
                         {0.15, 69, 0.15, 0.6},
                         {0.3, 70, 0.1, 0.6},
                         {0.4, 71, 0.3, 0.8},
                         {0.4, 55, 0.3, 0.6},
                         {0.7, 62, 0.2, 0.5},
                         {0.9, 67, 0.7, 0.8},
                         {0.9, 59, 0.7, 0.6},
                         {0.9, 43, 0.7, 0.7}},
                        len);
            break;
        case 4:  // a coin dropped on the table
            MixInto(out, Coin(rng, 1.0), 0.02);
            MixInto(out, Coin(rng, 1.0), 0.12, 0.5);
            MixInto(out, Coin(rng, 1.0), 0.18, 0.3);
            break;
        case 5:  // a glass put down on the bar (plays under the music)
            MixInto(out, WoodKnock(rng, 1.2, 0.8), 0.01);
            MixInto(out, GlassClink(rng, 0.8), 0.01, 0.2);
            break;
        case 6:  // a stack of chips pushed in
            for (int k = 0; k < 6; ++k)
                MixInto(out, Chip(rng), 0.02 + 0.05 * k + 0.02 * rng.uniform());
            break;
        case 7: {  // whisky poured from a bottle
            Samples flow = Noise(0.9, rng);
            Apply(flow, Biquad::BandPass(900, 2.5));
            Envelope(flow, 0.1, 0.6);
            MixInto(out, flow, 0.1, 0.25);
            for (int k = 0; k < 7; ++k) {
                const double f = 400 + 60 * k + 40 * rng.uniform();
                MixInto(out, Strike({{f, 0.5, 0.03}, {f * 1.5, 0.2, 0.02}}, 0.1), 0.1 + 0.12 * k,
                        0.7);
            }
            MixInto(out, GlassClink(rng, 0.9), 0.05, 0.3);
            break;
        }
        case 8:  // two heavy steps
            out = Walk(rng, len, 0.28, false, 1.0);
            break;
        case 9:  // spurs, standing still
            MixInto(out, SpurJingle(rng, 1.0), 0.03);
            MixInto(out, SpurJingle(rng, 0.7), 0.3);
            break;
        case 10:  // someone crosses the room in boots and spurs (plays under the music)
            out = Walk(rng, len, 0.52, true, 0.9);
            break;
        case 11: {  // a cork pulled from a bottle
            Samples squeak = Creak(rng, 0.25, 180, 420);
            MixInto(out, squeak, 0.05, 0.3);
            Samples pop = Strike({{520, 0.9, 0.02}, {900, 0.4, 0.015}}, 0.08);
            Samples air = Noise(0.03, rng);
            Apply(air, Biquad::BandPass(700, 2));
            Envelope(air, 0.001, 0.01);
            MixInto(pop, air, 0, 0.8);
            MixInto(out, pop, 0.3);
            break;
        }
        case 12: {  // a harmonica on the porch
            const int tune[] = {60, 64, 67, 64, 65, 64, 60};
            const double lens[] = {0.18, 0.18, 0.3, 0.15, 0.15, 0.2, 0.4};
            double t = 0.02;
            for (int k = 0; k < 7; ++k) {
                MixInto(out, ReedNote(Hz(tune[k]), lens[k] + 0.03, rng), t, 0.5);
                MixInto(out,
                        ReedNote(Hz(tune[k] + (k == 2 || k == 6 ? 4 : 3)), lens[k] + 0.03, rng), t,
                        0.3);
                t += lens[k];
            }
            break;
        }
        case 13:  // a banjo strum
            for (const int p : {55, 62, 67, 71, 74}) {
                MixInto(out, Pluck(Hz(p), 0.6, 0.7, rng), 0.02 + 0.012 * (p - 55) / 4.0, 0.35);
            }
            break;
        case 14: {  // the pianist plays a few bars of rag
            std::vector<Note> notes;
            const int bass[] = {43, 50, 48, 50, 43, 50, 38, 50};
            const int chords[][3] = {{59, 62, 67}, {60, 64, 67}, {59, 62, 67}, {60, 66, 69}};
            const int tune[] = {79, 78, 79, 76, 74, 71, 72, 74, 76, 74, 72, 71, 69, 71, 74, 79};
            const double beat = 0.36;
            for (int b = 0; b < 16; ++b) {
                if (b % 2 == 0) {
                    notes.push_back({b * beat, bass[b / 2 % 8], beat, 0.7});
                } else {
                    for (const int p : chords[b / 4])
                        notes.push_back({b * beat, p, beat * 0.7, 0.4});
                }
                notes.push_back({b * beat + (b % 4 == 1 ? beat / 2 : 0), tune[b], beat * 0.8, 0.6});
            }
            notes.push_back({16 * beat, 43, 0.5, 0.7});
            notes.push_back({16 * beat, 67, 0.5, 0.7});
            out = Piano(notes, len);
            break;
        }
        case 15: {  // banjo picking
            const int roll[] = {55, 62, 67, 71, 62, 67, 55, 62, 60, 64, 67, 72, 64, 67, 55, 62};
            for (int k = 0; k < 16; ++k) {
                MixInto(out, Pluck(Hz(roll[k]), 0.5, 0.6, rng), 0.02 + 0.15 * k, 0.3);
            }
            MixInto(out, Pluck(Hz(43), 0.5, 0.4, rng), 0.02, 0.4);
            MixInto(out, Pluck(Hz(48), 0.5, 0.4, rng), 1.22, 0.4);
            break;
        }
        case 16: {  // the swinging doors: a creak, a bang, the doors flapping to rest
            MixInto(out, Creak(rng, 1.0, 60, 140), 0.05, 0.5);
            MixInto(out, WoodKnock(rng, 0.7, 1.0), 1.1);
            for (int k = 0; k < 4; ++k) {
                MixInto(out, Creak(rng, 0.45, 90, 50), 1.3 + 0.55 * k, 0.3 / (k + 1));
                MixInto(out, WoodKnock(rng, 0.8, 0.6 / (k + 1)), 1.75 + 0.55 * k);
            }
            MixInto(out, Walk(rng, 1.2, 0.45, true, 0.7), 3.2);
            break;
        }
        case 17:  // a chair dragged on the boards
            MixInto(out, Creak(rng, 1.6, 35, 70), 0.1, 0.8);
            MixInto(out, WoodKnock(rng, 0.9, 0.6), 1.8);
            break;
        case 18:  // a man laughs
            out = Laugh(rng, len, 130);
            break;
        case 19: {  // a horse neighs outside
            std::vector<double> pitch;
            for (int k = 0; k < 40; ++k) {
                const double u = k / 39.0;
                const double glide = u < 0.15 ? 500 + 2600 * u : 890 - 420 * (u - 0.15);
                pitch.push_back(glide * (1 + 0.08 * std::sin(k * 2.1)));
            }
            Samples neigh = Voiced(pitch, {{900, 1500, 2800}, {800, 1300, 2600}, {650, 1100, 2400}},
                                   2.4, 0.3, rng);
            Envelope(neigh, 0.15, 1.0);
            Apply(neigh, Biquad::LowPass(2200));
            Room(neigh, 0.35, 0.8);
            MixInto(out, neigh, 0.1, 0.6);
            Samples snort = Noise(0.3, rng);
            Apply(snort, Biquad::BandPass(500, 1.5));
            Envelope(snort, 0.02, 0.1);
            MixInto(out, snort, 2.8, 0.3);
            break;
        }
        case 20:  // a crowded evening: talk and laughter
            out = Crowd(rng, len);
            MixInto(out, Laugh(rng, 1.4, 120), 2.0, 0.4);
            MixInto(out, Laugh(rng, 1.0, 160), 4.6, 0.3);
            break;
        case 21: {  // a glass slid along the bar
            Samples slide = Noise(0.3, rng);
            Apply(slide, Biquad::BandPass(1100, 3));
            Envelope(slide, 0.05, 0.2);
            MixInto(out, slide, 0.02, 0.4);
            MixInto(out, WoodKnock(rng, 1.3, 0.5), 0.34);
            break;
        }
        case 22:  // a handful of coins counted out
            for (int k = 0; k < 7; ++k) {
                MixInto(out, Coin(rng, 0.9 + 0.2 * rng.uniform()),
                        0.02 + 0.08 * k + 0.02 * rng.uniform(), 0.6);
            }
            break;
        case 23: {  // a rider trots past outside
            for (double t = 0.1; t < len - 0.3; t += 0.36) {
                const double near = std::sin(3.14159 * t / len);
                for (const double d : {0.0, 0.09, 0.17}) {
                    MixInto(out, Hoof(rng), t + d + 0.01 * rng.uniform(), 0.2 + 0.8 * near);
                }
            }
            Apply(out, Biquad::LowPass(1500));
            Room(out, 0.3, 0.9);
            break;
        }
        case 24:  // chips stacked and riffled
            for (int k = 0; k < 14; ++k)
                MixInto(out, Chip(rng), 0.05 + 0.09 * k + 0.02 * rng.uniform(), 0.7);
            break;
        case 25: {  // spat into the brass spittoon
            Samples spit = Noise(0.08, rng);
            Apply(spit, Biquad::BandPass(2500, 1.2));
            Envelope(spit, 0.01, 0.03);
            MixInto(out, spit, 0.05, 0.4);
            MixInto(out, Strike({{620, 0.6, 0.5}, {1490, 0.4, 0.35}, {2630, 0.2, 0.2}}, 1.2), 0.32);
            break;
        }
        case 26: {  // cards shuffled at another table
            for (int k = 0; k < 26; ++k) {
                Samples flick = Noise(0.012, rng);
                Apply(flick, Biquad::BandPass(3000, 1.0));
                Envelope(flick, 0.0008, 0.003);
                MixInto(out, flick, 0.1 + 0.025 * k, 0.5);
            }
            MixInto(out, WoodKnock(rng, 1.6, 0.3), 0.85);
            MixInto(out, WoodKnock(rng, 1.6, 0.3), 1.0);
            break;
        }
        case 27:  // a shot glass slammed down
            MixInto(out, WoodKnock(rng, 1.0, 1.0), 0.02);
            MixInto(out, GlassClink(rng, 1.3), 0.02, 0.15);
            break;
        case 28:  // a floorboard groans under a weight
            MixInto(out, Creak(rng, 0.9, 25, 55), 0.05, 0.8);
            break;
        case 29:  // the till: the drawer rolls out and the bell rings
            MixInto(out, Creak(rng, 0.25, 150, 90), 0.02, 0.3);
            MixInto(out, Strike({{2650, 0.6, 0.5}, {6890, 0.2, 0.2}, {4010, 0.3, 0.3}}, 0.9), 0.25);
            MixInto(out, WoodKnock(rng, 1.1, 0.5), 0.3);
            break;
        case 30:  // a chair knocked over
            MixInto(out, Creak(rng, 0.35, 60, 30), 0.02, 0.4);
            MixInto(out, WoodKnock(rng, 0.8, 1.0), 0.45);
            MixInto(out, WoodKnock(rng, 1.0, 0.7), 0.6);
            MixInto(out, WoodKnock(rng, 1.2, 0.4), 0.72);
            MixInto(out, WoodKnock(rng, 1.1, 0.2), 0.8);
            MixInto(out, Laugh(rng, 0.8, 150), 1.05, 0.3);
            break;
        default:
            break;
    }
    if (n != 23 && n != 19) Room(out, 0.15, 0.5);
    FitLength(out, len);
    Fades(out, 0.002, std::min(0.05, len / 5));
    // The saloon sits behind the game: loud enough to notice, never louder than a voice (whose
    // lines average about -22 dB), however long and dense the sound.
    Normalize(out, n == 1 || n == 20 ? 0.35 : 0.5);
    const double rms = Rms(out);
    if (rms > kSaloonRms) Scale(out, kSaloonRms / rms);
    return out;
}

}  // namespace

int SaloonLengthMs(int n) {
    // The game's ambience table says how long it waits on each file, with or without music.
    for (const bool musica : {false, true}) {
        for (int k = 1; k <= 30; ++k) {
            const SuonoSaloon s = SuonoAmbiente(k, musica);
            if (s.file == n) return s.durataMs;
        }
    }
    return 0;
}

Samples SaloonSound(int n) {
    return Sound(n);
}

std::vector<NamedSound> SaloonSounds() {
    std::vector<NamedSound> all;
    for (int n = 1; n <= 30; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, "Sa%02d.wav", n);
        all.push_back({name, Sound(n)});
    }
    return all;
}

}  // namespace gnamm::sound
