#include "game/deal.h"

#include "game/game.h"

namespace gnamm {

void MescolaCarte(Game&) {}
void OnScegli4CarteSulTavolo(Game&) {}
void OnScegli6Carte(Game&) {}
void AvviaDistribuzioneManche(Game&) {}

}  // namespace gnamm
