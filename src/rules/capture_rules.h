// What a played card does to the table: the one capture rule of the game, as pure functions
// over the cards in the card places. The human's turn and the computer's move search both
// ask it, so they can never disagree on what is legal.
#pragma once

#include <array>
#include <vector>

#include "rules/card.h"
#include "rules/table_state.h"

namespace gnamm {

// The card in every card place (Carta[i]); only the table places are read here.
using CartePosti = std::array<Card, kNumeroPosti>;

// Cards on the table, and whether one of them is an ace (AssoInTavola).
int ContaCarteSulTavolo(const CartePosti& carte);
bool CeAssoInTavola(const CartePosti& carte);
// The first empty table place in search order; 0 when all twelve are taken.
int PrimoPostoLibero(const CartePosti& carte);

// How a played card's decision ends.
enum class EsitoPresa {
    Deposita,      // captures nothing: laid on the table
    Presa,         // captures the marked places at once
    SceltaUguali,  // the player picks one of several equal cards
    SceltaSomma,   // the player picks one of several sum combinations
};

struct DecisionePresa {
    EsitoPresa esito = EsitoPresa::Deposita;
    // Presa: the places captured. SceltaUguali: the equal cards. SceltaSomma: every card
    // of every combination found (MarcaPresa after the sum search).
    std::array<bool, kNumeroPosti> marcate{};
    int stessoValore = 0;        // StessoValore: table cards of the played value
    int possibilitaDiPresa = 0;  // PossibilitàDiPresa: sum combinations found
    bool assoBevuto = false;     // an Asso bevuto: the opponent comments
};

// The rule: what `giocata` does to the table `carte`.
DecisionePresa DecidiPresa(const CartePosti& carte, Card giocata);

// The sum search (CercaCombinazioniH when the human plays): every combination of 2 to 5
// table cards whose values add up to v, among the cards of value below v, in the order the
// rule walks them (pairs, then triples, quadruples and quintuples; cards by place order).
// Two cards of one value give two combinations.
std::vector<std::vector<int>> CombinazioniSomma(const CartePosti& carte, int v);

// True when taking exactly the table places `prese` with `giocata` is a capture the rule
// allows (an ace's cases included).
bool PresaAmmessa(const CartePosti& carte, Card giocata, const std::vector<int>& prese);

}  // namespace gnamm
