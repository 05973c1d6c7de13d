// A Torneo that outlives the window: saved at every quiet moment while the program runs, saved
// once more when the window is closed or the session ends, and offered back after the name.
#pragma once

namespace gnamm {

class Finestra;

// Saves the Torneo when the game rests at a quiet moment whose position differs from the one
// last saved: once a move or step, never while the human only thinks. Only the real program
// does it (Finestra::salvaTorneo); a save costs about a millisecond.
void SalvaAlMomentoTranquillo(Finestra& f);

// The name just given: held for as long as this copy plays under it. When another copy of the
// game holds it, the player is told, and this copy neither offers nor saves a Torneo for it.
void TieniNome(Finestra& f);

// After the name: when a Torneo is saved for it, asks whether to take it up again instead of
// showing the level choice. Returns true when the question is open.
bool OffriRipresa(Finestra& f);
// The answer: Sì puts the saved table back and goes on; No forgets it and shows the level choice.
void RispostaRipresa(Finestra& f, bool riprendi);

}  // namespace gnamm
