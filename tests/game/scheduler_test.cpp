#include "game/scheduler.h"

#include <gtest/gtest.h>

#include <vector>

namespace gnamm {
namespace {

using Fired = std::vector<std::pair<int64_t, Timer>>;

// A scheduler on a virtual clock that writes down when each timer fires.
struct Harness {
    VirtualClock clock;
    Scheduler scheduler{clock};
    Fired fired;
    std::function<void(Timer)> onFire;

    void advance(int64_t ms) {
        const int64_t target = clock.nowMs() + ms;
        while (auto d = scheduler.nextDeadline()) {
            if (*d > target) break;
            clock.set(*d);
            scheduler.fireDue([this](Timer t) {
                fired.emplace_back(clock.nowMs(), t);
                if (onFire) onFire(t);
            });
        }
        clock.set(target);
    }
};

TEST(Scheduler, AnEnabledTimerFiresEveryIntervalUntilDisabledAndZeroNeverFires) {
    Harness h;
    h.scheduler.start(Timer::Presa, 100);
    h.scheduler.setInterval(Timer::Carta, 50);  // never enabled
    h.scheduler.enable(Timer::Musiche);         // interval 0
    h.advance(350);
    EXPECT_EQ(h.fired, (Fired{{100, Timer::Presa}, {200, Timer::Presa}, {300, Timer::Presa}}));
    h.scheduler.disable(Timer::Presa);
    h.scheduler.start(Timer::Carta, 50);
    h.scheduler.setInterval(Timer::Carta, 0);  // an interval of 0 stops a running timer too
    h.advance(1000);
    EXPECT_TRUE(h.fired.size() == 3u && !h.scheduler.nextDeadline().has_value());
}

TEST(Scheduler, SimultaneousTimersFireInTheOrderTheyWereEnabled) {
    Harness h;
    h.scheduler.start(Timer::Presa, 200);
    h.scheduler.start(Timer::Carta, 200);
    h.advance(200);
    EXPECT_EQ(h.fired, (Fired{{200, Timer::Presa}, {200, Timer::Carta}}));
}

TEST(Scheduler, HandlerCanDisableItselfAndEnableAnother) {
    Harness h;
    h.scheduler.setInterval(Timer::Scegli6Carte, 200);
    int ticks = 0;
    h.onFire = [&](Timer t) {
        if (t == Timer::Scegli4CarteSulTavolo && ++ticks == 2) {
            h.scheduler.disable(Timer::Scegli4CarteSulTavolo);
            h.scheduler.enable(Timer::Scegli6Carte);
        }
    };
    h.scheduler.start(Timer::Scegli4CarteSulTavolo, 200);
    h.advance(1000);
    // 200, 400 for the lay; then 600, 800, 1000 for the hands.
    const Timer lay = Timer::Scegli4CarteSulTavolo, hands = Timer::Scegli6Carte;
    EXPECT_EQ(h.fired, (Fired{{200, lay}, {400, lay}, {600, hands}, {800, hands}, {1000, hands}}));
}

}  // namespace
}  // namespace gnamm
