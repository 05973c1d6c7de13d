#include "game/ai/move_choice.h"

namespace gnamm {

Scelta ScegliMossa(const TableState& t, const ListaMosse& lista, const Valutazione& val) {
    Scelta s;
    const int n = lista.mossePossibili;
    if (n <= 0) return s;
    const auto& p = val.puntiTotali;
    float best = p[1];
    for (int i = 1; i <= n; ++i) {
        if (p[i] > best) {
            best = p[i];
            s.mossaMigliore = i;
        }
    }
    float second = -100.0f;
    for (int i = 1; i <= n; ++i) {
        if (i == s.mossaMigliore) continue;
        if (p[i] <= best && p[i] > second) {
            second = p[i];
            s.secondaMossa = i;
        }
    }
    const bool asso = t.valore(lista[s.mossaMigliore].posto) == 1;
    const float scarto = best - second;
    if (asso && second > 0.0f && scarto < kMargineAsso &&
        val.rischioScopa[s.secondaMossa] == 0.0f) {
        s.mossaMigliore = s.secondaMossa;
        s.regolaAsso = true;
    }
    return s;
}

}  // namespace gnamm
