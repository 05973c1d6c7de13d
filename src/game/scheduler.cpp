#include "game/scheduler.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace gnamm {

void Scheduler::noteRunning(Timer t) {
    const Slot& s = slot(t);
    const uint32_t bit = 1u << static_cast<int>(t);
    running_ = s.enabled && s.intervalMs > 0 ? running_ | bit : running_ & ~bit;
    nextKnown_ = false;
}

void Scheduler::restart(Slot& s) {
    s.deadline = clock_.nowMs() + s.intervalMs;
    s.enabledOrder = nextOrder_++;
}

void Scheduler::enable(Timer t) {
    Slot& s = slot(t);
    s.enabled = true;
    restart(s);
    noteRunning(t);
}

void Scheduler::disable(Timer t) {
    slot(t).enabled = false;
    noteRunning(t);
}

void Scheduler::setInterval(Timer t, int ms) {
    Slot& s = slot(t);
    s.intervalMs = ms < 0 ? 0 : ms;
    if (s.enabled) restart(s);
    noteRunning(t);
}

void Scheduler::start(Timer t, int ms) {
    Slot& s = slot(t);
    s.intervalMs = ms < 0 ? 0 : ms;
    s.enabled = true;
    restart(s);
    noteRunning(t);
}

void Scheduler::resume(Timer t, int intervalMs, int64_t remainingMs) {
    start(t, intervalMs);
    slot(t).deadline = clock_.nowMs() + remainingMs;
    nextKnown_ = false;
}

void Scheduler::startKeepingInterval(Timer t, int ms) {
    start(t, interval(t) > 0 ? interval(t) : ms);
}

std::optional<int64_t> Scheduler::nextDeadline() const {
    if (!nextKnown_) {
        int64_t best = INT64_MAX;
        for (uint32_t bits = running_; bits != 0; bits &= bits - 1) {
            best = std::min(best, slots_[std::countr_zero(bits)].deadline);
        }
        next_ = running_ != 0 ? std::optional<int64_t>(best) : std::nullopt;
        nextKnown_ = true;
    }
    return next_;
}

void Scheduler::fireDue(const Handler& handler) {
    for (;;) {
        const int64_t now = clock_.nowMs();
        int due = -1;
        for (uint32_t bits = running_; bits != 0; bits &= bits - 1) {
            const int i = std::countr_zero(bits);
            const Slot& s = slots_[i];
            if (s.deadline > now) continue;
            if (due < 0 || s.deadline < slots_[due].deadline ||
                (s.deadline == slots_[due].deadline && s.enabledOrder < slots_[due].enabledOrder)) {
                due = i;
            }
        }
        if (due < 0) return;
        Slot& s = slots_[due];
        // Schedule the next tick before the handler runs; a restart inside it wins.
        s.deadline += s.intervalMs;
        if (s.deadline <= now) s.deadline = now + s.intervalMs;  // late real clock: no burst
        nextKnown_ = false;
        handler(static_cast<Timer>(due));
    }
}

}  // namespace gnamm
