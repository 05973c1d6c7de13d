#include "game/scoreboard.h"

#include "game/game.h"

namespace gnamm {

void AssegnaPunto(Game&, Player, PuntoMazzo) {}
void AssegnaCinqueDiCuori(Game&, Player) {}
void AssegnaPuntoGnamm(Game&, Player) {}
void ContaSeiH(Game&, int) {}
void ContaSetteH(Game&, int) {}
void ContaFigureH(Game&, int) {}
void ContaQuadriH(Game&, int) {}
void ContaCarteH(Game&, int) {}
void Conta5DiCuoriH(Game&, int) {}
void ContaPreseH(Game&, int) {}
void ContaPresePC(Game&, int) {}
void AssegnaPuntiMazzoPC(Game&) {}
void AzzeraTabellone(Scoreboard&) {}
void RefreshScoreboard(Game&) {}

}  // namespace gnamm
