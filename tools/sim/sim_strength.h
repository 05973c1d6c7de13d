// How strong each of Zeb's levels is: every level against every human policy over the same
// seeded Tornei, with 95% confidence intervals.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "sim_play.h"

namespace gnamm::sim {

// A figure and the half-width of its 95% confidence interval.
struct Stima {
    double valore = 0;
    double margine = 0;
};

struct RigaForza {
    Livello livello = Livello::Honest;
    Politica umano = Politica::Random;
    int tornei = 0, giochi = 0;
    Stima torneiZeb;    // share of the Tornei Zeb won
    Stima giochiZeb;    // share of the Giochi Zeb ended ahead
    Stima giochiUmano;  // and the human
    Stima puntiZeb, puntiUmano;  // points per Gioco
    Stima gnammZeb, gnammUmano;  // Punti Gnamm per Gioco
};

// Plays `tornei` Tornei with `seed` for each level and policy, in the data folder `dati`.
std::vector<RigaForza> MisuraForza(int tornei, uint32_t seed, const std::filesystem::path& dati);

std::string NomeLivello(Livello l);
std::string NomePolitica(Politica p);

// The table as text, and as one JSON array.
std::string TabellaForza(const std::vector<RigaForza>& righe);
std::string JsonForza(const std::vector<RigaForza>& righe);

}  // namespace gnamm::sim
