// The game's window: created at the desktop's size for full screen, or as a 4:3 window that
// can be resized; F11 and Alt+Enter switch between the two.
#pragma once

#include <filesystem>

#include "platform/sdl_handles.h"
#include "platform/window_mode.h"

namespace gnamm::platform {

class MainWindow {
  public:
    // Null window and renderer when SDL cannot make them.
    MainWindow(WindowMode mode, const std::filesystem::path& dataFolder);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    bool ok() const { return window_ && renderer_; }
    SDL_Window* window() const { return window_.get(); }
    SDL_Renderer* renderer() const { return renderer_.get(); }

    // Full screen, when that is the mode, is entered only once the first frame shows: SDL
    // waits up to a tenth of a second for a window manager to agree, and with none (a
    // bare X server) it waits all of it.
    // Returns true when it switched, which leaves the window's pixels to be drawn again.
    bool finishOpening();
    void toggleFullScreen();
    // A new size of a window (not full screen) is kept for the next run.
    void resized(int w, int h);
    Size size() const;

  private:
    void apply();

    WindowMode mode_;
    std::filesystem::path dataFolder_;
    Size desktop_;  // the whole screen, for full screen
    Size usable_;   // what its panels leave free, for a window
    WindowPtr window_;
    RendererPtr renderer_;
};

}  // namespace gnamm::platform
