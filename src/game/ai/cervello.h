// The diagnostic panel FraCervello: the computer's search, scores and choice as text lines.
#pragma once

#include <string>
#include <vector>

namespace gnamm {

class Game;
struct PcState;
struct TableState;

// A line on the search, then one line per recorded move: what the panel shows.
std::vector<std::string> RigheCervello(const PcState& pc, const TableState& t);

// Writes the panel's lines, and the choice with its colour into the MossaMigliore label.
void AggiornaCervello(Game& g);

}  // namespace gnamm
