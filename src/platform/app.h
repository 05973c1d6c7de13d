// The program: SDL set up, the game started in its window, the main loop, the edition window.
#pragma once

namespace gnamm::platform {

// Runs the game; the exit status of the program (non-zero when there is no display).
int RunApp(int argc, char** argv);

}  // namespace gnamm::platform
