// The continue prompt FraQuando: where it stands, and how its line and its button sit in it.
//
// After a Gioco, a tie-break Gioco or a Partita it stands over the cleared table row. After a
// Torneo the hall of fame panel fills the middle of the window, so the prompt becomes a band
// over the foot of that panel, drawn above it, where the panel's own instruction stands.
#pragma once

#include <string_view>

#include "ui/screen.h"

namespace gnamm {

enum class PostoQuando { Tavolo, Albo };

// Where the prompt stands over the table, in design twips.
inline constexpr Rect kQuandoTavolo{3218, 3450, 5565, 2250};

// The prompt's line after a Torneo: the hall of fame panel's own instruction, since the line
// left from the Gioco before would speak of a Partita that no longer goes on.
inline constexpr std::string_view kQuandoTorneo =
    "Per far scomparire questo Pannello e iniziare un nuovo Torneo premi INVIO!";

// Lays the frame, its line and its button out for the place, on the screen the layout was
// fitted to (s.widthTwips x s.heightTwips).
void LayoutQuando(Screen& s, PostoQuando posto);

}  // namespace gnamm
