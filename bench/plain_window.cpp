// The yardstick for the game's start-up: the plainest SDL program that opens a window and shows
// one picture, scaled to it. bench/measure_window.sh times it beside the game.
//
// Usage: gnamm-plain-window PICTURE
// Prints the moment the picture was shown (wall clock) on stderr, in the game's frame log
// format, then waits until the window is closed.
#include <SDL.h>
#include <SDL_image.h>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gnamm-plain-window PICTURE\n");
        return 2;
    }
    // The window's surface in plain memory, as the game's: no GL driver loaded to back it.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
    SDL_Window* window =
        SDL_CreateWindow("plain", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 1024, 768, 0);
    SDL_Surface* screen = window ? SDL_GetWindowSurface(window) : nullptr;
    SDL_Surface* picture = screen ? IMG_Load(argv[1]) : nullptr;
    if (!picture) {
        std::fprintf(stderr, "gnamm-plain-window: %s\n", SDL_GetError());
        return 1;
    }
    SDL_BlitScaled(picture, nullptr, screen, nullptr);
    SDL_UpdateWindowSurface(window);
    const auto wall = std::chrono::system_clock::now().time_since_epoch();
    std::fprintf(
        stderr, "gnamm-frame 1 shown_unix_ns=%lld\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(wall).count()));
    SDL_Event ev;
    while (SDL_WaitEvent(&ev) && ev.type != SDL_QUIT) {
    }
    SDL_Quit();
    return 0;
}
