#include "game/human_turn.h"

#include "game/game.h"

namespace gnamm {

void ClickCarta(Game&, int) {}
void OnMuoviHAutomatico(Game&) {}
void VoceRimprovero(Game&) {}

}  // namespace gnamm
