// The options panel and the random table graphics.
#pragma once

namespace gnamm {

class Game;
struct TableState;

void CasualeColoreTavolo(Game& g);
void CasualeColoreCarte(Game& g);
void CasualeRetro(Game& g);
void MostraRetroMazzo(Game& g);

}  // namespace gnamm
