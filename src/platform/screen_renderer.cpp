// Drawing the screen model: fills, pictures, text, borders, lists, the caret and tooltips.
#include "platform/screen_renderer.h"

#include <algorithm>

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

bool Contains(const SDL_Rect& outer, const SDL_Rect& inner) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.w <= outer.x + outer.w &&
           inner.y + inner.h <= outer.y + outer.h;
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
      text_(renderer, std::move(fonts)) {}

int ScreenRenderer::rowsShown(const Element& list) {
    const int lh = text_.lineHeight(scale_.fontPixels(list.fontSize), list.bold);
    const int h = scale_.toPixels(list.rect).h - scale_.stroke(1.0f);
    return lh > 0 ? std::max(1, h / lh) : 1;
}

void ScreenRenderer::reset() {
    textures_.clear();
    text_.clear();
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

void ScreenRenderer::draw(const Screen& screen, const Overlay& overlay) {
    int outW = 0, outH = 0;
    SDL_GetRendererOutputSize(renderer_, &outW, &outH);
    scale_ = Scale::ForScreen(screen, outW, outH);
    if (outW != lastW_ || outH != lastH_) {
        // Every picture is now wanted at another size.
        textures_.clear();
        lastW_ = outW;
        lastH_ = outH;
    }
    SDL_RenderSetClipRect(renderer_, nullptr);
    SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_BLEND);

    // What an opaque element above covers whole is not drawn: the splash hides the whole table,
    // a panel the cards under it. Pixels are what a big window costs, so this counts; and the
    // pictures under the splash need not even load before the first frame.
    const std::vector<Placed> placed = VisibleInZOrder(screen);
    std::vector<SDL_Rect> rects(placed.size());
    std::vector<bool> hidden(placed.size(), false);
    std::vector<SDL_Rect> covers;
    for (std::size_t k = placed.size(); k-- > 0;) {
        const Element& e = *placed[k].element;
        const SDL_Rect r = rects[k] = ToSdl(scale_.toPixels(placed[k].rect));
        if (r.w <= 0 || r.h <= 0) continue;
        if (std::any_of(covers.begin(), covers.end(),
                        [&r](const SDL_Rect& c) { return Contains(c, r); })) {
            hidden[k] = true;
            continue;
        }
        if (e.opaque || (!e.picture.empty() && textures_.opaque(e.picture, r.w, r.h))) {
            covers.push_back(r);
        }
    }
    const SDL_Rect whole{0, 0, outW, outH};
    if (std::none_of(covers.begin(), covers.end(),
                     [&whole](const SDL_Rect& c) { return Contains(c, whole); })) {
        fill(whole, screen.windowBack);
    }

    for (std::size_t k = 0; k < placed.size(); ++k) {
        const Placed& p = placed[k];
        const Element& e = *p.element;
        const SDL_Rect r = rects[k];
        if (r.w <= 0 || r.h <= 0 || hidden[k]) continue;
        if (e.opaque) fill(r, e.back);
        if (!e.picture.empty()) {
            if (SDL_Texture* t = textures_.get(e.picture, r.w, r.h)) {
                SDL_RenderCopy(renderer_, t, nullptr, &r);
            } else {
                fill(r, kPlaceholderFill);
                frame(r, kPlaceholderEdge, 1);
            }
        }
        const int fontPx = scale_.fontPixels(e.fontSize);
        switch (p.drawing) {
            case Drawing::List:
                drawLines(screen.LstAlboLines,
                          static_cast<std::size_t>(std::max(screen.LstAlboTop, 0)), r, e);
                break;
            case Drawing::Cervello:
                drawLines(screen.cervelloLines, 0, r, e);
                break;
            case Drawing::Plain:
            case Drawing::Outline:
            case Drawing::Focus:
            case Drawing::TextBox: {
                const int pad = scale_.stroke(1.0f);
                const SDL_Rect box{r.x + pad, r.y, r.w - 2 * pad, r.h};
                text_.draw(DisplayText(e.text), box, fontPx, e.bold, e.fore, e.align);
                if (p.drawing == Drawing::TextBox && overlay.caret) {
                    const int w = text_.measure(e.text, fontPx, e.bold).first;
                    const int lh = std::min(text_.lineHeight(fontPx, e.bold), box.h);
                    const int cx = std::min(box.x + w + 1, r.x + r.w - pad - 1);
                    fill({cx, box.y + (box.h - lh) / 2, scale_.stroke(1.0f), lh}, e.fore);
                }
                break;
            }
        }
        if (e.border) {
            frame(r, e.borderColor,
                  scale_.stroke(p.drawing == Drawing::Outline || p.drawing == Drawing::Focus
                                    ? kOutlinePixels
                                    : 1.0f));
        }
    }
    drawTooltip(overlay, outW, outH);
    textures_.endFrame();
    text_.endFrame();
}

void ScreenRenderer::drawLines(const std::vector<std::string>& lines, std::size_t first,
                               SDL_Rect box, const Element& e) {
    const int fontPx = scale_.fontPixels(e.fontSize);
    const int lh = text_.lineHeight(fontPx, e.bold);
    if (lh <= 0) return;
    const int pad = scale_.stroke(1.0f);
    int y = box.y + pad;
    for (std::size_t i = first; i < lines.size() && y + lh <= box.y + box.h; ++i, y += lh) {
        // One row per line: a long line is cut at the box, never wrapped over the next row.
        text_.draw(DisplayText(lines[i]), {box.x + 2 * pad, y, box.w - 4 * pad, lh}, fontPx, e.bold,
                   e.fore, Align::Left);
    }
}

void ScreenRenderer::drawTooltip(const Overlay& overlay, int outW, int outH) {
    if (overlay.tooltip.empty()) return;
    const int fontPx = scale_.fontPixels(kTooltipPoints);
    const auto [tw, th] = text_.measure(overlay.tooltip, fontPx, false);
    if (tw <= 0) return;
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
}

}  // namespace gnamm::platform
