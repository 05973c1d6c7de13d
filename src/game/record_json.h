// GnStat.json as text: the player's record per name and level, written as the library would
// write it, and read back entry by entry, so that a file cut short or spoilt in one place loses
// only the entries it cuts. Standard library and the JSON library only: the fuzz targets build it
// on its own.
#pragma once

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace gnamm {

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

std::string StatisticheInJson(const Statistiche& s);

struct LetturaStatistiche {
    Statistiche statistiche;
    bool danneggiato = false;  // something could not be read: what could is kept
    bool piuRecente = false;   // written by a newer game: not read, and never to be written over
    std::vector<std::string> doppi;  // names found twice: the entry with more Giochi was kept
    std::string errore;              // the first thing that could not be read
};
LetturaStatistiche StatisticheDaJson(std::string_view testo);

}  // namespace gnamm
