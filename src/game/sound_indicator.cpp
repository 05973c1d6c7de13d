#include "game/sound_indicator.h"

namespace gnamm {

void OccupaSpia(SpiaSuoni& spia) {
    spia.busy = true;
}

void LiberaSpia(SpiaSuoni& spia) {
    spia.busy = false;
}

void LiberaSpiaFuoriAlbo(SpiaSuoni& spia, bool alboAperto) {
    if (!alboAperto) LiberaSpia(spia);
}

void LiberaSpiaSeTace(SpiaSuoni& spia, const Scheduler& s) {
    if (spia.ambiente != 0) return;
    // Each sound that takes the indicator frees it again from one of these timers; the deal
    // and the farewell hold it while they run.
    for (const Timer t : {Timer::DurataGnammH, Timer::AssoBevuto, Timer::DurataImpazienza,
                          Timer::DurataAmbiente, Timer::Carta, Timer::Rumoregioco, Timer::Presa,
                          Timer::Scegli4CarteSulTavolo, Timer::Scegli6Carte, Timer::Esci}) {
        if (s.isEnabled(t)) return;
    }
    LiberaSpia(spia);
}

}  // namespace gnamm
