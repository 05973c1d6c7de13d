// What the game looks for on disk as it starts: its pictures, the credits and the window's mode.
#include <gtest/gtest.h>

#include <fstream>
#include <utility>

#include "data/temp_dati.h"
#include "platform/app_paths.h"
#include "platform/window_mode.h"

namespace gnamm::platform {
namespace {

namespace fs = std::filesystem;

TEST(AppPaths, AssetsBesideTheBuildThenInTheInstalledShareFolderElseNone) {
    gnamm::testing_support::TempDati tmp;
    const fs::path prefix = tmp.dati() / "usr";
    const fs::path bin = prefix / "bin";
    const fs::path share = (prefix / "share" / "gnamm").lexically_normal();
    fs::create_directories(bin / "assets");  // an empty folder holds no pictures
    EXPECT_FALSE(FindAssetFolder(bin).has_value());
    const std::string said = MissingAssetsMessage(AssetFolderCandidates(bin), true);
    EXPECT_NE(said.find((bin / "assets").string() + ", " + share.string()), std::string::npos);
    EXPECT_NE(said.find("make play"), std::string::npos);
    EXPECT_EQ(said.find('\n'), std::string::npos);
    fs::create_directories(share / "grafica");
    EXPECT_EQ(FindAssetFolder(bin), share);
    fs::create_directories(bin / "assets" / "Grafica");
    EXPECT_EQ(FindAssetFolder(bin), (bin / "assets").lexically_normal());
}

TEST(AppPaths, CreditsAreFoundBesideTheAssetsWhenTheBuildWroteThem) {
    gnamm::testing_support::TempDati tmp;
    fs::create_directories(tmp.dati());
    EXPECT_FALSE(FindCredits(tmp.dati()).has_value());
    fs::create_directories(tmp.dati() / "CREDITS");  // a folder by that name is not the file
    EXPECT_FALSE(FindCredits(tmp.dati()).has_value());
    std::ofstream(tmp.dati() / "CREDITS.txt") << "Carte: un mazzo libero\n";
    EXPECT_EQ(FindCredits(tmp.dati()), tmp.dati() / "CREDITS.txt");
}

TEST(WindowMode, SurvivesARoundTripAndAGarbledFileMeansFullScreen) {
    gnamm::testing_support::TempDati dir;
    const WindowMode windowed{false, 1024, 768};
    ASSERT_TRUE(SaveWindowMode(dir.dati(), windowed));
    EXPECT_EQ(LoadWindowMode(dir.dati()), windowed);
    // The same quoted-item lines as the game's other files, CR LF included.
    EXPECT_EQ(dir.read(kWindowModeFile), "#FALSE#\r\n1024\r\n768\r\n");
    ASSERT_TRUE(SaveWindowMode(dir.dati(), WindowMode{true, 1024, 768}));
    EXPECT_TRUE(LoadWindowMode(dir.dati()).fullScreen);
    // A missing or garbled file means full screen; absurd sizes are forgotten, the mode kept.
    std::filesystem::remove(dir.file(kWindowModeFile));
    EXPECT_EQ(LoadWindowMode(dir.dati()), WindowMode{});
    const std::pair<const char*, WindowMode> casi[] = {
        {"", {}},
        {"garbage", {}},
        {"#FALSE#\r\n", {}},
        {"#FALSE#\r\n800\r\n600\r\n7\r\n", {}},
        {"\"no\"\r\n800\r\n600\r\n", {}},
        {"#FALSE#\r\n\"800\"\r\n600x\r\n", {}},
        {"#FALSE#\r\n-5\r\n600\r\n", {false, 0, 0}},
        {"#FALSE#\r\n99999999\r\n600\r\n", {false, 0, 0}},
        {"#FALSE#\r\n100\r\n80\r\n", {false, 0, 0}},
        {"#FALSE#\r\n900\r\n700\r\n", {false, 900, 700}},
    };
    for (const auto& [text, mode] : casi) {
        dir.write(kWindowModeFile, text);
        EXPECT_EQ(LoadWindowMode(dir.dati()), mode) << text;
    }
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
