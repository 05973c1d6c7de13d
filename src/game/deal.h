// Shuffle and the paced deal: the four opening table cards and three cards to each hand, one
// card per timer tick, then the turn handed to the player who leads.
#pragma once

#include "rules/table_state.h"

namespace gnamm {

class Game;

// Starts a Gioco on the reset table (NuovoGioco): shuffles the pool and starts the lay.
void MescolaCarte(Game& g);
// Ticks of TmrScegli4CarteSulTavolo and TmrScegli6Carte.
void OnScegli4CarteSulTavolo(Game& g);
void OnScegli6Carte(Game& g);
// One step of each: one opening card, one hand card.
void Scegli4CarteSulTavolo(Game& g);
void Scegli6Carte(Game& g);
// The hand place after `place` in the dealing order, which starts with the dealer's opponent;
// 7 after the sixth card. Any other place is returned unchanged.
int AvanzaDistribuzione(Player mazziere, int place);
// Deals the next Manche, one tick from now: the hand-over when the sixth card of a Manche has
// been played and the deck still holds cards.
void AvviaDistribuzioneManche(Game& g);
// The first hand place of a deal: the dealer's opponent receives first.
inline constexpr int PrimoPostoDistribuzione(Player mazziere) {
    return mazziere == Player::PC ? 4 : 1;
}

}  // namespace gnamm
