#include "ui/startup.h"

#include "game/game.h"

namespace gnamm {

void OnInserisci(Game&) {}
void OnAudioSplash(Game&) {}

}  // namespace gnamm
