// SDL brought up once for the platform tests, on the dummy video and audio drivers that
// headless_sdl.cpp chose, so the tests never need a display or speakers.
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/sdl_handles.h"
#include "platform/texture_cache.h"
#include "platform/z_order.h"
#include "ui/colors.h"

namespace gnamm::platform::testing_support {

inline void EnsureSdl() {
    static const bool ready = SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) == 0 && TTF_Init() == 0;
    ASSERT_TRUE(ready) << SDL_GetError();
}

inline SurfacePtr SolidSurface(int w, int h, Rgb c) {
    SurfacePtr s(SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888));
    SDL_FillRect(s.get(), nullptr, SDL_MapRGB(s->format, c.r, c.g, c.b));
    return s;
}

inline Rgb PixelAt(SDL_Surface* s, int x, int y) {
    const auto* row =
        static_cast<const Uint8*>(s->pixels) + static_cast<std::ptrdiff_t>(y) * s->pitch;
    const Uint32 v = reinterpret_cast<const Uint32*>(row)[x];
    Uint8 r = 0, g = 0, b = 0;
    SDL_GetRGB(v, s->format, &r, &g, &b);
    return {r, g, b};
}

// The design layout with every element hidden: a test shows only what it looks at.
inline Screen BareScreen() {
    Screen s;
    ApplyDesignLayout(s);
    for (const Layer& l : ZOrderTable(s)) const_cast<Element*>(l.element)->visible = false;
    return s;
}

// Where an element lands on the window, frames included; empty when it is not drawn.
inline Rect PlacedRect(const Screen& s, const Element& e) {
    for (const Placed& p : VisibleInZOrder(s)) {
        if (p.element == &e) return p.rect;
    }
    return {};
}

// A target as a comparable pair.
inline std::pair<TargetKind, int> KindIndex(const Target& t) {
    return {t.kind, t.index};
}

// Input events as SDL delivers them, to the window `window` (0: any).
inline SDL_Event MouseButton(int x, int y, Uint32 type = SDL_MOUSEBUTTONDOWN,
                             Uint8 button = SDL_BUTTON_LEFT) {
    SDL_Event e{type};
    e.button.button = button;
    e.button.x = x;
    e.button.y = y;
    return e;
}
inline SDL_Event Motion(int x, int y, Uint32 window = 0) {
    SDL_Event e{SDL_MOUSEMOTION};
    e.motion.windowID = window;
    e.motion.x = x;
    e.motion.y = y;
    return e;
}
inline SDL_Event KeyDown(SDL_Keycode k, Uint16 mod = KMOD_NONE, Uint32 window = 0) {
    SDL_Event e{SDL_KEYDOWN};
    e.key.keysym.sym = k;
    e.key.keysym.mod = mod;
    e.key.windowID = window;
    return e;
}
inline SDL_Event Text(const char* utf8, Uint32 window = 0) {
    SDL_Event e{SDL_TEXTINPUT};
    e.text.windowID = window;
    SDL_strlcpy(e.text.text, utf8, sizeof e.text.text);
    return e;
}
inline SDL_Event Wheel(int y, Uint32 window = 0) {
    SDL_Event e{SDL_MOUSEWHEEL};
    e.wheel.windowID = window;
    e.wheel.y = y;
    e.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
    return e;
}

// A software renderer drawing onto a surface whose pixels the test reads.
struct SoftwareCanvas {
    SurfacePtr surface;
    RendererPtr renderer;
    explicit SoftwareCanvas(int w = 800, int h = 600) {
        EnsureSdl();
        surface.reset(SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888));
        renderer.reset(SDL_CreateSoftwareRenderer(surface.get()));
    }
    Rgb at(int x, int y) const { return PixelAt(surface.get(), x, y); }
    // How many pixels of a rectangle (SDL's or the model's Rect) pass the test.
    template <typename R, typename Pass>
    int count(const R& r, Pass pass) const {
        int n = 0;
        for (int y = r.y; y < r.y + r.h; ++y)
            for (int x = r.x; x < r.x + r.w; ++x) n += pass(at(x, y));
        return n;
    }
};

// Pictures made by the test: every asset name it knows is a plain colour at a card's file
// size; any other name is missing. Every name asked for is written down.
class TestPictures {
  public:
    void add(const std::string& name, Rgb colour, int w = 303, int h = 435) {
        pictures_[name] = {colour, w, h};
    }
    PictureLoader loader() const {
        return [this](std::string_view name) -> SurfacePtr {
            asked.emplace_back(name);
            const auto it = pictures_.find(std::string(name));
            if (it == pictures_.end()) return nullptr;
            const auto [colour, w, h] = it->second;
            return SolidSurface(w, h, colour);
        };
    }
    mutable std::vector<std::string> asked;

  private:
    std::map<std::string, std::tuple<Rgb, int, int>> pictures_;
};

}  // namespace gnamm::platform::testing_support
