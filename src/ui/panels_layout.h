// Design rectangles and fixed texts of the splash, the bar, the side boxes and the rules,
// exit, options and level panels.
#pragma once

#include "ui/screen.h"

namespace gnamm {

// Where every panel, the card cover and the continue prompt open, in design twips.
inline constexpr Rect kPannello{3130, 615, 5760, 7800};
inline constexpr Rect kCopriCarte{2025, 3300, 8250, 2950};
inline constexpr Rect kQuando{3218, 3450, 5565, 2250};

void LayoutPannelli(Screen& s);

}  // namespace gnamm
