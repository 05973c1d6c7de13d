// The game's own part of a Torneo left in the middle: what the game flow needs to go on from a
// quiet moment (the human's turn waiting for a card or for a pick among the table cards, the
// pause after a Gioco waiting for Enter). Nonno Zeb and the sounds keep their own parts; the
// whole save and its file are save/torneo_save.h's.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/capture_piles.h"
#include "game/end_of_gioco.h"
#include "game/human_turn.h"
#include "game/scoreboard.h"
#include "game/sound_indicator.h"
#include "rules/livello.h"
#include "rules/options.h"
#include "rules/table_state.h"
#include "rules/timers.h"

namespace gnamm {

class Game;

// A timer as it stood. A running one ticks after `restanoMs`, then every `intervalloMs`; a
// stopped one keeps its interval, since some are started again without one being given.
struct TimerSalvato {
    Timer timer = Timer::Impazienza;
    int intervalloMs = 0;
    bool acceso = false;
    int64_t restanoMs = 0;
};

struct GiocoSalvato {
    std::string nome;
    Livello livello = Livello::Honest;
    Opzioni opzioni;
    TableState tavolo;
    HumanTurnState umano;
    Scoreboard punteggi;
    Mucchi mucchi;
    MatchState partita;
    bool onesta = true;  // 'Cunning' Zeb's honesty in this Manche
    SpiaSuoni spia;
    std::string casuale;              // the random source's state
    std::vector<TimerSalvato> timer;  // every timer with an interval, running ones in the order
                                      // they were started
};

// The game is at a moment a Torneo can be saved and resumed from.
bool MomentoTranquillo(const Game& g);

// The game's state as it stands.
GiocoSalvato FotografaGioco(const Game& g);
// Puts a saved state into a game just past the name (the level panel still to close) and shows
// the table as it was: the cards, the deck while it holds any and the side boxes of a pause;
// the timers go on from where they stood.
void RiprendiGioco(Game& g, const GiocoSalvato& s);

}  // namespace gnamm
