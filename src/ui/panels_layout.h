// Design rectangles and fixed texts of the splash, the bar, the side boxes and the rules,
// exit, options and level panels.
#pragma once

#include "ui/screen.h"

namespace gnamm {

void LayoutPannelli(Screen& s);

}  // namespace gnamm
