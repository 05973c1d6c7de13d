// A frame redraws only the part of the window whose elements changed, and the picture is the
// same as a whole redraw would give.
#include <gtest/gtest.h>

#include "data/asset_catalog.h"
#include "platform/screen_renderer.h"
#include "platform/z_order.h"
#include "sdl_fixture.h"

namespace gnamm::platform {
namespace {

using testing_support::TestPictures;

constexpr Rgb kFaceA{200, 30, 40};
constexpr Rgb kFaceB{30, 40, 200};

class PartialRedraw : public ::testing::Test {
  protected:
    PartialRedraw() {
        pictures_.add(assets::CardFace(Card::FromDeckPosition(1)), kFaceA);
        pictures_.add(assets::CardFace(Card::FromDeckPosition(2)), kFaceB);
        renderer_ = std::make_unique<ScreenRenderer>(canvas_.renderer.get(), pictures_.loader(),
                                                     FindFonts());
        show(4, 1);
        show(6, 2);
    }
    void show(int place, int card) {
        s.ImgCarta[place].picture = assets::CardFace(Card::FromDeckPosition(card));
        s.ImgCarta[place].visible = true;
    }
    // Draws a frame; how many pixels it redrew.
    long long draw(const Overlay& o = {}) {
        renderer_->draw(s, o);
        SDL_RenderPresent(canvas_.renderer.get());
        return renderer_->lastRedrawnPixels();
    }
    Rgb centreOf(int place) const {
        const Rect r = renderer_->scale().toPixels(s.ImgCarta[place].rect);
        return canvas_.at(r.x + r.w / 2, r.y + r.h / 2);
    }
    long long cardPixels(int place) const {
        const Rect r = renderer_->scale().toPixels(s.ImgCarta[place].rect);
        return static_cast<long long>(r.w) * r.h;
    }

    Screen s = testing_support::BareScreen();
    testing_support::SoftwareCanvas canvas_;
    TestPictures pictures_;
    std::unique_ptr<ScreenRenderer> renderer_;
};

TEST_F(PartialRedraw, TheFirstFrameIsWholeThenOnlyTheChangedCardIsRedrawn) {
    EXPECT_EQ(draw(), 800LL * 600);
    EXPECT_EQ(centreOf(4), kFaceA);
    s.ImgCarta[4].visible = false;  // the card leaves the hand
    EXPECT_EQ(draw(), cardPixels(4));
    EXPECT_EQ(centreOf(4), s.windowBack);
    EXPECT_EQ(centreOf(6), kFaceB);  // kept from the frame before
    EXPECT_EQ(draw(), 0);            // nothing changed
    EXPECT_EQ(centreOf(6), kFaceB);
    s.windowBack = {120, 60, 30};  // a new table colour repaints it all
    EXPECT_EQ(draw(), 800LL * 600);
    EXPECT_EQ(canvas_.at(5, 300), s.windowBack);
}

TEST_F(PartialRedraw, AForgottenFrameIsRedrawnWhole) {
    // As after the switch to full screen, which leaves the window's pixels blank.
    draw();
    ASSERT_EQ(draw(), 0);
    SDL_FillRect(canvas_.surface.get(), nullptr, 0);
    renderer_->forgetFrame();
    EXPECT_EQ(draw(), 800LL * 600);
    EXPECT_EQ(centreOf(4), kFaceA);
    EXPECT_EQ(centreOf(6), kFaceB);
}

TEST_F(PartialRedraw, TheTooltipNeverSticksToTheKeptFrame) {
    draw();
    draw(Overlay{"Un suggerimento", 10, 10, false});
    draw();  // the pointer moved on: where the tooltip was, the table again
    EXPECT_EQ(canvas_.at(12, 40), s.windowBack);
}

TEST_F(PartialRedraw, AChangeUnderTheOpaqueSplashRedrawsNothing) {
    s.FraSplash.visible = true;
    EXPECT_EQ(draw(), 800LL * 600);
    show(5, 1);  // appears under the splash
    EXPECT_EQ(draw(), 0);
    s.ImgCarta[4].visible = false;  // goes from under it
    EXPECT_EQ(draw(), 0);
    show(4, 2);  // comes back with another face
    EXPECT_EQ(draw(), 0);
    // The splash gone, the cards show as they are now, not as they were under it.
    s.FraSplash.visible = false;
    EXPECT_GT(draw(), 0);
    EXPECT_EQ(centreOf(4), kFaceB);
    EXPECT_EQ(centreOf(5), kFaceA);
    show(5, 2);  // and a change no longer covered is redrawn
    EXPECT_EQ(draw(), cardPixels(5));
    EXPECT_EQ(centreOf(5), kFaceB);
}

}  // namespace
}  // namespace gnamm::platform
