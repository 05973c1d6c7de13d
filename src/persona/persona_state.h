// src/persona owns Nonno Zeb's remarks (the catalogue, their cycles, the balloon) and his
// impatience. It listens to the game and may include rules/, data/ and game/'s headers of
// events and plain state; never the Game itself, audio/, ui/ or platform/.
//
// State of Nonno Zeb's persona: the remark cycles and the impatience.
#pragma once

#include <array>

namespace gnamm {

// Lines of one remark set said in the current cycle; each line is said once before any is
// said twice. Held for the whole run, across Giochi and Tornei.
struct CicloCommenti {
    int conta = 0;                 // lines said in this cycle
    std::array<bool, 13> detto{};  // [1..n]
};

struct PersonaState {
    int assoBevuto = 1;                 // which Asso bevuto line was said last: 1 or 2
    CicloCommenti gnammH;               // 12 lines
    CicloCommenti gnammPCinf4;          // 8 lines
    CicloCommenti gnammPCsup4;          // 6 lines
    int cinqueDiCuori = 1;              // which 5 di Cuori line was said last: 1 or 2
    bool alternaUltimaCattura = false;  // which of the two "several cards" lines comes next
};

}  // namespace gnamm
