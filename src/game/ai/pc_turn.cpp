#include "game/ai/pc_turn.h"

#include "game/game.h"

namespace gnamm {

void PreparaMossePC(Game&) {}
void OnRitardoMossaPC(Game&) {}
void OnEffettuaMossaPC(Game&) {}
void ClickTimerLabel(Game&) {}
void ToggleCervello(Game&) {}

}  // namespace gnamm
