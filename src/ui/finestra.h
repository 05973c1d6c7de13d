// The main window: the game (game/game.h) with its listeners Nonno Zeb, the sounds and the
// record, its screen model, the state of its panels and the input entry points. The platform
// builds one and feeds it clicks, keys and timer ticks; each entry point ends by deriving the
// screen from the state (RefreshScreen). Procedures of the ui take a Finestra; those of the game
// flow take its Game.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "audio/suoni.h"
#include "data/dati_lock.h"
#include "game/game.h"
#include "persona/nonno_zeb.h"
#include "save/registro.h"
#include "save/torneo_file.h"
#include "save/torneo_save.h"
#include "ui/capture_piles_view.h"
#include "ui/card_flights.h"
#include "ui/consiglio_view.h"
#include "ui/input.h"
#include "ui/panels_state.h"
#include "ui/screen.h"

namespace gnamm {

class Finestra {
  public:
    Finestra(Clock& clock, RandomSource& rng, MediaPlayer& media, Paths paths);
    Finestra(const Finestra&) = delete;
    Finestra& operator=(const Finestra&) = delete;

    Game game;  // the window has a game; Zeb and the sounds below listen to it

    MediaPlayer& media;
    NonnoZeb zeb;       // hears the table first
    Suoni suoni;        // then the table's noises
    Registro registro;  // writes the record when a Gioco or a Torneo ends
    VoliCarte voli;     // last: the cards' ways across the table, the view's alone

    Screen screen;
    PanelsState pannelli;         // options, splash, rules, level and exit panels
    ConsiglioMostrato consiglio;  // Zeb's advice while it shows
    // The hand place under the mouse (4..6; 0 for none): the table outlines what it would take.
    int cartaSotto = 0;
    // "Animazioni" on the options panel (GnVista.txt): the cards slide to their places; off,
    // they are drawn where they land at once.
    bool animazioni = true;
    VistaMucchi vistaMucchi;
    std::optional<Player> mucchioTenuto;  // the pile the mouse holds down
    bool inMoto = false;                  // something moved at the last frame

    // Input. Each entry point ends by bringing the derived parts of the screen up to date.
    void click(Target target);
    void mouseMove(Target target);
    // The button pressed on and released over an element, around its click (the rules arrows
    // light up while held).
    void mouseDown(Target target);
    void mouseUp(Target target);
    void key(Key key);
    void textInput(std::string_view utf8);
    // The window was closed, the session ended or a signal came: the Torneo is saved if the
    // game rests at a quiet moment (else the last quiet save stands), and the program ends.
    void close();
    void fireDueTimers();
    void onTimer(Timer t);  // one tick of one timer

    // True once the farewell is over and the program should close.
    bool finished = false;
    // Off in a window nobody looks at (the simulator, the benchmarks): the entry points then
    // skip deriving the screen, which costs more than the game itself. Nothing the game
    // decides reads those derived parts.
    bool deriveScreen = true;

    // The Torneo saved at every quiet moment (ui/torneo_ripresa.h): on in the real program,
    // off in tests, the simulator and the benchmarks. The print of the position last written
    // (without what changes while the human only thinks), to skip repeats.
    bool salvaTorneo = false;
    // What this copy may do with its player's saved Torneo (save/torneo_file.h).
    CustodiaTorneo custodiaTorneo;
    std::string ultimoSalvato;
    // The saved Torneo offered back while its question is open.
    std::optional<TorneoSalvato> torneoInSospeso;
    // The player's name, held while this copy plays under it (ui/torneo_ripresa.h).
    std::optional<data::NomeInUso> nomeInUso;
};

// Derives the screen from the state: what the flow shows (its view), the panels, the
// scoreboard, the hall of fame and the keyboard's focus. Without deriveScreen only the focus,
// which is state as well as picture, is brought up to date.
void RefreshScreen(Finestra& f);

// Brings what moves on the table (cards in flight, a Punto Gnamm's glow) to the clock's
// moment; true while something still moves, so the next frame is due soon.
bool Anima(Finestra& f);

// Runs the virtual clock forward by ms, firing every timer due on the way at its own moment.
void AdvanceVirtualTime(Finestra& f, VirtualClock& clock, int64_t ms);

}  // namespace gnamm
