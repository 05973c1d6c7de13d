// gnamm-sim resume-check: the same seeded Giochi played twice, once straight through and once
// saved at every quiet moment and resumed in a fresh game (a new clock object, random source,
// media player and window, taken up as the window offers it after the name). Both runs keep a
// trace: at every quiet moment the whole saved state and what the screen shows (cards, deck,
// side boxes, Zeb's corner, the prompts, the music track playing), in the resumed run as the
// fresh game shows it; every sound and remark in between; every Gioco's outcome. Any difference
// is a state the save forgot or restored wrongly.
#pragma once

#include <cstdint>
#include <string>

#include "rules/livello.h"

namespace gnamm::sim {

struct EsitoRipresa {
    int giochi = 0;
    long salvataggi = 0;
    std::size_t byteMedi = 0, byteMassimi = 0;
    double microsecondiMedi = 0, microsecondiMassimi = 0;  // SalvaTorneo, write and fsync included
    std::string primaDifferenza;                           // empty when the traces agree
};

EsitoRipresa ControllaRipresa(Livello livello, int giochi, uint32_t seed);

}  // namespace gnamm::sim
