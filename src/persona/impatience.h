// Nonno Zeb urging a slow player: the waiting timer, the twelve urging lines and the photo
// that stays until the human plays.
#pragma once

namespace gnamm {

class NonnoZeb;
class Scheduler;

// Starts (or restarts) the wait before the next urging, as "Impazienza Zeb" sets it; with
// "Quiet" the timer is left alone.
void ArmaImpazienza(NonnoZeb& z);
// Starts the wait again after the human has done something (nothing with "Quiet").
void RiarmaImpazienza(NonnoZeb& z);
// Stops the wait: the human has played, or Nonno Zeb's remarks are off.
void FermaImpazienza(Scheduler& s);
// "Impazienza Zeb" changed: "Quiet" stops the wait; another setting re-times it, and restarts
// it when the player is the one to play (turnoUmano) and it was not running or is now the
// shorter "Impatient" wait.
void ImpazienzaCambiata(NonnoZeb& z, bool turnoUmano);
// The human has played: the impatience photo gives way to the level portrait, at once or when
// the running urging ends. The caller has already stopped TmrImpazienza.
void ImpazienzaCartaGiocata(NonnoZeb& z);
// One urging line, drawn at random (repeats allowed), on the impatience channel.
void ScegliImpazienza(NonnoZeb& z);
// Ticks of TmrImpazienza and TmrDurataImpazienza.
void OnImpazienza(NonnoZeb& z);
void OnDurataImpazienza(NonnoZeb& z);

}  // namespace gnamm
