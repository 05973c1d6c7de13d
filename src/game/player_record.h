// The player's record, kept across runs in Dati/GnStat.json: per player name and per level,
// what was won and lost, written at the end of every Gioco.
//
// A damaged file is kept aside as GnStat.json.bad with one line on stderr; the players and
// levels that still read are kept and written back.
#pragma once

#include <array>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "game/end_of_gioco.h"
#include "game/livello.h"
#include "game/scoreboard.h"

namespace gnamm {

class Game;

inline constexpr std::string_view kFileStatistiche = "GnStat.json";
inline constexpr int kFormatoStatistiche = 1;

// One player's counts at one level.
struct ContiLivello {
    int torneiVinti = 0, torneiPersi = 0;
    int partiteVinte = 0, partitePerse = 0;
    int giochiVinti = 0, giochiPersi = 0;
    int puntiGnamm = 0;
    std::array<int, 4> puntiMazzo{};  // Sette, Quadri, Figure, Carte won
    int cinqueDiCuori = 0;
    // The best Torneo won: the fewest Partite lost on the way; -1 before the first one won.
    int migliorTorneoPartitePerse = -1;
    int serieGiochiVinti = 0;  // the longest run of Giochi won in a row
    int serieInCorso = 0;      // the run going on now
    int aiuti = 0;             // hints used

    friend bool operator==(const ContiLivello&, const ContiLivello&) = default;
};

// Honest, Cunning, Cheat.
using ContiGiocatore = std::array<ContiLivello, 3>;
using Statistiche = std::map<std::string, ContiGiocatore>;

// Counts a finished Gioco: the human's column, the outcome and the Partite after it.
void ContaGioco(ContiLivello& c, const Colonna& h, const Colonna& pc, EsitoGioco esito,
                int partitePCPrima);

std::string StatisticheInJson(const Statistiche& s);
struct LetturaStatistiche {
    Statistiche statistiche;
    bool danneggiato = false;  // some or all of it could not be read
    std::string errore;
};
LetturaStatistiche StatisticheDaJson(std::string_view testo);

// Reads GnStat.json, mending it as above; empty when it is missing.
Statistiche CaricaStatistiche(const std::filesystem::path& dati);

// What this game last wrote to GnStat.json and the file's identity right after, so the end of
// the next Gioco reads the file back only when someone else changed it meanwhile.
struct IdentitaFile {
    long long dispositivo = 0, inode = 0, byte = 0, modificatoNs = 0;
    friend bool operator==(const IdentitaFile&, const IdentitaFile&) = default;
};
struct RecordScritto {
    // Off where no player plays (the simulator's Tornei and the benchmarks): nothing is kept.
    bool tenuto = true;
    std::optional<IdentitaFile> file;  // none until written, or when the write failed
    Statistiche statistiche;
};
// The Gioco just decided, added to the player's record on disk.
void RegistraFineGioco(Game& g);
// One more hint asked for by this player at this level, on disk at once.
void ContaAiuto(Game& g);

}  // namespace gnamm
