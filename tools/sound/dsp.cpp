#include "dsp.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace gnamm::sound {

namespace {
constexpr double kTwoPi = 2.0 * std::numbers::pi;
}

double Rng::uniform() {
    // xorshift64*: plenty for noise, and identical on every machine.
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return static_cast<double>((state_ * 0x2545F4914F6CDD1Dull) >> 11) * 0x1.0p-53;
}

int Frames(double seconds) {
    return std::max(0, static_cast<int>(std::lround(seconds * kRate)));
}
Samples Silence(double seconds) {
    return Samples(static_cast<std::size_t>(Frames(seconds)), 0.0f);
}
double Seconds(const Samples& s) {
    return static_cast<double>(s.size()) / kRate;
}

void MixInto(Samples& into, const Samples& what, double at, double gain) {
    const auto start = static_cast<std::size_t>(Frames(std::max(0.0, at)));
    if (into.size() < start + what.size()) into.resize(start + what.size(), 0.0f);
    for (std::size_t i = 0; i < what.size(); ++i) {
        into[start + i] += static_cast<float>(gain * what[i]);
    }
}

Biquad Biquad::LowPass(double freq, double q) {
    Biquad f;
    const double w = kTwoPi * freq / kRate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
    const double a0 = 1 + alpha;
    f.b0_ = (1 - c) / 2 / a0;
    f.b1_ = (1 - c) / a0;
    f.b2_ = f.b0_;
    f.a1_ = -2 * c / a0;
    f.a2_ = (1 - alpha) / a0;
    return f;
}

Biquad Biquad::HighPass(double freq, double q) {
    Biquad f;
    const double w = kTwoPi * freq / kRate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
    const double a0 = 1 + alpha;
    f.b0_ = (1 + c) / 2 / a0;
    f.b1_ = -(1 + c) / a0;
    f.b2_ = f.b0_;
    f.a1_ = -2 * c / a0;
    f.a2_ = (1 - alpha) / a0;
    return f;
}

Biquad Biquad::BandPass(double freq, double q) {
    Biquad f;
    f.retune(freq, q);
    return f;
}

void Biquad::retune(double freq, double q) {
    freq = std::clamp(freq, 20.0, kRate * 0.45);
    const double w = kTwoPi * freq / kRate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
    const double a0 = 1 + alpha;
    b0_ = alpha / a0;
    b1_ = 0;
    b2_ = -alpha / a0;
    a1_ = -2 * c / a0;
    a2_ = (1 - alpha) / a0;
}

float Biquad::process(float x) {
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return static_cast<float>(y);
}

void Apply(Samples& s, Biquad filter) {
    for (float& x : s) x = filter.process(x);
}

Samples Noise(double seconds, Rng& rng) {
    Samples s(static_cast<std::size_t>(Frames(seconds)));
    for (float& x : s) x = rng.bipolar();
    return s;
}

void Envelope(Samples& s, double attack, double decay) {
    const double attackFrames = std::max(1.0, attack * kRate);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double rise = std::min(1.0, static_cast<double>(i) / attackFrames);
        const double fall = decay > 0 ? std::exp(-std::max(0.0, t - attack) / decay) : 1.0;
        s[i] = static_cast<float>(s[i] * rise * fall);
    }
}

void Fades(Samples& s, double in, double out) {
    const std::size_t n = s.size();
    const auto inFrames = std::min(n, static_cast<std::size_t>(Frames(in)));
    const auto outFrames = std::min(n, static_cast<std::size_t>(Frames(out)));
    for (std::size_t i = 0; i < inFrames; ++i) s[i] *= static_cast<float>(i) / inFrames;
    for (std::size_t i = 0; i < outFrames; ++i) s[n - 1 - i] *= static_cast<float>(i) / outFrames;
}

Samples Strike(const std::vector<Mode>& modes, double seconds) {
    Samples s(static_cast<std::size_t>(Frames(seconds)), 0.0f);
    for (const Mode& m : modes) {
        if (m.freq >= kRate * 0.48) continue;  // above Nyquist it would alias into a whistle
        const double step = kTwoPi * m.freq / kRate;
        for (std::size_t i = 0; i < s.size(); ++i) {
            const double t = static_cast<double>(i) / kRate;
            s[i] += static_cast<float>(m.amp * std::exp(-t / m.decay) * std::sin(step * i));
        }
    }
    Fades(s, 0.0005, 0.01);
    return s;
}

Samples Pluck(double freq, double seconds, double brightness, Rng& rng) {
    const auto period = static_cast<std::size_t>(std::max(2.0, kRate / freq));
    std::vector<float> line(period);
    for (float& x : line) x = rng.bipolar();
    Samples s(static_cast<std::size_t>(Frames(seconds)));
    std::size_t pos = 0;
    float previous = 0;
    const auto blend = static_cast<float>(std::clamp(brightness, 0.0, 1.0));
    for (float& out : s) {
        const float current = line[pos];
        out = current;
        // Averaging with the previous sample damps the highs; brightness keeps more of them.
        line[pos] = 0.996f * (blend * current + (1 - blend) * 0.5f * (current + previous));
        previous = current;
        pos = (pos + 1) % period;
    }
    Fades(s, 0.0005, 0.02);
    return s;
}

Samples PianoNote(double freq, double seconds, double velocity) {
    std::vector<Mode> modes;
    const double inharmonicity = 0.0004;
    for (int n = 1; n <= 10; ++n) {
        const double f = n * freq * std::sqrt(1 + inharmonicity * n * n);
        const double amp = velocity / (n * (n > 1 ? 1.3 : 1.0));
        const double decay = std::max(0.08, 1.6 * std::pow(220.0 / freq, 0.5) / n);
        modes.push_back({f * 1.0023, amp * 0.5, decay});  // the honky-tonk pair of strings
        modes.push_back({f * 0.9977, amp * 0.5, decay});
    }
    Samples s = Strike(modes, seconds);
    Samples hammer(static_cast<std::size_t>(Frames(0.01)));
    Rng rng(static_cast<std::uint64_t>(freq * 100));
    for (float& x : hammer) x = rng.bipolar() * static_cast<float>(0.2 * velocity);
    MixInto(s, hammer, 0);
    Fades(s, 0.0, 0.03);
    return s;
}

Samples ReedNote(double freq, double seconds, Rng& rng) {
    Samples s(static_cast<std::size_t>(Frames(seconds)));
    double phase = 0;
    Biquad body = Biquad::LowPass(2500, 0.9);
    Biquad breath = Biquad::BandPass(1800, 1.5);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double vibrato = 1 + 0.012 * std::sin(kTwoPi * 5.5 * t) * std::min(1.0, t * 3);
        phase += freq * vibrato / kRate;
        phase -= std::floor(phase);
        const double reed = phase < 0.35 ? 1.0 : -0.54;  // a narrow pulse: the reed's bite
        const float x =
            body.process(static_cast<float>(reed)) + 0.15f * breath.process(rng.bipolar());
        s[i] = x;
    }
    Envelope(s, 0.04, 0);
    Fades(s, 0.0, std::min(0.08, seconds / 3));
    return s;
}

Samples Voiced(const std::vector<double>& pitchContour, const std::vector<Vowel>& vowels,
               double seconds, double breath, Rng& rng) {
    Samples s(static_cast<std::size_t>(Frames(seconds)));
    Biquad f1 = Biquad::BandPass(vowels[0].f1, 6), f2 = Biquad::BandPass(vowels[0].f2, 8),
           f3 = Biquad::BandPass(vowels[0].f3, 10);
    double phase = 0;
    const auto at = [&](const auto& list, double t) {
        // Piecewise-linear through the list, evenly spread over the sound.
        const double pos = t / seconds * static_cast<double>(list.size() - 1);
        const auto i = std::min(list.size() - 1, static_cast<std::size_t>(pos));
        const auto j = std::min(list.size() - 1, i + 1);
        return std::pair{i, j};
    };
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const auto [p0, p1] = at(pitchContour, t);
        const double pf = t / seconds * static_cast<double>(pitchContour.size() - 1) - p0;
        const double pitch = pitchContour[p0] + (pitchContour[p1] - pitchContour[p0]) * pf;
        phase += pitch * (1 + 0.01 * rng.bipolar()) / kRate;
        phase -= std::floor(phase);
        const double source = (1 - 2 * phase) * (1 - breath) + breath * rng.bipolar();
        if (i % 32 == 0) {
            const auto [v0, v1] = at(vowels, t);
            const double vf = t / seconds * static_cast<double>(vowels.size() - 1) - v0;
            const auto mix = [&](double a, double b) { return a + (b - a) * vf; };
            f1.retune(mix(vowels[v0].f1, vowels[v1].f1), 6);
            f2.retune(mix(vowels[v0].f2, vowels[v1].f2), 8);
            f3.retune(mix(vowels[v0].f3, vowels[v1].f3), 10);
        }
        const auto x = static_cast<float>(source);
        s[i] = f1.process(x) + 0.6f * f2.process(x) + 0.3f * f3.process(x);
    }
    return s;
}

void Room(Samples& s, double wet, double size) {
    const std::size_t tail = static_cast<std::size_t>(Frames(0.05 + 0.3 * size));
    Samples out(s.size() + tail, 0.0f);
    const int combDelays[] = {1116, 1188, 1277, 1356};
    for (const int base : combDelays) {
        const auto d = static_cast<std::size_t>(base * (0.3 + 0.5 * size));
        std::vector<float> line(d, 0.0f);
        std::size_t pos = 0;
        for (std::size_t i = 0; i < out.size(); ++i) {
            const float in = i < s.size() ? s[i] : 0.0f;
            const float y = line[pos];
            line[pos] = in + static_cast<float>(0.6 + 0.25 * size) * y;
            pos = (pos + 1) % d;
            out[i] += y * 0.25f;
        }
    }
    Biquad dull = Biquad::LowPass(3000);
    Apply(out, dull);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const float dry = i < s.size() ? s[i] : 0.0f;
        out[i] = static_cast<float>((1 - wet) * dry + wet * out[i]);
    }
    s = std::move(out);
}

double Peak(const Samples& s) {
    double peak = 0;
    for (const float x : s) peak = std::max(peak, static_cast<double>(std::fabs(x)));
    return peak;
}

double Rms(const Samples& s) {
    double sum = 0;
    for (const float x : s) sum += static_cast<double>(x) * x;
    return s.empty() ? 0 : std::sqrt(sum / static_cast<double>(s.size()));
}

void Scale(Samples& s, double gain) {
    for (float& x : s) x = static_cast<float>(x * gain);
}

void Normalize(Samples& s, double peak) {
    const double current = Peak(s);
    if (current <= 0) return;
    for (float& x : s) x = static_cast<float>(x * peak / current);
}

void FitLength(Samples& s, double seconds) {
    const auto frames = static_cast<std::size_t>(Frames(seconds));
    if (s.size() > frames) {
        s.resize(frames);
        Fades(s, 0.0, std::min(0.05, seconds / 4));
    } else {
        s.resize(frames, 0.0f);
    }
}

}  // namespace gnamm::sound
