// What happened at the table, announced by the rules and the game flow at the moment it happens,
// to the game's listeners (table_listener.h) in the order they were registered: Nonno Zeb hears
// it first and decides whether he has a line for it; then the sounds, which keep quiet when he
// spoke: his voice stands in for the card's noise. Each runs at once, at the point of the
// announcement, so remarks, noises, timers and random draws keep their order.
#pragma once

namespace gnamm {

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

struct EventoTavolo {
    Accaduto cosa;
    // For MossaZeb: a Punto Gnamm and how many table cards it took, or the 5 di Cuori taken.
    bool gnamm = false;
    int carteCatturate = 0;
    bool cinqueDiCuori = false;
};

}  // namespace gnamm
