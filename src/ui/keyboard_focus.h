// Playing a pick from the keyboard: the arrow keys move a focus over the cards on the table and
// Space picks or un-picks the card under it, as a click on that card would.
#pragma once

namespace gnamm {

class Finestra;
struct Screen;

// The focus outline, hidden until a pick begins, and the list of keys on the rules panel.
void LayoutTastiera(Screen& s);

// The human has played a card that must pick table cards, and has not finished picking.
bool SceltaInCorso(const Finestra& f);

// Moves the focus to the next table card to the right (passo > 0) or to the left, round the
// row; the first key of a pick puts it on the leftmost or rightmost card.
void MuoviFuoco(Finestra& f, int passo);

// Picks or un-picks the card under the focus.
void ScegliConFuoco(Finestra& f);

// Hides the focus once no pick is under way, or when its card has left the table.
void AggiornaFuoco(Finestra& f);

}  // namespace gnamm
