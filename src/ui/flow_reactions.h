// The ui's answer to what the game flow announces: the continue prompt over the table or over
// the hall of fame panel, the panel opened and closed round a Torneo, and the random table
// graphics of a new Gioco.
#pragma once

#include "game/flow_events.h"

namespace gnamm {

class Finestra;

void ReagisciAlFlusso(Finestra& f, EventoFlusso e);

}  // namespace gnamm
