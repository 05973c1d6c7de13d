// The SIGHUP flag.
#include "platform/hangup_signal.h"

#include <csignal>

namespace gnamm::platform {

namespace {

volatile std::sig_atomic_t hangup = 0;

extern "C" void OnHangup(int) { hangup = 1; }

}  // namespace

void CatchHangup() {
    struct sigaction sa {};
    sa.sa_handler = OnHangup;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = 0;  // no SA_RESTART: the main loop's wait returns at once
    sigaction(SIGHUP, &sa, nullptr);
}

bool HangupCaught() { return hangup != 0; }

}  // namespace gnamm::platform
