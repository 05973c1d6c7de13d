// The keyboard's focus outline: drawn over the fan of table cards, never taking their clicks.
#include <gtest/gtest.h>

#include "data/asset_catalog.h"
#include "platform/screen_renderer.h"
#include "platform/z_order.h"
#include "sdl_fixture.h"
#include "ui/keyboard_focus.h"

namespace gnamm::platform {
namespace {

using testing_support::TestPictures;

// Table places 9 and 13 lie side by side, 13 over the right part of 9; the focus is on 9.
Screen FocusOnPlaceNine() {
    Screen s = testing_support::BareScreen();
    for (const int p : {9, 13}) {
        s.ImgCarta[p].picture = assets::CardFace(Card::FromDeckPosition(p));
        s.ImgCarta[p].visible = true;
    }
    const Rect c = s.ImgCarta[9].rect;
    s.ShpFuoco.rect = {c.x - 110, c.y - 110, c.w + 220, c.h + 220};
    s.ShpFuoco.visible = true;
    return s;
}

TEST(FocusOutline, ClicksGoThroughItToTheCardsUnderneath) {
    const Screen s = FocusOnPlaceNine();
    const Rect nine = s.ImgCarta[9].rect;
    const Rect thirteen = s.ImgCarta[13].rect;
    using testing_support::KindIndex;
    EXPECT_EQ(KindIndex(HitTest(s, nine.x + 100, nine.y + 100)), std::pair(TargetKind::Carta, 9));
    // Inside the focus outline, on the neighbour that overlaps the focused card.
    EXPECT_EQ(KindIndex(HitTest(s, thirteen.x + thirteen.w / 2, thirteen.y + 100)),
              std::pair(TargetKind::Carta, 13));
}

TEST(FocusOutline, IsDrawnRoundTheFocusedCardOverItsNeighbour) {
    testing_support::SoftwareCanvas canvas;
    TestPictures pictures;
    for (const int p : {9, 13}) {
        pictures.add(assets::CardFace(Card::FromDeckPosition(p)), {10, 120, 30});
    }
    ScreenRenderer renderer(canvas.renderer.get(), pictures.loader(), FindFonts());
    const Screen s = FocusOnPlaceNine();
    renderer.draw(s, {});
    SDL_RenderPresent(canvas.renderer.get());
    const Rect f = renderer.scale().toPixels(s.ShpFuoco.rect);
    // Its left edge, and its right edge where it crosses the neighbouring card.
    EXPECT_EQ(canvas.at(f.x + 1, f.y + f.h / 2), colors::kYellow);
    EXPECT_EQ(canvas.at(f.x + f.w - 2, f.y + f.h / 2), colors::kYellow);
}

}  // namespace
}  // namespace gnamm::platform
