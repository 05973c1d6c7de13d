// Carrying out the human's capture or lay, and handing the game on.
#pragma once

namespace gnamm {

class Game;
struct TableState;

void DeponiCartaSulTavolo(Game& g);
void OnScompaionoCarteH(Game& g);
void OnPresa(Game& g);
void CommentoAssoBevuto(Game& g);

}  // namespace gnamm
