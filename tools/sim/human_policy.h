// The simulator's human, also the tests' automatic player: which card to play and which
// capture to pick, played through the same clicks as the window.
//
// random: a random card, then a random legal capture when the rule leaves a choice.
// greedy: every card and every capture it allows, scored by a simple heuristic; the best is
// played (ties to the first). A capture scores 0.3 a card, +1 a 7, +0.4 a Quadri, +0.3 a
// figure, +0.6 a tie six, +2.5 the 5 di Cuori, +3 a Punto Gnamm, and -0.8 when it leaves a
// table of 10 or less (Nonno Zeb may sweep it). A lay scores -0.3, -1 more for a 7, -2 for
// the 5 di Cuori, -1.5 for an ace, -0.8 when the table it leaves adds up to 10 or less.
// hint: the move Zeb would advise (game/ai/consiglio.h), seeing only what the human sees.
#pragma once

#include <random>
#include <vector>

#include "rules/table_state.h"
#include "ui/finestra.h"

namespace gnamm::sim {

enum class Politica { Random, Greedy, Hint };

// A play: the hand place clicked and the table places to pick when a choice is asked.
struct Giocata {
    int posto = 0;
    std::vector<int> prese;  // table places of the capture; empty for a lay
};

// Every capture the rule allows for the card in `posto` (one entry with no places: a lay).
std::vector<Giocata> GiocateDi(const TableState& t, int posto);

// The heuristic score of a play (greedy policy).
float PunteggioGreedy(const TableState& t, const Giocata& g);

// The random and greedy choices, which need only the table.
Giocata ScegliGiocata(const TableState& t, Politica p, std::mt19937& rng);

// The game waits for the human's card: their turn, no card played yet, the deal over.
bool TurnoUmano(const Finestra& f);

// Clicks the chosen card and, when the game asks for a choice, the chosen table cards; false if
// the game refused a pick the rule allows.
bool GiocaUmano(Finestra& f, Politica p, std::mt19937& rng);

// The game played the human's last card by itself and asks which cards it takes: clicks the
// policy's pick; false if the game refused it.
bool ScegliPresa(Finestra& f, Politica p, std::mt19937& rng);

}  // namespace gnamm::sim
