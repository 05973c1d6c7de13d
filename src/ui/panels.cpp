#include "ui/panels.h"

#include "game/game.h"

namespace gnamm {

void OnEsci(Game&) {}

}  // namespace gnamm
