// Case-blind asset lookup against a real folder laid out in a temporary directory.
#include "data/asset_resolver.h"

#include <gtest/gtest.h>

#include <fstream>

#include "data/temp_dati.h"

namespace gnamm {
namespace {

namespace fs = std::filesystem;

TEST(AssetResolver, NamesMatchWithoutRegardToCaseAndPicturesWhateverTheExtension) {
    const testing_support::TempDati folder;
    const fs::path root = folder.dati();
    const auto touch = [&root](const fs::path& rel) {
        fs::create_directories((root / rel).parent_path());
        std::ofstream(root / rel) << "x";
    };
    for (const char* file : {"rumori/Carta3.wav", "Zeb/S01.WAV", "foto/Foto04.png",
                             "Grafica/Fumetto1.bmp", "Grafica/Fumetto2.gif", "Grafica/Fumetto2.png",
                             "Musiche/01.mid", "Zeb/S02.ogg", "Carte/Ac.jpg", "secret.txt"}) {
        touch(file);
    }
    const AssetResolver r(root);
    const struct {
        const char* asked;
        const char* found;  // "" for nothing
    } cases[] = {
        // The click and the third dealing noise are one file.
        {"\\Rumori\\carta3.wav", "rumori/Carta3.wav"},
        {"\\Rumori\\Carta3.wav", "rumori/Carta3.wav"},
        {"/zeb/s01.wav", "Zeb/S01.WAV"},
        {"\\Foto\\Foto04.jpg", "foto/Foto04.png"},
        {"\\Grafica\\Fumetto1.gif", "Grafica/Fumetto1.bmp"},
        // An exact name wins over another picture of the same base name.
        {"\\Grafica\\Fumetto2.gif", "Grafica/Fumetto2.gif"},
        {"\\Grafica\\Fumetto2.jpg", "Grafica/Fumetto2.png"},
        // Sounds do not stand in for each other.
        {"\\Musiche\\01.wav", ""},
        {"\\Zeb\\S02.wav", ""},
        {"\\Carte\\Kp.jpg", ""},
        {"\\Nessuna\\Ac.jpg", ""},
        {"", ""},
        {"\\", ""},
        {"\\Carte", ""},  // a folder is not a file
        {"\\Carte\\..\\secret.txt", ""},
    };
    for (const auto& c : cases) {
        const auto found = r.resolve(c.asked);
        EXPECT_EQ(found.value_or(""), *c.found ? root / c.found : fs::path()) << c.asked;
    }
    EXPECT_FALSE(AssetResolver(root / "assente").resolve("\\Carte\\Ac.jpg"));

    // Listings are read once, until cleared.
    touch("Carte/Kp.jpg");
    EXPECT_FALSE(r.resolve("\\Carte\\Kp.jpg")) << "the listing is cached";
    r.clear();
    EXPECT_EQ(r.resolve("\\Carte\\Kp.jpg"), root / "Carte" / "Kp.jpg");
}

}  // namespace
}  // namespace gnamm
