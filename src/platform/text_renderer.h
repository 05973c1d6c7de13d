// Text of the screen model drawn with SDL_ttf: fonts by pixel size, wrapped inside a box.
//
// Rendered blocks are kept, keyed by everything that shapes them, because most labels change
// rarely while the window redraws around them.
#pragma once

#include <cstddef>
#include <filesystem>
#include <map>
#include <string>
#include <tuple>

#include "platform/sdl_handles.h"
#include "ui/screen.h"

namespace gnamm::platform {

// The regular and bold faces of the game's font; empty paths when none is installed.
struct FontFiles {
    std::filesystem::path regular;
    std::filesystem::path bold;
};
FontFiles FindFonts();

class TextRenderer {
  public:
    TextRenderer(SDL_Renderer* renderer, FontFiles files)
        : renderer_(renderer), files_(std::move(files)) {}

    // Draws the text wrapped to the box's width, clipped to the box. No font: nothing drawn.
    // False when the wrapped text is larger than the box, so that some of it is cut off.
    bool draw(const std::string& text, SDL_Rect box, int pixelSize, bool bold, Rgb color,
              Align align);
    // Draws one line that always fits the box's width: at a smaller size when it is too wide,
    // down to three quarters of the size, then cut with an ellipsis. True when it was cut.
    bool drawFitted(const std::string& text, SDL_Rect box, int pixelSize, bool bold, Rgb color,
                    Align align);
    // Width and height of one line of text, {0, 0} without a font.
    std::pair<int, int> measure(const std::string& text, int pixelSize, bool bold);
    // The height of a line at the size.
    int lineHeight(int pixelSize, bool bold);

    bool hasFont() const { return !files_.regular.empty(); }
    void endFrame();
    void clear() { blocks_.clear(); }

  private:
    TTF_Font* font(int pixelSize, bool bold);
    using BlockKey = std::tuple<std::string, int, bool, uint32_t, int, int>;
    struct Block {
        TexturePtr texture;
        int w = 0, h = 0;
        bool used = false;
    };
    SDL_Renderer* renderer_;
    FontFiles files_;
    std::map<std::pair<int, bool>, FontPtr> fonts_;
    std::map<BlockKey, Block> blocks_;
};

}  // namespace gnamm::platform
