// The instruction line under the notes and the pointing hand, shown from what the game asks of
// the player (game/instructions.h).
#pragma once

#include <string>

#include "game/instructions.h"

namespace gnamm {

class Game;
struct Screen;

// The line's words: the game's Italian, naming the player where it speaks to them.
std::string TestoIstruzione(const Istruzione& i);

// After every input: the line and the hand as the game stands.
void MostraIstruzioni(const Game& g, Screen& s);

}  // namespace gnamm
