// The diagnostic panel FraCervello: the computer's search, scores and choice as text lines.
#pragma once

#include <string>
#include <vector>

#include "game/ai/pc_state.h"

namespace gnamm {

// What the panel holds: whether it is open, the lines on the search, and the choice as the
// search last left it (shown by ui/cervello_view.cpp).
struct Cervello {
    bool aperto = false;
    std::vector<std::string> righe;
    bool sceltaScritta = false;  // the choice has been written at least once
    Scelta scelta;
    bool mossaScelta = false;  // the move is chosen, not still being weighed
};

class Game;
struct PcState;
struct TableState;

// A line on the search, then one line per recorded move: what the panel shows.
std::vector<std::string> RigheCervello(const PcState& pc, const TableState& t);

// While the panel is open: its lines and the choice afresh from the search.
void AggiornaCervello(Game& g);

}  // namespace gnamm
