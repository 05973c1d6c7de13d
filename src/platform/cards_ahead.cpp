// Card pictures made ahead, one an idle turn.
#include "platform/cards_ahead.h"

#include <algorithm>

#include "data/asset_catalog.h"
#include "rules/table_places.h"
#include "ui/capture_piles_view.h"

namespace gnamm::platform {

namespace {

void Add(std::vector<std::pair<int, int>>& sizes, int w, int h) {
    const std::pair<int, int> size{w, h};
    if (w > 0 && h > 0 && std::find(sizes.begin(), sizes.end(), size) == sizes.end()) {
        sizes.push_back(size);
    }
}

}  // namespace

CardsAhead::Wanted CardsAhead::SizesFor(const Screen& screen, const Scale& scale) {
    Wanted s;
    // The places' edges are rounded apart: their sizes may differ by a pixel.
    for (int k = 0; k < kNumeroPosti; ++k) {
        if (k == kPostoSpare) continue;  // a small marker, never a card
        const Rect r = scale.toPixels(screen.ImgCarta[static_cast<std::size_t>(k)].rect);
        Add(s.faces, r.w, r.h);
        Add(s.backs, r.w, r.h);
    }
    for (const Element& e : screen.ImgMucchio) {
        const Rect r = scale.toPixels(e.rect);
        Add(s.backs, r.w, r.h);
    }
    // Crosswise: made upright, then turned.
    for (std::size_t lato = 0; lato < 2; ++lato) {
        for (std::size_t j = 0; j < screen.ImgGnammMucchio.size() / 2; ++j) {
            const Rect r = scale.toPixels(PostoGnamm(screen, lato, j));
            Add(s.faces, r.h, r.w);
        }
    }
    return s;
}

bool CardsAhead::prepareOne(const Screen& screen, const Scale& scale, TextureCache& cache) {
    if (names_.empty()) {
        names_ = assets::CardFaces();
        faces_ = names_.size();
        for (std::string& back : assets::CardBacks()) names_.push_back(std::move(back));
    }
    Wanted sizes = SizesFor(screen, scale);
    if (sizes != sizes_) {
        // Those made for the old sizes need no longer be held.
        if (!sizes_.faces.empty()) cache.letGo();
        sizes_ = std::move(sizes);
        next_ = 0;
    }
    while (next_ < names_.size()) {
        const std::size_t k = next_++;
        if (cache.prepare(names_[k], k < faces_ ? sizes_.faces : sizes_.backs)) return true;
    }
    return false;
}

}  // namespace gnamm::platform
