#include "audio/music.h"

#include "game/game.h"

namespace gnamm {

void ScegliMusiche(Game&) {}
void SpegniMusiche(Game&) {}
void OnMusiche(Game&) {}
void OnSilenzio(Game&) {}

}  // namespace gnamm
