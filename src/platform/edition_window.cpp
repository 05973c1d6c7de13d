// The edition window: one laid-out page in a window of its own.
#include "platform/edition_window.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/text_wrap.h"

namespace gnamm::platform {

namespace {

constexpr Rgb kBack{250, 244, 228};
constexpr Rgb kInk{60, 40, 20};
constexpr Rgb kSoftInk{120, 95, 70};
constexpr Rgb kBoxBack{255, 252, 244};
constexpr Rgb kRule{200, 180, 150};
constexpr Rgb kTrack{230, 220, 200};
constexpr Rgb kThumb{150, 120, 90};
constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kMinBodyPx = 14;  // credits stay readable however small the window

// The credits file is plain text laid out in a fixed-width font (headings underlined with
// "===", indented paragraphs): shown in one, each line keeps its place. A line wider than
// the box wraps, its continuation indented like the line itself.
std::vector<std::string> CreditLines(const std::string& credits, int width, TextRenderer& mono,
                                     int px) {
    auto widthOf = [&](std::string_view s) {
        return mono.measure(std::string(s), px, false).first;
    };
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start <= credits.size()) {
        std::size_t end = credits.find('\n', start);
        if (end == std::string::npos) end = credits.size();
        const std::string line = credits.substr(start, end - start);
        const std::size_t body = line.find_first_not_of(' ');
        if (body == std::string::npos) {
            out.emplace_back();
        } else {
            const std::string indent(body, ' ');
            for (const std::string& piece :
                 WrapText(std::string_view(line).substr(body),
                          std::max(width - widthOf(indent), width / 2), widthOf)) {
                out.push_back(indent + piece);
            }
        }
        if (end == credits.size()) break;
        start = end + 1;
    }
    while (!out.empty() && out.back().empty()) out.pop_back();
    return out;
}

// The largest size from `largest` down to the readable least at which the widest line of the
// credits fits `width`; the least when none does.
int CreditsPixels(const std::string& credits, int width, TextRenderer& mono, int largest) {
    std::size_t widest = 0;
    std::size_t start = 0;
    while (start < credits.size()) {
        std::size_t end = credits.find('\n', start);
        if (end == std::string::npos) end = credits.size();
        widest = std::max(widest, end - start);
        start = end + 1;
    }
    const std::string probe(widest, 'M');  // every character is as wide in a fixed-width font
    int px = std::max(largest, kMinBodyPx);
    while (px > kMinBodyPx && mono.measure(probe, px, false).first > width) --px;
    return px;
}

void Fill(SDL_Renderer* r, SDL_Rect box, Rgb c) {
    SDL_SetRenderDrawColor(r, c.r, c.g, c.b, 255);
    SDL_RenderFillRect(r, &box);
}

}  // namespace

EditionText MakeEditionText(const std::string& version, const std::string& creditsFileContents) {
    EditionText e;
    e.version = "Versione " + version;
    // A tab has no glyph of its own in the font: it would show as a box.
    for (const char c : creditsFileContents) {
        if (c == '\r') continue;
        if (c == '\t') {
            e.credits += "    ";
        } else {
            e.credits += c;
        }
    }
    if (e.credits.find_first_not_of(" \n") == std::string::npos) {
        e.credits = "Nessun elenco dei crediti trovato.";
    }
    return e;
}

EditionLayout DrawEdition(SDL_Renderer* renderer, TextRenderer& text, TextRenderer& mono,
                          const EditionText& edition, int scroll) {
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(renderer, &w, &h);
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
    Fill(renderer, {0, 0, w, h}, kBack);

    const int unit = std::max(h / 36, 8);  // the page follows the window's height
    const int margin = unit * 2;
    const int titlePx = unit * 3;
    const int bodyPx = std::max(unit + unit / 4, kMinBodyPx);
    const int titleH = text.lineHeight(titlePx, true);
    const int bodyH = std::max(text.lineHeight(bodyPx, false), 1);
    const int inner = std::max(w - 2 * margin, 1);

    // Header: title and version, centred, then a rule.
    int y = margin / 2;
    text.draw(edition.title, {margin, y, inner, titleH}, titlePx, true, kInk, Align::Center);
    y += titleH;
    text.draw(edition.version, {margin, y, inner, bodyH}, bodyPx, false, kSoftInk, Align::Center);
    y += bodyH + unit / 2;
    Fill(renderer, {margin, y, inner, 1}, kRule);
    y += unit / 2;

    // Footer: how to close, below a rule.
    const int hintY = h - margin / 2 - bodyH;
    Fill(renderer, {margin, hintY - unit / 2, inner, 1}, kRule);
    text.draw(kEditionHint, {margin, hintY, inner, bodyH}, bodyPx, true, kInk, Align::Center);

    // The credits in their box between the two; a scroll bar when they overflow it.
    EditionLayout out;
    out.credits = {margin, y, inner, std::max(hintY - unit - y, bodyH)};
    const int pad = unit / 2;
    const int barW = std::max(unit, 10);
    const int textW = out.credits.w - 3 * pad - barW;  // room kept for the bar either way
    const int creditsPx = CreditsPixels(edition.credits, textW, mono, bodyPx);
    const int lineH = std::max(mono.lineHeight(creditsPx, false), 1);
    const std::vector<std::string> lines = CreditLines(edition.credits, textW, mono, creditsPx);
    out.lines = static_cast<int>(lines.size());
    out.rows = std::max((out.credits.h - 2 * pad) / lineH, 1);
    if (out.lines > out.rows) {
        out.scrollBar = {out.credits.x + out.credits.w - barW - pad / 2, out.credits.y + pad / 2,
                         barW, out.credits.h - pad};
    }
    Fill(renderer, out.credits, kBoxBack);
    const int first = std::clamp(scroll, 0, out.maxScroll());
    // Each line is drawn in a box taller than the line spacing, so nothing at the foot of the
    // glyphs (an underscore) is cut; the box of the credits clips the last one.
    SDL_Rect clip = out.credits;
    SDL_RenderSetClipRect(renderer, &clip);
    int ly = out.credits.y + pad;
    for (int i = first; i < out.lines && i < first + out.rows; ++i, ly += lineH) {
        mono.draw(lines[static_cast<std::size_t>(i)], {out.credits.x + pad, ly, textW, 2 * lineH},
                  creditsPx, false, kInk, Align::Left);
    }
    SDL_RenderSetClipRect(renderer, nullptr);

    if (out.scrollBar.w > 0) {
        Fill(renderer, out.scrollBar, kTrack);
        const SDL_Rect& t = out.scrollBar;
        const int thumbH = std::max(t.h * out.rows / out.lines, barW);
        const int travel = t.h - thumbH;
        const int at = out.maxScroll() > 0 ? travel * first / out.maxScroll() : 0;
        out.thumb = {t.x, t.y + at, t.w, thumbH};
        Fill(renderer, out.thumb, kThumb);
    }
    text.endFrame();
    mono.endFrame();
    return out;
}

FontFiles MonoFonts(const FontFiles& fallback) {
    for (const char* c : {"/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf",
                          "/usr/local/share/fonts/DejaVuSansMono.ttf"}) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(c, ec)) return {c, c};
    }
    return fallback;
}

int ScrollForBarClick(const EditionLayout& layout, int y) {
    const SDL_Rect& t = layout.scrollBar;
    if (t.h <= 0) return 0;
    const int travel = std::max(t.h - layout.thumb.h, 1);
    const int at = y - t.y - layout.thumb.h / 2;
    return std::clamp(at * layout.maxScroll() / travel, 0, layout.maxScroll());
}

void RunEditionWindow(const EditionText& edition, const FontFiles& fonts) {
    int w = kWidth, h = kHeight;
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(0, &usable) == 0) {
        w = std::min(w, usable.w);
        h = std::min(h, usable.h);
    }
    WindowPtr window(SDL_CreateWindow("Gnamm", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w, h,
                                      SDL_WINDOW_RESIZABLE));
    if (!window) return;
    RendererPtr renderer(SDL_CreateRenderer(window.get(), -1, 0));
    if (!renderer) return;
    TextRenderer text(renderer.get(), fonts);
    TextRenderer mono(renderer.get(), MonoFonts(fonts));
    int scroll = 0;
    EditionLayout layout;
    bool redraw = true;
    for (;;) {
        if (redraw) {
            layout = DrawEdition(renderer.get(), text, mono, edition, scroll);
            scroll = std::min(scroll, layout.maxScroll());
            SDL_RenderPresent(renderer.get());
            redraw = false;
        }
        SDL_Event ev;
        if (!SDL_WaitEvent(&ev)) return;
        switch (ev.type) {
            case SDL_QUIT:
                return;
            case SDL_WINDOWEVENT:
                if (ev.window.event == SDL_WINDOWEVENT_CLOSE) return;
                redraw = true;
                break;
            case SDL_KEYDOWN: {
                const SDL_Keycode k = ev.key.keysym.sym;
                if (k == SDLK_RETURN || k == SDLK_KP_ENTER || k == SDLK_ESCAPE) return;
                const int page = std::max(layout.rows - 1, 1);
                if (k == SDLK_DOWN) ++scroll;
                if (k == SDLK_UP) --scroll;
                if (k == SDLK_PAGEDOWN || k == SDLK_SPACE) scroll += page;
                if (k == SDLK_PAGEUP) scroll -= page;
                if (k == SDLK_HOME) scroll = 0;
                if (k == SDLK_END) scroll = layout.maxScroll();
                scroll = std::clamp(scroll, 0, layout.maxScroll());
                redraw = true;
                break;
            }
            case SDL_MOUSEWHEEL:
                scroll = std::clamp(scroll - ev.wheel.y * 3, 0, layout.maxScroll());
                redraw = true;
                break;
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEMOTION: {
                // Pressing or dragging on the scroll bar scrolls; a click anywhere else closes.
                const SDL_Point p = ev.type == SDL_MOUSEBUTTONDOWN
                                        ? SDL_Point{ev.button.x, ev.button.y}
                                        : SDL_Point{ev.motion.x, ev.motion.y};
                const bool held =
                    ev.type == SDL_MOUSEBUTTONDOWN || (ev.motion.state & SDL_BUTTON_LMASK) != 0;
                SDL_Rect bar = layout.scrollBar;
                bar.x -= bar.w / 2;  // a little room either side for the finger
                bar.w *= 2;
                if (held && bar.w > 0 && SDL_PointInRect(&p, &bar)) {
                    scroll = ScrollForBarClick(layout, p.y);
                    redraw = true;
                } else if (ev.type == SDL_MOUSEBUTTONDOWN && ev.button.button == SDL_BUTTON_LEFT) {
                    return;
                }
                break;
            }
            default:
                break;
        }
    }
}

}  // namespace gnamm::platform
