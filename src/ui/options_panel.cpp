#include "ui/options_panel.h"

#include "game/game.h"

namespace gnamm {

void CasualeColoreTavolo(Game&) {}
void CasualeColoreCarte(Game&) {}
void CasualeRetro(Game&) {}
void MostraRetroMazzo(Game&) {}

}  // namespace gnamm
