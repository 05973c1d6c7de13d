// The background music: 24 tracks drawn without repetition, with pauses between them.
#pragma once

namespace gnamm {

class Suoni;

inline constexpr int kNumeroMusiche = 24;
// Length in seconds of track k = 1..24.
int DurataMusica(int k);

// Starts the next track, each track once per cycle of 24.
void ScegliMusiche(Suoni& s);
// Switches the music off: no countdown, no pause, the channel closed.
void SpegniMusiche(Suoni& s);
// A Torneo taken up again: the track it was playing starts again from its beginning (a channel
// cannot seek) with no new draw, and its countdown goes on as saved, so the next draw comes
// when it would have. In the pause between tracks, or with the music off, the channel is quiet.
void RiprendiMusica(Suoni& s);
// "Pausa Musiche" changed: the pause takes its new length, and a pause under way starts again
// at it (left off, the next piece would never come).
void PausaCambiata(Suoni& s);
// Ticks of TmrMusiche (one second of the track) and TmrSilenzio (the pause is over).
void OnMusiche(Suoni& s);
void OnSilenzio(Suoni& s);

}  // namespace gnamm
