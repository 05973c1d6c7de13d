// The saloon ambience: a random saloon sound every 4 to 10 seconds while the table is quiet.
#pragma once

namespace gnamm {

class Suoni;

// One saloon sound: the sound file, how long it holds the indicator, and the number the
// indicator shows while it plays.
struct SuonoSaloon {
    int file = 0;  // n of "\Saloon\SaNN.wav"
    int durataMs = 0;
    int numero = 0;
};
// Draw k = 1..30, with or without music playing (some sounds make way for the music).
SuonoSaloon SuonoAmbiente(int k, bool musica);

// Plays one saloon sound when the indicator is free.
void Ambiente(Suoni& s);
// Ticks of TmrAmbiente (time for the next sound) and TmrDurataAmbiente (a sound has ended, or
// the cycle starts).
void OnAmbiente(Suoni& s);
void OnDurataAmbiente(Suoni& s);
// "Rumori Saloon" changed: switched on, the cycle starts again.
void AmbienteCambiato(Suoni& s);
// Stops the cycle (end of a Gioco) and lets go of the indicator if a saloon sound held it.
void FermaAmbiente(Suoni& s);

}  // namespace gnamm
