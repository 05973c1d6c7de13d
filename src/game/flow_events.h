// What the game flow announces to the layers above it. The flow says what happened; the ui,
// which registers its listener when the Game is built, opens the prompt or the hall of fame
// panel and repaints the table. The listener runs at once, at the point of the announcement,
// so what it does keeps its place among the remarks, sounds, timers and random draws around it.
#pragma once

namespace gnamm {

class Game;

enum class EventoFlusso {
    GiocoFinito,   // a Gioco, a tie-break Gioco or a Partita is over: the continue prompt waits
    TorneoDeciso,  // the last Gioco of a Torneo is decided: its save has nothing left to resume
    TorneoFinito,  // a Torneo is over and ranked: the hall of fame opens, the prompt under it
    NuovoTorneo,   // the player continued after a Torneo: hall of fame closed, level panel open
    NuovoGioco,    // a new Gioco is being laid out: the table graphics may change
};

// Who keeps the record of what was played (save/registro.h). It hears each end at the moment it
// is decided, before anything else is announced of it, and writes the files; the flow decides
// and stores the outcome only. What it updates in memory (the ranking, the notices) is in place
// for the remarks that follow.
class AscoltatoreFine {
  public:
    virtual ~AscoltatoreFine() = default;
    virtual void giocoFinito(Game& g) = 0;   // partita.esito holds the outcome
    virtual void torneoFinito(Game& g) = 0;  // partita.vincitore holds the winner
};

}  // namespace gnamm
