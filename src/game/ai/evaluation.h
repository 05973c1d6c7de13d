// The computer's scoring of its moves: real points, potential points and the risk that the
// human clears the table next turn. Single precision throughout, with the game's own weights.
#pragma once

#include "game/ai/pc_state.h"
#include "game/scoreboard.h"
#include "rules/table_state.h"

namespace gnamm {

// Whether the risk is read from the human's hand instead of estimated: always for 'Cheat'
// Zeb, for 'Cunning' Zeb in the Manche where he is not honest.
enum class Sguardo { Stima, ManoUmano };

// A score as the game holds it: as text of at most 7 significant digits, read back.
float ComeTesto(float x);

// The probability that a hand of `inMano` cards, drawn from `nonViste` unseen cards of which
// `conValore` have the value wanted, holds at least one of them; as a negative risk, -1..0.
float StimaRischio(int inMano, int nonViste, int conValore);

// The risk of leaving `lasciato` on the table (step by step as the rule says).
float RischioScopa(const TableState& t, int lasciato, Sguardo sguardo, bool* sicura = nullptr);

// Scores moves 1..MossePossibili of the list.
void ValutaMossePC(const TableState& t, const Ricerca& r, const ListaMosse& lista,
                   const Scoreboard& s, Sguardo sguardo, Valutazione& out);

}  // namespace gnamm
