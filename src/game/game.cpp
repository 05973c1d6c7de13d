#include "game/game.h"

#include <utility>

#include "rules/speeds.h"

namespace gnamm {

Game::Game(Clock& clockIn, RandomSource& rngIn, Paths pathsIn)
    : clock(clockIn), rng(rngIn), paths(std::move(pathsIn)), scheduler(clockIn) {
    // The design intervals of the sound, remark and impatience timers before their first use.
    for (const auto& [timer, ms] : speeds::kIntervalliIniziali) scheduler.setInterval(timer, ms);
}

void Game::annuncia(const EventoTavolo& e) {
    bool parlato = false;
    for (AscoltatoreTavolo* a : ascoltatori) {
        if (a->sente(e.cosa)) parlato = a->ascolta(e, parlato) || parlato;
    }
}

ContestoTavolo Game::contesto() {
    return {scheduler, spia, rng, clock, opzioni, livello, tavolo, partita, classifica};
}

}  // namespace gnamm
