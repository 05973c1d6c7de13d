// The card pictures made ahead of need, one at a time while the game waits: every face and back
// at the pixel size of the card places, the backs at the size of the piles and the faces at that
// of a Punto Gnamm laid crosswise on them; so that no frame while cards move waits for one to be
// read from disk and resampled (the first time each face lands in a place).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/scale.h"
#include "platform/texture_cache.h"
#include "ui/screen.h"

namespace gnamm::platform {

class CardsAhead {
  public:
    // Makes into `cache` one more of the pictures for `screen` drawn at `scale`, skipping those
    // kept already. False when there is none left to make. Places of another pixel size start
    // it over.
    bool prepareOne(const Screen& screen, const Scale& scale, TextureCache& cache);
    // The cache was emptied: every picture is to be made again.
    void restart() {
        wants_.clear();
        want_ = next_ = 0;
    }

  private:
    // Pictures wanted at one pixel size.
    struct Want {
        int w = 0, h = 0;
        const std::vector<std::string>* names = nullptr;
        bool operator==(const Want&) const = default;
    };
    std::vector<Want> wanted(const Screen& screen, const Scale& scale) const;

    std::vector<std::string> faces_, backs_;
    std::vector<Want> wants_;
    std::size_t want_ = 0, next_ = 0;  // the next name of wants_[want_] to make
};

}  // namespace gnamm::platform
