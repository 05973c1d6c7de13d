// Starting a Gioco over: the reset every new Gioco shares, and giving up a Gioco in play.
#pragma once

namespace gnamm {

class Game;
class Scheduler;
struct TableState;

// A fresh Gioco: the table, the deck, the counts, the computer's search and the Gioco's
// scoreboard; the Partita totals, the dealer and the Gioco number stay.
void AzzeraGioco(Game& g);

// True when cards have left the deck, or are on their way: the Gioco would have to be
// abandoned before a new shuffle.
bool TavoloInUso(const TableState& t, const Scheduler& s);

// A level chosen during a Gioco replays the Gioco from a fresh deal: every card goes back to
// the deck, the Gioco's points leave the Partita, and no timer of the old Gioco can fire into
// the new one. The dealer and the Gioco number stay.
void AbbandonaGioco(Game& g);

}  // namespace gnamm
