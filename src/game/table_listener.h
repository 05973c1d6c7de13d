// A listener of the table (Nonno Zeb, the sounds): it hears each EventoTavolo at the moment it
// happens and works with what the game lends it, never with the game itself: the timers, the
// sound indicator, the random draw, and a read-only look at the state it consults.
#pragma once

#include <cstdint>
#include <initializer_list>

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

// The kinds of event a listener hears. The table announces some hundred and fifty events a Gioco,
// most of interest to one listener only; the others are not called for them at all.
class Accaduti {
  public:
    constexpr Accaduti() = default;
    constexpr Accaduti(std::initializer_list<Accaduto> cosi) {
        for (const Accaduto a : cosi) bits_ |= Bit(a);
    }
    static constexpr Accaduti Tutti() {
        Accaduti t;
        t.bits_ = ~uint64_t{0};
        return t;
    }
    constexpr bool contiene(Accaduto a) const { return (bits_ & Bit(a)) != 0; }

  private:
    static constexpr uint64_t Bit(Accaduto a) { return uint64_t{1} << static_cast<unsigned>(a); }
    uint64_t bits_ = 0;
};

class AscoltatoreTavolo {
  public:
    explicit AscoltatoreTavolo(Accaduti sente = Accaduti::Tutti()) : sente_(sente) {}
    virtual ~AscoltatoreTavolo() = default;
    // Whether the listener is called for this kind of event; it must name every kind its
    // answer depends on.
    bool sente(Accaduto a) const { return sente_.contiene(a); }
    // Answers the event; `parlato` says whether a listener before it has spoken. True when
    // this one spoke.
    virtual bool ascolta(const EventoTavolo& e, bool parlato) = 0;

  private:
    Accaduti sente_;
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
