// The part of the window a frame redraws, as a few rectangles rather than one box round them
// all: two cards flying apart cost their own pixels, not everything between them.
#pragma once

#include <SDL.h>

#include <cstddef>
#include <vector>

namespace gnamm::platform {

class ChangedAreas {
  public:
    // More rectangles than `most` are merged, the cheapest pair first.
    explicit ChangedAreas(std::size_t most = 16) : most_(most) {}

    // Takes in `r` (nothing when it is empty), merged with any rectangle it would cost little
    // more to draw together with than apart.
    void add(const SDL_Rect& r);
    // Keeps only what lies inside `bounds`.
    void clip(const SDL_Rect& bounds);
    void clear() { rects_.clear(); }

    const std::vector<SDL_Rect>& rects() const { return rects_; }
    bool empty() const { return rects_.empty(); }
    // The pixels drawn over all of them (where two overlap, twice).
    long long pixels() const;

  private:
    // Merges every pair that is cheaper drawn as one, and then the cheapest pairs while there
    // are too many.
    void settle();

    std::size_t most_;
    std::vector<SDL_Rect> rects_;
};

}  // namespace gnamm::platform
