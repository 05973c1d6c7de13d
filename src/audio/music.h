// The background music: 24 tracks drawn without repetition, with pauses between them.
#pragma once

namespace gnamm {

class Game;
struct TableState;

inline constexpr int kNumeroMusiche = 24;
// Length in seconds of track k = 1..24.
int DurataMusica(int k);

// Starts the next track, each track once per cycle of 24.
void ScegliMusiche(Game& g);
// Switches the music off: no countdown, no pause, the channel closed.
void SpegniMusiche(Game& g);
// Ticks of TmrMusiche (one second of the track) and TmrSilenzio (the pause is over).
void OnMusiche(Game& g);
void OnSilenzio(Game& g);

}  // namespace gnamm
