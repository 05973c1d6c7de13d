#include "persona/impatience.h"

#include "game/game.h"

namespace gnamm {

void ArmaImpazienza(Game&) {}
void ImpazienzaCartaGiocata(Game&) {}
void OnImpazienza(Game&) {}
void OnDurataImpazienza(Game&) {}

}  // namespace gnamm
