// Putting cards into places and keeping the computer's count of unseen values.
#pragma once

#include "game/card.h"

namespace gnamm {

class Game;
struct TableState;

void MostraCarta(Game& g, int place, Card card);
void MostraRetro(Game& g, int place);
void AggiornaValoriRimasti(Game& g, Card card);
void VerificaAssoInTavola(Game& g);
int TrovaPosizioneLibera(const TableState& t);
void NuovoGioco(Game& g);

}  // namespace gnamm
