// Drawing without repeat: each of 1..n once in a cycle, in random order, then a new cycle.
// Nonno Zeb's remark sets and the music tracks both draw this way.
#pragma once

#include <array>
#include <cstddef>

namespace gnamm {

// Draws k in 1..n not yet drawn in this cycle (detto[k] false) with draw(n), which returns
// 1..n; `conta` counts the draws of the cycle, and a cycle that has drawn all n starts over.
// The draw repeats until it finds a fresh value; a generator stuck on one value must not hang
// the game, so after many misses the first fresh value is taken.
template <std::size_t N, class Draw>
int EstraiSenzaRipetere(int& conta, std::array<bool, N>& detto, int n, Draw&& draw) {
    constexpr int kTentativi = 1000;
    for (int tentativo = 0;; ++tentativo) {
        if (conta >= n) {
            conta = 0;
            detto.fill(false);
        }
        int k = draw(n);
        if (detto[static_cast<std::size_t>(k)]) {
            if (tentativo < kTentativi) continue;
            k = 1;
            while (detto[static_cast<std::size_t>(k)]) ++k;
        }
        detto[static_cast<std::size_t>(k)] = true;
        ++conta;
        return k;
    }
}

}  // namespace gnamm
