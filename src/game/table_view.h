// What the game flow still shows itself: the cards on their mats and the outlines of a pick or
// capture. Plain data written by the flow and by the ui's own answers (options, advice); the ui
// copies it onto its screen model after every input, keeping the layout's fonts, places and
// colours. Members carry the names of the screen elements they feed.
#pragma once

#include <array>
#include <string>

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
};

}  // namespace gnamm
