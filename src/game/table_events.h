// What happened at the table, announced by the rules and the game flow at the moment it happens.
// Nonno Zeb hears it first (persona/zeb_reactions.h) and decides whether he has a line for it;
// then the sounds (audio/table_sounds.h), which keep quiet when he spoke: his voice stands in for
// the card's noise. Both run at once, at the point of the announcement, so remarks, noises,
// timers and random draws keep their order.
#pragma once

namespace gnamm {

enum class Accaduto {
    PrimoTurno,       // the human is to play the first card of a Gioco
    CartaGiocata,     // the human laid a card or completed a pick
    AssoBevuto,       // the human's ace took the table with an ace on it
    PuntoGnammUmano,  // the human swept the table
    CinqueDiCuoriUmano,  // the human took the 5 di Cuori
    PresaFatta,       // the human's capture has left the table
    MossaZeb,         // Zeb has shown his card and what it takes
    UltimaCattura,    // the cards left at the end go to the last capturer
    FineIncontro,     // a tie-break, Partita or Torneo is decided (MatchState::esito)
};

struct EventoTavolo {
    Accaduto cosa;
    // For MossaZeb: a Punto Gnamm and how many table cards it took, or the 5 di Cuori taken.
    bool gnamm = false;
    int carteCatturate = 0;
    bool cinqueDiCuori = false;
};

}  // namespace gnamm
