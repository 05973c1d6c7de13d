// src/audio owns the six channels' noises, the music and the saloon ambience. It listens to the
// game and may include rules/, data/ and game/'s headers of events and plain state; never
// the Game itself, persona/, ui/ or platform/. The sound indicator they share with the game is
// game/sound_indicator.h.
//
// State of the sound system: the music cycle.
#pragma once

#include <array>

namespace gnamm {

struct SoundState {
    int contaMusiche = 0;                  // seconds left of the current track
    int numeroMusiche = 0;                 // tracks played in the current cycle
    std::array<bool, 25> musicaSuonata{};  // [1..24]
    int musica = 0;                        // current track; 0 before the first one
};

}  // namespace gnamm
