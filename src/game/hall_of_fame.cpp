#include "game/hall_of_fame.h"

#include "game/game.h"

namespace gnamm {

void LeggiClassifica(Game&) {}
void AggiornaClassifica(Game&) {}
void AggiornaAlbo(Game&) {}
void ScriviClassifica(Game&) {}
void OnLampeggiaScritta(Game&) {}
void OnLampeggiaScritta2(Game&) {}

}  // namespace gnamm
