// Card noises: a card flicked off the deck, slapped on the felt, a capture swept in.
#include <cmath>

#include "sfx.h"

namespace gnamm::sound {

namespace {

// A card leaving the deck: a short papery hiss that ends in a snap.
Samples Flick(std::uint64_t seed, double seconds, double colour) {
    Rng rng(seed);
    Samples hiss = Noise(seconds, rng);
    Apply(hiss, Biquad::BandPass(2500 + 1500 * colour, 1.2));
    Envelope(hiss, seconds * 0.6, seconds * 0.15);
    Samples snap = Noise(0.012, rng);
    Apply(snap, Biquad::HighPass(1800));
    Envelope(snap, 0.0005, 0.003);
    MixInto(hiss, snap, seconds * 0.6, 1.5);
    Samples tap = Strike({{180 + 60 * colour, 0.5, 0.01}, {420, 0.2, 0.006}}, 0.05);
    MixInto(hiss, tap, seconds * 0.6);
    Fades(hiss, 0.002, 0.01);
    Normalize(hiss, 0.7);
    return hiss;
}

// A card slapped down on the table: a dull thump of wood under felt and a paper crack.
Samples Slap(std::uint64_t seed, double weight) {
    Rng rng(seed);
    Samples thump =
        Strike({{95 + 20 * weight, 0.9, 0.025}, {210, 0.4, 0.015}, {530, 0.15, 0.01}}, 0.18);
    Samples crack = Noise(0.03, rng);
    Apply(crack, Biquad::BandPass(3200 - 800 * weight, 0.8));
    Envelope(crack, 0.0008, 0.006);
    MixInto(thump, crack, 0.002, 1.4);
    Samples whoosh = Noise(0.05, rng);
    Apply(whoosh, Biquad::BandPass(1200, 1.0));
    Envelope(whoosh, 0.04, 0.005);
    Samples out = Silence(0.05);
    MixInto(out, whoosh, 0, 0.25);
    MixInto(out, thump, 0.045);
    Fades(out, 0.002, 0.02);
    Normalize(out, 0.8);
    return out;
}

// Cards swept across the felt into a pile, with the little ticks of their edges.
Samples Sweep(std::uint64_t seed) {
    Rng rng(seed);
    const double seconds = 0.34;
    Samples sweep = Noise(seconds, rng);
    Biquad band = Biquad::BandPass(900, 1.3);
    for (std::size_t i = 0; i < sweep.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        if (i % 32 == 0) band.retune(900 + 2500 * t / seconds, 1.3);
        const double shape = std::sin(3.14159 * std::min(1.0, t / seconds));
        sweep[i] = static_cast<float>(band.process(sweep[i]) * shape);
    }
    for (int k = 0; k < 5; ++k) {
        Samples tick = Noise(0.01, rng);
        Apply(tick, Biquad::HighPass(2500));
        Envelope(tick, 0.0005, 0.002);
        MixInto(sweep, tick, 0.05 + 0.055 * k + 0.01 * rng.uniform(), 0.5);
    }
    Samples settle = Strike({{140, 0.6, 0.02}, {330, 0.2, 0.01}}, 0.06);
    MixInto(sweep, settle, seconds - 0.06);
    FitLength(sweep, seconds);
    Fades(sweep, 0.005, 0.02);
    Normalize(sweep, 0.7);
    return sweep;
}

}  // namespace

std::vector<NamedSound> CardNoises() {
    return {
        {"Carta1.wav", Flick(11, 0.11, 0.2)},
        {"Carta2.wav", Flick(12, 0.13, 0.6)},
        // Also the click of every caption and panel: the shortest and crispest of the four.
        {"Carta3.wav", Flick(13, 0.07, 1.0)},
        {"Carta4.wav", Flick(14, 0.12, 0.4)},
        {"gioco1.wav", Slap(21, 0.2)},
        {"gioco2.wav", Slap(22, 0.6)},
        {"gioco3.wav", Slap(23, 1.0)},
        {"Presa.wav", Sweep(31)},
    };
}

}  // namespace gnamm::sound
