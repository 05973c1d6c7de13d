// What happened at the table, announced by the rules and the game flow at the moment it happens,
// to the game's listeners (table_listener.h) in the order they were registered: Nonno Zeb hears
// it first and decides whether he has a line for it; then the sounds, which keep quiet when he
// spoke: his voice stands in for the card's noise. Each runs at once, at the point of the
// announcement, so remarks, noises, timers and random draws keep their order.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "rules/card.h"
#include "rules/table_places.h"
#include "rules/table_state.h"

namespace gnamm {

// No place: the card has not landed yet, or has left the table.
inline constexpr int kNessunPosto = -1;

enum class Accaduto {
    PrimoTurno,          // the human is to play the first card of a Gioco
    TurnoUmano,          // the human's turn has begun: a card of his hand to play
    CartaGiocata,        // the human laid a card or completed a pick
    CartaDallaMano,      // the human's card has left his hand (after CartaGiocata)
    CartaDecisa,         // the human's card captures or lies down: nothing left to choose
    SceltaAperta,        // the human's card leaves him a pick among the table cards
    SceltaAlTavolo,      // the human clicked a table card during a pick
    ClicSbagliato,       // the human clicked where he should not
    AssoBevuto,          // the human's ace took the table with an ace on it
    PuntoGnammUmano,     // the human swept the table
    CinqueDiCuoriUmano,  // the human took the 5 di Cuori
    PresaFatta,          // the human's capture has left the table
    MossaZeb,            // Zeb has shown his card and what it takes
    PresaZeb,            // Zeb's capture has left the table
    QuattroInTavola,     // the four opening cards are on the table
    CartaDistribuita,    // a card of a Manche's deal has reached a hand
    ManoDistribuita,     // the deal of a Manche is over
    UltimaCattura,       // the cards left at the end go to the last capturer
    FineUltimeCarte,     // the walk of the cards left at the end is over
    FineIncontro,        // a tie-break, Partita or Torneo is decided (MatchState::esito)
    NuovoGioco,          // the next Gioco is being laid out
    NuovoTorneo,         // after a Torneo, the level choice opens
    GiocoAbbandonato,    // a Gioco was given up for a new level
};
// Listeners keep the kinds they hear in one 64-bit word.
static_assert(static_cast<int>(Accaduto::GiocoAbbandonato) < 64);

// The places a capture took or a deal filled, kept inside the event: a table announces some
// thirty events a Gioco, and a list on the heap for each would cost more than the listeners.
class PostiToccati {
  public:
    void push_back(int posto) {
        if (n_ < posti_.size()) posti_[n_++] = static_cast<int8_t>(posto);
    }
    const int8_t* begin() const { return posti_.data(); }
    const int8_t* end() const { return posti_.data() + n_; }
    std::size_t size() const { return n_; }
    bool empty() const { return n_ == 0; }

  private:
    std::array<int8_t, kNumeroPosti> posti_{};
    std::size_t n_ = 0;
};

struct EventoTavolo {
    Accaduto cosa;
    // For MossaZeb: a Punto Gnamm and how many table cards it took, or the 5 di Cuori taken.
    bool gnamm = false;
    int carteCatturate = 0;
    bool cinqueDiCuori = false;
    // The way between the state before and after, for a view that shows it: the card that moved,
    // the place it left (kPostoMazzo for a card dealt) and the place it reached, who moved it,
    // and the places a capture took or the opening deal filled.
    Card carta{};
    int da = kNessunPosto;
    int a = kNessunPosto;
    Player chi = Player::H;
    PostiToccati posti{};
};

}  // namespace gnamm
