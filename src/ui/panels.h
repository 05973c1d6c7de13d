// The rules, exit and level-choice panels and the side boxes.
#pragma once

namespace gnamm {

class Game;
struct TableState;

void OnEsci(Game& g);

}  // namespace gnamm
