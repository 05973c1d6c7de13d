// The notice box: the first of the game's notices (Game::avvisi) in the window, until the player
// closes it with Esc or a click on it; then the next one shows. It stands where it hides nothing
// the player needs (panels_layout.h): on the splash clear of the name box, at the table over
// Nonno Zeb's photo, never over the cards or the hand.
#pragma once

#include "data/avvisi.h"

namespace gnamm {

struct Screen;

// Places the box, its text and its closing line where they stand now (on the splash while it
// shows, else at the table), on the screen the layout was fitted to.
void LayoutAvviso(Screen& s);

// Derives the box from the notices waiting. True when the screen changed.
bool MostraAvviso(Screen& s, const data::Avvisi& avvisi);

// Esc or a click on the box: the notice on show is done with. False when none shows.
bool ChiudiAvviso(const Screen& s, data::Avvisi& avvisi);

}  // namespace gnamm
