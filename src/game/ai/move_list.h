// The computer's search: every move its hand allows on the current table, in a fixed order.
//
// Hand place 1 first, then 2 and 3; for one card the equal-value captures in table order, or
// the sums by size (pairs, triples, quadruples, quintuples), each size in lexicographic order
// of positions, or the single lay. The choice breaks ties by this order.
#pragma once

#include "game/ai/pc_state.h"
#include "rules/table_state.h"

namespace gnamm {

// CartaOrdinata: every occupied table place in ascending place order (the twelfth last).
void PreparaRicerca(const TableState& t, Ricerca& r);

// Fills the move list for the computer's hand (places 1..3) from the prepared search. Moves
// past the thirtieth are counted in Combinazioni but not recorded.
void TrovaCombinazioniPC(const TableState& t, Ricerca& r, ListaMosse& lista);

// The same list for any three hand places (the simulator's human uses places 4..6); the
// moves' `posto` is the place itself; a place 0 is skipped.
void TrovaCombinazioni(const TableState& t, const std::array<int, 3>& mano, Ricerca& r,
                       ListaMosse& lista);

// Empties the list, as at the start of a search.
void SvuotaLista(ListaMosse& lista);

}  // namespace gnamm
