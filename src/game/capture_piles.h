// What each side has taken, as a player sees it on the table: how many cards lie in its pile,
// the cards of its last capture (shown while the player holds the mouse on the pile, as the
// tabletop rule allows, and never the rest) and the card of each Punto Gnamm, laid crosswise on
// the pile as Scopa players mark a sweep. Kept by the flow and by the Torneo save, so a resumed
// Torneo shows the same piles.
#pragma once

#include <vector>

#include "rules/card.h"
#include "rules/table_state.h"

namespace gnamm {

struct Mucchio {
    int carte = 0;                  // cards taken this Gioco
    std::vector<Card> ultimaPresa;  // the last capture: the card played, then the cards taken
    // The card of each Punto Gnamm, in the order they came; no card for one a save of before
    // the piles scored, whose card nobody knows.
    std::vector<Card> gnamm;
    bool operator==(const Mucchio&) const = default;
};

struct Mucchi {
    Mucchio pc;
    Mucchio h;
    Mucchio& di(Player p) { return p == Player::PC ? pc : h; }
    const Mucchio& di(Player p) const { return p == Player::PC ? pc : h; }
    bool operator==(const Mucchi&) const = default;
};

// A capture joins the taker's pile: the card played and the cards it took become the last
// capture; a sweep lays the card played crosswise on the pile.
void MettiNelMucchio(Mucchio& m, Card giocata, const std::vector<Card>& prese, bool gnamm);
// A card left on the table at the end of a Gioco joins the last capturer's pile; the first of
// them starts a new last capture, the others join it.
void UltimaCartaNelMucchio(Mucchio& m, Card c, bool prima);

}  // namespace gnamm
