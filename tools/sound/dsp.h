// A small sound workshop for the card noises and the saloon ambience: seeded noise, filters,
// envelopes, struck and plucked tones, a voice-like buzz and a room, all on mono float buffers.
#pragma once

#include <cstdint>
#include <vector>

namespace gnamm::sound {

inline constexpr int kRate = 22050;
using Samples = std::vector<float>;

// A fixed-seed generator, so every build renders the very same files.
class Rng {
  public:
    explicit Rng(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
    double uniform();  // [0, 1)
    double between(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    float bipolar() { return static_cast<float>(2.0 * uniform() - 1.0); }

  private:
    std::uint64_t state_;
};

int Frames(double seconds);
Samples Silence(double seconds);
double Seconds(const Samples& s);
// Adds `what`, scaled by gain, starting `at` seconds in; grows `into` when needed.
void MixInto(Samples& into, const Samples& what, double at, double gain = 1.0);

// Second-order section (RBJ cookbook).
class Biquad {
  public:
    static Biquad LowPass(double freq, double q = 0.707);
    static Biquad HighPass(double freq, double q = 0.707);
    static Biquad BandPass(double freq, double q);
    float process(float x);
    void retune(double freq, double q);  // band-pass only: for sweeps

  private:
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};
void Apply(Samples& s, Biquad filter);

Samples Noise(double seconds, Rng& rng);
// Multiplies by an attack ramp and an exponential decay (time constant in seconds).
void Envelope(Samples& s, double attack, double decay);
// Linear fade-in and fade-out at the edges, so no file starts or ends with a click.
void Fades(Samples& s, double in, double out);

// A struck object as a sum of decaying sine modes.
struct Mode {
    double freq;
    double amp;
    double decay;  // seconds to fall by 1/e
};
Samples Strike(const std::vector<Mode>& modes, double seconds);

// Karplus-Strong string: a banjo or a plucked wire.
Samples Pluck(double freq, double seconds, double brightness, Rng& rng);
// One piano note: stretched partials and two slightly detuned strings, like an old upright.
Samples PianoNote(double freq, double seconds, double velocity);
// A reed with vibrato and breath, for the harmonica.
Samples ReedNote(double freq, double seconds, Rng& rng);

// A buzzing voice source through moving vowel formants: murmur, laughter, a horse's neigh.
struct Vowel {
    double f1, f2, f3;
};
Samples Voiced(const std::vector<double>& pitchContour, const std::vector<Vowel>& vowels,
               double seconds, double breath, Rng& rng);

// A few feedback combs and all-passes: the wooden room of the saloon.
void Room(Samples& s, double wet, double size);
void Normalize(Samples& s, double peak);
// Pads with silence or cuts (fading out) to exactly `seconds`.
void FitLength(Samples& s, double seconds);
double Peak(const Samples& s);
double Rms(const Samples& s);
void Scale(Samples& s, double gain);

}  // namespace gnamm::sound
