// What each card place shows, as the flow decides it: the card face or its back, and why the
// place is marked. The ui draws pictures, mats and outlines from it (ui/table_cards_view.h).
#pragma once

#include <array>

#include "rules/card.h"
#include "rules/table_places.h"

namespace gnamm {

// The side of the card on show in a place: none, the face, or the back (Zeb's hand, the deck).
enum class Lato { Niente, Faccia, Dorso };

// Why a place is marked while the flow waits: the human's pick under way, the human's capture
// about to go, Zeb's capture as his walk reaches each card, the last cards going to whoever
// captured last, and Zeb's own card shown before it is played.
enum class Segno {
    Nessuno,
    Scelta,
    PresaUmano,
    PresaZeb,
    UltimeAZeb,
    UltimeAllUmano,
    GiocataDaZeb
};

// One card place: what it shows and its mark. `carta` is the card on show (for a back, the
// card under it); an empty card with a face shows a place with no picture.
struct PostoCarta {
    Lato mostra = Lato::Niente;
    Card carta;
    Segno segno = Segno::Nessuno;
    bool inVista() const { return mostra != Lato::Niente; }
};

// Every card place, by number (rules/table_places.h); place 0 is the deck.
using PostiCarte = std::array<PostoCarta, kNumeroPosti>;

}  // namespace gnamm
