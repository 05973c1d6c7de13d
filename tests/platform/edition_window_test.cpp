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
    // Without a credits file the window still says something rather than stand empty.
    EXPECT_FALSE(MakeEditionText("0.1.0", "").credits.empty());
}

TEST(EditionWindow, DrawsTheCreditsWrappedAndScrolls) {
    testing_support::EnsureSdl();
    SurfacePtr target(SDL_CreateRGBSurfaceWithFormat(0, 640, 480, 32, SDL_PIXELFORMAT_ARGB8888));
    RendererPtr r(SDL_CreateSoftwareRenderer(target.get()));
    TextRenderer text(r.get(), FindFonts());
    ASSERT_TRUE(text.hasFont());
    std::string credits;
    for (int i = 0; i < 60; ++i)
        credits += "Riga " + std::to_string(i) + " dei crediti degli autori\n";
    const EditionText e = MakeEditionText("0.1.0", credits);
    const int lines = DrawEdition(r.get(), text, e, 0);
    EXPECT_GE(lines, 60);

    auto ink = [&] {
        int n = 0;
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x) {
                const Rgb p = testing_support::PixelAt(target.get(), x, y);
                n += p.r < 120 && p.g < 120;
            }
        return n;
    };
    const int atTop = ink();
    EXPECT_GT(atTop, 500);
    // Scrolled past the end, the title and version still show; nothing breaks.
    DrawEdition(r.get(), text, e, 10000);
    const int pastEnd = ink();
    EXPECT_GT(pastEnd, 0);
    EXPECT_LT(pastEnd, atTop);
}

}  // namespace
}  // namespace gnamm::platform
