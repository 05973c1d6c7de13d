// What the window shows of the table, element by element, as text: the cards with their mats
// and outlines, the deck, the side boxes, Zeb's corner and the prompts. An element that draws
// nothing (hidden, or with nothing to draw) reads "-". For comparing two windows that should
// show the same table: the resume check and the tests of a resumed Torneo.
#pragma once

#include <string>
#include <vector>

#include "ui/screen.h"

namespace gnamm::sim {

std::vector<std::string> TavolaMostrata(const Screen& s);

}  // namespace gnamm::sim
