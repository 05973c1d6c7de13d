// The hall of fame of finished Tornei and the ranking of players.
#pragma once

#include <string>
#include <vector>

namespace gnamm {

class Game;

struct RankingState {
    std::vector<std::string> albo;  // LstAlbo, oldest first
};

void LeggiClassifica(Game& g);
void AggiornaClassifica(Game& g);
void AggiornaAlbo(Game& g);
void ScriviClassifica(Game& g);
void OnLampeggiaScritta(Game& g);
void OnLampeggiaScritta2(Game& g);

}  // namespace gnamm
