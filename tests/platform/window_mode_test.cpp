#include "platform/window_mode.h"

#include <gtest/gtest.h>

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

TEST(WindowMode, AFreshWindowIsFourThirdsAndFitsTheDesktop) {
    const Size s = WindowSizeFor(WindowMode{false, 0, 0}, {1920, 1080});
    EXPECT_EQ(s.h, 864);
    EXPECT_EQ(s.w, 1152);
    const Size narrow = WindowSizeFor(WindowMode{false, 0, 0}, {1000, 1200});
    EXPECT_LE(narrow.w, 1000);
    EXPECT_EQ(narrow.w * 3, narrow.h * 4);
    // The player's own size is kept while the desktop holds it.
    EXPECT_EQ(WindowSizeFor(WindowMode{false, 700, 650}, {1920, 1080}).w, 700);
    EXPECT_EQ(WindowSizeFor(WindowMode{false, 2500, 1400}, {1920, 1080}).w, 1152);
}

}  // namespace
}  // namespace gnamm::platform
