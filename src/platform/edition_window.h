// The edition window shown after the farewell: a page with the game's name and version, the
// credits of its assets in a box that scrolls when they do not fit, and how to close it.
// Escape, Enter, a click or the window's close button end the program.
#pragma once

#include <string>
#include <vector>

#include "platform/text_renderer.h"

namespace gnamm::platform {

inline constexpr const char* kEditionHint = "Premi Esc o fai clic per chiudere";

// The text of the window: title, version line, then the credits (or a line saying there are
// none), tabs and Windows line ends already made plain.
struct EditionText {
    std::string title = "Gnamm";
    std::string version;
    std::string credits;
};
EditionText MakeEditionText(const std::string& version, const std::string& creditsFileContents);

// Where the last drawing put things, for scrolling and clicks.
struct EditionLayout {
    int lines = 0;         // lines of the credits after wrapping
    int rows = 0;          // how many of them the box shows at once
    SDL_Rect credits{};    // the box of the credits
    SDL_Rect scrollBar{};  // its track; empty when everything fits
    SDL_Rect thumb{};      // the part of the track standing for the lines shown
    int maxScroll() const { return lines > rows ? lines - rows : 0; }
};

// The fixed-width face the credits are laid out in; `fallback` when none is installed.
FontFiles MonoFonts(const FontFiles& fallback);

// Draws the page onto a renderer with the credits, in `mono`, scrolled down by `scroll` lines
// (bounded).
EditionLayout DrawEdition(SDL_Renderer* renderer, TextRenderer& text, TextRenderer& mono,
                          const EditionText& edition, int scroll);

// The first line to show when the scroll bar's track is clicked at height y.
int ScrollForBarClick(const EditionLayout& layout, int y);

// Shows the window and waits until the player closes it.
void RunEditionWindow(const EditionText& edition, const FontFiles& fonts);

}  // namespace gnamm::platform
