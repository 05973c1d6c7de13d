// Creating the window and switching it between full screen and windowed.
#include "platform/main_window.h"

#include <algorithm>
#include <cstdlib>

namespace gnamm::platform {

MainWindow::MainWindow(WindowMode mode, const std::filesystem::path& dataFolder)
    : mode_(mode), dataFolder_(dataFolder) {
    SDL_DisplayMode dm;
    if (SDL_GetDesktopDisplayMode(0, &dm) == 0) {
        desktop_ = {dm.w, dm.h};
    } else {
        desktop_ = {kOpeningW, kOpeningH};
    }
    // A window fits in what the desktop's panels leave free.
    SDL_Rect usable;
    usable_ = SDL_GetDisplayUsableBounds(0, &usable) == 0 && usable.w > 0 && usable.h > 0
                  ? Size{std::min(usable.w, desktop_.w), std::min(usable.h, desktop_.h)}
                  : desktop_;
    // Made at the desktop's own size: without a window manager the full-screen flag alone is
    // not applied, and a smaller window would take clicks at an offset. The flag itself comes
    // in finishOpening(), after the first frame.
    const Size s = mode_.fullScreen ? desktop_ : WindowSizeFor(mode_, usable_);
    const int pos = mode_.fullScreen ? 0 : static_cast<int>(SDL_WINDOWPOS_CENTERED);
    window_.reset(SDL_CreateWindow("Gnamm", pos, pos, s.w, s.h, SDL_WINDOW_RESIZABLE));
    if (!window_) return;
    SDL_SetWindowMinimumSize(window_.get(), kMinWindowW, kMinWindowH);
    // SDL's software renderer by default: the game redraws only what changed and sends only
    // that to the display, which costs less than a whole frame through OpenGL, and the window
    // opens without loading a GL driver. SDL_RENDER_DRIVER in the environment picks another.
    const char* chosen = std::getenv("SDL_RENDER_DRIVER");
    if (chosen && *chosen) {
        renderer_.reset(SDL_CreateRenderer(window_.get(), -1, 0));
    }
    if (!renderer_) {
        // The window's surface in plain memory sent to the X server, not a texture of a GL
        // driver that SDL would otherwise load to back it.
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        renderer_.reset(SDL_CreateRenderer(window_.get(), -1, SDL_RENDERER_SOFTWARE));
    }
    if (!renderer_) renderer_.reset(SDL_CreateRenderer(window_.get(), -1, 0));
}

MainWindow::~MainWindow() {
    if (window_) SaveWindowMode(dataFolder_, mode_);
}

Size MainWindow::size() const {
    int w = 0, h = 0;
    if (window_) SDL_GetWindowSize(window_.get(), &w, &h);
    return {w, h};
}

void MainWindow::resized(int w, int h) {
    if (mode_.fullScreen || w < kMinWindowW || h < kMinWindowH) return;
    mode_.width = w;
    mode_.height = h;
}

bool MainWindow::finishOpening() {
    if (!window_ || !mode_.fullScreen) return false;
    SDL_SetWindowFullscreen(window_.get(), SDL_WINDOW_FULLSCREEN_DESKTOP);
    return true;
}

void MainWindow::toggleFullScreen() {
    if (!window_) return;
    if (!mode_.fullScreen) {
        const Size s = size();
        resized(s.w, s.h);
    }
    mode_.fullScreen = !mode_.fullScreen;
    apply();
    SaveWindowMode(dataFolder_, mode_);
}

void MainWindow::apply() {
    SDL_Window* w = window_.get();
    if (mode_.fullScreen) {
        SDL_SetWindowPosition(w, 0, 0);
        SDL_SetWindowSize(w, desktop_.w, desktop_.h);
        SDL_SetWindowFullscreen(w, SDL_WINDOW_FULLSCREEN_DESKTOP);
    } else {
        SDL_SetWindowFullscreen(w, 0);
        const Size s = WindowSizeFor(mode_, usable_);
        SDL_SetWindowSize(w, s.w, s.h);
        SDL_SetWindowPosition(w, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
}

}  // namespace gnamm::platform
