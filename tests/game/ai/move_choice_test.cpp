#include "game/ai/move_choice.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>
#include <vector>

#include "support/table_fixture.h"

namespace gnamm {
namespace {

using test_tavolo::Posizione;

struct Caso {
    TableState t;
    ListaMosse lista;
    Valutazione val;
};

// Moves with the given hand places and scores; risk 0 unless given.
Caso Mosse(const TableState& t, const std::vector<int>& posti, const std::vector<float>& punti,
           const std::vector<float>& rischi = {}) {
    Caso c{t, {}, {}};
    for (size_t i = 0; i < posti.size(); ++i) {
        c.lista.mosse[i + 1].posto = posti[i];
        c.val.puntiTotali[i + 1] = punti[i];
        c.val.rischioScopa[i + 1] = i < rischi.size() ? rischi[i] : 0.0f;
    }
    c.lista.mossePossibili = static_cast<int>(posti.size());
    return c;
}

Scelta Scegli(const Caso& c) {
    return ScegliMossa(c.t, c.lista, c.val);
}

// The best score wins, ties keep the earliest; an ace in the best move gives way to a safe,
// positive second move less than 0.4 behind, the margin taken in single precision.
TEST(MoveChoice, BestScoreAndTheAceRule) {
    const struct {
        std::initializer_list<std::string_view> mano;
        std::vector<float> punti, rischi;
        int migliore, seconda;
        bool regolaAsso;
    } casi[] = {
        {{"5c", "6c", "Kc"}, {0.2f, 0.7f, 0.7f}, {}, 2, 3, false},
        {{"5c", "6c", "Kc"}, {-0.5f, -0.9f, -0.5f}, {}, 1, 3, false},
        {{"Ac", "6c"}, {0.9f, 0.6f}, {}, 2, 2, true},   // 0.3 behind: the second is played
        {{"Ac", "6c"}, {0.9f, 0.4f}, {}, 1, 2, false},  // 0.5 behind: the ace is played
        {{"Ac", "6c"}, {0.3f, 0.0f}, {}, 1, 2, false},  // a second at 0 or below never
        {{"Ac", "6c"}, {0.3f, -0.1f}, {}, 1, 2, false},
        {{"Ac", "6c"}, {0.9f, 0.6f}, {0.0f, -0.01f}, 1, 2, false},  // nor one with any risk
        {{"2c", "6c"}, {0.9f, 0.6f}, {}, 1, 2, false},              // only aces give way
        {{"Ac", "6c"}, {0.9f, 0.5f}, {}, 2, 2, true},   // 0.9f - 0.5f falls just under 0.4f
        {{"Ac", "6c"}, {0.8f, 0.4f}, {}, 1, 2, false},  // 0.8f - 0.4f lands on 0.4f
        {{"Ac"}, {0.1f}, {}, 1, 1, false},              // a single move is played
    };
    for (const auto& c : casi) {
        std::vector<int> posti;
        for (size_t i = 1; i <= c.punti.size(); ++i) posti.push_back(static_cast<int>(i));
        const Scelta s = Scegli(Mosse(Posizione({}, c.mano), posti, c.punti, c.rischi));
        EXPECT_EQ(s.mossaMigliore, c.migliore) << c.punti[0] << " " << c.punti.back();
        EXPECT_EQ(s.regolaAsso, c.regolaAsso) << c.punti[0] << " " << c.punti.back();
        if (!c.regolaAsso) {
            EXPECT_EQ(s.secondaMossa, c.seconda) << c.punti[0];
        }
    }
}

}  // namespace
}  // namespace gnamm
