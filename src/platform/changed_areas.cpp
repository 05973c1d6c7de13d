// Keeping a frame's changed rectangles few and cheap to draw.
#include "platform/changed_areas.h"

#include <algorithm>
#include <limits>

namespace gnamm::platform {

namespace {

// What one more rectangle costs beyond its pixels, counted in pixels: another pass over the
// elements to draw and another piece to send to the display.
constexpr long long kRectCost = 64 * 64;

long long Area(const SDL_Rect& r) {
    return static_cast<long long>(r.w) * r.h;
}

SDL_Rect Union(const SDL_Rect& a, const SDL_Rect& b) {
    SDL_Rect u{};
    SDL_UnionRect(&a, &b, &u);
    return u;
}

// What drawing the two as one box costs more than drawing them apart (less than 0: it saves).
long long MergeCost(const SDL_Rect& a, const SDL_Rect& b) {
    return Area(Union(a, b)) - Area(a) - Area(b) - kRectCost;
}

}  // namespace

void ChangedAreas::add(const SDL_Rect& r) {
    if (r.w <= 0 || r.h <= 0) return;
    rects_.push_back(r);
    settle();
}

void ChangedAreas::clip(const SDL_Rect& bounds) {
    std::vector<SDL_Rect> kept;
    for (const SDL_Rect& r : rects_) {
        SDL_Rect in{};
        if (SDL_IntersectRect(&r, &bounds, &in)) kept.push_back(in);
    }
    rects_ = std::move(kept);
}

long long ChangedAreas::pixels() const {
    long long n = 0;
    for (const SDL_Rect& r : rects_) n += Area(r);
    return n;
}

void ChangedAreas::settle() {
    for (;;) {
        std::size_t a = 0, b = 0;
        long long best = std::numeric_limits<long long>::max();
        for (std::size_t i = 0; i < rects_.size(); ++i) {
            for (std::size_t j = i + 1; j < rects_.size(); ++j) {
                const long long cost = MergeCost(rects_[i], rects_[j]);
                if (cost < best) best = cost, a = i, b = j;
            }
        }
        if (rects_.size() < 2 || (best > 0 && rects_.size() <= most_)) return;
        rects_[a] = Union(rects_[a], rects_[b]);
        rects_.erase(rects_.begin() + static_cast<std::ptrdiff_t>(b));
    }
}

}  // namespace gnamm::platform
