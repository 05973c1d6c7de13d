#include "save/registro.h"

#include "game/game.h"
#include "game/hall_of_fame.h"
#include "game/player_record.h"

namespace gnamm {

void Registro::giocoFinito(Game& g) {
    RegistraFineGioco(g);
}

void Registro::torneoFinito(Game& g) {
    RegistraFineTorneo(g);
}

}  // namespace gnamm
