// Deck points and the scoreboard: running counts of the captures that matter for each deck
// point, the points awarded as soon as they are certain, Punti Gnamm and the Partita totals.
#pragma once

#include <array>

#include "rules/deck_points.h"
#include "rules/table_state.h"

namespace gnamm {

class Game;

// One player's column of the scoreboard.
struct Colonna {
    std::array<int, 4> prese{};      // SetteX, QuadriX, FigureX, CarteX
    std::array<bool, 4> seiPreso{};  // the count shows light blue: the tie six is held
    std::array<bool, 4> punto{};     // PuntiSetteX .. PuntiCarteX awarded (shown red, "1")
    bool punto5DiCuori = false;      // Punti5DiCuoriX
    int puntiGnamm = 0;              // PuntiGnammX
    int puntiGiocoInCorso = 0;       // PuntiGiocoInCorsoX
    int puntiPartita = 0;            // PuntiX: runs on through the Partita

    int conta(PuntoMazzo p) const { return prese[static_cast<int>(p)]; }
    bool tieneSei(PuntoMazzo p) const { return seiPreso[static_cast<int>(p)]; }
    bool haPunto(PuntoMazzo p) const { return punto[static_cast<int>(p)]; }
};

struct Scoreboard {
    Colonna pc;
    Colonna h;
    Colonna& of(Player p) { return p == Player::PC ? pc : h; }
    const Colonna& of(Player p) const { return p == Player::PC ? pc : h; }
};

// Awards a deck point: the point shows, the Gioco and Partita totals grow by one.
void AssegnaPunto(Game& g, Player p, PuntoMazzo punto);
void AssegnaCinqueDiCuori(Game& g, Player p);
// A Punto Gnamm: PuntiGnamm, the Gioco total and the Partita total each grow by one.
void AssegnaPuntoGnamm(Game& g, Player p);

// Human side: the card in place y, which the human has just taken.
void ContaSeiH(Game& g, int y);
void ContaSetteH(Game& g, int y);
void ContaFigureH(Game& g, int y);
void ContaQuadriH(Game& g, int y);
void ContaCarteH(Game& g, int y);
void Conta5DiCuoriH(Game& g, int y);
// All six, in the order the capture runs them.
void ContaPreseH(Game& g, int y);

// Computer side: the card in place c, which the computer has just taken.
void ContaPresePC(Game& g, int c);
void AssegnaPuntiMazzoPC(Game& g);

// Back to zero and white for a new Gioco; the Partita totals stay.
void AzzeraTabellone(Scoreboard& s);

}  // namespace gnamm
