// The card places of the table, by number: the screen draws one card element per place.
#pragma once

namespace gnamm {

// Card places: 0 the deck, 1..3 the computer's hand, 4..6 the human's hand, 7..17 the table,
// 18 the spare place, 19 a twelfth table place at the left end of the row, used only when
// eleven table cards are already down.
inline constexpr int kNumeroPosti = 20;
inline constexpr int kPostoMazzo = 0;
inline constexpr int kPostoSpare = 18;
inline constexpr int kPostoDodicesimo = 19;

}  // namespace gnamm
