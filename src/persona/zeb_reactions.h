// Nonno Zeb's answer to what happens at the table: whether he says something, and which line.
// He speaks only with "Commenti Zeb" on and the sound indicator free, and owns the alternations
// of his lines (the ace remark, the 5 di Cuori, the last capture).
#pragma once

#include "game/table_events.h"

namespace gnamm {

class Game;

// Says Zeb's line for the event, if he has one now. True when he spoke.
bool ReagisceZeb(Game& g, const EventoTavolo& e);

}  // namespace gnamm
