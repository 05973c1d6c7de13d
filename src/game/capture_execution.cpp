#include "game/capture_execution.h"

#include "game/game.h"

namespace gnamm {

void DeponiCartaSulTavolo(Game&) {}
void OnScompaionoCarteH(Game&) {}
void OnPresa(Game&) {}
void CommentoAssoBevuto(Game&) {}

}  // namespace gnamm
