// The end of a Gioco, Partita and Torneo: the last cards, the open deck points, the outcome,
// and Quando, which resets the table and deals again.
#pragma once

#include <string>

namespace gnamm {

class Game;

struct MatchState {
    int partitePC = 0;
    int partiteH = 0;
    int gioco = 1;
    bool giocoTerminato = false;
};

void AvviaUltimeCarte(Game& g);
void OnUltimeCarte(Game& g);
void Quando(Game& g);

}  // namespace gnamm
