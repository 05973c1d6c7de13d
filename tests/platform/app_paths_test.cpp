#include "platform/app_paths.h"

#include <gtest/gtest.h>

#include <fstream>

#include "data/temp_dati.h"

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

}  // namespace
}  // namespace gnamm::platform
