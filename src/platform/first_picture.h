// The first picture on screen: the splash alone, shown as soon as the window is open, before the
// sound, the data files, the fonts and the game behind it are set up. The first whole frame
// follows with the title and the name prompt over it.
#pragma once

#include <SDL.h>

#include <string>

#include "platform/main_window.h"
#include "platform/screen_renderer.h"

namespace gnamm::platform {

// Where the start-up screen puts the splash on a window of w x h pixels: over the whole table,
// the largest 4:3 area the window holds, centred.
SDL_Rect FirstPictureRect(int w, int h);

// Draws the picture `name` there and puts it on screen; false when it cannot be loaded. With
// GNAMM_FRAME_LOG in the environment it says on stderr when it was shown (wall clock), as the
// main loop does for its frames.
bool ShowFirstPicture(MainWindow& window, ScreenRenderer& renderer, const std::string& name);

}  // namespace gnamm::platform
