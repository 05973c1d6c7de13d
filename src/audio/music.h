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
// A Torneo taken up again: the track it was playing starts again from its beginning (a channel
// cannot seek) with no new draw, and its countdown goes on as saved, so the next draw comes
// when it would have. In the pause between tracks, or with the music off, the channel is quiet.
void RiprendiMusica(Game& g);
// Ticks of TmrMusiche (one second of the track) and TmrSilenzio (the pause is over).
void OnMusiche(Game& g);
void OnSilenzio(Game& g);

}  // namespace gnamm
