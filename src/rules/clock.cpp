#include "rules/clock.h"

#include <chrono>
#include <ctime>

namespace gnamm {

int64_t SystemClock::nowMs() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

TimeOfDay SystemClock::timeOfDay() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

TimeOfDay VirtualClock::timeOfDay() const {
    if (cacheValid_ && cachedMs_ == nowMs_) return cached_;
    // Only the time within the day moves; a test run never crosses midnight in practice,
    // and when it does the date simply stays put.
    const int64_t startSeconds = start_.hour * 3600 + start_.minute * 60 + start_.second;
    const int64_t seconds = (startSeconds + nowMs_ / 1000) % 86400;
    TimeOfDay t = start_;
    t.hour = static_cast<int>(seconds / 3600);
    t.minute = static_cast<int>(seconds / 60 % 60);
    t.second = static_cast<int>(seconds % 60);
    cacheValid_ = true;
    cachedMs_ = nowMs_;
    cached_ = t;
    return t;
}

}  // namespace gnamm
