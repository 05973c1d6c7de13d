#include "persona/comments.h"

#include "game/game.h"

namespace gnamm {

void MostraCommento(Game&, const Commento&, bool) {}
void CommentoFineIncontro(Game&, const Commento&) {}
void OnDurataGnammH(Game&) {}
void OnAssoBevuto(Game&) {}
void MostraFotoLivello(Game&) {}
void CommentoLivello(Game&) {}
void GnammH(Game&) {}
void GnammPCinf4(Game&) {}
void GnammPCsup4(Game&) {}

}  // namespace gnamm
