// State of the panels: options highlight, splash, rules page, exit.
#pragma once

#include <array>

#include "rules/livello.h"

namespace gnamm {

struct PanelsState {
    int selezione = -1;          // option value highlighted under the mouse; -1 = none
    int paginaRegole = 1;        // lblRegole(6): the rules page, kept across closing
    bool esciCaricate = false;   // the exit panel's two aces have been loaded
    int contatoreInserisci = 0;  // ContatoreInserisci: phase of the blinking name prompt
    int contaSplash = 0;         // ContaSplash: splash voices said so far
    bool congedo = false;        // the farewell has begun: no more play
    // The level whose photo stands framed on the level panel, for the "Livello" button.
    Livello livelloEvidenziato = Livello::Cunning;
};

}  // namespace gnamm
