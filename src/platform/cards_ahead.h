// The card pictures made ahead of need, one at a time while the game waits: every face and back
// at the pixel size of the card places, the backs at the size of the piles and the faces at that
// of a Punto Gnamm laid crosswise on them; so that no frame while cards move waits for one to be
// read from disk and resampled (the first time each face lands in a place).
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "platform/scale.h"
#include "platform/texture_cache.h"
#include "ui/screen.h"

namespace gnamm::platform {

class CardsAhead {
  public:
    // Makes into `cache` one more of the pictures for `screen` drawn at `scale`, at every size
    // it is wanted at, skipping those kept already. False when there is none left to make.
    // Places of another pixel size start it over.
    bool prepareOne(const Screen& screen, const Scale& scale, TextureCache& cache);
    // The cache was emptied: every picture is to be made again.
    void restart() {
        sizes_ = {};
        next_ = 0;
    }

  private:
    using Sizes = std::vector<std::pair<int, int>>;
    struct Wanted {
        Sizes faces, backs;  // pixel sizes
        bool operator==(const Wanted&) const = default;
    };
    static Wanted SizesFor(const Screen& screen, const Scale& scale);

    std::vector<std::string> names_;  // every face, then every back
    std::size_t faces_ = 0;           // how many of names_ are faces
    Wanted sizes_;
    std::size_t next_ = 0;  // the next of names_ to make
};

}  // namespace gnamm::platform
