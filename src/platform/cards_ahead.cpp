// Card pictures made ahead, one an idle turn.
#include "platform/cards_ahead.h"

#include <algorithm>

#include "data/asset_catalog.h"
#include "rules/table_places.h"
#include "ui/capture_piles_view.h"

namespace gnamm::platform {

std::vector<CardsAhead::Want> CardsAhead::wanted(const Screen& screen, const Scale& scale) const {
    std::vector<Want> wants;
    auto want = [&wants](int w, int h, const std::vector<std::string>& names) {
        const Want x{w, h, &names};
        if (w > 0 && h > 0 && std::find(wants.begin(), wants.end(), x) == wants.end()) {
            wants.push_back(x);
        }
    };
    // The places' edges are rounded apart: their sizes may differ by a pixel.
    for (int k = 0; k < kNumeroPosti; ++k) {
        if (k == kPostoSpare) continue;  // a small marker, never a card
        const Rect r = scale.toPixels(screen.ImgCarta[static_cast<std::size_t>(k)].rect);
        want(r.w, r.h, faces_);
        want(r.w, r.h, backs_);
    }
    for (const Element& e : screen.ImgMucchio) {
        const Rect r = scale.toPixels(e.rect);
        want(r.w, r.h, backs_);
    }
    // Crosswise: made upright, then turned.
    for (std::size_t lato = 0; lato < 2; ++lato) {
        for (std::size_t j = 0; j < screen.ImgGnammMucchio.size() / 2; ++j) {
            const Rect r = scale.toPixels(PostoGnamm(screen, lato, j));
            want(r.h, r.w, faces_);
        }
    }
    return wants;
}

bool CardsAhead::prepareOne(const Screen& screen, const Scale& scale, TextureCache& cache) {
    if (faces_.empty()) {
        faces_ = assets::CardFaces();
        backs_ = assets::CardBacks();
    }
    std::vector<Want> wants = wanted(screen, scale);
    if (wants != wants_) {
        // Those made for the old sizes need no longer be held.
        if (!wants_.empty()) cache.letGo();
        wants_ = std::move(wants);
        want_ = next_ = 0;
    }
    for (; want_ < wants_.size(); ++want_, next_ = 0) {
        const Want& w = wants_[want_];
        while (next_ < w.names->size()) {
            if (cache.prepare((*w.names)[next_++], w.w, w.h)) return true;
        }
    }
    return false;
}

}  // namespace gnamm::platform
