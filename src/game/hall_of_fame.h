// The hall of fame of finished Tornei and the ranking of players, kept in GnAlbo.txt and
// GnClass.txt, and their panel FraPannello(3) with its blinking and the level prompt's.
#pragma once

#include <string>
#include <vector>

#include "data/data_files.h"

namespace gnamm {

class Game;

// Row index meaning "no row": the hidden spare row of the panel.
inline constexpr int kRigaNessuna = 13;

struct RankingState {
    data::Ranking classifica;                 // NomeGiocatore, TorneiVinti, TotalePartite
    std::vector<std::string> albo;            // LstAlbo, oldest first
    int inserimentoVincitore = kRigaNessuna;  // InserimentoVincitore (1..10, 13 = none)
    bool vincitoreEvidenziato = false;        // row InserimentoVincitore is shown yellow
    int lampeggia = 0;                        // Lampeggia, phase of both blinking timers
    int semiFase = 0;                         // ImgSeme rotation: 0..3 places moved
    bool istruzioneVisibile = false;          // the panel's "premi INVIO" line
};

// Reads GnClass.txt into the ranking (fresh contents when missing or bad).
void LeggiClassifica(Game& g);
// Start-up, after LeggiClassifica: fills LstAlbo with the first TotalePartite lines of
// GnAlbo.txt. When the file holds fewer, the counter follows the lines actually there.
void CaricaAlbo(Game& g);
// Enters or moves up the winner of the Torneo just finished.
void AggiornaClassifica(Game& g);
// Counts the Torneo, appends its line to LstAlbo and rewrites GnAlbo.txt.
void AggiornaAlbo(Game& g);
// Rewrites GnClass.txt.
void ScriviClassifica(Game& g);

// The winner's and loser's names and Partite of the Torneo just finished, as the line and the
// ranking use them: the computer is named by its level caption, the human by lblH.
std::string NomeVincitore(const Game& g);

// "n) winner - loser  3-1  d/m/yy  h:mm".
std::string RigaAlbo(int n, const std::string& vincitore, const std::string& sconfitto,
                     int partiteVincitore, int partiteSconfitto, int day, int month, int year,
                     int hour, int minute);

void OnLampeggiaScritta(Game& g);
void OnLampeggiaScritta2(Game& g);

// The caption "Classifica": shows or hides the panel and the card cover.
void ToggleClassifica(Game& g);
// A click on LstAlbo: the focus goes back to the continue button (nothing else to do here;
// Enter is routed by the window whatever holds the focus).
void ClickLstAlbo(Game& g);
// Writes the panel's rows, list and suit pictures from the ranking state.
void MostraClassifica(Game& g);

}  // namespace gnamm
