#include "platform/edition_window.h"

#include <gtest/gtest.h>

#include "sdl_fixture.h"

namespace gnamm::platform {
namespace {

TEST(EditionWindow, TextNamesTheGameItsVersionAndTheCredits) {
    const EditionText e = MakeEditionText("0.1.0", "Carte: un mazzo libero\nMusica: fatta qui\n");
    EXPECT_EQ(e.title, "Gnamm");
    EXPECT_EQ(e.version, "Versione 0.1.0");
    EXPECT_EQ(e.credits, "Carte: un mazzo libero\nMusica: fatta qui\n");
    EXPECT_EQ(MakeEditionText("1", "a\tb\r\n").credits, "a    b\n");
    // Without a credits file the window still says something rather than stand empty.
    EXPECT_FALSE(MakeEditionText("0.1.0", "").credits.empty());
}

// Dark pixels of a region of the target: the ink of text.
int Ink(SDL_Surface* target, SDL_Rect r) {
    int n = 0;
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x) {
            const Rgb p = testing_support::PixelAt(target, x, y);
            n += p.r < 120 && p.g < 120;
        }
    return n;
}

TEST(EditionWindow, APageWithTitleCreditsScrollBarAndHowToClose) {
    testing_support::EnsureSdl();
    SurfacePtr target(SDL_CreateRGBSurfaceWithFormat(0, 640, 480, 32, SDL_PIXELFORMAT_ARGB8888));
    RendererPtr r(SDL_CreateSoftwareRenderer(target.get()));
    TextRenderer text(r.get(), FindFonts());
    TextRenderer mono(r.get(), MonoFonts(FindFonts()));
    ASSERT_TRUE(text.hasFont());
    std::string credits;
    for (int i = 0; i < 60; ++i)
        credits += "Riga " + std::to_string(i) + " dei crediti degli autori\n";
    const EditionText e = MakeEditionText("0.1.0", credits);
    const EditionLayout top = DrawEdition(r.get(), text, mono, e, 0);
    EXPECT_GE(top.lines, 60);
    EXPECT_LT(top.rows, top.lines);
    ASSERT_GT(top.scrollBar.h, 0);
    // Readable type: at least 14 pixels a line on a small window.
    EXPECT_GE(top.credits.h / top.rows, 14);
    // Title above the box, the way to close below it, the thumb at the top of its track.
    EXPECT_GT(Ink(target.get(), {0, 0, 640, top.credits.y}), 300);
    const int below = top.credits.y + top.credits.h;
    EXPECT_GT(Ink(target.get(), {0, below, 640, 480 - below}), 300);
    EXPECT_EQ(top.thumb.y, top.scrollBar.y);

    const int atTop = Ink(target.get(), top.credits);
    EXPECT_GT(atTop, 500);
    // Scrolled past the end: the last lines fill the box and the thumb sits at the bottom.
    const EditionLayout end = DrawEdition(r.get(), text, mono, e, 10000);
    EXPECT_GT(Ink(target.get(), end.credits), atTop / 2);
    EXPECT_EQ(end.thumb.y + end.thumb.h, end.scrollBar.y + end.scrollBar.h);
    EXPECT_EQ(ScrollForBarClick(end, end.scrollBar.y), 0);
    EXPECT_EQ(ScrollForBarClick(end, end.scrollBar.y + end.scrollBar.h), end.maxScroll());

    // Short credits need no scroll bar; an underscore at the foot of the line still shows.
    const EditionLayout fits =
        DrawEdition(r.get(), text, mono, MakeEditionText("1", "____\t____"), 0);
    EXPECT_EQ(fits.scrollBar.w, 0);
    EXPECT_GT(Ink(target.get(), fits.credits), 20);
}

}  // namespace
}  // namespace gnamm::platform
