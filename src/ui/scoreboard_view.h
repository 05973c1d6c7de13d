// The scoreboard on screen: the fixed captions and tooltips of its grid, and the labels that
// show the counts, points and game data, coloured from the state they carry.
#pragma once

namespace gnamm {

class Game;
struct Screen;

// The fixed captions and tooltips, and where the grid and the Torneo data sit in their side
// boxes; part of the design layout.
void ApplicaScritteTabellone(Screen& s);
// Writes the scoreboard's labels from the state.
void RefreshScoreboard(Screen& s, const Game& g);

}  // namespace gnamm
