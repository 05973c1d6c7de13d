// The hall of fame panel FraPannello(3): its rows, list and suit pictures written from the
// ranking, its blinking, and the level prompt's.
#pragma once

namespace gnamm {

class Game;
struct Screen;

// One tick of TmrLampeggiaScritta (the panel) and of TmrLampeggiaScritta2 (the level prompt).
void OnLampeggiaScritta(Screen& s, Game& g);
void OnLampeggiaScritta2(Screen& s, Game& g);

// The caption "Classifica": shows or hides the panel and the card cover; nothing while the
// continue prompt waits (Enter there reads the panel to know whether a Torneo has ended).
void ToggleClassifica(Screen& s, Game& g);
// A click on LstAlbo. The design gives the keyboard focus back to the continue button so that
// Enter keeps working; here the window takes every key before any element does, so a click
// on the list leaves Enter as it was and there is nothing to give back.
void ClickLstAlbo();
// Shows the panel and the card cover (the end of a Torneo opens it by itself).
void ApriClassifica(Screen& s, Game& g);
// Quando after a Torneo: hides the panel and the cover, stops TmrLampeggiaScritta, sets
// Lampeggia to 0 and turns row InserimentoVincitore back to white.
void ChiudiClassifica(Screen& s, Game& g);
// Writes the panel's rows, list, instruction line and suit pictures from the state.
void MostraClassifica(Screen& s, const Game& g);

// The design places and fixed texts of the hall of fame panel.
void LayoutClassifica(Screen& s);

}  // namespace gnamm
