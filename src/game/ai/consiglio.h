// Zeb's advice to the human: the move his own honest scoring would pick in the human's seat,
// judged only on what the human can see, and one line saying why.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "rules/capture_rules.h"
#include "game/scoreboard.h"
#include "rules/table_state.h"

namespace gnamm {

// What the human knows on his turn: never Zeb's cards nor the order of the deck.
struct VistaUmano {
    std::array<Card, 3> mano{};         // places 4..6
    CartePosti carte{};                 // only the table places are read
    std::array<bool, 41> uscite{};      // by deck position: played and gone from the table
    int carteInManoZeb = 0;
    int carteNelMazzo = 0;
    Colonna mie;  // the human's counts and points
    Colonna sue;  // Zeb's
};

// The human's view of the game. Zeb's hand is only taken away from the cards dealt, to leave
// the ones already played; nothing else of it is read.
VistaUmano VistaDelGiocatore(const TableState& t, const Scoreboard& s);

struct Consiglio {
    int posto = 0;           // the hand place 4..6 to play; 0: no card to advise
    std::vector<int> prese;  // the table places it takes, in search order; empty for a lay
    std::string riga;        // why, in one line
};

// The move the 'Honest' scoring picks for the human on this view.
Consiglio ConsiglioPer(const VistaUmano& v);

}  // namespace gnamm
