// Draws the screen model onto any SDL_Renderer: the window's, or a software renderer over a
// surface in the tests.
//
// Everything is drawn in the one z-order, scaled from the model's canvas to the renderer's
// output size; there is no state of the game here, only caches of pictures and text, and the
// last frame: where the renderer can draw into a texture, a frame redraws only the part of
// the window whose elements changed, and copies the rest from the frame before.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "platform/cards_ahead.h"
#include "platform/changed_areas.h"
#include "platform/scale.h"
#include "platform/text_renderer.h"
#include "platform/texture_cache.h"
#include "platform/z_order.h"
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
    // Draws the picture `name` alone at `where`, the rest of the window in `margin`, before
    // there is a screen model to draw; the caller presents it. Its texture is kept for the
    // frames that follow, and the next frame is drawn whole. False (nothing drawn) when the
    // picture cannot be loaded.
    bool drawAlone(const std::string& name, SDL_Rect where, Rgb margin);

    // How many lines of the list box show at once at the last frame's size.
    int rowsShown(const Element& list);

    // Makes one more card picture ahead of need at the size the next frame would draw the card
    // places of `screen` (see CardsAhead). False when all are made, or before the first frame.
    bool prepareAhead(const Screen& screen);

    // Forgets every texture, for a renderer that has lost them (a device reset).
    void reset();
    // Forgets the last frame, for a window whose pixels went with a switch of full screen:
    // the next frame is drawn whole.
    void forgetFrame() { canvasValid_ = false; }

    // Pixels of the window redrawn by the last frame (all of them for a whole frame).
    long long lastRedrawnPixels() const { return lastRedrawn_; }
    // Every frame redrawn whole, as on a renderer without texture targets (for measuring).
    void setWholeFrames(bool whole) { wholeFrames_ = whole; }
    // True when the renderer draws straight into a window's surface, which keeps the last
    // frame: the caller then shows only lastAreas() of it (SDL_UpdateWindowSurfaceRects).
    bool drawsOnWindowSurface() const { return direct_; }
    // The rectangles of pixels the last frame changed, tooltip included; none when none did.
    const std::vector<SDL_Rect>& lastAreas() const { return lastAreas_.rects(); }

    // The elements whose text the last frame had to cut off at their box (drawn whole frames
    // only: see setWholeFrames).
    const std::vector<const Element*>& textsCut() const { return textsCut_; }

    // The transform of the last frame drawn.
    const Scale& scale() const { return scale_; }
    TextureCache& textures() { return textures_; }

  private:
    // An element as the last frame drew it, keyed by its place in the Screen.
    struct Drawn {
        Element element;
        SDL_Rect rect;
        Drawing drawing;
        std::size_t z = 0;  // its place in that frame's z-order
    };
    // Forgets the textures and the kept frame when the window's size changed.
    void followOutputSize(int outW, int outH);
    // The texture a frame is drawn into, where the renderer has them and there is none yet.
    void makeCanvas(int outW, int outH);
    // The parts of the window this frame redraws: the whole of it unless the last frame is kept.
    ChangedAreas areasToRedraw(const Screen& screen, const std::vector<Placed>& placed,
                               const std::vector<SDL_Rect>& rects, bool caret, int outW,
                               int outH) const;
    // Redraws `area` of the window: its background, then every element over it, bottom up.
    void drawArea(const Screen& screen, bool caret, const std::vector<Placed>& placed,
                  const std::vector<SDL_Rect>& rects, SDL_Rect area);
    // True for a card in flight (ImgVolo) not drawn at that place by the last frame, its first
    // frame included: it is drawn shrunk from the nearest size kept, not made afresh at each size
    // it passes through.
    bool flying(const Screen& screen, const Placed& p, const SDL_Rect& r) const;
    // The element's picture at w x h; a card in flight takes the nearest kept size instead.
    SDL_Texture* picture(const Screen& screen, const Placed& p, const SDL_Rect& r, int w, int h);
    void drawElement(const Screen& screen, const Placed& p, SDL_Rect r, int outline, bool caret);
    // A label's or a box's text, with the name box's caret when it shows.
    void drawLabel(const Element& e, SDL_Rect r, bool caret);
    // Puts the frame on the window and keeps it, where it can be kept, for the next one.
    void keepFrame(const Screen& screen, const std::vector<Placed>& placed,
                   const std::vector<SDL_Rect>& rects, bool caret, int outW, int outH);
    // The parts of the window to redraw: where each changed element was and is.
    ChangedAreas changedAreas(const Screen& screen, const std::vector<Placed>& placed,
                              const std::vector<SDL_Rect>& rects, bool caret) const;
    void remember(const Screen& screen, const std::vector<Placed>& placed,
                  const std::vector<SDL_Rect>& rects, bool caret);
    void drawLines(const std::vector<std::string>& lines, std::size_t first, SDL_Rect box,
                   const Element& e);
    // The search panel: its first line across the top, the moves in columns below.
    void drawCervello(const std::vector<std::string>& lines, SDL_Rect box, const Element& e);
    // Draws the tooltip and returns where it went (empty when there is none).
    SDL_Rect drawTooltip(const Overlay& overlay, int outW, int outH);
    void fill(SDL_Rect r, Rgb c);
    void frame(SDL_Rect r, Rgb c, int thickness);

    SDL_Renderer* renderer_;
    TextureCache textures_;
    CardsAhead ahead_;
    TextRenderer text_;
    Scale scale_;
    int lastW_ = 0, lastH_ = 0;

    TexturePtr canvas_;  // the last frame, where the renderer can draw into textures
    bool canvasValid_ = false;
    std::map<std::ptrdiff_t, Drawn> drawn_;
    Rgb drawnBack_;
    int drawnAlboTop_ = 0;
    std::vector<std::string> drawnAlbo_, drawnCervello_;
    bool drawnCaret_ = false;
    long long lastRedrawn_ = 0;
    bool wholeFrames_ = false;
    bool direct_ = false;
    int keptW_ = 0, keptH_ = 0;  // the size of the window surface when last drawn
    ChangedAreas lastAreas_;
    SDL_Rect tooltipRect_{0, 0, 0, 0};  // where the last tooltip was drawn
    std::vector<const Element*> textsCut_;
};

// The text of a label as it is drawn: Windows line ends become plain ones.
std::string DisplayText(const std::string& text);

// True when the two models would draw the same picture, so a frame can be skipped.
bool SameDrawing(const Screen& a, const Screen& b);

}  // namespace gnamm::platform
