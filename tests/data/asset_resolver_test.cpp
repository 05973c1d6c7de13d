// Case-blind asset lookup against a real folder laid out in a temporary directory.
#include "data/asset_resolver.h"

#include <gtest/gtest.h>

#include <fstream>

#include "data/temp_dati.h"

namespace gnamm {
namespace {

namespace fs = std::filesystem;

class AssetResolverTest : public ::testing::Test {
  protected:
    void touch(const fs::path& rel) {
        fs::create_directories((root_ / rel).parent_path());
        std::ofstream(root_ / rel) << "x";
    }

    testing_support::TempDati folder;
    const fs::path root_ = folder.dati();
};

TEST_F(AssetResolverTest, FolderAndFileMatchWithoutRegardToCase) {
    touch("rumori/Carta3.wav");
    touch("Zeb/S01.WAV");
    const AssetResolver r(root_);

    // The click and the third dealing noise are one file.
    EXPECT_EQ(r.resolve("\\Rumori\\carta3.wav"), root_ / "rumori" / "Carta3.wav");
    EXPECT_EQ(r.resolve("\\Rumori\\Carta3.wav"), root_ / "rumori" / "Carta3.wav");
    EXPECT_EQ(r.resolve("/zeb/s01.wav"), root_ / "Zeb" / "S01.WAV");
}

TEST_F(AssetResolverTest, PicturesMatchByBaseNameWhateverTheExtension) {
    touch("foto/Foto04.png");
    touch("Grafica/Fumetto1.bmp");
    touch("Grafica/Fumetto2.gif");
    touch("Grafica/Fumetto2.png");
    const AssetResolver r(root_);

    EXPECT_EQ(r.resolve("\\Foto\\Foto04.jpg"), root_ / "foto" / "Foto04.png");
    EXPECT_EQ(r.resolve("\\Grafica\\Fumetto1.gif"), root_ / "Grafica" / "Fumetto1.bmp");
    // An exact name wins over another picture of the same base name.
    EXPECT_EQ(r.resolve("\\Grafica\\Fumetto2.gif"), root_ / "Grafica" / "Fumetto2.gif");
    EXPECT_EQ(r.resolve("\\Grafica\\Fumetto2.jpg"), root_ / "Grafica" / "Fumetto2.png");
}

TEST_F(AssetResolverTest, SoundsDoNotStandInForEachOther) {
    touch("Musiche/01.mid");
    touch("Zeb/S02.ogg");
    const AssetResolver r(root_);

    EXPECT_FALSE(r.resolve("\\Musiche\\01.wav"));
    EXPECT_FALSE(r.resolve("\\Zeb\\S02.wav"));
}

TEST_F(AssetResolverTest, MissingOrUnsafeNamesGiveNothing) {
    touch("Carte/Ac.jpg");
    touch("secret.txt");
    const AssetResolver r(root_);

    EXPECT_FALSE(r.resolve("\\Carte\\Kp.jpg"));
    EXPECT_FALSE(r.resolve("\\Nessuna\\Ac.jpg"));
    EXPECT_FALSE(r.resolve(""));
    EXPECT_FALSE(r.resolve("\\"));
    EXPECT_FALSE(r.resolve("\\Carte"));  // a folder is not a file
    EXPECT_FALSE(r.resolve("\\Carte\\..\\secret.txt"));
    EXPECT_FALSE(AssetResolver(root_ / "assente").resolve("\\Carte\\Ac.jpg"));
}

TEST_F(AssetResolverTest, ListingsAreReadOnceUntilCleared) {
    touch("Saloon/Sa01.wav");
    const AssetResolver r(root_);
    ASSERT_TRUE(r.resolve("\\Saloon\\Sa01.wav"));

    touch("Saloon/Sa02.wav");
    EXPECT_FALSE(r.resolve("\\Saloon\\Sa02.wav")) << "the listing is cached";
    r.clear();
    EXPECT_EQ(r.resolve("\\Saloon\\Sa02.wav"), root_ / "Saloon" / "Sa02.wav");
}

}  // namespace
}  // namespace gnamm
