// The simulator's game loop: the real game on a virtual clock, the human side played by a
// policy through the same clicks, keys and timer ticks as the window.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "game/game.h"
#include "human_policy.h"

namespace gnamm::sim {

struct OpzioniSim {
    Livello livello = Livello::Honest;
    Politica umano = Politica::Random;
    int giochi = 0;  // stop after this many Giochi (0: no limit)
    int tornei = 0;  // stop after this many Tornei (0: no limit)
    uint32_t seed = 1;
    bool check = false;
    std::filesystem::path dati;  // the Dati folder to use (a temporary one of its own)
};

struct Riepilogo {
    int giochi = 0;
    int tornei = 0;
    int torneiZeb = 0, torneiUmano = 0;
    int partiteZeb = 0, partiteUmano = 0;
    long puntiZeb = 0, puntiUmano = 0;
    long gnammZeb = 0, gnammUmano = 0;
    // For the spread of the per-Gioco figures: the sums of their squares, and the Giochi each
    // side ended with more points than the other.
    long puntiZeb2 = 0, puntiUmano2 = 0;
    long gnammZeb2 = 0, gnammUmano2 = 0;
    int giochiZeb = 0, giochiUmano = 0;
    int violazioni = 0;
    std::vector<std::string> primeViolazioni;  // the first few, for the report
    double secondi = 0;
};

// The time of day a seed pins, so draws that mix in the clock repeat.
TimeOfDay OraDelSeme(uint32_t seed);
// A fresh game through the splash as the window would, the name "Sim" entered; with these
// options in place of the settings file's when given.
// The level panel is open.
void AvviaFinoAlLivello(Finestra& f, const Opzioni* opzioni = nullptr);

// Plays until the limits of `o` are reached.
Riepilogo Gioca(const OpzioniSim& o);

// A fresh temporary directory, removed when the object goes.
class CartellaTemporanea {
  public:
    CartellaTemporanea();
    ~CartellaTemporanea();
    CartellaTemporanea(const CartellaTemporanea&) = delete;
    CartellaTemporanea& operator=(const CartellaTemporanea&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

}  // namespace gnamm::sim
