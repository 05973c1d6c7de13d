// The hall of fame panel FraPannello(3): its rows, list and suit pictures written from the
// ranking, its blinking, and the level prompt's.
#pragma once

namespace gnamm {

class Finestra;
struct Screen;

// One tick of TmrLampeggiaScritta (the panel) and of TmrLampeggiaScritta2 (the level prompt).
void OnLampeggiaScritta(Finestra& f);
void OnLampeggiaScritta2(Finestra& f);

// The caption "Classifica": shows or hides the panel and the card cover; nothing while the
// continue prompt waits (Enter there reads the panel to know whether a Torneo has ended).
void ToggleClassifica(Finestra& f);
// A click on LstAlbo. The design gives the keyboard focus back to the continue button so that
// Enter keeps working; here the window takes every key before any element does, so a click
// on the list leaves Enter as it was and there is nothing to give back.
void ClickLstAlbo(Finestra& f);
// Shows the panel and the card cover (the end of a Torneo opens it by itself).
void ApriClassifica(Finestra& f);
// Quando after a Torneo: hides the panel and the cover, stops TmrLampeggiaScritta, sets
// Lampeggia to 0 and turns row InserimentoVincitore back to white.
void ChiudiClassifica(Finestra& f);
// Writes the panel's rows, list, instruction line and suit pictures from the state.
void MostraClassifica(Finestra& f);

// The design places and fixed texts of the hall of fame panel.
void LayoutClassifica(Screen& s);

}  // namespace gnamm
