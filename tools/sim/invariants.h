// What must hold at every moment of a Gioco and at its end, as lines that name each breach:
// the simulator's --check counts them, the scenario tests expect none.
#pragma once

#include <string>
#include <vector>

#include "game/game.h"
#include "game/invariants.h"

namespace gnamm::sim {

// The game's own ControllaCarte and ControllaMucchi on the game as it stands.
std::vector<std::string> ControllaCarte(const Game& g);

// The end of each Gioco, in turn: the piles hold the deck by suit and rank, each deck point and
// the 5 di Cuori went to exactly one side, each total is deck points plus Punti Gnamm, and the
// Partita totals grow by the Gioco totals.
class ControlloPunti {
  public:
    std::vector<std::string> fineGioco(const Game& g);

  private:
    bool nuovaPartita_ = true;
    int partitaPC_ = 0, partitaH_ = 0;
};

}  // namespace gnamm::sim
