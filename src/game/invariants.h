// What holds of a Gioco at every step, as lines that name each breach: every card once, the
// counters and the scoreboard agreeing with the cards, and a turn the game can go on from. The
// simulator checks them while it plays; a saved Torneo that breaks one is never taken up, since
// a game resumed from it could stop with nothing left to click.
#pragma once

#include <string>
#include <vector>

#include "game/capture_piles.h"
#include "game/scoreboard.h"
#include "rules/table_state.h"

namespace gnamm {

struct GiocoSalvato;

// Every card once: in the deck, a hand, on the table or counted in a pile; the table's counters
// agree with its places. `cartaGiocata` is the human's card played and not yet taken or laid,
// still in its hand place (0 for none).
std::vector<std::string> ControllaCarte(const TableState& t, const Scoreboard& s, int cartaGiocata);

// The counts against the cards: the piles (every card neither in the deck nor in a place) hold
// the 7s, Quadri, figures, tie sixes and 5 di Cuori the scoreboard says; each deck point is held
// by the side its counts give it (after the last card, every point by one side); each total
// adds up; the computer's count of unseen values leaves out exactly the cards it has seen.
std::vector<std::string> ControllaConti(const TableState& t, const Scoreboard& s, int cartaGiocata,
                                        bool giocoFinito);

// How far the play has gone, for the piles: a capture may be half-way (the computer's column
// counts his cards as he walks them), the game rests between captures, or the last card is in.
enum class MomentoMucchi { InGioco, Fermo, FineGioco };

// Each side's pile against its column: as many Punti Gnamm, never more cards than the column
// counts (at rest exactly as many, after the last card the two piles holding the deck), and no
// card twice where it can be only once.
std::vector<std::string> ControllaMucchi(const Mucchi& m, const Scoreboard& s,
                                         MomentoMucchi quando);

// A saved Torneo: all of the above, and a moment the game rests at and can go on from: the
// human to play a card, a pick under way that the table allows, or the pause after a Gioco.
std::vector<std::string> ControllaTorneo(const GiocoSalvato& s);

}  // namespace gnamm
