// The computer's choice among its scored moves: the best score, the earliest on ties, and the
// rule that keeps an ace for later when a safe second move is nearly as good.
#pragma once

#include "game/ai/pc_state.h"
#include "rules/table_state.h"

namespace gnamm {

// The margin under which a safe second move is played instead of an ace.
inline constexpr float kMargineAsso = 0.4f;

Scelta ScegliMossa(const TableState& t, const ListaMosse& lista, const Valutazione& val);

}  // namespace gnamm
