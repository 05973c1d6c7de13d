// The hall of fame of finished Tornei and the ranking of players, kept in GnAlbo.txt and
// GnClass.txt. Their panel is drawn by ui/hall_of_fame_panel.h.
//
// Several copies of the game may share one Dati folder: the end of a Torneo reads both files
// again under the folder's lock and adds its own Torneo to what it finds there, so no copy's
// Torneo is lost; a Torneo whose save failed stays in memory until a save succeeds.
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
    int semiFase = 0;                         // ImgSeme rotation: places moved, 0..3
    bool istruzioneVisibile = false;          // the panel's "premi INVIO" line
    bool alboAperto = false;                  // the hall of fame panel is on screen
    // Tornei whose save failed, oldest first: their lines without the number (given when they
    // are written, after the lines then on disk) and their winners, still to be ranked on disk.
    std::vector<std::string> righeInSospeso;
    std::vector<std::string> vincitoriInSospeso;
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
// The end of a Torneo, Vincitore set: under the folder's lock GnClass.txt and GnAlbo.txt are
// read again, Vincitore is entered in the ranking found there (AggiornaClassifica), the
// Torneo's line is numbered after the lines found there and appended to LstAlbo, and both
// files are written. A write that fails keeps the Torneo in memory and is said once. The
// record's listener calls it (save/registro.h), never the flow.
void RegistraFineTorneo(Game& g);
// Writes again the Tornei a failed save kept in memory; nothing when there are none.
void RiprovaClassifica(Game& g);

// "n) winner - loser  3-1  d/m/yy  h:mm".
std::string RigaAlbo(int n, const std::string& vincitore, const std::string& sconfitto,
                     int partiteVincitore, int partiteSconfitto, int day, int month, int year,
                     int hour, int minute);

}  // namespace gnamm
