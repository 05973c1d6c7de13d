#include "audio/ambience.h"

#include "game/game.h"

namespace gnamm {

void Ambiente(Game&) {}
void OnAmbiente(Game&) {}
void OnDurataAmbiente(Game&) {}

}  // namespace gnamm
