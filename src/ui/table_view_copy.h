// The screen elements the game flow decides (game/table_view.h), copied between its view and the
// screen model: field by field, only what the flow sets, so the layout's places, fonts and
// colours stay the screen's own.
#pragma once

#include "game/table_view.h"
#include "ui/screen.h"

namespace gnamm {

// After every input: the screen shows what the view says.
void MostraVista(const TableView& v, Screen& s);
// Once, after the design layout: the view starts from what the layout shows.
void LeggiVista(const Screen& s, TableView& v);

}  // namespace gnamm
