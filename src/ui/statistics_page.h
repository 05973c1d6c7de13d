// The page "Statistiche": the player's record (GnStat.json) at each of Nonno Zeb's levels.
// It opens from its caption on the hall-of-fame panel and by the key S from the table when no
// panel is open, over everything but the splash; Escape, Enter or a click closes it.
#pragma once

namespace gnamm {

class Finestra;
struct Screen;

void ApriStatistiche(Finestra& f);
void ChiudiStatistiche(Finestra& f);
bool StatisticheAperte(const Finestra& f);

// Places the page and the caption that opens it, at the design size.
void LayoutStatistiche(Screen& s);

}  // namespace gnamm
