// Start-up, the splash and the player's name.
#pragma once

namespace gnamm {

class Game;
struct TableState;

void OnInserisci(Game& g);
void OnAudioSplash(Game& g);

}  // namespace gnamm
