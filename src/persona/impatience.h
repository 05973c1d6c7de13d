// Nonno Zeb urging a slow player.
#pragma once

namespace gnamm {

class Game;
struct TableState;

void ArmaImpazienza(Game& g);
void ImpazienzaCartaGiocata(Game& g);
void OnImpazienza(Game& g);
void OnDurataImpazienza(Game& g);

}  // namespace gnamm
