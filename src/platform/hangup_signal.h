// SIGHUP (the terminal or the session went away) ends the game as the window's close button
// does. SDL turns SIGINT and SIGTERM into SDL_QUIT itself; SIGHUP only sets a flag here, the one
// thing a signal handler may safely do, and the main loop looks at it after every wait (the
// signal cuts the wait short).
#pragma once

namespace gnamm::platform {

void CatchHangup();
bool HangupCaught();

}  // namespace gnamm::platform
