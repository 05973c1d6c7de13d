// Time as the game sees it: a monotonic millisecond count and the time of day.
//
// The app uses the system clock; tests and the simulator use VirtualClock, which only moves
// when told, so every run is exactly repeatable.
#pragma once

#include <cstdint>

namespace gnamm {

struct TimeOfDay {
    int year = 2000;  // four digits
    int month = 1;    // 1..12
    int day = 1;      // 1..31
    int hour = 0;     // 0..23
    int minute = 0;   // 0..59
    int second = 0;   // 0..59
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual int64_t nowMs() const = 0;
    virtual TimeOfDay timeOfDay() const = 0;
};

// The real clock: steady time for timers, local time for the random draw and the hall of fame.
class SystemClock final : public Clock {
  public:
    int64_t nowMs() const override;
    TimeOfDay timeOfDay() const override;
};

// A clock that stands still until advanced. Its time of day starts at a pinned moment and
// moves on with the milliseconds, so draws that mix in the clock stay repeatable.
class VirtualClock final : public Clock {
  public:
    explicit VirtualClock(TimeOfDay start = {}) : start_(start) {}
    int64_t nowMs() const override { return nowMs_; }
    TimeOfDay timeOfDay() const override;
    void set(int64_t ms) { nowMs_ = ms; }
    void advance(int64_t ms) { nowMs_ += ms; }

  private:
    TimeOfDay start_;
    int64_t nowMs_ = 0;
    // The last answer of timeOfDay(): the random draw asks for it hundreds of times a deal.
    mutable bool cacheValid_ = false;
    mutable int64_t cachedMs_ = 0;
    mutable TimeOfDay cached_;
};

}  // namespace gnamm
