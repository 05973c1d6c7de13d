// The diagnostic panel FraCervello: the computer's search, scores and choice as text lines.
#pragma once

#include <string>
#include <vector>

namespace gnamm {

class Game;
struct PcState;
struct TableState;

// One line per recorded move, then the choice: what the panel shows.
std::vector<std::string> RigheCervello(const PcState& pc, const TableState& t);

// Writes the panel's lines and the colour of the MossaMigliore label into the screen model.
void AggiornaCervello(Game& g);

}  // namespace gnamm
