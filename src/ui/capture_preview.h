// What a card would take, shown before it is played: with the mouse on a hand card on the
// human's turn the table cards it would capture are outlined (the one capture, or every card
// the rule leaves to choose from), and during a pick the cards that can still be taken. The
// capture rule itself answers (rules/capture_rules.h): this shows the rules, it is no advice.
#pragma once

#include <array>
#include <vector>

#include "rules/table_state.h"
#include "ui/rgb.h"

namespace gnamm {

class Game;
struct Screen;

// Why a place is outlined before anything is taken.
enum class Anteprima {
    Presa,       // the card under the mouse takes it, with no choice
    Candidata,   // the card under the mouse leaves a choice, and this card is one of them
    Prendibile,  // a pick is under way and this card can still be picked
};

struct ContornoAnteprima {
    int posto = 0;
    Anteprima cosa = Anteprima::Presa;
    bool operator==(const ContornoAnteprima&) const = default;
};

Rgb ColoreAnteprima(Anteprima a);

// The table cards the pick under way can take (the rule's candidates); none without a pick.
std::array<bool, kNumeroPosti> Prendibili(const Game& g);

// The places to outline: those the hand card in place `cartaSotto` (4..6, 0 for none) would
// take, when the human is to play it; during a pick, the cards still to pick.
std::vector<ContornoAnteprima> AnteprimaPresa(const Game& g, int cartaSotto);

// Outlines the places of `a` that show no outline of their own (a mark or the advice).
void MostraAnteprima(const std::vector<ContornoAnteprima>& a, Screen& s);

}  // namespace gnamm
