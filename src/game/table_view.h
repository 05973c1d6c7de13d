// What the game flow shows: the cards on their mats, the outlines of a pick or capture, the
// instructions, the continue prompt's line, the side boxes and the diagnostic panel (Nonno Zeb's
// corner is his own: persona/nonno_zeb.h). Plain data written by the flow and by the ui's own
// answers (options, panels); the ui copies it onto its screen model after every input, keeping the
// layout's fonts, places and colours. Members carry the names of the screen elements they feed.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "data/rgb.h"
#include "rules/table_places.h"

namespace gnamm {

// How one element looks, as far as the flow decides it. A shape uses `back`/`opaque` as its
// fill and `border`/`borderColor` as its outline; which of these fields reach the screen is
// chosen element by element where the ui copies the view.
struct Aspetto {
    bool visible = true;
    std::string picture;  // asset name such as "\Carte\Ac.jpg"; empty = no picture
    std::string text;
    Rgb back{255, 255, 255};
    bool opaque = false;
    bool border = false;
    Rgb borderColor{0, 0, 0};
};

struct TableView {
    // Card places: the card, the mat behind it and the outline of a pick or capture.
    std::array<Aspetto, kNumeroPosti> ImgCarta;
    std::array<Aspetto, kNumeroPosti> ShpCarta;
    std::array<Aspetto, kNumeroPosti> ShpContornoCarta;

    Aspetto lblIstruzioni;  // the line that tells the player what to do
    Aspetto ImgManina;      // the pointing hand while the human is to play

    // Names and points of the winner of a Torneo turn red.
    Aspetto lblPC, lblPuntiPC, lblH, lblPuntiH;

    Aspetto FraQuando;  // the continue prompt and its line
    Aspetto lblQuando;

    // Side boxes "Dati", "Punti", "Notes", "Zeb". A box pinned by its toggle stays through the
    // end of a Gioco; the others show only between Giochi.
    std::array<Aspetto, 4> FraRiquadro;
    std::array<bool, 4> riquadroFisso = {true, true, true, true};

    // The diagnostic panel of the computer's search: its lines and its choice.
    Aspetto FraCervello;
    std::vector<std::string> cervelloLines;
    Aspetto lblMossaMigliore;
};

}  // namespace gnamm
