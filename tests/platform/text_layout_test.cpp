// Text on the window: lines wrapped and names cut to fit their box, and the edition page with
// the credits.
#include <gtest/gtest.h>

#include <tuple>

#include "platform/edition_window.h"
#include "platform/text_wrap.h"
#include "sdl_fixture.h"

namespace gnamm::platform {
namespace {

// One unit a character (a UTF-8 sequence counts once).
int Chars(std::string_view s) {
    int n = 0;
    for (const unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
}

using Lines = std::vector<std::string>;

TEST(WrapText, BreaksBetweenWordsKeepsParagraphsCutsLongWordsAndEllipsizesNames) {
    EXPECT_EQ(WrapText("Nonno Zeb ti sfida a Gnamm", 10, Chars),
              (Lines{"Nonno Zeb", "ti sfida a", "Gnamm"}));
    EXPECT_EQ(WrapText("Carte: KDE\n\nMusica: noi\r\n", 20, Chars),
              (Lines{"Carte: KDE", "", "Musica: noi", ""}));
    EXPECT_EQ(WrapText("", 10, Chars), (Lines{""}));
    // A word longer than the line is cut between characters.
    EXPECT_EQ(WrapText("abcdefghij xy", 4, Chars), (Lines{"abcd", "efgh", "ij", "xy"}));
    // "è" is two bytes: it is never split in half.
    EXPECT_EQ(WrapText("\xC3\xA8\xC3\xA8\xC3\xA8", 2, Chars),
              (Lines{"\xC3\xA8\xC3\xA8", "\xC3\xA8"}));
    // Even a line too narrow for one character moves on, one character a line.
    EXPECT_EQ(WrapText("abc", 0, Chars), (Lines{"a", "b", "c"}));
    // A name keeps what fits and loses whole characters before an ellipsis.
    const std::string e = "\xE2\x80\xA6";
    EXPECT_EQ(Ellipsize("Wolfgang", 8, Chars), "Wolfgang");
    EXPECT_EQ(Ellipsize("Wolfgang Merz", 8, Chars), "Wolfgan" + e);
    // "ò" is two bytes: it goes whole or stays whole.
    EXPECT_EQ(Ellipsize("Niccol\xC3\xB2 Ugolini", 8, Chars), "Niccol\xC3\xB2" + e);
    EXPECT_EQ(Ellipsize("Niccol\xC3\xB2 Ugolini", 7, Chars), "Niccol" + e);
    EXPECT_EQ(Ellipsize("Ugo", 0, Chars), e);
}

TEST(EditionWindow, APageWithTitleVersionCreditsScrollBarAndHowToClose) {
    const EditionText named = MakeEditionText("0.1.0", "Carte: un mazzo libero\nMusica: qui\n");
    EXPECT_EQ(std::tie(named.title, named.version, named.credits),
              std::tie("Gnamm", "Versione 0.1.0", "Carte: un mazzo libero\nMusica: qui\n"));
    EXPECT_EQ(MakeEditionText("1", "a\tb\r\n").credits, "a    b\n");
    // Without a credits file the window still says something rather than stand empty.
    EXPECT_FALSE(MakeEditionText("0.1.0", "").credits.empty());
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
