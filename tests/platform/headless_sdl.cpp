// The platform tests never open the player's display or speakers: SDL's dummy video and audio
// drivers are chosen before any test runs, whatever the environment says.
#include <cstdlib>

namespace {

const bool kHeadless = [] {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    return true;
}();

}  // namespace
