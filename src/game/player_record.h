// The player's record, kept across runs in Dati/GnStat.json (record_json.h): per player name and
// per level, what was won and lost, written at the end of every Gioco and at every hint.
//
// Several copies of the game may share the file. Each keeps what its own Giochi added since its
// last good write, as increments, and adds them at each write to what it finds on disk, under
// the folder's lock: nothing another copy wrote is lost, nothing is counted twice. A write that
// fails (a full disk) keeps the increments for the next one. A damaged file is kept as a
// numbered .bad and what could be read of it goes on; one of a newer game is left alone and not
// written this run. What was done is said once in the window.
#pragma once

#include <array>
#include <filesystem>
#include <map>
#include <string>

#include "data/avvisi.h"
#include "game/end_of_gioco.h"
#include "game/record_json.h"
#include "game/scoreboard.h"

namespace gnamm {

class Game;

// Counts a finished Gioco: the human's column, the outcome and the Partite after it.
void ContaGioco(ContiLivello& c, const Colonna& h, const Colonna& pc, EsitoGioco esito,
                int partitePCPrima);

// What this copy's Giochi added at one level since its last good write.
struct IncrementoLivello {
    ContiLivello conti;          // counted from zero: sums, the best Torneo, the runs within
    bool serieSpezzata = false;  // a Gioco not won ended the run found on disk
    int primaSerie = 0;          // the Giochi won before that, going on from the run on disk
    friend bool operator==(const IncrementoLivello&, const IncrementoLivello&) = default;
};
using Incrementi = std::map<std::string, std::array<IncrementoLivello, 3>>;

// Counts a finished Gioco into an increment, as ContaGioco counts it into the totals.
void ContaGioco(IncrementoLivello& inc, const Colonna& h, const Colonna& pc, EsitoGioco esito,
                int partitePCPrima);
// The counts on disk with an increment added.
ContiLivello Somma(const ContiLivello& disco, const IncrementoLivello& inc);

// Reads GnStat.json, mending it as above and telling `avvisi`; empty when it is missing or of a
// newer game. Without `avvisi` what is done goes to stderr only.
Statistiche CaricaStatistiche(const std::filesystem::path& dati, data::Avvisi& avvisi);
Statistiche CaricaStatistiche(const std::filesystem::path& dati);

// This copy's part in GnStat.json. The file is read again at every write: an identity of the file
// (inode, size, time) cannot tell another copy's write made in the same tick apart from our own.
struct RecordScritto {
    // Off where no player plays (the simulator's Tornei and the benchmarks): nothing is kept.
    bool tenuto = true;
    Incrementi inSospeso;  // this copy's Giochi not written yet
};
// The Gioco just decided, added to the player's record on disk. The end of a Gioco is also where
// whatever a failed save kept in memory is written again. The record's listener calls it
// (save/registro.h), never the flow.
void RegistraFineGioco(Game& g);
// One more hint asked for by this player at this level, on disk at once.
void ContaAiuto(Game& g);
// The record as it stands: what is on disk with this copy's unwritten Giochi added.
Statistiche StatisticheCorrenti(Game& g);

}  // namespace gnamm
