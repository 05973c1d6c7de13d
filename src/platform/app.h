// src/platform owns everything SDL: the window, drawing the screen model, input turned into
// game events, SDL_mixer behind MediaPlayer, the real clock and the main loop. It sits on top
// and may include every other folder; no other folder includes it.
//
// The program: SDL set up, the game started in its window, the main loop, the edition window.
#pragma once

namespace gnamm::platform {

// Runs the game; the exit status of the program (non-zero when there is no display).
int RunApp(int argc, char** argv);

}  // namespace gnamm::platform
