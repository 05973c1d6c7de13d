// Card noises and the click.
#pragma once

namespace gnamm {

class Suoni;

// The click of a caption or panel; TmrCarta frees the indicator after it.
void SuonoClic(Suoni& s);
// One of the three card-play noises; TmrRumoregioco frees the indicator after it.
void RumoreGioco(Suoni& s);
// The capture noise, holding the sound indicator until TmrPresa.
void SuonoPresa(Suoni& s);
// One dealing noise on the noise channel.
void RumoreDistribuzione(Suoni& s);
void OnCarta(Suoni& s);
void OnRumoregioco(Suoni& s);

}  // namespace gnamm
