// The edition window: one page of text in a window of its own.
#include "platform/edition_window.h"

#include <algorithm>

#include "platform/text_wrap.h"

namespace gnamm::platform {

namespace {

constexpr Rgb kBack{250, 244, 228};
constexpr Rgb kInk{60, 40, 20};
constexpr int kWidth = 640;
constexpr int kHeight = 480;

}  // namespace

EditionText MakeEditionText(const std::string& version, const std::string& creditsFileContents) {
    EditionText e;
    e.version = "Versione " + version;
    e.credits = creditsFileContents.empty() ? std::string("Nessun elenco dei crediti trovato.")
                                            : creditsFileContents;
    return e;
}

int DrawEdition(SDL_Renderer* renderer, TextRenderer& text, const EditionText& edition,
                int scroll) {
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(renderer, &w, &h);
    SDL_SetRenderDrawColor(renderer, kBack.r, kBack.g, kBack.b, 255);
    SDL_RenderClear(renderer);
    const int unit = std::max(h / 40, 8);  // text follows the window's height
    const int margin = unit * 2;
    const int titlePx = unit * 3;
    const int bodyPx = std::max(unit, 10);
    int y = margin;
    text.draw(edition.title, {margin, y, w - 2 * margin, titlePx * 2}, titlePx, true, kInk,
              Align::Center);
    y += text.lineHeight(titlePx, true);
    text.draw(edition.version, {margin, y, w - 2 * margin, bodyPx * 2}, bodyPx, false, kInk,
              Align::Center);
    y += text.lineHeight(bodyPx, false) * 2;

    const auto lines = WrapText(edition.credits, w - 2 * margin, [&](std::string_view s) {
        return text.measure(std::string(s), bodyPx, false).first;
    });
    const int lh = std::max(text.lineHeight(bodyPx, false), 1);
    const int first = std::clamp(scroll, 0, std::max(0, static_cast<int>(lines.size()) - 1));
    for (std::size_t i = static_cast<std::size_t>(first); i < lines.size() && y + lh <= h - margin;
         ++i, y += lh) {
        text.draw(lines[i], {margin, y, w - 2 * margin, lh}, bodyPx, false, kInk, Align::Left);
    }
    text.endFrame();
    return static_cast<int>(lines.size());
}

void RunEditionWindow(const EditionText& edition, const FontFiles& fonts) {
    WindowPtr window(SDL_CreateWindow("Gnamm", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                      kWidth, kHeight, SDL_WINDOW_RESIZABLE));
    if (!window) return;
    RendererPtr renderer(SDL_CreateRenderer(window.get(), -1, 0));
    if (!renderer) return;
    TextRenderer text(renderer.get(), fonts);
    int scroll = 0;
    int lineCount = 0;
    bool redraw = true;
    for (;;) {
        if (redraw) {
            lineCount = DrawEdition(renderer.get(), text, edition, scroll);
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
                if (k == SDLK_DOWN) scroll = std::min(scroll + 1, std::max(lineCount - 1, 0));
                if (k == SDLK_UP) scroll = std::max(scroll - 1, 0);
                redraw = true;
                break;
            }
            case SDL_MOUSEWHEEL:
                scroll = std::clamp(scroll - ev.wheel.y * 3, 0, std::max(lineCount - 1, 0));
                redraw = true;
                break;
            default:
                break;
        }
    }
}

}  // namespace gnamm::platform
