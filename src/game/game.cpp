#include "game/game.h"

#include <utility>

#include "audio/sounds.h"
#include "audio/table_sounds.h"
#include "persona/zeb_reactions.h"

namespace gnamm {

Game::Game(Clock& clockIn, RandomSource& rngIn, MediaPlayer& mediaIn, Paths pathsIn)
    : clock(clockIn), rng(rngIn), media(mediaIn), paths(std::move(pathsIn)), scheduler(clockIn) {
    IntervalliInizialiSuoni(*this);
}

void Game::annuncia(const EventoTavolo& e) {
    const bool parlato = ReagisceZeb(*this, e);
    ReagisconoISuoni(*this, e, parlato);
}

}  // namespace gnamm
