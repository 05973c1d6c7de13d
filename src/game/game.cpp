#include "game/game.h"

namespace gnamm {

void AdvanceVirtualTime(Game& g, VirtualClock& clock, int64_t ms) {
    const int64_t target = clock.nowMs() + ms;
    while (const auto deadline = g.scheduler.nextDeadline()) {
        if (*deadline > target) break;
        if (*deadline > clock.nowMs()) clock.set(*deadline);
        g.fireDueTimers();
    }
    clock.set(target);
}

}  // namespace gnamm
