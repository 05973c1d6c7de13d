// The one owner of every game timer.
//
// Semantics the game was designed on:
//  - enabling a timer (re)starts its countdown; changing the interval of an enabled timer
//    restarts it; a disabled timer (or one with interval 0) never fires;
//  - an enabled timer fires every interval until disabled;
//  - timers due at the same moment fire in the order they were enabled.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "rules/clock.h"
#include "rules/timers.h"

namespace gnamm {

class Scheduler {
public:
    using Handler = std::function<void(Timer)>;

    explicit Scheduler(const Clock& clock) : clock_(clock) {}

    void enable(Timer t);
    void disable(Timer t);
    void setEnabled(Timer t, bool on) { on ? enable(t) : disable(t); }
    void setInterval(Timer t, int ms);
    // Sets the interval and (re)starts the countdown: the one way to start a timer.
    void start(Timer t, int ms);
    // Starts with the interval already set (the stored options set some), or with ms when the
    // timer has none yet: a timer without an interval never fires and would stall the game.
    void startKeepingInterval(Timer t, int ms);

    bool isEnabled(Timer t) const { return slot(t).enabled; }
    int interval(Timer t) const { return slot(t).intervalMs; }

    // A saved Torneo keeps each running timer's countdown and its place among timers due
    // together, and starts it again where it stood.
    int64_t remainingMs(Timer t) const { return slot(t).deadline - clock_.nowMs(); }
    uint64_t startOrder(Timer t) const { return slot(t).enabledOrder; }
    // Enables the timer with `remainingMs` left before its next tick, then `intervalMs` each.
    void resume(Timer t, int intervalMs, int64_t remainingMs);

    // The earliest moment an enabled timer is due, if any.
    std::optional<int64_t> nextDeadline() const;

    // Fires, in order, every tick due at or before the clock's present time. A handler may
    // enable, disable and re-time any timer, itself included.
    void fireDue(const Handler& handler);

private:
    struct Slot {
        bool enabled = false;
        int intervalMs = 0;
        int64_t deadline = 0;
        uint64_t enabledOrder = 0;  // when it was last (re)started
    };
    Slot& slot(Timer t) { return slots_[static_cast<int>(t)]; }
    const Slot& slot(Timer t) const { return slots_[static_cast<int>(t)]; }
    void restart(Slot& s);
    // Keeps the bit of timer t in running_ in step with its slot.
    void noteRunning(Timer t);

    const Clock& clock_;
    std::array<Slot, kTimerCount> slots_{};
    // One bit per timer that can fire (enabled, with an interval): the scans for the next tick
    // visit only these few instead of every timer, many times a second of game.
    uint32_t running_ = 0;
    static_assert(kTimerCount <= 32, "running_ holds one bit per timer");
    uint64_t nextOrder_ = 1;
    // The answer of nextDeadline() until a timer changes: the loop asks before and after
    // every tick.
    mutable bool nextKnown_ = false;
    mutable std::optional<int64_t> next_;
};

}  // namespace gnamm
