#include "game/game.h"

#include <utility>

#include "audio/sounds.h"

namespace gnamm {

Game::Game(Clock& clockIn, RandomSource& rngIn, MediaPlayer& mediaIn, Paths pathsIn)
    : clock(clockIn), rng(rngIn), media(mediaIn), paths(std::move(pathsIn)), scheduler(clockIn) {
    IntervalliInizialiSuoni(*this);
}

}  // namespace gnamm
