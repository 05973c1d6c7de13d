// Smooth downscaling by repeated halving, then one bilinear step to the exact size.
#include "platform/picture_scaling.h"

namespace gnamm::platform {

namespace {

// The formats scaled as they are: ARGB, and RGB with an unused fourth byte (an opaque
// picture). Any other is converted to ARGB first.
bool ScaledAsItIs(const SDL_Surface* s) {
    return s->format->format == SDL_PIXELFORMAT_ARGB8888 ||
           s->format->format == SDL_PIXELFORMAT_RGB888;
}

SurfacePtr Copy(SDL_Surface* s, Uint32 format) {
    return SurfacePtr(SDL_ConvertSurfaceFormat(s, format, 0));
}

// Halves a 32-bit surface: every target pixel is the average of a 2x2 block.
SurfacePtr Halve(SDL_Surface* s) {
    const int w = s->w / 2 > 0 ? s->w / 2 : 1;
    const int h = s->h / 2 > 0 ? s->h / 2 : 1;
    SurfacePtr out(SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, s->format->format));
    if (!out) return nullptr;
    SDL_LockSurface(s);
    SDL_LockSurface(out.get());
    for (int y = 0; y < h; ++y) {
        const int y0 = 2 * y < s->h ? 2 * y : s->h - 1;
        const int y1 = y0 + 1 < s->h ? y0 + 1 : y0;
        const auto* r0 = reinterpret_cast<const Uint32*>(
            static_cast<const Uint8*>(s->pixels) + static_cast<std::ptrdiff_t>(y0) * s->pitch);
        const auto* r1 = reinterpret_cast<const Uint32*>(
            static_cast<const Uint8*>(s->pixels) + static_cast<std::ptrdiff_t>(y1) * s->pitch);
        auto* o = reinterpret_cast<Uint32*>(static_cast<Uint8*>(out->pixels) +
                                            static_cast<std::ptrdiff_t>(y) * out->pitch);
        for (int x = 0; x < w; ++x) {
            const int x0 = 2 * x < s->w ? 2 * x : s->w - 1;
            const int x1 = x0 + 1 < s->w ? x0 + 1 : x0;
            const Uint32 p[4] = {r0[x0], r0[x1], r1[x0], r1[x1]};
            Uint32 sum[4] = {0, 0, 0, 0};
            for (const Uint32 v : p) {
                for (int c = 0; c < 4; ++c) sum[c] += (v >> (8 * c)) & 0xFF;
            }
            Uint32 v = 0;
            for (int c = 0; c < 4; ++c) v |= ((sum[c] + 2) / 4) << (8 * c);
            o[x] = v;
        }
    }
    SDL_UnlockSurface(out.get());
    SDL_UnlockSurface(s);
    return out;
}

}  // namespace

SurfacePtr ResampleSurface(SDL_Surface* source, int w, int h) {
    if (!source || w <= 0 || h <= 0) return nullptr;
    // The source itself is only read: a big picture is not copied before it is made smaller.
    SurfacePtr converted;
    if (!ScaledAsItIs(source)) {
        converted = Copy(source, SDL_PIXELFORMAT_ARGB8888);
        if (!converted) return nullptr;
    }
    SurfacePtr halved;
    SDL_Surface* cur = converted ? converted.get() : source;
    while (cur->w >= 2 * w && cur->h >= 2 * h) {
        SurfacePtr half = Halve(cur);
        if (!half) return nullptr;
        halved = std::move(half);
        cur = halved.get();
    }
    if (cur->w == w && cur->h == h) {
        if (halved) return halved;
        return converted ? std::move(converted) : Copy(source, source->format->format);
    }
    SurfacePtr out(SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, cur->format->format));
    if (!out) return nullptr;
    // The copy must replace the target pixels, alpha included, not blend over them.
    SDL_BlendMode blend = SDL_BLENDMODE_NONE;
    SDL_GetSurfaceBlendMode(cur, &blend);
    SDL_SetSurfaceBlendMode(cur, SDL_BLENDMODE_NONE);
    const bool stretched = SDL_SoftStretchLinear(cur, nullptr, out.get(), nullptr) == 0 ||
                           SDL_BlitScaled(cur, nullptr, out.get(), nullptr) == 0;
    SDL_SetSurfaceBlendMode(cur, blend);
    return stretched ? std::move(out) : nullptr;
}

}  // namespace gnamm::platform
