// Builds table positions from card codes for the computer's search and scoring tests.
#pragma once

#include <initializer_list>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "game/table_state.h"

namespace gnamm::testing {

inline Card C(std::string_view code) {
    const auto c = Card::Parse(code);
    if (!c) throw std::invalid_argument("bad card code");
    return *c;
}

// Table cards go to places 7, 8, ... in order; hand cards to places 1, 2, 3.
inline TableState Posizione(std::initializer_list<std::string_view> tavolo,
                            std::initializer_list<std::string_view> mano) {
    TableState t;
    int p = 7;
    for (const auto code : tavolo) {
        t.carta[p++] = C(code);
        ++t.numeroCarteSulTavolo;
        if (t.carta[p - 1].isAce()) t.assoInTavola = true;
    }
    p = 1;
    for (const auto code : mano) {
        if (!code.empty()) t.carta[p] = C(code);
        ++p;
    }
    return t;
}

}  // namespace gnamm::testing
