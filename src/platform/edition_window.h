// The edition window shown after the farewell: the game's name, its version and the credits of
// its assets. Closing it, Enter or Escape ends the program.
#pragma once

#include <string>
#include <vector>

#include "platform/text_renderer.h"

namespace gnamm::platform {

// The text of the window: title, version line, then the credits (or a line saying there are
// none).
struct EditionText {
    std::string title = "Gnamm";
    std::string version;
    std::string credits;
};
EditionText MakeEditionText(const std::string& version, const std::string& creditsFileContents);

// Draws the window's text onto a renderer, scrolled down by `scroll` lines. Returns how many
// lines the credits hold after wrapping, so the caller can bound the scrolling.
int DrawEdition(SDL_Renderer* renderer, TextRenderer& text, const EditionText& edition, int scroll);

// Shows the window and waits until the player closes it.
void RunEditionWindow(const EditionText& edition, const FontFiles& fonts);

}  // namespace gnamm::platform
