#include "game/ai/move_list.h"
#include "game/capture_rules.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "support/table_fixture.h"

namespace gnamm {
namespace {

using test_tavolo::C;
using test_tavolo::Posizione;

struct Risultato {
    Ricerca r;
    ListaMosse lista;
};

Risultato Cerca(const TableState& t) {
    Risultato out;
    PreparaRicerca(t, out.r);
    TrovaCombinazioniPC(t, out.r, out.lista);
    return out;
}

std::vector<int> Catturate(const Mossa& m) {
    return {m.catturate.begin(), m.catturate.begin() + m.numeroCatturate};
}

// The list as text: each move is the hand place, the table cards it takes by search index
// (1 = the first table card) and a * for a Punto Gnamm.
std::string Elenco(const Risultato& res) {
    std::string out;
    for (int m = 1; m <= res.lista.mossePossibili; ++m) {
        const Mossa& mossa = res.lista[m];
        out += (out.empty() ? "" : " ") + std::to_string(mossa.posto) + ":";
        for (const int c : Catturate(mossa)) out += std::to_string(c) + ",";
        if (mossa.gnamm) out += "*";
    }
    return out;
}

TEST(MoveList, EveryMoveOfAPositionInOrder) {
    const struct {
        std::initializer_list<std::string_view> tavolo, mano;
        const char* mosse;
    } casi[] = {
        {{}, {"3c", "7q", "Ap"}, "1: 2: 3:"},  // an empty table: one lay a card, no Gnamm
        {{"5c", "2q", "3f"}, {"5p"}, "1:1,"},  // the equal value beats the sums
        {{"5c", "5q"}, {"5p"}, "1:1, 1:2,"},   // each equal card is a move
        {{"3c", "4q"}, {"7p"}, "1:1,2,*"},     // a sum taking every card is Gnamm
        {{"3c", "3q", "4f"}, {"7p"}, "1:1,3, 1:2,3,"},
        {{"Ac", "2q", "3f", "4p"}, {"Kp"}, "1:1,2,3,4,*"},
        {{"Kc", "Jq"}, {"Qp"}, "1:"},  // nothing to take: a lay
        // The ace takes a single card, even an ace; only the ace among others; else all.
        {{"Kc"}, {"Ap"}, "1:1,*"},
        {{"Aq"}, {"Ap"}, "1:1,*"},
        {{"Kc", "Aq", "5f"}, {"Ap"}, "1:2,"},
        {{"Kc", "2q", "5f"}, {"Ap"}, "1:1,2,3,*"},
        {{"2c"}, {"", "2q", ""}, "2:1,*"},  // empty hand places are skipped
        // By hand place, then by size, then lexicographic.
        {{"Ac", "2c", "3c", "4c", "5c"},
         {"6q", "Kq"},
         "1:1,5, 1:2,4, 1:1,2,3, 2:1,4,5, 2:2,3,5, 2:1,2,3,4,"},
    };
    for (const auto& c : casi) {
        const auto res = Cerca(Posizione(c.tavolo, c.mano));
        EXPECT_EQ(Elenco(res), c.mosse) << c.mosse;
        EXPECT_TRUE(res.lista[res.lista.mossePossibili + 1].libera()) << c.mosse;
    }
}

TEST(MoveList, TheAceSweepsTwelveCards) {
    TableState t;
    int n = 0;
    for (const int p : kPostiTavolo) t.carta[p] = Card::FromDeckPosition(2 + (n++ % 9));
    t.numeroCarteSulTavolo = 12;
    t.carta[1] = C("Ac");
    const auto res = Cerca(t);
    ASSERT_EQ(res.lista.mossePossibili, 1);
    EXPECT_EQ(res.lista[1].numeroCatturate, 12);
    EXPECT_TRUE(res.lista[1].gnamm);
    EXPECT_EQ(res.r.cartaOrdinata[12], kPostoDodicesimo);
}

TEST(MoveList, TheListHoldsThirtyMovesAndDropsTheRest) {
    // The 7 alone has 6 pairs and 27 triples on this table: the list fills with its first 30
    // moves and the J and the 6 get no entry at all.
    const auto t =
        Posizione({"Ac", "Aq", "2c", "2q", "2f", "3c", "3q", "3f", "4c", "4q"}, {"7c", "Jq", "6p"});
    const auto res = Cerca(t);
    EXPECT_EQ(res.lista.mossePossibili, kMaxMosse);
    for (int m = 1; m <= kMaxMosse; ++m) {
        const Mossa& mossa = res.lista[m];
        EXPECT_EQ(mossa.posto, 1);
        EXPECT_EQ(mossa.numeroCatturate, m <= 6 ? 2 : 3) << m;
        int somma = 0;
        for (int k = 0; k < mossa.numeroCatturate; ++k) {
            somma += t.valore(res.r.posto(mossa.catturate[k]));
        }
        EXPECT_EQ(somma, 7);
    }
    EXPECT_EQ(Catturate(res.lista[7]), (std::vector<int>{1, 3, 9}));
    EXPECT_EQ(Catturate(res.lista[30]), (std::vector<int>{3, 5, 8}));
    // The last hand card's search still ran and counted every sum of the 6, recorded or not.
    EXPECT_EQ(res.r.combinazioni, static_cast<int>(CombinazioniSomma(t.carta, 6).size()));
}

}  // namespace
}  // namespace gnamm
