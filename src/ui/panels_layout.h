// Design rectangles and fixed texts of the splash, the bar, the side boxes and the rules,
// exit, options and level panels.
#pragma once

#include <string_view>

#include "ui/quando_prompt.h"
#include "ui/screen.h"

namespace gnamm {

// Where every panel, the card cover and the continue prompt open, in design twips.
inline constexpr Rect kPannello{3130, 615, 5760, 7800};
// The cover reaches the window's foot: the human's hand shows below the panels' frame.
inline constexpr Rect kCopriCarte{2025, 3300, 8250, 5700};
// The rules text ends above the keys' line (ui/keyboard_focus.cpp lays it at 5900).
inline constexpr int kFondoTestoRegole = 5840;
inline constexpr Rect kQuando = kQuandoTavolo;
// The notice box: on the splash on the wall between the title and the name prompt; at the table
// over Nonno Zeb's photo, above his speech bubble and clear of the panels, cards and hand.
inline constexpr Rect kAvvisoSplash{600, 4050, 7200, 1650};
inline constexpr Rect kAvvisoTavolo{120, 120, 2940, 2400};

// The exit panel's question, and the one it asks at start-up when a Torneo was left saved.
inline constexpr std::string_view kDomandaUscita = "Davvero vuoi arrenderti?";
inline constexpr std::string_view kDomandaRipresa = "Vuoi riprendere il Torneo lasciato in sospeso?";

void LayoutPannelli(Screen& s);

}  // namespace gnamm
