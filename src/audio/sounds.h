// Card noises, the click, and closing the channels.
#pragma once

#include <string_view>
#include "audio/media_player.h"

namespace gnamm {

class Game;
struct TableState;

void AvviaSuono(Game& g, Channel channel, std::string_view file);
void ChiudiSuoni(Game& g);
void SuonoClic(Game& g);
void RumoreGioco(Game& g);
void OnCarta(Game& g);
void OnRumoregioco(Game& g);

}  // namespace gnamm
