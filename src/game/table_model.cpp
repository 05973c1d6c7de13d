#include "game/table_model.h"

#include "game/game.h"

namespace gnamm {

void MostraCarta(Game&, int, Card) {}
void MostraRetro(Game&, int) {}
void AggiornaValoriRimasti(Game&, Card) {}
void VerificaAssoInTavola(Game&) {}
int TrovaPosizioneLibera(const TableState&) { return 0; }
void NuovoGioco(Game&) {}

}  // namespace gnamm
