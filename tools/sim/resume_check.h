// gnamm-sim resume-check: the same seeded Giochi played twice, once straight through and once
// saved at every quiet moment and resumed in a fresh game (a new clock object, random source,
// media player and Game, read back from GnTorneo.json). Both runs keep a trace (the whole saved
// state at every quiet moment, every sound and remark in between, every Gioco's outcome); any
// difference is a state the save forgot or restored wrongly.
#pragma once

#include <cstdint>
#include <string>

#include "game/livello.h"

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
