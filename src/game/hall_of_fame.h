// The hall of fame of finished Tornei and the ranking of players, kept in GnAlbo.txt and
// GnClass.txt, and their panel FraPannello(3) with its blinking and the level prompt's.
#pragma once

#include <string>
#include <vector>

#include "data/data_files.h"

namespace gnamm {

class Game;
struct Screen;

// Row index meaning "no row": the hidden spare row of the panel.
inline constexpr int kRigaNessuna = 13;

struct RankingState {
    data::Ranking classifica;                 // NomeGiocatore, TorneiVinti, TotalePartite
    std::vector<std::string> albo;            // LstAlbo, oldest first
    int inserimentoVincitore = kRigaNessuna;  // InserimentoVincitore (1..10, 13 = none)
    bool vincitoreEvidenziato = false;        // row InserimentoVincitore is shown yellow
    int lampeggia = 0;                        // Lampeggia, phase of both blinking timers
    int semiFase = 0;                         // ImgSeme rotation: places moved, 0..3
    bool istruzioneVisibile = false;          // the panel's "premi INVIO" line
};

// Reads GnClass.txt into the ranking (fresh contents when missing or bad).
void LeggiClassifica(Game& g);
// Start-up, after LeggiClassifica: fills LstAlbo with the lines of GnAlbo.txt. The file is
// the record: a counter that disagrees (a save cut short between the two files, a damaged
// GnClass.txt) follows the lines actually there.
void CaricaAlbo(Game& g);
// Enters or moves up Vincitore (g.partita.vincitore). A first-time winner finding all ten
// rows at 2 or more wins is not entered: the ranking has no eleventh row.
void AggiornaClassifica(Game& g);
// Counts the Torneo, appends its line to LstAlbo and rewrites GnAlbo.txt.
void AggiornaAlbo(Game& g);
// Rewrites GnClass.txt.
void ScriviClassifica(Game& g);

// "n) winner - loser  3-1  d/m/yy  h:mm".
std::string RigaAlbo(int n, const std::string& vincitore, const std::string& sconfitto,
                     int partiteVincitore, int partiteSconfitto, int day, int month, int year,
                     int hour, int minute);

// One tick of TmrLampeggiaScritta (the panel) and of TmrLampeggiaScritta2 (the level prompt).
void OnLampeggiaScritta(Game& g);
void OnLampeggiaScritta2(Game& g);

// The caption "Classifica": shows or hides the panel and the card cover; nothing while the
// continue prompt waits (Enter there reads the panel to know whether a Torneo has ended).
void ToggleClassifica(Game& g);
// A click on LstAlbo. The design gives the keyboard focus back to the continue button so that
// Enter keeps working; here the window takes every key before any element does, so a click
// on the list leaves Enter as it was and there is nothing to give back.
void ClickLstAlbo(Game& g);
// Shows the panel and the card cover (the end of a Torneo opens it by itself).
void ApriClassifica(Game& g);
// Quando after a Torneo: hides the panel and the cover, stops TmrLampeggiaScritta, sets
// Lampeggia to 0 and turns row InserimentoVincitore back to white.
void ChiudiClassifica(Game& g);
// Writes the panel's rows, list, instruction line and suit pictures from the state.
void MostraClassifica(Game& g);

// The design places and fixed texts of the hall of fame panel.
void LayoutClassifica(Screen& s);

}  // namespace gnamm
