// Design rectangles and fixed texts of the splash, the bar, the side boxes and the rules,
// exit, options and level panels.
#pragma once

#include "ui/quando_prompt.h"
#include "ui/screen.h"

namespace gnamm {

// Where every panel, the card cover and the continue prompt open, in design twips.
inline constexpr Rect kPannello{3130, 615, 5760, 7800};
// The cover reaches the window's foot: the human's hand shows below the panels' frame.
inline constexpr Rect kCopriCarte{2025, 3300, 8250, 5700};
inline constexpr Rect kQuando = kQuandoTavolo;

void LayoutPannelli(Screen& s);

}  // namespace gnamm
