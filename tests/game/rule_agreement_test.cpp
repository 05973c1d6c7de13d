// The computer's move list and the capture rule must agree on every table.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "game/ai/move_list.h"
#include "game/capture_rules.h"

namespace gnamm {
namespace {

TEST(RuleAgreement, EveryComputerMoveIsOneTheRuleAllows) {
    std::mt19937 gen(2026);
    std::array<int, 40> mazzo{};
    std::iota(mazzo.begin(), mazzo.end(), 1);
    int prese = 0;
    for (int prova = 0; prova < 3000; ++prova) {
        std::shuffle(mazzo.begin(), mazzo.end(), gen);
        TableState t;
        const int sulTavolo = static_cast<int>(gen() % 9);
        int next = 0;
        bool asso = false;
        for (int n = 0; n < sulTavolo; ++n) {
            Card c = Card::FromDeckPosition(mazzo[next++]);
            if (c.isAce() && asso) c = Card::FromDeckPosition(mazzo[next++]);
            if (c.isAce()) asso = true;
            t.carta[kPostiTavolo[n]] = c;
        }
        t.numeroCarteSulTavolo = ContaCarteSulTavolo(t.carta);
        t.assoInTavola = CeAssoInTavola(t.carta);
        for (int k = 1; k <= 3; ++k) t.carta[k] = Card::FromDeckPosition(mazzo[next++]);

        Ricerca r;
        ListaMosse lista;
        PreparaRicerca(t, r);
        TrovaCombinazioniPC(t, r, lista);
        std::array<int, 4> mossePerCarta{};
        for (int m = 1; m <= lista.mossePossibili && m <= kMaxMosse; ++m) {
            const Mossa& mossa = lista[m];
            std::vector<int> posti;
            for (int j = 0; j < mossa.numeroCatturate; ++j) {
                posti.push_back(r.posto(mossa.catturate[j]));
            }
            const Card giocata = t.carta[mossa.posto];
            ASSERT_TRUE(PresaAmmessa(t.carta, giocata, posti))
                << "trial " << prova << " card " << giocata.code();
            ++mossePerCarta[mossa.posto];
            prese += mossa.presa() ? 1 : 0;
        }
        if (lista.mossePossibili >= kMaxMosse) continue;  // a truncated list counts no further
        for (int k = 1; k <= 3; ++k) {
            const DecisionePresa d = DecidiPresa(t.carta, t.carta[k]);
            int attese = 1;
            if (d.esito == EsitoPresa::SceltaUguali) attese = d.stessoValore;
            if (d.esito == EsitoPresa::SceltaSomma) attese = d.possibilitaDiPresa;
            EXPECT_EQ(mossePerCarta[k], attese)
                << "trial " << prova << " card " << t.carta[k].code();
        }
    }
    EXPECT_GT(prese, 1000);  // the tables did exercise captures
}

}  // namespace
}  // namespace gnamm
