// Zeb's advice on the table: the key H and the caption "Consiglio" outline, in the pick colour,
// the hand card and the table cards his honest scoring would choose for the human, and write
// its reason in the instructions box. The advice only reads the game: it draws no random number
// and starts no timer, so asking for it never changes how the game goes on.
#pragma once

#include <string>
#include <vector>

namespace gnamm {

class Finestra;

// The advice on show, to be taken away again.
struct ConsiglioMostrato {
    bool attivo = false;
    std::vector<int> segni;  // the places it outlined
    std::string riga;        // the line it wrote
    std::string istruzione;  // the instruction the line covers
};

// H or a click on "Consiglio": on the human's turn (a card to play, or table cards to pick),
// shows the advice and counts it in the player's record. Anywhere else it does nothing.
void ChiediConsiglio(Finestra& f);

// The human is about to play or pick: the marks go and the instruction comes back.
void TogliConsiglio(Finestra& f);

// After every input and tick: once the instruction has changed under it, the marks go too.
void SeguiConsiglio(Finestra& f);

}  // namespace gnamm
