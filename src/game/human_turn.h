// The human's turn: playing a card by clicking it, picking a capture on the table, the
// reproaches for wrong clicks, and the automatic play of the last card.
#pragma once

#include <array>

#include "rules/table_places.h"

namespace gnamm {

class Game;

struct HumanTurnState {
    int cartaGiocata = 0;        // place 4..6 of the card played this turn; 0 = none
    bool puoiScegliere = false;  // the human must pick table cards
    bool valoriUguali = false;   // the pick is among equal cards (else by sum)
    int valoreTotalePresa = 0;   // sum of the cards picked so far
    std::array<bool, kNumeroPosti> marcaPresa{};  // the card is to be captured
    std::array<bool, kNumeroPosti> scelta{};      // picked: its outline shows
    // The capture is decided and waits for TmrScompaionoCarteH: table clicks no longer count.
    bool presaDecisa = false;
    int fuoco = 0;  // table place the keyboard's focus is on during a pick; 0 = none
};

// A click on card place k (0..19).
void ClickCarta(Game& g, int k);
// Applies the capture rule to the card just played: capture, choice or lay.
void DecidiPresaH(Game& g);
void OnMuoviHAutomatico(Game& g);
// The human's turn shown again (a resumed Torneo): the instruction that asks for a card, or for
// a pick waiting for the player the card played and the table cards picked so far outlined.
void MostraSceltaInCorso(Game& g);

}  // namespace gnamm
