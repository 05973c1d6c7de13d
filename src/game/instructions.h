// Which instruction the player is at, as the game flow decides it: what the line under the notes
// asks and whom it names. The words are the ui's (ui/instructions_view.cpp).
#pragma once

#include <string>
#include <utility>

namespace gnamm {

enum class CosaChiedere {
    Niente,         // the line is empty
    TuoTurno,       // a card of the hand to play
    SceltaUguali,   // a pick among `quante` equal table cards
    SceltaSomma,    // a pick among `quante` combinations
    NonIlTavolo,    // a table card clicked instead of one of the hand
    NonLeMieCarte,  // one of Nonno Zeb's cards clicked
    NonIlMazzo,     // the deck clicked
    Consiglio,      // the advice's line stands in for the instruction
};

struct Istruzione {
    CosaChiedere cosa = CosaChiedere::Niente;
    std::string nome;       // the player it names
    int quante = 0;         // equal cards or combinations of a pick
    std::string consiglio;  // the advice's own words
};

inline Istruzione Chiedi(CosaChiedere cosa, std::string nome = {}, int quante = 0) {
    Istruzione i;
    i.cosa = cosa;
    i.nome = std::move(nome);
    i.quante = quante;
    return i;
}

}  // namespace gnamm
