// What lies wholly under an opaque element is neither drawn nor loaded, and pictures with any
// transparency are never taken for covers.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "data/asset_catalog.h"
#include "platform/screen_renderer.h"
#include "platform/texture_cache.h"
#include "platform/z_order.h"
#include "sdl_fixture.h"

namespace gnamm::platform {
namespace {

using testing_support::BareScreen;
using testing_support::SoftwareCanvas;
using testing_support::SolidSurface;

constexpr Rgb kFace{200, 30, 40};

// A loader of plain pictures that writes down every name it is asked for. A name starting
// with "holed" has one fully transparent pixel; one starting with "missing" does not exist.
struct CountingLoader {
    std::multiset<std::string> asked;
    PictureLoader loader() {
        return [this](std::string_view name) -> SurfacePtr {
            asked.insert(std::string(name));
            if (name.starts_with("missing")) return nullptr;
            SurfacePtr s = SolidSurface(40, 30, kFace);
            if (name.starts_with("holed")) {
                SDL_SetSurfaceBlendMode(s.get(), SDL_BLENDMODE_NONE);
                const SDL_Rect px{39, 29, 1, 1};
                SDL_FillRect(s.get(), &px, SDL_MapRGBA(s->format, 0, 0, 0, 0));
            }
            return s;
        };
    }
};

TEST(TextureOpacity, OnlyAPictureWithoutAnyTransparentPixelCovers) {
    SoftwareCanvas target(400, 300);
    CountingLoader pictures;
    TextureCache cache(target.renderer.get(), pictures.loader());
    EXPECT_TRUE(cache.opaque("plain", 40, 30));
    EXPECT_FALSE(cache.opaque("holed", 40, 30));
    EXPECT_FALSE(cache.opaque("missing", 40, 30));
    // Asking again, or drawing, does not load the picture a second time.
    EXPECT_NE(cache.get("plain", 40, 30), nullptr);
    EXPECT_TRUE(cache.opaque("plain", 40, 30));
    EXPECT_EQ(pictures.asked.count("plain"), 1u);
    EXPECT_EQ(pictures.asked.count("missing"), 1u);

    // An opaque picture is kept without alpha and drawn as a plain copy; a holed one keeps
    // its alpha and blends.
    Uint32 format = 0;
    SDL_BlendMode blend = SDL_BLENDMODE_INVALID;
    ASSERT_EQ(SDL_QueryTexture(cache.get("plain", 40, 30), &format, nullptr, nullptr, nullptr), 0);
    EXPECT_FALSE(SDL_ISPIXELFORMAT_ALPHA(format));
    SDL_GetTextureBlendMode(cache.get("plain", 40, 30), &blend);
    EXPECT_EQ(blend, SDL_BLENDMODE_NONE);
    ASSERT_EQ(SDL_QueryTexture(cache.get("holed", 40, 30), &format, nullptr, nullptr, nullptr), 0);
    EXPECT_TRUE(SDL_ISPIXELFORMAT_ALPHA(format));
    SDL_GetTextureBlendMode(cache.get("holed", 40, 30), &blend);
    EXPECT_EQ(blend, SDL_BLENDMODE_BLEND);
}

// Only the given places show a card face; everything else of the layout is hidden.
Screen CardsOnly(std::initializer_list<int> places) {
    Screen s = BareScreen();
    for (const int p : places) {
        s.ImgCarta[p].picture = assets::CardFace(Card::FromDeckPosition(p));
        s.ImgCarta[p].visible = true;
    }
    return s;
}

TEST(Occlusion, TheSplashHidesTheTableSoItsCardsAreNeitherLoadedNorDrawn) {
    SoftwareCanvas target(400, 300);
    CountingLoader pictures;
    ScreenRenderer renderer(target.renderer.get(), pictures.loader(), FindFonts());
    Screen s = CardsOnly({4, 5});
    s.FraSplash.visible = true;  // opaque black, the whole window
    renderer.draw(s, {});
    SDL_RenderPresent(target.renderer.get());
    EXPECT_TRUE(pictures.asked.empty());
    EXPECT_EQ(target.at(200, 150), colors::kBlack);

    // Once the splash goes, the cards load and show.
    s.FraSplash.visible = false;
    renderer.draw(s, {});
    SDL_RenderPresent(target.renderer.get());
    EXPECT_EQ(pictures.asked.size(), 2u);
    const Rect r = renderer.scale().toPixels(s.ImgCarta[4].rect);
    EXPECT_EQ(target.at(r.x + r.w / 2, r.y + r.h / 2), kFace);
}

// The cover of an open panel hides the table row, but the deck and the side boxes it reaches
// into are drawn whole above it.
TEST(Occlusion, ThePanelCoverLeavesTheDeckAndTheSideBoxesWhole) {
    Screen s;
    ApplyDesignLayout(s);
    s.lblCopriCarte.visible = true;
    for (Element& f : s.FraRiquadro) f.visible = true;
    s.ImgCarta[kPostoMazzo].visible = true;
    const std::vector<Placed> placed = VisibleInZOrder(s);
    auto at = [&placed](const Element& e) {
        for (std::size_t i = 0; i < placed.size(); ++i) {
            if (placed[i].element == &e) return static_cast<int>(i);
        }
        return -1;
    };
    const int cover = at(s.lblCopriCarte);
    ASSERT_GE(cover, 0);
    EXPECT_GT(at(s.ImgCarta[kPostoMazzo]), cover);
    for (const Element& f : s.FraRiquadro) EXPECT_GT(at(f), cover);
    // The deck's left edge lies under the cover's rectangle, and still takes its click.
    const Rect deck = s.ImgCarta[kPostoMazzo].rect;
    const Rect c = s.lblCopriCarte.rect;
    ASSERT_LT(deck.x + 10, c.x + c.w);
    EXPECT_EQ(testing_support::KindIndex(HitTest(s, deck.x + 10, deck.y + deck.h / 2)),
              std::pair(TargetKind::Carta, kPostoMazzo));
}

}  // namespace
}  // namespace gnamm::platform
