// Showing the splash before anything it does not need.
#include "platform/first_picture.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace gnamm::platform {

SDL_Rect FirstPictureRect(int w, int h) {
    // As start-up lays the splash out: the design's whole canvas, fitted to the window.
    const CanvasTwips canvas = FittedCanvas(w, h);
    const Rect r = Scale::ForOutput(w, h, canvas.w, canvas.h).toPixels({0, 0, canvas.w, canvas.h});
    return {r.x, r.y, r.w, r.h};
}

bool ShowFirstPicture(MainWindow& window, ScreenRenderer& renderer, const std::string& name) {
    const Size s = window.size();
    // The table's colour until the player's settings are read: most keep it.
    if (!renderer.drawAlone(name, FirstPictureRect(s.w, s.h), Screen{}.windowBack)) return false;
    if (renderer.drawsOnWindowSurface()) {
        SDL_RenderFlush(window.renderer());
        SDL_UpdateWindowSurface(window.window());
    } else {
        SDL_RenderPresent(window.renderer());
    }
    if (std::getenv("GNAMM_FRAME_LOG")) {
        const auto wall = std::chrono::system_clock::now().time_since_epoch();
        std::fprintf(stderr, "gnamm-first-picture shown_unix_ns=%lld\n",
                     static_cast<long long>(
                         std::chrono::duration_cast<std::chrono::nanoseconds>(wall).count()));
    }
    return true;
}

}  // namespace gnamm::platform
