// State of the computer's turn: the move list, its scores and the move being played.
#pragma once

namespace gnamm {

struct PcState {
    bool onesta = true;  // Onestà: 'Cunning' Zeb plays honestly in this Manche
};

}  // namespace gnamm
