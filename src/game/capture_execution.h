// Carrying out the human's capture or lay, and handing the game on: to the computer's move,
// to the deal of the next Manche, or to the end of the Gioco.
#pragma once

namespace gnamm {

class Game;

// Lays the human's played card, which captures nothing, in the first free table place.
void DeponiCartaSulTavolo(Game& g);
// Tick of TmrScompaionoCarteH: the marked cards and the played card go to the human.
void OnScompaionoCarteH(Game& g);
// Tick of TmrPresa: the capture noise is over.
void OnPresa(Game& g);

}  // namespace gnamm
