// The card table: the cards in the 20 card places, the two deck arrays and the counters of
// a Gioco.
#pragma once

#include <array>

#include "rules/card.h"
#include "rules/table_places.h"

namespace gnamm {

enum class Player { PC, H };

inline constexpr Player Other(Player p) {
    return p == Player::PC ? Player::H : Player::PC;
}

// Table places in the order the free-place search and every table scan use: 7..17, then the
// twelfth place, which only fills when the other eleven are taken.
inline constexpr std::array<int, 12> kPostiTavolo = {7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 19};
// Table places left to right on the screen: the order of every walk over the table.
inline constexpr std::array<int, 12> kOrdineSchermo = {19, 9, 13, 16, 7, 11, 15, 8, 12, 17, 10, 14};

inline constexpr bool IsPostoTavolo(int i) {
    return (i >= 7 && i <= 17) || i == kPostoDodicesimo;
}
inline constexpr bool IsManoPC(int i) {
    return i >= 1 && i <= 3;
}
inline constexpr bool IsManoH(int i) {
    return i >= 4 && i <= 6;
}

struct TableState {
    // Carta[i] for every card place; Valore and Seme follow from the card.
    std::array<Card, kNumeroPosti> carta{};
    int valore(int place) const { return carta[place].valore(); }
    char seme(int place) const { return carta[place].seme(); }

    // CarteDaEstrarre marks: true (pink) once the shuffle has taken that deck position.
    std::array<bool, 41> presaDalMescolatore{};
    // CarteDaGiocare[1..40], the shuffled deck, and its dealt marks (true = pink).
    std::array<Card, 41> carteDaGiocare{};
    std::array<bool, 41> distribuita{};

    int contatoreCartaDaEstrarre = 1;                                    // the cursor of the deal
    std::array<int, 11> valoriRimasti{0, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4};  // [1..10]
    int numeroCarteSulTavolo = 0;
    int carteInManoAPC = 0;
    int carteInManoAdH = 0;
    int numeroCarteGiocate = 0;
    int carteRimasteNelMazzo = 40;
    int manche = 0;
    bool assoInTavola = false;
    Player mazziere = Player::PC;
    Player aChiTocca = Player::PC;
    int posizioneInserimentoCarta = 0;
    Player ultimaCattura = Player::H;
};

}  // namespace gnamm
