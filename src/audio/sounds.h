// Card noises, the click, and closing the channels.
#pragma once

#include <string_view>

#include "audio/media_player.h"

namespace gnamm {

class Game;
struct TableState;
struct SpiaSuoni;

// The sound indicator SpiaSuoni is taken while a noise, a remark or a saloon sound plays, so
// that nothing talks over it; only these write it.
void OccupaSpia(SpiaSuoni& spia);
void LiberaSpia(SpiaSuoni& spia);
// Frees the indicator unless the hall of fame panel shows: it holds the indicator for as long
// as it is up, so that nothing talks over the end of a Torneo.
void LiberaSpiaFuoriAlbo(Game& g);

// Starts an asset on a channel: rewind, close, set the file, open, play.
void AvviaSuono(Game& g, Channel channel, std::string_view file);
// Stops, rewinds and closes the noise, ambience, impatience and comment channels.
void ChiudiSuoni(Game& g);
// The click of a caption or panel; TmrCarta frees the indicator after it.
void SuonoClic(Game& g);
// One of the three card-play noises; TmrRumoregioco frees the indicator after it.
void RumoreGioco(Game& g);
// The capture noise, holding the sound indicator until TmrPresa.
void SuonoPresa(Game& g);
void OnCarta(Game& g);
// The design intervals of the sound, remark and impatience timers before their first use.
void IntervalliInizialiSuoni(Game& g);
void OnRumoregioco(Game& g);
// Frees the indicator when none of the sounds that take it is under way. The hall of fame
// holds the indicator while it shows, and the ends of remarks and ambience that fall meanwhile
// leave it taken; closing the panel lets it go, or Nonno Zeb would stay silent.
void LiberaSpiaSeTace(Game& g);

}  // namespace gnamm
