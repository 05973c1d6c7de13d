// The computer's turn: search, choice and the paced play of its move.
//
// PreparaMossePC runs the search and the scoring at once and starts the pause; each tick of
// TmrEffettuaMossaPC then outlines and counts one captured card, and the last one completes
// the move and hands the game on (the human's turn, the next deal or the end of the Gioco).
#pragma once

#include "game/ai/evaluation.h"
#include "rules/livello.h"

namespace gnamm {

class Game;

// How a level judges the risk: 'Cheat' Zeb always looks, 'Cunning' Zeb when not honest.
Sguardo SguardoDi(Livello livello, bool onesta);

void PreparaMossePC(Game& g);
void ScegliMossaPC(Game& g);
void MostraMossaPC(Game& g);
void MossaPC(Game& g);

void OnRitardoMossaPC(Game& g);
void OnEffettuaMossaPC(Game& g);
// lblTimer: pauses and resumes the computer's move.
void ClickTimerLabel(Game& g);
// lblAssoInTavola: shows or hides the diagnostic panel.
void ToggleCervello(Game& g);

// The next table place of a walk in screen order after `posto` (0 = before the first); 0 when
// the walk is over.
int ProssimoPostoSchermo(int posto);

}  // namespace gnamm
