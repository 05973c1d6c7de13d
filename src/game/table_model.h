// Putting cards into places and keeping the computer's count of unseen values: the small
// operations every part of the game uses on the card table, and the reset of a new Gioco.
#pragma once

#include "rules/card.h"

namespace gnamm {

class Game;
struct TableState;

// Shows the face of `card` in `place` (a text outside the 40 codes keeps the old picture).
void MostraCarta(Game& g, int place, Card card);
// Shows the back of the card in `place`.
void MostraRetro(Game& g, int place);
// The deck shows while it holds cards, and from the shuffle of a new Gioco.
void MostraMazzo(Game& g, bool mostra);
// The card has become known to the computer: one fewer unseen card of its value.
void AggiornaValoriRimasti(TableState& t, Card card);
// AssoInTavola afresh from the table.
void VerificaAssoInTavola(TableState& t);
// The first empty table place in search order; 0 only if the table is full.
int TrovaPosizioneLibera(const TableState& t);
// Empties a card place: its card, what it shows and its mark.
void SvuotaPosto(Game& g, int place);
// The reset before the shuffle of a new Gioco: empty table and pool, counters back to their
// opening values. The scoreboard has its own reset (AzzeraTabellone).
void NuovoGioco(Game& g);

}  // namespace gnamm
