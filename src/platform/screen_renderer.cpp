// Drawing the screen model: fills, pictures, text, borders, lists, the caret and tooltips.
#include "platform/screen_renderer.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "platform/z_order.h"

namespace gnamm::platform {

namespace {

constexpr Rgb kPlaceholderFill{200, 200, 200};
constexpr Rgb kPlaceholderEdge{120, 120, 120};
constexpr Rgb kTooltipBack{255, 255, 225};
constexpr float kTooltipPoints = 8.25f;
constexpr float kOutlinePixels = 3.0f;  // a card outline at 800 x 600

SDL_Rect ToSdl(Rect r) {
    return {r.x, r.y, r.w, r.h};
}

// The square a rectangle sweeps turned about its middle at any angle.
SDL_Rect Turned(SDL_Rect r) {
    const int d = static_cast<int>(std::ceil(std::hypot(r.w, r.h)));
    return {r.x + (r.w - d) / 2, r.y + (r.h - d) / 2, d, d};
}

bool Contains(const SDL_Rect& outer, const SDL_Rect& inner) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.w <= outer.x + outer.w &&
           inner.y + inner.h <= outer.y + outer.h;
}

bool SameRect(const SDL_Rect& a, const SDL_Rect& b) {
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

std::ptrdiff_t PlaceInScreen(const Screen& screen, const Element* e) {
    return reinterpret_cast<const char*>(e) - reinterpret_cast<const char*>(&screen);
}

}  // namespace

std::string DisplayText(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') continue;
            out += '\n';
        } else {
            out += text[i];
        }
    }
    return out;
}

bool SameDrawing(const Screen& a, const Screen& b) {
    if (!(a.windowBack == b.windowBack) || a.widthTwips != b.widthTwips ||
        a.heightTwips != b.heightTwips || a.LstAlboTop != b.LstAlboTop ||
        a.LstAlboLines != b.LstAlboLines || a.cervelloLines != b.cervelloLines) {
        return false;
    }
    const std::vector<Layer> la = ZOrderTable(a);
    const std::vector<Layer> lb = ZOrderTable(b);
    for (std::size_t i = 0; i < la.size() && i < lb.size(); ++i) {
        if (!(*la[i].element == *lb[i].element)) return false;
    }
    return la.size() == lb.size();
}

ScreenRenderer::ScreenRenderer(SDL_Renderer* renderer, PictureLoader loader, FontFiles fonts)
    : renderer_(renderer),
      textures_(renderer, std::move(loader)),
      text_(renderer, std::move(fonts)) {
    // SDL's software renderer on a window draws into the window's own surface, which keeps
    // what was drawn: there the last frame needs no copy of its own.
    SDL_RendererInfo info{};
    direct_ = renderer_ && SDL_RenderGetWindow(renderer_) &&
              SDL_GetRendererInfo(renderer_, &info) == 0 && info.name &&
              std::string_view(info.name) == "software";
}

int ScreenRenderer::rowsShown(const Element& list) {
    const int lh = text_.lineHeight(scale_.fontPixels(list.fontSize), list.bold);
    const int h = scale_.toPixels(list.rect).h - scale_.stroke(1.0f);
    return lh > 0 ? std::max(1, h / lh) : 1;
}

bool ScreenRenderer::prepareAhead(const Screen& screen) {
    if (lastW_ <= 0 || lastH_ <= 0) return false;
    return ahead_.prepareOne(screen, Scale::ForScreen(screen, lastW_, lastH_), textures_);
}

void ScreenRenderer::reset() {
    textures_.clear();
    ahead_.restart();
    text_.clear();
    canvas_.reset();
    canvasValid_ = false;
}

void ScreenRenderer::fill(SDL_Rect r, Rgb c) {
    SDL_SetRenderDrawColor(renderer_, c.r, c.g, c.b, 255);
    SDL_RenderFillRect(renderer_, &r);
}

void ScreenRenderer::frame(SDL_Rect r, Rgb c, int thickness) {
    SDL_SetRenderDrawColor(renderer_, c.r, c.g, c.b, 255);
    for (int i = 0; i < thickness && 2 * i < r.w && 2 * i < r.h; ++i) {
        const SDL_Rect ri{r.x + i, r.y + i, r.w - 2 * i, r.h - 2 * i};
        SDL_RenderDrawRect(renderer_, &ri);
    }
}

bool ScreenRenderer::drawAlone(const std::string& name, SDL_Rect where, Rgb margin) {
    int outW = 0, outH = 0;
    SDL_GetRendererOutputSize(renderer_, &outW, &outH);
    followOutputSize(outW, outH);
    canvasValid_ = false;
    SDL_Texture* t = textures_.get(name, where.w, where.h);
    if (!t) return false;
    SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_NONE);
    const SDL_Rect whole{0, 0, outW, outH};
    if (!Contains(where, whole)) fill(whole, margin);
    SDL_RenderCopy(renderer_, t, nullptr, &where);
    return true;
}

void ScreenRenderer::followOutputSize(int outW, int outH) {
    if (outW == lastW_ && outH == lastH_) return;
    // Every picture is now wanted at another size.
    textures_.clear();
    ahead_.restart();
    canvas_.reset();
    lastW_ = outW;
    lastH_ = outH;
}

void ScreenRenderer::makeCanvas(int outW, int outH) {
    if (direct_ || canvas_ || !SDL_RenderTargetSupported(renderer_) || outW <= 0 || outH <= 0) {
        return;
    }
    canvas_.reset(SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET,
                                    outW, outH));
    if (canvas_) {
        // Copied pixel for pixel: no blending, no filtering.
        SDL_SetTextureBlendMode(canvas_.get(), SDL_BLENDMODE_NONE);
        SDL_SetTextureScaleMode(canvas_.get(), SDL_ScaleModeNearest);
    }
    canvasValid_ = false;
}

void ScreenRenderer::draw(const Screen& screen, const Overlay& overlay) {
    int outW = 0, outH = 0;
    SDL_GetRendererOutputSize(renderer_, &outW, &outH);
    scale_ = Scale::ForScreen(screen, outW, outH);
    followOutputSize(outW, outH);
    makeCanvas(outW, outH);

    const std::vector<Placed> placed = VisibleInZOrder(screen);
    std::vector<SDL_Rect> rects(placed.size());
    for (std::size_t k = 0; k < placed.size(); ++k) {
        rects[k] = ToSdl(scale_.toPixels(placed[k].rect));
        // A turned picture reaches past its rectangle: whatever it may cover is redrawn.
        if (placed[k].element->angolo != 0) rects[k] = Turned(rects[k]);
    }
    ChangedAreas areas = areasToRedraw(screen, placed, rects, overlay.caret, outW, outH);
    if (canvas_ && SDL_SetRenderTarget(renderer_, canvas_.get()) != 0) {
        canvas_.reset();  // drawn straight to the window from now on
        areas.clear();
        areas.add({0, 0, outW, outH});
    }
    lastRedrawn_ = areas.pixels();
    textsCut_.clear();
    // Every fill and border is opaque. Blending them would change no pixel, yet SDL's software
    // renderer would then blend each one by hand: a whole window's fill costs ten times more.
    SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_NONE);
    for (const SDL_Rect& area : areas.rects()) drawArea(screen, overlay.caret, placed, rects, area);
    keepFrame(screen, placed, rects, overlay.caret, outW, outH);

    const SDL_Rect tip = drawTooltip(overlay, outW, outH);
    areas.add(tip);
    lastAreas_ = std::move(areas);
    tooltipRect_ = tip;
    textures_.endFrame();
    text_.endFrame();
}

ChangedAreas ScreenRenderer::areasToRedraw(const Screen& screen, const std::vector<Placed>& placed,
                                           const std::vector<SDL_Rect>& rects, bool caret, int outW,
                                           int outH) const {
    const SDL_Rect whole{0, 0, outW, outH};
    const bool kept =
        direct_ ? canvasValid_ && outW == keptW_ && outH == keptH_ : canvas_ && canvasValid_;
    ChangedAreas areas;
    if (!kept || wholeFrames_ || !(screen.windowBack == drawnBack_)) {
        areas.add(whole);
        return areas;
    }
    areas = changedAreas(screen, placed, rects, caret);
    // The last tooltip was drawn into the kept frame: what lay under it comes back.
    if (direct_) areas.add(tooltipRect_);
    areas.clip(whole);
    return areas;
}

void ScreenRenderer::drawArea(const Screen& screen, bool caret, const std::vector<Placed>& placed,
                              const std::vector<SDL_Rect>& rects, SDL_Rect area) {
    SDL_RenderSetClipRect(renderer_, &area);
    // What an opaque element above covers whole is not drawn: the splash hides the whole
    // table, a panel the cards under it. Pixels are what a big window costs, so this
    // counts; and the pictures under the splash need not even load before the first frame.
    std::vector<bool> hidden(placed.size(), false);
    std::vector<SDL_Rect> covers;
    for (std::size_t k = placed.size(); k-- > 0;) {
        const Element& e = *placed[k].element;
        const SDL_Rect& r = rects[k];
        if (r.w <= 0 || r.h <= 0 || !SDL_HasIntersection(&r, &area) ||
            std::any_of(covers.begin(), covers.end(),
                        [&r](const SDL_Rect& c) { return Contains(c, r); })) {
            hidden[k] = true;
            continue;
        }
        if (e.opaque ||
            (!e.picture.empty() && placed[k].drawing != Drawing::Crosswise && e.angolo == 0 &&
             !flying(screen, placed[k], r) && textures_.opaque(e.picture, r.w, r.h))) {
            covers.push_back(r);
        }
    }
    if (std::none_of(covers.begin(), covers.end(),
                     [&area](const SDL_Rect& c) { return Contains(c, area); })) {
        fill(area, screen.windowBack);
    }
    // A card outline widens with the window, whether or not start-up fitted the layout to it.
    const int outline = std::max(scale_.stroke(kOutlinePixels),
                                 static_cast<int>(std::lround(kOutlinePixels * lastH_ / 600.0f)));
    for (std::size_t k = 0; k < placed.size(); ++k) {
        if (!hidden[k]) drawElement(screen, placed[k], rects[k], outline, caret);
    }
}

void ScreenRenderer::drawElement(const Screen& screen, const Placed& p, SDL_Rect r, int outline,
                                 bool caret) {
    const Element& e = *p.element;
    if (e.opaque) fill(r, e.back);
    if (p.drawing == Drawing::Crosswise && !e.picture.empty()) {
        // Upright at the size it lies across, then turned a quarter about the middle.
        const SDL_Rect upright{r.x + (r.w - r.h) / 2, r.y + (r.h - r.w) / 2, r.h, r.w};
        if (SDL_Texture* t = textures_.get(e.picture, upright.w, upright.h)) {
            SDL_RenderCopyEx(renderer_, t, nullptr, &upright, 90.0, nullptr, SDL_FLIP_NONE);
        }
    } else if (!e.picture.empty() && e.angolo != 0) {
        const SDL_Rect upright = ToSdl(scale_.toPixels(p.rect));
        if (SDL_Texture* t = picture(screen, p, r, upright.w, upright.h)) {
            SDL_RenderCopyEx(renderer_, t, nullptr, &upright, e.angolo, nullptr, SDL_FLIP_NONE);
        }
    } else if (!e.picture.empty()) {
        if (SDL_Texture* t = picture(screen, p, r, r.w, r.h)) {
            SDL_RenderCopy(renderer_, t, nullptr, &r);
        } else {
            fill(r, kPlaceholderFill);
            frame(r, kPlaceholderEdge, 1);
        }
    }
    switch (p.drawing) {
        case Drawing::List:
            drawLines(screen.LstAlboLines, static_cast<std::size_t>(std::max(screen.LstAlboTop, 0)),
                      r, e);
            break;
        case Drawing::Cervello:
            drawCervello(screen.cervelloLines, r, e);
            break;
        case Drawing::Plain:
        case Drawing::Outline:
        case Drawing::Focus:
        case Drawing::Flight:
        case Drawing::Crosswise:
        case Drawing::TextBox:
            drawLabel(e, r, p.drawing == Drawing::TextBox && caret);
            break;
    }
    if (e.border) {
        const bool thick = p.drawing == Drawing::Outline || p.drawing == Drawing::Focus;
        frame(r, e.borderColor, thick ? outline : scale_.stroke(1.0f));
    }
}

SDL_Texture* ScreenRenderer::picture(const Screen& screen, const Placed& p, const SDL_Rect& r,
                                     int w, int h) {
    const std::string& name = p.element->picture;
    return flying(screen, p, r) ? textures_.nearest(name, w, h) : textures_.get(name, w, h);
}

bool ScreenRenderer::flying(const Screen& screen, const Placed& p, const SDL_Rect& r) const {
    const auto& voli = screen.ImgVolo;
    if (p.element < voli.data() || p.element >= voli.data() + voli.size()) return false;
    // Its first frame too: a flight starts where no picture was kept at its exact size.
    const auto it = drawn_.find(PlaceInScreen(screen, p.element));
    return it == drawn_.end() || !SameRect(it->second.rect, r);
}

void ScreenRenderer::drawLabel(const Element& e, SDL_Rect r, bool caret) {
    const int fontPx = scale_.fontPixels(e.fontSize);
    const int pad = scale_.stroke(1.0f);
    const SDL_Rect box{r.x + pad, r.y, r.w - 2 * pad, r.h};
    if (e.shrinkToFit) {
        // Made to fit: shrunk, or at worst cut with an ellipsis.
        text_.drawFitted(DisplayText(e.text), box, fontPx, e.bold, e.fore, e.align);
    } else if (!text_.draw(DisplayText(e.text), box, fontPx, e.bold, e.fore, e.align)) {
        textsCut_.push_back(&e);
    }
    if (caret) {
        const int w = text_.measure(e.text, fontPx, e.bold).first;
        const int lh = std::min(text_.lineHeight(fontPx, e.bold), box.h);
        const int cx = std::min(box.x + w + 1, r.x + r.w - pad - 1);
        fill({cx, box.y + (box.h - lh) / 2, scale_.stroke(1.0f), lh}, e.fore);
    }
}

void ScreenRenderer::keepFrame(const Screen& screen, const std::vector<Placed>& placed,
                               const std::vector<SDL_Rect>& rects, bool caret, int outW, int outH) {
    if (canvas_) {
        SDL_SetRenderTarget(renderer_, nullptr);
        SDL_RenderSetClipRect(renderer_, nullptr);
        SDL_RenderCopy(renderer_, canvas_.get(), nullptr, nullptr);
        canvasValid_ = true;
        remember(screen, placed, rects, caret);
        return;
    }
    SDL_RenderSetClipRect(renderer_, nullptr);
    if (direct_) {
        canvasValid_ = true;
        keptW_ = outW;
        keptH_ = outH;
        remember(screen, placed, rects, caret);
    }
}

ChangedAreas ScreenRenderer::changedAreas(const Screen& screen, const std::vector<Placed>& placed,
                                          const std::vector<SDL_Rect>& rects, bool caret) const {
    ChangedAreas areas;
    std::vector<std::ptrdiff_t> now;
    now.reserve(placed.size());
    std::vector<bool> same(placed.size(), false);
    for (std::size_t k = 0; k < placed.size(); ++k) {
        const Placed& p = placed[k];
        const std::ptrdiff_t at = PlaceInScreen(screen, p.element);
        now.push_back(at);
        const auto it = drawn_.find(at);
        bool s = it != drawn_.end() && it->second.drawing == p.drawing &&
                 SameRect(it->second.rect, rects[k]) && it->second.element == *p.element;
        if (s && p.drawing == Drawing::List) {
            s = screen.LstAlboTop == drawnAlboTop_ && screen.LstAlboLines == drawnAlbo_;
        }
        if (s && p.drawing == Drawing::Cervello) s = screen.cervelloLines == drawnCervello_;
        if (s && p.drawing == Drawing::TextBox) s = caret == drawnCaret_;
        same[k] = s;
    }
    // A change under an unchanged opaque element, above it in this frame and in the last one,
    // shows nowhere: the level panel's prompt blinking behind the splash costs no frame.
    struct Cover {
        SDL_Rect rect;
        long long zNow, zThen;
    };
    std::vector<Cover> covers;
    for (std::size_t k = 0; k < placed.size(); ++k) {
        if (same[k] && placed[k].element->opaque) {
            covers.push_back(
                {rects[k], static_cast<long long>(k), static_cast<long long>(drawn_.at(now[k]).z)});
        }
    }
    // kNone: not drawn in that frame, so nothing there to be above.
    constexpr long long kNone = -1;
    auto hidden = [&covers](const SDL_Rect& r, long long zNow, long long zThen) {
        return std::any_of(covers.begin(), covers.end(), [&](const Cover& c) {
            return c.zNow > zNow && c.zThen > zThen && Contains(c.rect, r);
        });
    };
    for (std::size_t k = 0; k < placed.size(); ++k) {
        if (same[k]) continue;
        const auto it = drawn_.find(now[k]);
        if (it == drawn_.end()) {
            if (!hidden(rects[k], static_cast<long long>(k), kNone)) areas.add(rects[k]);
            continue;
        }
        const auto zNow = static_cast<long long>(k);
        const auto zThen = static_cast<long long>(it->second.z);
        if (!hidden(rects[k], zNow, zThen) || !hidden(it->second.rect, zNow, zThen)) {
            areas.add(rects[k]);
            areas.add(it->second.rect);
        }
    }
    std::vector<std::ptrdiff_t> sorted = now;
    std::sort(sorted.begin(), sorted.end());
    for (const auto& [at, d] : drawn_) {
        if (std::binary_search(sorted.begin(), sorted.end(), at)) continue;
        if (!hidden(d.rect, kNone, static_cast<long long>(d.z))) areas.add(d.rect);  // gone since
    }
    return areas;
}

void ScreenRenderer::remember(const Screen& screen, const std::vector<Placed>& placed,
                              const std::vector<SDL_Rect>& rects, bool caret) {
    drawn_.clear();
    for (std::size_t k = 0; k < placed.size(); ++k) {
        drawn_.emplace(PlaceInScreen(screen, placed[k].element),
                       Drawn{*placed[k].element, rects[k], placed[k].drawing, k});
    }
    drawnBack_ = screen.windowBack;
    drawnAlboTop_ = screen.LstAlboTop;
    drawnAlbo_ = screen.LstAlboLines;
    drawnCervello_ = screen.cervelloLines;
    drawnCaret_ = caret;
}

void ScreenRenderer::drawLines(const std::vector<std::string>& lines, std::size_t first,
                               SDL_Rect box, const Element& e) {
    const int fontPx = scale_.fontPixels(e.fontSize);
    const int lh = text_.lineHeight(fontPx, e.bold);
    if (lh <= 0) return;
    const int pad = scale_.stroke(1.0f);
    int y = box.y + pad;
    for (std::size_t i = first; i < lines.size() && y + lh <= box.y + box.h; ++i, y += lh) {
        // One row per line: a long line is made to fit its row, never wrapped over the next.
        text_.drawFitted(DisplayText(lines[i]), {box.x + 2 * pad, y, box.w - 4 * pad, lh}, fontPx,
                         e.bold, e.fore, Align::Left);
    }
}

void ScreenRenderer::drawCervello(const std::vector<std::string>& lines, SDL_Rect box,
                                  const Element& e) {
    constexpr int kColonne = 3;
    const int fontPx = scale_.fontPixels(e.fontSize);
    const int lh = text_.lineHeight(fontPx, e.bold);
    if (lh <= 0 || lines.empty()) return;
    const int pad = scale_.stroke(2.0f);
    const int righe = (box.h - 2 * pad) / lh - 1;  // rows below the first line
    const int colW = (box.w - 2 * pad) / kColonne;
    bool whole = text_.draw(lines[0], {box.x + pad, box.y + pad, box.w / 2, lh}, fontPx, e.bold,
                            e.fore, Align::Left);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const int k = static_cast<int>(i) - 1;
        const int col = righe > 0 ? k / righe : kColonne;
        if (col >= kColonne) {
            whole = false;
            break;
        }
        const SDL_Rect row{box.x + pad + col * colW, box.y + pad + (1 + k % righe) * lh, colW - pad,
                           lh};
        whole = !text_.drawFitted(lines[i], row, fontPx, e.bold, e.fore, Align::Left) && whole;
    }
    if (!whole) textsCut_.push_back(&e);
}

SDL_Rect ScreenRenderer::drawTooltip(const Overlay& overlay, int outW, int outH) {
    if (overlay.tooltip.empty()) return {0, 0, 0, 0};
    const int fontPx = scale_.fontPixels(kTooltipPoints);
    const auto [tw, th] = text_.measure(overlay.tooltip, fontPx, false);
    if (tw <= 0) return {0, 0, 0, 0};
    const int pad = scale_.stroke(3.0f);
    SDL_Rect r{overlay.tooltipX, overlay.tooltipY + scale_.stroke(20.0f), tw + 2 * pad,
               th + 2 * pad};
    // Kept whole on the window: flipped above or left of the pointer near an edge.
    if (r.x + r.w > outW) r.x = std::max(0, outW - r.w);
    if (r.y + r.h > outH) r.y = std::max(0, overlay.tooltipY - r.h - pad);
    fill(r, kTooltipBack);
    frame(r, colors::kBlack, 1);
    text_.draw(overlay.tooltip, {r.x + pad, r.y + pad, tw + 1, th}, fontPx, false, colors::kBlack,
               Align::Left);
    return r;
}

}  // namespace gnamm::platform
