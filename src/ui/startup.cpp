#include "ui/startup.h"

#include "game/game.h"

namespace gnamm {

void Avvio(Game&, int, int) {}
bool InvioSplash(Game&) { return false; }
void ScriviNomeSplash(Game&, std::string_view) {}
void CancellaNomeSplash(Game&) {}
void OnInserisci(Game&) {}
void OnAudioSplash(Game&) {}

}  // namespace gnamm
