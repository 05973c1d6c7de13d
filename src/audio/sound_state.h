// src/audio owns the sound indicator, the six channels behind MediaPlayer, the card noises, the
// music and the saloon ambience. It may include data/ and game/; never ui/ or platform/.
//
// State of the sound system: the sound indicator SpiaSuoni and the music cycle.
#pragma once

#include <array>

namespace gnamm {

// The impatience photo state carried by the indicator's text colour.
enum class FotoImpazienza { Black, Green, Magenta };

// The shared lock that keeps remarks, ambience and noises from talking over each other.
struct SpiaSuoni {
    bool busy = false;  // red when true, white when free; set by OccupaSpia and LiberaSpia
    int ambiente = 0;   // number 1..30 of the saloon sound playing; 0 = none
    FotoImpazienza foto = FotoImpazienza::Black;
    bool bordo = false;  // the last-capture remark was already given in this walk
    bool free() const { return !busy; }
};

struct SoundState {
    SpiaSuoni spia;
    int contaMusiche = 0;                  // seconds left of the current track
    int numeroMusiche = 0;                 // tracks played in the current cycle
    std::array<bool, 25> musicaSuonata{};  // [1..24]
    int musica = 0;                        // current track; 0 before the first one
};

}  // namespace gnamm
