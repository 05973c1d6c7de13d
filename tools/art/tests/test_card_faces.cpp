// Checks the card renderer on small decks written here: the cut, the common size, and decks
// that are broken in the ways a system's decks can be.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "card_faces.h"
#include "picture_file.h"
#include "picture_sizes.h"

namespace gnamm::art {
namespace {

namespace fs = std::filesystem;

fs::path TempFolder(const std::string& name) {
    const char* tmp = std::getenv("GNAMM_TEST_TMP");
    const fs::path folder = fs::path(tmp ? tmp : "/tmp") / "card-faces" / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

// A deck of plain cards laid out in a grid, each with a circle of its own size and colour.
// The ace of spades also carries a faint halo far outside the card, the way some decks'
// elements reach past their card; `skip` leaves one card out.
std::string Deck(const std::string& skip = "") {
    const char* ranks[] = {"1", "2", "3", "4", "5", "6", "7", "jack", "queen", "king"};
    const char* suits[] = {"heart", "diamond", "club", "spade"};
    const char* colours[] = {"#c00000", "#d04000", "#000000", "#202060"};
    std::string svg =
        "<svg xmlns='http://www.w3.org/2000/svg' width='1400' height='800'>"
        "<rect width='1400' height='800' fill='#00ff00' fill-opacity='0.02'/>";
    for (int s = 0; s < 4; ++s) {
        for (int r = 0; r < 10; ++r) {
            const std::string id = std::string(ranks[r]) + "_" + suits[s];
            if (id == skip) continue;
            const int x = 20 + r * 130, y = 20 + s * 190;
            svg += "<g id='" + id + "'>";
            if (id == "1_spade") {
                svg += "<rect x='" + std::to_string(x - 15) + "' y='" + std::to_string(y - 15) +
                       "' width='131' height='175' fill='#000' fill-opacity='0.1'/>";
            }
            svg += "<rect x='" + std::to_string(x) + "' y='" + std::to_string(y) +
                   "' width='101' height='145' rx='6' fill='white' stroke='black'/>";
            svg += "<circle cx='" + std::to_string(x + 50) + "' cy='" + std::to_string(y + 72) +
                   "' r='" + std::to_string(8 + 3 * r) + "' fill='" + colours[s] + "'/>";
            svg += "</g>";
        }
    }
    return svg + "</svg>";
}

fs::path WriteDeck(const fs::path& folder, const std::string& text) {
    const fs::path file = folder / "deck.svg";
    std::ofstream(file) << text;
    return file;
}

TEST(CardFaces, EveryCardIsCutToTheCardAndScaledToTheCommonSize) {
    const fs::path folder = TempFolder("whole");
    ASSERT_TRUE(RenderDeck(WriteDeck(folder, Deck()).string(), (folder / "Carte").string()));
    // Every one of the forty cards, each its own picture.
    std::set<uint64_t> different;
    for (const auto& entry : fs::directory_iterator(folder / "Carte")) {
        SCOPED_TRACE(entry.path().filename().string());
        const Surface card = DecodePicture(entry.path());
        ASSERT_TRUE(card);
        cairo_surface_t* s = card.get();
        ASSERT_EQ(cairo_image_surface_get_width(s), kCard.width);
        ASSERT_EQ(cairo_image_surface_get_height(s), kCard.height);
        const unsigned char* data = cairo_image_surface_get_data(s);
        const int stride = cairo_image_surface_get_stride(s);
        auto alpha = [&](int x, int y) {
            return reinterpret_cast<const uint32_t*>(data + y * stride)[x] >> 24;
        };
        // White card right up to the edges: no margin, and the faint halo of the ace of
        // spades is not taken for card.
        EXPECT_GT(alpha(kCard.width / 2, 3), 200u);
        EXPECT_GT(alpha(3, kCard.height / 2), 200u);
        EXPECT_GT(alpha(kCard.width - 4, kCard.height / 2), 200u);
        EXPECT_GT(alpha(kCard.width / 2, kCard.height - 4), 200u);
        uint64_t hash = 0;
        for (int y = 0; y < kCard.height; y += 7) {
            for (int x = 0; x < kCard.width; x += 7) {
                hash = hash * 31 + reinterpret_cast<const uint32_t*>(data + y * stride)[x];
            }
        }
        different.insert(hash);
    }
    EXPECT_EQ(different.size(), 40u);
}

TEST(CardFaces, ABrokenOrIncompleteDeckFailsWithoutACrash) {
    const fs::path folder = TempFolder("broken");
    EXPECT_FALSE(RenderDeck(WriteDeck(folder, Deck("queen_club")).string(),
                            (folder / "missing-card").string()));
    EXPECT_FALSE(
        RenderDeck(WriteDeck(folder, "this is no deck").string(), (folder / "garbled").string()));
    EXPECT_FALSE(RenderDeck((folder / "nowhere.svgz").string(), (folder / "absent").string()));
    // An output folder that cannot be made: a plain file stands in its way.
    std::ofstream(folder / "plain") << "x";
    EXPECT_FALSE(
        RenderDeck(WriteDeck(folder, Deck()).string(), (folder / "plain" / "Carte").string()));
}

}  // namespace
}  // namespace gnamm::art
