// The background music: 24 tracks drawn without repetition, with pauses.
#pragma once

namespace gnamm {

class Game;
struct TableState;

void ScegliMusiche(Game& g);
void SpegniMusiche(Game& g);
void OnMusiche(Game& g);
void OnSilenzio(Game& g);

}  // namespace gnamm
