// Draws the screen model onto any SDL_Renderer: the window's, or a software renderer over a
// surface in the tests.
//
// Everything is drawn in the one z-order, scaled from the model's canvas to the renderer's
// output size; there is no state of the game here, only caches of pictures and text.
#pragma once

#include <string>

#include "platform/scale.h"
#include "platform/text_renderer.h"
#include "platform/texture_cache.h"
#include "ui/screen.h"

namespace gnamm::platform {

// What the platform draws over the model: the tooltip under a resting pointer and the caret
// of the name box.
struct Overlay {
    std::string tooltip;
    int tooltipX = 0, tooltipY = 0;  // pixels: the pointer
    bool caret = false;
};

class ScreenRenderer {
  public:
    ScreenRenderer(SDL_Renderer* renderer, PictureLoader loader, FontFiles fonts);

    // Draws a whole frame; the caller presents it.
    void draw(const Screen& screen, const Overlay& overlay = {});

    // How many lines of the list box show at once at the last frame's size.
    int rowsShown(const Element& list);

    // Forgets every texture, for a renderer that has lost them (a device reset).
    void reset();

    // The transform of the last frame drawn.
    const Scale& scale() const { return scale_; }
    TextureCache& textures() { return textures_; }

  private:
    void drawLines(const std::vector<std::string>& lines, std::size_t first, SDL_Rect box,
                   const Element& e);
    void drawTooltip(const Overlay& overlay, int outW, int outH);
    void fill(SDL_Rect r, Rgb c);
    void frame(SDL_Rect r, Rgb c, int thickness);

    SDL_Renderer* renderer_;
    TextureCache textures_;
    TextRenderer text_;
    Scale scale_;
    int lastW_ = 0, lastH_ = 0;
};

// The text of a label as it is drawn: Windows line ends become plain ones.
std::string DisplayText(const std::string& text);

// True when the two models would draw the same picture, so a frame can be skipped.
bool SameDrawing(const Screen& a, const Screen& b);

}  // namespace gnamm::platform
