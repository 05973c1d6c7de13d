// The sound indicator SpiaSuoni: the shared lock that keeps remarks, ambience and noises from
// talking over each other. The deal, the turns and the end of a Gioco test and mark it as
// well as Nonno Zeb and the sounds, so it lives with the game.
#pragma once

#include "game/scheduler.h"

namespace gnamm {

// The impatience photo state carried by the indicator's text colour.
enum class FotoImpazienza { Black, Green, Magenta };

struct SpiaSuoni {
    bool busy = false;  // red when true, white when free; set by OccupaSpia and LiberaSpia
    int ambiente = 0;   // number 1..30 of the saloon sound playing; 0 = none
    FotoImpazienza foto = FotoImpazienza::Black;
    bool bordo = false;  // the last-capture remark was already given in this walk
    bool free() const { return !busy; }
};

// The indicator is taken while a noise, a remark or a saloon sound plays, so that nothing
// talks over it; only these write it.
void OccupaSpia(SpiaSuoni& spia);
void LiberaSpia(SpiaSuoni& spia);
// Frees the indicator unless the hall of fame panel shows: it holds the indicator for as long
// as it is up, so that nothing talks over the end of a Torneo.
void LiberaSpiaFuoriAlbo(SpiaSuoni& spia, bool alboAperto);
// Frees the indicator when none of the sounds that take it is under way. The hall of fame
// holds the indicator while it shows, and the ends of remarks and ambience that fall meanwhile
// leave it taken; closing the panel lets it go, or Nonno Zeb would stay silent.
void LiberaSpiaSeTace(SpiaSuoni& spia, const Scheduler& s);

}  // namespace gnamm
