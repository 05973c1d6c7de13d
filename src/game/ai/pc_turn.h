// The computer's turn: search, choice and the paced play of its move.
#pragma once

namespace gnamm {

class Game;
struct TableState;

void PreparaMossePC(Game& g);
void OnRitardoMossaPC(Game& g);
void OnEffettuaMossaPC(Game& g);
void ClickTimerLabel(Game& g);
void ToggleCervello(Game& g);

}  // namespace gnamm
