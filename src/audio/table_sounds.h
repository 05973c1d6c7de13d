// The noises of the table in answer to what happens there: a card played, a capture. Each
// needs card noises on and a free sound indicator, and none plays over a line of Zeb's.
#pragma once

#include "game/table_events.h"

namespace gnamm {

class Game;

void ReagisconoISuoni(Game& g, const EventoTavolo& e, bool zebHaParlato);

}  // namespace gnamm
