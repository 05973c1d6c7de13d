// src/game owns the cards and the table, shuffle and deal, the capture rule, the human's turn,
// the computer opponent (ai/), deck points, the end of a Gioco, Partita and Torneo, the hall of
// fame and the timers. Its pure rules (card.h, capture_rules.h, table_places.h, speeds.h, ai/'s
// search and evaluation) include only the standard library, data/ and each other; the game flow
// may include persona/ and audio/ besides, never ui/ or platform/. One file still does, listed in
// tools/layers/known_upward.txt: this one, since Game holds the screen model and the panels'
// state. What the flow means the ui to show it announces (flow_events.h) instead.
//
// The game: all state of the main window, the services it meets the world through, and the
// three kinds of input that drive it (a click, a key, a timer tick). The input entry points are
// routed in ui/game_input.cpp, the top of the core.
//
// Procedures of the game flow are free functions over Game, one concept per file; they read and
// write the state of the subsystems they own.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "audio/media_player.h"
#include "audio/sound_state.h"
#include "game/ai/pc_state.h"
#include "game/clock.h"
#include "game/end_of_gioco.h"
#include "game/flow_events.h"
#include "game/hall_of_fame.h"
#include "game/human_turn.h"
#include "game/livello.h"
#include "game/options.h"
#include "game/random.h"
#include "game/scheduler.h"
#include "game/scoreboard.h"
#include "game/table_state.h"
#include "game/table_view.h"
#include "persona/persona_state.h"
#include "ui/input.h"
#include "ui/panels_state.h"
#include "ui/screen.h"

namespace gnamm {

// Where the game reads its assets and keeps its data files.
struct Paths {
    std::filesystem::path assets;  // holds Carte/, Grafica/, Foto/, Zeb/, ...
    std::filesystem::path data;    // the Dati folder
};

class Game {
  public:
    Game(Clock& clock, RandomSource& rng, MediaPlayer& media, Paths paths);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Services.
    Clock& clock;
    RandomSource& rng;
    MediaPlayer& media;
    Paths paths;

    Scheduler scheduler;
    Screen screen;
    Opzioni opzioni;

    Livello livello = Livello::None;  // lblPC
    std::string nome;                 // lblH: the player's name

    TableState tavolo;        // cards, deck and the counters of a Gioco
    TableView vista;          // what the game flow shows on the table
    HumanTurnState umano;     // the human's turn and capture
    Scoreboard punteggi;      // deck points, Punti Gnamm, Partita totals
    PcState pc;               // the computer's search, evaluation and move
    MatchState partita;       // Partite, Gioco, the end of a Gioco
    RankingState classifica;  // hall of fame and ranking
    PersonaState persona;     // Nonno Zeb's remarks and impatience
    SoundState suoni;         // the sound indicator and the music cycle
    PanelsState pannelli;     // options, splash, rules, level and exit panels

    // Who hears what the game flow announces; the ui sets it when the Game is built.
    void (*ascoltaFlusso)(Game&, EventoFlusso) = nullptr;
    void annuncia(EventoFlusso e) {
        if (ascoltaFlusso) ascoltaFlusso(*this, e);
    }

    // The shared random draw, 1..n.
    int estrazione(int n) { return EstrazioneCasuale(n, rng, clock); }

    // Input. Each entry point ends by bringing the derived parts of the screen up to date.
    void click(Target target);
    void mouseMove(Target target);
    // The button pressed on and released over an element, around its click (the rules arrows
    // light up while held).
    void mouseDown(Target target);
    void mouseUp(Target target);
    void key(Key key);
    void textInput(std::string_view utf8);
    // The player closed the window. Returns true when the program may end at once; otherwise
    // the exit question is now open, as "Esci" opens it.
    bool requestClose();
    void fireDueTimers();
    void onTimer(Timer t);  // one tick of one timer

    // True once the farewell is over and the program should close.
    bool finished = false;
};

// Derives the screen's labels that mirror state (scoreboard, counters, names).
void RefreshScreen(Game& g);

// Runs the virtual clock forward by ms, firing every timer due on the way at its own moment.
void AdvanceVirtualTime(Game& g, VirtualClock& clock, int64_t ms);

}  // namespace gnamm
