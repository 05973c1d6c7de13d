// Shuffle and the paced deal of the opening table cards and the hands.
#pragma once

namespace gnamm {

class Game;
struct TableState;

void MescolaCarte(Game& g);
void OnScegli4CarteSulTavolo(Game& g);
void OnScegli6Carte(Game& g);
void AvviaDistribuzioneManche(Game& g);

}  // namespace gnamm
