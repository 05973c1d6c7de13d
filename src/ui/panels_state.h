// State of the panels: options highlight, splash, rules page, exit.
#pragma once

namespace gnamm {

struct PanelsState {
    int selezione = 16;  // option value highlighted under the mouse; 16 = none
};

}  // namespace gnamm
