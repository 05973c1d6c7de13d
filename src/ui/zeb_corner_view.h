// Nonno Zeb's corner on the screen: his photo frame, his line and its bubble, as he keeps them
// (persona/nonno_zeb.h). Only these fields are copied, so the layout's places and fonts stay
// the screen's own.
#pragma once

#include "persona/nonno_zeb.h"
#include "ui/screen.h"

namespace gnamm {

// After every input: the screen shows what Zeb's corner says.
void MostraAngoloZeb(const AngoloZeb& a, Screen& s);
// Once, after the design layout: Zeb's corner starts from what the layout shows.
void LeggiAngoloZeb(const Screen& s, AngoloZeb& a);

}  // namespace gnamm
