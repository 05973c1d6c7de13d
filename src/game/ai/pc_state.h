// State of the computer's turn: the move list, its scores and the move being played.
//
// The search, the evaluation and the choice are pure functions over these structs
// (move_list.h, evaluation.h, move_choice.h); pc_turn.h plays the chosen move in timed steps.
#pragma once

#include <array>

#include "rules/table_places.h"

namespace gnamm {

// The move list has room for this many moves; later ones are dropped.
inline constexpr int kMaxMosse = 30;
// Table places, the twelfth included: the most cards a search looks at or a move captures.
inline constexpr int kMaxCarteRicerca = 12;

// CartaOrdinata and the sums of the search. Positions are 1-based, as the move list names them.
struct Ricerca {
    std::array<int, kMaxCarteRicerca + 1> cartaOrdinata{};  // [1..N] table places; 0 after
    int numeroCarteDaEsaminare = 0;                         // N
    int sommaValoriSulTavolo = 0;
    int combinazioni = 0;  // captures found for the last hand card examined

    int posto(int posizione) const { return cartaOrdinata[posizione]; }
};

// One entry of the move list.
struct Mossa {
    int posto = 0;  // Mossa[m]: the hand place 1..3 played; 0 = free entry
    int numeroCatturate = 0;
    std::array<int, kMaxCarteRicerca> catturate{};  // positions in CartaOrdinata, 1-based
    bool gnamm = false;                             // MossaGnamm: the move clears the table

    bool libera() const { return posto == 0; }
    bool presa() const { return numeroCatturate > 0; }
};

struct ListaMosse {
    std::array<Mossa, kMaxMosse + 1> mosse{};  // [1..30]
    int mossePossibili = 0;

    const Mossa& operator[](int m) const { return mosse[m]; }
};

// The scores of every move, [1..30].
struct Valutazione {
    std::array<float, kMaxMosse + 1> puntiReali{};
    std::array<float, kMaxMosse + 1> puntiPotenziali{};
    std::array<float, kMaxMosse + 1> rischioScopa{};
    std::array<float, kMaxMosse + 1> puntiTotali{};
    // Diagnostic only: what the move leaves on the table, and whether the look at the human's
    // hand found it safe. Kept for every move, the thirtieth included.
    std::array<int, kMaxMosse + 1> expTotale{};
    std::array<bool, kMaxMosse + 1> sicura{};
    // CopiaSette .. CopiaCarte of the last move scored.
    std::array<int, 4> copia{};
};

// The outcome of the choice.
struct Scelta {
    int mossaMigliore = 1;
    int secondaMossa = 1;
    bool regolaAsso = false;  // the ace rule replaced the best move
};

struct PcState {
    bool onesta = true;  // Onestà: 'Cunning' Zeb plays honestly in this Manche

    Ricerca ricerca;
    ListaMosse lista;
    Valutazione valutazione;
    Scelta scelta;
    bool mossaScelta = false;  // the label of MossaMigliore shows the choice (pink or red)

    // The move being played.
    int cartaPCInEsame = 0;  // 0 at rest, a table place, then kFineGiro
    std::array<bool, kNumeroPosti> marcaPresaPC{};
    std::array<int, kMaxCarteRicerca + 1> datiCarte{};  // [1..] positions of the move played
    bool cinqueDiCuoriInPresa = false;  // the 5 di Cuori is among the cards being captured
    bool inPausa = false;               // lblTimer stopped the move

    static constexpr int kFineGiro = 100;
};

}  // namespace gnamm
