#include "game/end_of_gioco.h"

#include "game/game.h"

namespace gnamm {

void AvviaUltimeCarte(Game&) {}
void OnUltimeCarte(Game&) {}
void Quando(Game&) {}

}  // namespace gnamm
