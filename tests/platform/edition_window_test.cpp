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

TEST(EditionWindow, APageWithTitleCreditsScrollBarAndHowToClose) {
    testing_support::SoftwareCanvas target(640, 480);
    SDL_Renderer* r = target.renderer.get();
    // Dark pixels of a region: the ink of text.
    auto ink = [&target](SDL_Rect area) {
        return target.count(area, [](Rgb p) { return p.r < 120 && p.g < 120; });
    };
    TextRenderer text(r, FindFonts());
    TextRenderer mono(r, MonoFonts(FindFonts()));
    ASSERT_TRUE(text.hasFont());
    std::string credits;
    for (int i = 0; i < 60; ++i)
        credits += "Riga " + std::to_string(i) + " dei crediti degli autori\n";
    const EditionText e = MakeEditionText("0.1.0", credits);
    const EditionLayout top = DrawEdition(r, text, mono, e, 0);
    EXPECT_GE(top.lines, 60);
    EXPECT_LT(top.rows, top.lines);
    ASSERT_GT(top.scrollBar.h, 0);
    // Readable type: at least 14 pixels a line on a small window.
    EXPECT_GE(top.credits.h / top.rows, 14);
    // Title above the box, the way to close below it, the thumb at the top of its track.
    EXPECT_GT(ink({0, 0, 640, top.credits.y}), 300);
    const int below = top.credits.y + top.credits.h;
    EXPECT_GT(ink({0, below, 640, 480 - below}), 300);
    EXPECT_EQ(top.thumb.y, top.scrollBar.y);

    const int atTop = ink(top.credits);
    EXPECT_GT(atTop, 500);
    // Scrolled past the end: the last lines fill the box and the thumb sits at the bottom.
    const EditionLayout end = DrawEdition(r, text, mono, e, 10000);
    EXPECT_GT(ink(end.credits), atTop / 2);
    EXPECT_EQ(end.thumb.y + end.thumb.h, end.scrollBar.y + end.scrollBar.h);
    EXPECT_EQ(ScrollForBarClick(end, end.scrollBar.y), 0);
    EXPECT_EQ(ScrollForBarClick(end, end.scrollBar.y + end.scrollBar.h), end.maxScroll());

    // Short credits need no scroll bar; an underscore at the foot of the line still shows.
    const EditionLayout fits = DrawEdition(r, text, mono, MakeEditionText("1", "____\t____"), 0);
    EXPECT_EQ(fits.scrollBar.w, 0);
    EXPECT_GT(ink(fits.credits), 20);
}

}  // namespace
}  // namespace gnamm::platform
