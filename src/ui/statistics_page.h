// The page "Statistiche": the player's record (GnStat.json) at each of Nonno Zeb's levels.
// It opens from its caption on the hall-of-fame panel and by the key S from the table when no
// panel is open, over everything but the splash; Escape, Enter or a click closes it.
#pragma once

#include <string>

#include "game/record_json.h"

namespace gnamm {

struct Screen;

// The page for player `nome` from the record as it stands (StatisticheCorrenti).
void ApriStatistiche(Screen& s, const std::string& nome, const Statistiche& record);
void ChiudiStatistiche(Screen& s);
bool StatisticheAperte(const Screen& s);

// Places the page and the caption that opens it, at the design size.
void LayoutStatistiche(Screen& s);

}  // namespace gnamm
