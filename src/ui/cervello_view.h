// The diagnostic panel at the foot of the window, shown from the search's data
// (game/ai/cervello.h): its lines, and the choice coloured by how it was made.
#pragma once

#include "game/ai/cervello.h"

namespace gnamm {

struct Screen;

void MostraCervello(const Cervello& c, Screen& s);

}  // namespace gnamm
