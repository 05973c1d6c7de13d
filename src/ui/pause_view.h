// The pause between Giochi on screen, from the game's state of it (game/end_of_gioco.h): the
// continue prompt and its line, the winner's name and points in red, the side boxes, and the
// summary of the Gioco beside the prompt.
#pragma once

#include <string>

#include "game/end_of_gioco.h"

namespace gnamm {

class Game;
struct Screen;

// The continue prompt's words.
std::string TestoQuando(const PausaState& p);

// After every input: the prompt, the winner's colours, the boxes and the summary as the game
// stands.
void MostraPausa(const Game& g, Screen& s);

}  // namespace gnamm
