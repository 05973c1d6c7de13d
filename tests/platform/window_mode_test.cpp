#include "platform/window_mode.h"

#include <gtest/gtest.h>

#include <utility>

#include "data/temp_dati.h"

namespace gnamm::platform {
namespace {

TEST(WindowMode, SurvivesARoundTripThroughItsFile) {
    gnamm::testing_support::TempDati dir;
    const WindowMode windowed{false, 1024, 768};
    ASSERT_TRUE(SaveWindowMode(dir.dati(), windowed));
    EXPECT_EQ(LoadWindowMode(dir.dati()), windowed);
    // The same quoted-item lines as the game's other files, CR LF included.
    EXPECT_EQ(dir.read(kWindowModeFile), "#FALSE#\r\n1024\r\n768\r\n");
    ASSERT_TRUE(SaveWindowMode(dir.dati(), WindowMode{true, 1024, 768}));
    EXPECT_TRUE(LoadWindowMode(dir.dati()).fullScreen);
}

TEST(WindowMode, AMissingOrGarbledFileMeansFullScreen) {
    gnamm::testing_support::TempDati dir;
    EXPECT_EQ(LoadWindowMode(dir.dati()), WindowMode{});
    for (const char* bad : {"", "garbage", "#FALSE#\r\n", "#FALSE#\r\n800\r\n600\r\n7\r\n",
                            "\"no\"\r\n800\r\n600\r\n", "#FALSE#\r\n\"800\"\r\n600x\r\n"}) {
        dir.write(kWindowModeFile, bad);
        EXPECT_EQ(LoadWindowMode(dir.dati()), WindowMode{}) << bad;
    }
}

TEST(WindowMode, AbsurdSizesAreForgottenButTheModeKept) {
    EXPECT_EQ(ParseWindowMode("#FALSE#\r\n-5\r\n600\r\n"), (WindowMode{false, 0, 0}));
    EXPECT_EQ(ParseWindowMode("#FALSE#\r\n99999999\r\n600\r\n"), (WindowMode{false, 0, 0}));
    EXPECT_EQ(ParseWindowMode("#FALSE#\r\n100\r\n80\r\n"), (WindowMode{false, 0, 0}));
    EXPECT_EQ(ParseWindowMode("#FALSE#\r\n900\r\n700\r\n"), (WindowMode{false, 900, 700}));
}

TEST(WindowMode, TheWindowOpensWithinTheDesktopAndNoSmallerThan800x600) {
    struct Case {
        WindowMode stored;
        Size desktop;
        Size expected;
    };
    for (const Case& c : {
             Case{{false, 0, 0}, {1920, 1080}, {1152, 864}},        // fresh: 4:3, 4/5 high
             Case{{false, 900, 700}, {1920, 1080}, {900, 700}},     // the player's own size
             Case{{false, 2500, 1400}, {1920, 1080}, {1152, 864}},  // stored on a larger screen
             Case{{false, 1900, 1000}, {1366, 728}, {800, 600}},    // ... on a small one
             Case{{false, 640, 480}, {1920, 1080}, {1152, 864}},    // too small to open in
             Case{{false, 0, 0}, {1024, 700}, {800, 600}},          // 4/5 would be under 800x600
             Case{{false, 0, 0}, {1000, 1200}, {1000, 750}},        // a tall desktop
             Case{{false, 700, 500}, {720, 520}, {720, 520}},       // a desktop under 800x600
         }) {
        const Size s = WindowSizeFor(c.stored, c.desktop);
        EXPECT_EQ(std::pair(s.w, s.h), std::pair(c.expected.w, c.expected.h))
            << c.stored.width << "x" << c.stored.height;
    }
}

}  // namespace
}  // namespace gnamm::platform
