// src/game owns the cards and the table, shuffle and deal, the capture rule, the human's turn,
// the computer opponent (ai/), deck points, the end of a Gioco, Partita and Torneo, the hall of
// fame and the timers. The pure rules it plays by (cards, the capture rule, the table places,
// the deck points, speeds and options) sit below it in src/rules.
//
// The game: the state of a game of Gnamm and the services it meets the world through. What the
// flow decides the player sees it keeps as state with a meaning (the instruction, the pause, the
// search panel, what each card place shows and why it is marked), which the ui presents. What it
// means the ui to open it announces (flow_events.h); what happens at the table it announces to its
// listeners, Nonno Zeb and the sounds (table_listener.h). The screen model, the panels and the
// input entry points belong to the main window that the ui builds round a Game (ui/finestra.h),
// which wires the listeners.
//
// Procedures of the game flow are free functions over Game, one concept per file; they read and
// write the state of the subsystems they own.
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "data/avvisi.h"
#include "data/data_files.h"
#include "game/ai/cervello.h"
#include "game/ai/pc_state.h"
#include "game/capture_piles.h"
#include "game/card_places.h"
#include "game/end_of_gioco.h"
#include "game/flow_events.h"
#include "game/hall_of_fame.h"
#include "game/human_turn.h"
#include "game/instructions.h"
#include "game/player_record.h"
#include "game/scheduler.h"
#include "game/scoreboard.h"
#include "game/sound_indicator.h"
#include "game/table_events.h"
#include "game/table_listener.h"
#include "rules/clock.h"
#include "rules/livello.h"
#include "rules/options.h"
#include "rules/random.h"
#include "rules/table_state.h"

namespace gnamm {

// Where the game reads its assets and keeps its data files.
struct Paths {
    std::filesystem::path assets;  // holds Carte/, Grafica/, Foto/, Zeb/, ...
    std::filesystem::path data;    // the Dati folder
};

class Game {
  public:
    Game(Clock& clock, RandomSource& rng, Paths paths);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Services.
    Clock& clock;
    RandomSource& rng;
    Paths paths;

    Scheduler scheduler;
    Opzioni opzioni;

    Livello livello = Livello::None;  // lblPC
    std::string nome;                 // lblH: the player's name

    TableState tavolo;  // cards, deck and the counters of a Gioco
    PostiCarte posti{{{Lato::Dorso, Card(), Segno::Nessuno}}};  // the deck shows to start
    Istruzione istruzione;                                      // what the player is asked to do
    bool manina = false;      // the pointing hand shows: the human is to play
    HumanTurnState umano;     // the human's turn and capture
    Scoreboard punteggi;      // deck points, Punti Gnamm, Partita totals
    Mucchi mucchi;            // each side's pile: its count, last capture and Punti Gnamm
    PcState pc;               // the computer's search, evaluation and move
    Cervello cervello;        // the diagnostic panel of that search
    MatchState partita;       // Partite, Gioco, the end of a Gioco
    PausaState pausa;         // the continue prompt, the Torneo's winner, the side boxes
    RankingState classifica;  // hall of fame and ranking
    SpiaSuoni spia;           // the sound indicator
    RecordScritto record;     // GnStat.json as this game last wrote it
    data::Avvisi avvisi;      // what the player is told about files and devices, once each

    // Who hears what the game flow announces; the ui registers itself when it builds its window.
    std::function<void(EventoFlusso)> ascoltaFlusso;
    void annuncia(EventoFlusso e) {
        if (ascoltaFlusso) ascoltaFlusso(e);
    }
    // What happened at the table, to each listener in the order they were registered.
    std::vector<AscoltatoreTavolo*> ascoltatori;
    void annuncia(const EventoTavolo& e);
    // What the listeners may use of the game.
    ContestoTavolo contesto();
    // Who writes the record when a Gioco or a Torneo ends; without one nothing is written.
    AscoltatoreFine* registro = nullptr;
    void annunciaFineGioco() {
        if (registro) registro->giocoFinito(*this);
    }
    void annunciaFineTorneo() {
        if (registro) registro->torneoFinito(*this);
    }

    // Commands of the window and the clock (game_commands.cpp). A tick of one of the flow's
    // own timers; false for a timer the game does not own (Zeb's, the sounds', the window's).
    bool onTimer(Timer t);
    // The player moved option `voce` on to its next value: the speeds re-time their steps, and
    // the pointing hand follows "Mostra manina".
    void cambiaOpzione(int voce);
    // Every option at once (the settings file, the random graphics), and the side boxes as the
    // settings file keeps them: pinned, and shown.
    void impostaOpzioni(const Opzioni& o) { opzioni = o; }
    void ripristinaRiquadri(const std::array<bool, 4>& fissi, const std::array<bool, 4>& mostrati);
    // What the player is asked to do, as the window's advice puts it up and takes it down.
    void mostraIstruzione(Istruzione i) { istruzione = std::move(i); }
    // The timers' intervals as the settings file keeps them, and back.
    data::StoredIntervals intervalli() const;
    void ripristinaIntervalli(const data::StoredIntervals& iv);

    // Commands of the window's panels (game_commands.cpp): the only doors through which the ui
    // changes the flow's state.
    void scegliLivello(Livello l);  // Zeb's level, from the next deal
    // At start-up, one draw: whether Zeb begins honest. Returns what was drawn.
    bool sorteggiaOnesta();
    void nuovoGiocatore(std::string nomeGiocatore);  // the name the splash took
    void apriAlbo();                                 // the hall of fame panel is on screen
    void chiudiAlbo();
    // The panel's blinking stops: the line, the winner's row and the suits rest.
    void fermaLampeggioAlbo();
    // One tick of the panel's blinking after a Torneo: the line, the winner's row, the suits.
    void lampeggiaAlbo();
    // One tick of the level prompt's blinking; the phase reached, 1..9 (9 starts it again).
    int lampeggiaPromptLivello();
    // A level chosen: the last Torneo's winner is no longer marked.
    void dimenticaVincitore();
    // The keyboard's focus during a pick: a table place, or 0 for none.
    void mettiFuoco(int posto);
    // Side box i shown or hidden by its toggle, and pinned as it now is.
    void alternaRiquadro(std::size_t i);
    // The continue prompt waits for Enter; over the hall of fame its line is the one after a
    // Torneo.
    void mostraQuando(bool sopraAlbo);

    // The shared random draw, 1..n.
    int estrazione(int n) { return EstrazioneCasuale(n, rng, clock); }
};

}  // namespace gnamm
