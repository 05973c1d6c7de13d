// The pieces the saloon is built from: boots, spurs, glass, coins, wood, voices and hooves.
#include <cmath>

#include "sfx.h"

namespace gnamm::sound {

Samples BootStep(Rng& rng, double weight) {
    // Heel on a hollow floorboard, then the sole.
    Samples heel = Strike({{75 + 20 * rng.uniform(), 1.0 * weight, 0.04},
                           {160 + 30 * rng.uniform(), 0.6 * weight, 0.03},
                           {410 + 60 * rng.uniform(), 0.25 * weight, 0.02}},
                          0.2);
    Samples scuff = Noise(0.04, rng);
    Apply(scuff, Biquad::BandPass(1500, 0.9));
    Envelope(scuff, 0.002, 0.01);
    MixInto(heel, scuff, 0, 0.4 * weight);
    Samples sole = Strike({{110, 0.5 * weight, 0.02}, {300, 0.2 * weight, 0.015}}, 0.1);
    MixInto(heel, sole, 0.06);
    return heel;
}

Samples SpurJingle(Rng& rng, double loudness) {
    // A spur's rowel: a few small, bright, inharmonic rings.
    Samples out = Silence(0.25);
    for (int k = 0; k < 3; ++k) {
        const double f = 3200 + 1800 * rng.uniform();
        Samples ring =
            Strike({{f, 0.5, 0.05}, {f * 1.47, 0.3, 0.035}, {f * 2.09, 0.2, 0.025}}, 0.2);
        MixInto(out, ring, 0.012 * k + 0.01 * rng.uniform(), loudness / 3);
    }
    return out;
}

Samples GlassClink(Rng& rng, double pitch) {
    const double f = 1900 * pitch * (1 + 0.03 * rng.bipolar());
    Samples out = Strike({{f, 0.6, 0.35}, {f * 2.32, 0.3, 0.18}, {f * 4.25, 0.12, 0.08}}, 0.9);
    Samples tick = Noise(0.004, rng);
    Apply(tick, Biquad::HighPass(3000));
    MixInto(out, tick, 0, 0.4);
    return out;
}

Samples Coin(Rng& rng, double pitch) {
    const double f = 4100 * pitch * (1 + 0.05 * rng.bipolar());
    return Strike({{f, 0.5, 0.12}, {f * 1.56, 0.35, 0.09}, {f * 2.18, 0.2, 0.05}}, 0.3);
}

Samples Chip(Rng& rng) {
    // Clay chips: a short clack with little ring.
    const double f = 2400 + 600 * rng.uniform();
    Samples out = Strike({{f, 0.5, 0.012}, {f * 1.7, 0.3, 0.008}}, 0.06);
    Samples click = Noise(0.006, rng);
    Apply(click, Biquad::BandPass(3500, 1.2));
    Envelope(click, 0.0005, 0.0015);
    MixInto(out, click, 0, 0.8);
    return out;
}

Samples Creak(Rng& rng, double seconds, double from, double to) {
    // Stick and slip: a train of ticks, its rate gliding, through the resonances of dry wood.
    Samples ticks(static_cast<std::size_t>(Frames(seconds)), 0.0f);
    double phase = 0;
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        const double t = static_cast<double>(i) / kRate / seconds;
        const double rate = from + (to - from) * t + 8 * std::sin(17 * t) * rng.uniform();
        phase += rate / kRate;
        if (phase >= 1) {
            phase -= 1;
            ticks[i] = static_cast<float>(0.6 + 0.4 * rng.uniform());
        }
    }
    Samples out(ticks.size(), 0.0f);
    for (const double f : {420.0, 780.0, 1350.0, 2100.0}) {
        Samples band = ticks;
        Apply(band, Biquad::BandPass(f, 12));
        MixInto(out, band, 0, 1.0);
    }
    const double total = static_cast<double>(out.size());
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] *= static_cast<float>(std::sin(3.14159 * static_cast<double>(i) / total));
    }
    return out;
}

Samples Murmur(Rng& rng, double seconds, int voices) {
    // Men talking at the next tables: buzzing syllables through moving vowels, none clear.
    static const Vowel kVowels[] = {{730, 1090, 2440}, {530, 1840, 2480}, {270, 2290, 3010},
                                    {570, 840, 2410},  {300, 870, 2240},  {660, 1720, 2410}};
    Samples out = Silence(seconds);
    for (int v = 0; v < voices; ++v) {
        double t = rng.uniform() * 0.4;
        const double base = 95 + 45 * rng.uniform();
        while (t < seconds - 0.1) {
            const double phrase = std::min(seconds - t, 0.5 + 1.2 * rng.uniform());
            std::vector<Vowel> vowels;
            std::vector<double> pitch;
            const int syllables = std::max(2, static_cast<int>(phrase * 5));
            for (int s = 0; s < syllables; ++s) {
                vowels.push_back(kVowels[static_cast<int>(rng.uniform() * 6)]);
                pitch.push_back(base * (0.85 + 0.35 * rng.uniform()));
            }
            Samples said = Voiced(pitch, vowels, phrase, 0.25, rng);
            // Syllable rhythm.
            for (std::size_t i = 0; i < said.size(); ++i) {
                const double u = static_cast<double>(i) / kRate * syllables / phrase;
                said[i] *= static_cast<float>(0.35 + 0.65 * std::pow(std::sin(3.14159 * u), 2));
            }
            Fades(said, 0.05, 0.1);
            MixInto(out, said, t, 0.6 + 0.4 * rng.uniform());
            t += phrase + 0.15 + 0.6 * rng.uniform();
        }
    }
    Apply(out, Biquad::LowPass(1800));
    return out;
}

Samples Laugh(Rng& rng, double seconds, double pitch) {
    // "Ha-ha-ha": breathy syllables on an open vowel, falling as the breath runs out.
    Samples out = Silence(seconds);
    const int count = static_cast<int>(seconds * 5.5);
    for (int k = 0; k < count; ++k) {
        const double len = 0.11 + 0.04 * rng.uniform();
        const double f = pitch * (1.25 - 0.5 * k / count) * (1 + 0.05 * rng.bipolar());
        Samples ha =
            Voiced({f * 1.1, f, f * 0.92}, {{750, 1200, 2500}, {700, 1150, 2450}}, len, 0.35, rng);
        Envelope(ha, 0.015, len / 3);
        Samples h = Noise(0.04, rng);
        Apply(h, Biquad::BandPass(1300, 1.5));
        Envelope(h, 0.02, 0.01);
        const double at = 0.03 + k * (seconds - 0.3) / count;
        MixInto(out, h, at, 0.15);
        MixInto(out, ha, at + 0.03, 1.0 - 0.4 * k / count);
    }
    return out;
}

Samples Hoof(Rng& rng) {
    Samples out = Strike({{120 + 40 * rng.uniform(), 0.8, 0.02}, {260, 0.4, 0.015}}, 0.08);
    Samples grit = Noise(0.03, rng);
    Apply(grit, Biquad::BandPass(900, 1.0));
    Envelope(grit, 0.001, 0.008);
    MixInto(out, grit, 0, 0.5);
    return out;
}

Samples WoodKnock(Rng& rng, double pitch, double loudness) {
    const double f = 180 * pitch;
    Samples out = Strike({{f, loudness, 0.05},
                          {f * 2.6 * (1 + 0.05 * rng.bipolar()), 0.5 * loudness, 0.03},
                          {f * 5.1, 0.2 * loudness, 0.015}},
                         0.25);
    Samples click = Noise(0.01, rng);
    Apply(click, Biquad::BandPass(2000, 1.0));
    Envelope(click, 0.0005, 0.003);
    MixInto(out, click, 0, 0.5 * loudness);
    return out;
}

}  // namespace gnamm::sound
