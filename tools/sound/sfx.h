// The recipes of the card noises (Rumori) and of the thirty saloon sounds (Saloon).
#pragma once

#include <string>
#include <vector>

#include "dsp.h"

namespace gnamm::sound {

// A rendered sound and the file name it is written to.
struct NamedSound {
    std::string file;  // "Carta1.wav"
    Samples samples;
};

// Carta1..4 (dealing flicks; Carta3 is also the click), gioco1..3 (a card slapped down), Presa.
std::vector<NamedSound> CardNoises();

// How long the game lets saloon sound n (1..30) play, in milliseconds.
int SaloonLengthMs(int n);
// Sa01..Sa30, each exactly as long as the game lets it play.
std::vector<NamedSound> SaloonSounds();
// One of them (1..30): the generator renders them one at a time.
Samples SaloonSound(int n);

// Pieces shared by the saloon recipes (saloon_parts.cpp).
Samples BootStep(Rng& rng, double weight);
Samples SpurJingle(Rng& rng, double loudness);
Samples GlassClink(Rng& rng, double pitch);
Samples Coin(Rng& rng, double pitch);
Samples Chip(Rng& rng);
Samples Creak(Rng& rng, double seconds, double from, double to);
Samples Murmur(Rng& rng, double seconds, int voices);
Samples Laugh(Rng& rng, double seconds, double pitch);
Samples Hoof(Rng& rng);
Samples WoodKnock(Rng& rng, double pitch, double loudness);

}  // namespace gnamm::sound
