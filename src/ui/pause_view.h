// The pause between Giochi on screen, from the game's state of it (game/end_of_gioco.h): the
// continue prompt and its line, the winner's name and points in red, the side boxes.
#pragma once

#include <string>

#include "game/end_of_gioco.h"

namespace gnamm {

struct Screen;

// The continue prompt's words.
std::string TestoQuando(const PausaState& p);

// After every input: the prompt, the winner's colours and the boxes as the game stands.
void MostraPausa(const PausaState& p, Screen& s);

}  // namespace gnamm
