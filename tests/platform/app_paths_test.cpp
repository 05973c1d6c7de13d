#include "platform/app_paths.h"

#include <gtest/gtest.h>

#include <fstream>

#include "data/temp_dati.h"

namespace gnamm::platform {
namespace {

namespace fs = std::filesystem;

TEST(AppPaths, AssetsBesideTheBuildThenInTheInstalledShareFolder) {
    gnamm::testing_support::TempDati tmp;
    const fs::path prefix = tmp.dati() / "usr";
    const fs::path bin = prefix / "bin";
    fs::create_directories(bin);
    // Neither: the build folder's name, so the game shows placeholders instead of stopping.
    EXPECT_EQ(FindAssetFolder(bin), bin / "assets");
    fs::create_directories(prefix / "share" / "gnamm");
    EXPECT_EQ(FindAssetFolder(bin), (prefix / "share" / "gnamm").lexically_normal());
    fs::create_directories(bin / "assets");
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

}  // namespace
}  // namespace gnamm::platform
