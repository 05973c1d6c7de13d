// Checks the pictures the build drew: every name the game uses resolves to a file that
// SDL2_image decodes, at the size promised, and the pictures hold what the game relies on
// (backs let the mat colour through, photos are whole and all different).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "contact_sheet.h"
#include "data/asset_catalog.h"
#include "picture_file.h"
#include "picture_sizes.h"

namespace gnamm::art {
namespace {

std::filesystem::path AssetsRoot() {
    return GNAMM_TEST_ASSETS_DIR;
}

Surface Load(const std::string& name) {
    const auto file = FindPicture(AssetsRoot(), name);
    if (!file) return nullptr;
    return DecodePicture(*file);
}

uint32_t Pixel(cairo_surface_t* s, int x, int y) {
    const unsigned char* data = cairo_image_surface_get_data(s);
    return reinterpret_cast<const uint32_t*>(data + y * cairo_image_surface_get_stride(s))[x];
}
int Alpha(cairo_surface_t* s, int x, int y) {
    return Pixel(s, x, y) >> 24;
}

// Fraction of the pixels whose alpha is below `below`.
double ClearShare(cairo_surface_t* s, int below) {
    const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    long clear = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) clear += Alpha(s, x, y) < below;
    return static_cast<double>(clear) / (static_cast<double>(w) * h);
}

uint64_t Fingerprint(cairo_surface_t* s) {
    const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    uint64_t hash = 1469598103934665603ull;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) hash = (hash ^ Pixel(s, x, y)) * 1099511628211ull;
    return hash;
}

TEST(Pictures, EveryNameResolvesDecodesAndHasItsPromisedSize) {
    const auto names = assets::AllPictures();
    for (const auto& name : names) {
        SCOPED_TRACE(name);
        const PixelSize promised = PromisedSize(name);
        ASSERT_GT(promised.width, 0) << "no size promised";
        const Surface picture = Load(name);
        ASSERT_TRUE(picture) << "missing or not decodable";
        EXPECT_EQ(cairo_image_surface_get_width(picture.get()), promised.width);
        EXPECT_EQ(cairo_image_surface_get_height(picture.get()), promised.height);
    }
}

TEST(Pictures, CardBacksLetTheMatColourThroughAndKeepTheirOwnDesign) {
    std::set<uint64_t> seen;
    for (const auto& name : assets::CardBacks()) {
        SCOPED_TRACE(name);
        const Surface back = Load(name);
        ASSERT_TRUE(back);
        const double clear = ClearShare(back.get(), 128);
        EXPECT_GT(clear, 0.10) << "the card colour would hardly show";
        EXPECT_LT(clear, 0.90) << "hardly any design";
        seen.insert(Fingerprint(back.get()));
    }
    EXPECT_EQ(seen.size(), 4u);
}

TEST(Pictures, BubblesAreOpaqueInTheMiddleWhereTheTextGoes) {
    for (const auto& name : assets::Bubbles()) {
        SCOPED_TRACE(name);
        const Surface bubble = Load(name);
        ASSERT_TRUE(bubble);
        const int w = cairo_image_surface_get_width(bubble.get());
        const int h = cairo_image_surface_get_height(bubble.get());
        for (int dx = -w / 4; dx <= w / 4; dx += w / 8) {
            EXPECT_EQ(Alpha(bubble.get(), w / 2 + dx, h * 44 / 100), 255);
        }
        EXPECT_EQ(Alpha(bubble.get(), w - 1, 0), 0);
        EXPECT_EQ(Alpha(bubble.get(), w - 1, h - 1), 0);
    }
}

TEST(Pictures, PhotosFillTheirFrameAndNoTwoAreAlike) {
    std::set<uint64_t> seen;
    for (const auto& name : assets::Photos()) {
        SCOPED_TRACE(name);
        const Surface photo = Load(name);
        ASSERT_TRUE(photo);
        EXPECT_EQ(ClearShare(photo.get(), 255), 0.0);
        seen.insert(Fingerprint(photo.get()));
    }
    EXPECT_EQ(seen.size(), 24u);
}

TEST(ContactSheet, ShowsEveryPictureAndMarksWhatIsMissing) {
    const char* tmp = std::getenv("GNAMM_TEST_TMP");
    const std::filesystem::path root = std::filesystem::path(tmp ? tmp : "/tmp") / "sheet";
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root / "empty");
    const std::string sheet = (root / "sheet.png").string();
    EXPECT_EQ(WriteContactSheet(AssetsRoot().string(), sheet), 0);
    EXPECT_TRUE(DecodePicture(sheet));
    // Nothing there at all: every picture is marked, each back once per card colour.
    const int everything = static_cast<int>(assets::AllPictures().size() + 3 * 4);
    EXPECT_EQ(WriteContactSheet((root / "empty").string(), sheet), everything);
    EXPECT_EQ(WriteContactSheet(AssetsRoot().string(), (root / "no" / "sheet.png").string()), -1);
    std::filesystem::remove_all(root);
}

// A file under a picture's name that is not a picture decodes to nothing rather than garbage.
TEST(Pictures, AFileThatIsNoPictureDecodesToNothing) {
    const char* tmp = std::getenv("GNAMM_TEST_TMP");
    const auto file = std::filesystem::path(tmp ? tmp : "/tmp") / "no-picture.jpg";
    std::ofstream(file) << "not a picture";
    EXPECT_FALSE(DecodePicture(file));
    std::filesystem::remove(file);
}

}  // namespace
}  // namespace gnamm::art
