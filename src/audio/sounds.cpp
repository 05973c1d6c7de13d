#include "audio/sounds.h"

#include "game/game.h"

namespace gnamm {

void AvviaSuono(Game&, Channel, std::string_view) {}
void ChiudiSuoni(Game&) {}
void SuonoClic(Game&) {}
void RumoreGioco(Game&) {}
void OnCarta(Game&) {}
void OnRumoregioco(Game&) {}

}  // namespace gnamm
