// A listener of the table (Nonno Zeb, the sounds): it hears each EventoTavolo at the moment it
// happens and works with what the game lends it, never with the game itself: the timers, the
// sound indicator, the random draw, and a read-only look at the state it consults.
#pragma once

#include "game/end_of_gioco.h"
#include "game/hall_of_fame.h"
#include "game/scheduler.h"
#include "game/sound_indicator.h"
#include "game/table_events.h"
#include "rules/clock.h"
#include "rules/livello.h"
#include "rules/options.h"
#include "rules/random.h"
#include "rules/table_state.h"

namespace gnamm {

class AscoltatoreTavolo {
  public:
    virtual ~AscoltatoreTavolo() = default;
    // Answers the event; `parlato` says whether a listener before it has spoken. True when
    // this one spoke.
    virtual bool ascolta(const EventoTavolo& e, bool parlato) = 0;
};

// What the game lends its listeners.
struct ContestoTavolo {
    Scheduler& scheduler;
    SpiaSuoni& spia;
    RandomSource& rng;
    const Clock& clock;
    const Opzioni& opzioni;
    const Livello& livello;
    const TableState& tavolo;
    const MatchState& partita;
    const RankingState& classifica;

    // The shared random draw, 1..n.
    int estrazione(int n) const { return EstrazioneCasuale(n, rng, clock); }
};

}  // namespace gnamm
