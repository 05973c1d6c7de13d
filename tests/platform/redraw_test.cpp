// A frame redraws only the part of the window whose elements changed, and the picture is the
// same as a whole redraw would give; what lies wholly under an opaque element is neither drawn
// nor loaded.
#include <gtest/gtest.h>

#include "data/asset_catalog.h"
#include "platform/screen_renderer.h"
#include "sdl_fixture.h"

namespace gnamm::platform {
namespace {

constexpr Rgb kFaceA{200, 30, 40};
constexpr Rgb kFaceB{30, 40, 200};
constexpr long long kWhole = 800LL * 600;

class Redraw : public ::testing::Test {
  protected:
    Redraw() {
        window.pictures.add(assets::CardFace(Card::FromDeckPosition(1)), kFaceA);
        window.pictures.add(assets::CardFace(Card::FromDeckPosition(2)), kFaceB);
        show(4, 1);
        show(6, 2);
    }
    void show(int place, int card) {
        s.ImgCarta[place].picture = assets::CardFace(Card::FromDeckPosition(card));
        s.ImgCarta[place].visible = true;
    }
    // Draws a frame; how many pixels it redrew.
    long long draw(const Overlay& o = {}) { return window.draw(s, o); }
    Rgb centreOf(int place) const { return window.centre(s.ImgCarta[place].rect); }
    long long cardPixels(int place) const {
        const Rect r = window.px(s.ImgCarta[place].rect);
        return static_cast<long long>(r.w) * r.h;
    }

    Screen s = testing_support::BareScreen();
    testing_support::DrawnScreen window;
};

TEST_F(Redraw, TheFirstFrameIsWholeThenOnlyTheChangedCardIsRedrawn) {
    EXPECT_EQ(draw(), kWhole);
    EXPECT_EQ(centreOf(4), kFaceA);
    s.ImgCarta[4].visible = false;  // the card leaves the hand
    EXPECT_EQ(draw(), cardPixels(4));
    EXPECT_EQ(centreOf(4), s.windowBack);
    EXPECT_EQ(centreOf(6), kFaceB);  // kept from the frame before
    EXPECT_EQ(draw(), 0);            // nothing changed
    EXPECT_EQ(centreOf(6), kFaceB);
    s.windowBack = {120, 60, 30};  // a new table colour repaints it all
    EXPECT_EQ(draw(), kWhole);
    EXPECT_EQ(window.at(5, 300), s.windowBack);
    // The tooltip never sticks to the kept frame: where it was, the table again.
    draw(Overlay{"Un suggerimento", 10, 10, false});
    draw();
    EXPECT_EQ(window.at(12, 40), s.windowBack);
}

TEST_F(Redraw, AForgottenFrameIsRedrawnWhole) {
    // As after the switch to full screen, which leaves the window's pixels blank.
    draw();
    ASSERT_EQ(draw(), 0);
    SDL_FillRect(window.canvas.surface.get(), nullptr, 0);
    window.renderer.forgetFrame();
    EXPECT_EQ(draw(), kWhole);
    EXPECT_EQ(centreOf(4), kFaceA);
    EXPECT_EQ(centreOf(6), kFaceB);
}

TEST_F(Redraw, WhatTheOpaqueSplashHidesIsNeitherLoadedNorRedrawn) {
    s.FraSplash.visible = true;  // opaque black, the whole window
    EXPECT_EQ(draw(), kWhole);
    EXPECT_TRUE(window.pictures.asked.empty());
    EXPECT_EQ(window.at(400, 300), colors::kBlack);
    show(5, 1);  // appears under the splash
    EXPECT_EQ(draw(), 0);
    s.ImgCarta[4].visible = false;  // goes from under it
    EXPECT_EQ(draw(), 0);
    show(4, 2);  // comes back with another face
    EXPECT_EQ(draw(), 0);
    // The splash gone, the cards load and show as they are now, not as they were under it.
    s.FraSplash.visible = false;
    EXPECT_GT(draw(), 0);
    EXPECT_EQ(window.pictures.asked.size(), 2u);
    EXPECT_EQ(centreOf(4), kFaceB);
    EXPECT_EQ(centreOf(5), kFaceA);
    show(5, 2);  // and a change no longer covered is redrawn
    EXPECT_EQ(draw(), cardPixels(5));
    EXPECT_EQ(centreOf(5), kFaceB);
}

}  // namespace
}  // namespace gnamm::platform
