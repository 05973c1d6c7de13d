// The saloon ambience cycle.
#pragma once

namespace gnamm {

class Game;
struct TableState;

void Ambiente(Game& g);
void OnAmbiente(Game& g);
void OnDurataAmbiente(Game& g);

}  // namespace gnamm
