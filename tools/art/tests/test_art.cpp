// The drawing helpers and what they drew: Zeb's model, the canvas, the card renderer on small
// decks written here, and every picture the game names, decoded at its promised size.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "canvas.h"
#include "card_faces.h"
#include "contact_sheet.h"
#include "data/asset_catalog.h"
#include "picture_file.h"
#include "picture_sizes.h"
#include "zeb_model.h"
#include "zeb_poses.h"

namespace gnamm::art {
namespace {

namespace fs = std::filesystem;

fs::path TempFolder(const std::string& name) {
    const char* tmp = std::getenv("GNAMM_TEST_TMP");
    const fs::path folder = fs::path(tmp ? tmp : "/tmp") / "art" / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

fs::path AssetsRoot() {
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

struct Region {
    int x0 = 1 << 20, y0 = 1 << 20, x1 = -1, y1 = -1;
    bool empty() const { return x1 < 0; }
};

// The box of the pixels that differ between two drawings of Zeb.
Region Difference(const ZebPose& a, const ZebPose& b) {
    Canvas first(kPhoto.width, kPhoto.height), second(kPhoto.width, kPhoto.height);
    DrawZeb(first.cr(), a);
    DrawZeb(second.cr(), b);
    cairo_surface_flush(first.surface());
    cairo_surface_flush(second.surface());
    Region r;
    for (int y = 0; y < kPhoto.height; ++y) {
        for (int x = 0; x < kPhoto.width; ++x) {
            if (Pixel(first.surface(), x, y) != Pixel(second.surface(), x, y)) {
                r.x0 = std::min(r.x0, x);
                r.y0 = std::min(r.y0, y);
                r.x1 = std::max(r.x1, x);
                r.y1 = std::max(r.y1, y);
            }
        }
    }
    return r;
}

TEST(ZebModel, EachSettingChangesOnlyItsOwnPartOfThePicture) {
    const ZebPose plain;
    ZebPose wink = plain;
    wink.face.leftEye = 0;
    const Region eye = Difference(plain, wink);
    ASSERT_FALSE(eye.empty());
    EXPECT_TRUE(eye.x1 < 240 && eye.y0 > 180 && eye.y1 < 290) << "the viewer's left eye";

    ZebPose frown = plain;
    frown.face.smile = -1;
    const Region mouth = Difference(plain, frown);
    ASSERT_FALSE(mouth.empty());
    EXPECT_GT(mouth.y0, 250) << "the mouth sits under the nose";

    ZebPose hidden = plain;
    hidden.right = {false, 410, 330, 0, HandShape::Open, Prop::Watch, 1.0};
    EXPECT_TRUE(Difference(plain, hidden).empty()) << "a hand not shown draws nothing";

    ZebPose waving = plain;
    waving.right = {true, 410, 330, 0, HandShape::Open, Prop::None, 1.0};
    const Region hand = Difference(plain, waving);
    ASSERT_FALSE(hand.empty());
    EXPECT_TRUE(hand.x0 <= 410 && hand.x1 >= 410 && hand.y0 <= 300) << "the hand where it is put";
    EXPECT_GT(hand.x0, 240) << "the viewer's right hand stays on the right";
}

TEST(ZebModel, WithoutHisWallZebLeavesTheCornersClear) {
    Canvas canvas(kPhoto.width, kPhoto.height);
    DrawZeb(canvas.cr(), ZebPose{}, false);
    cairo_surface_flush(canvas.surface());
    EXPECT_EQ(Alpha(canvas.surface(), 0, 0), 0);
    EXPECT_EQ(Alpha(canvas.surface(), kPhoto.width - 1, 0), 0);
    EXPECT_EQ(Alpha(canvas.surface(), kPhoto.width / 2, kPhoto.height / 2), 255);
}

TEST(ZebPoses, EveryShownHandIsInsideThePhotoAndPortraitsShowTheirLevel) {
    for (int n = 1; n <= 24; ++n) {
        SCOPED_TRACE(n);
        const ZebPose p = PhotoPose(n);
        for (const Hand* h : {&p.left, &p.right}) {
            if (!h->shown) continue;
            EXPECT_TRUE(h->x > 30 && h->x < kPhoto.width - 30 && h->y < kPhoto.height - 20);
            EXPECT_GT(h->y, 60) << "fingers or prop above the frame";
        }
        for (double eye : {p.face.leftEye, p.face.rightEye}) EXPECT_TRUE(eye >= 0 && eye <= 1);
    }
    // 'Cunning' winks, 'Cheat' hides a card and looks away, 'Honest' looks straight at you.
    const ZebPose cunning = PhotoPose(24), cheat = PhotoPose(23), honest = PhotoPose(18);
    EXPECT_NE(cunning.face.leftEye == 0, cunning.face.rightEye == 0);
    EXPECT_TRUE(cheat.left.prop == Prop::SleeveCard || cheat.right.prop == Prop::SleeveCard);
    EXPECT_NE(cheat.face.lookX, 0.0);
    EXPECT_EQ(honest.face.lookX, 0.0);
    EXPECT_GT(honest.face.smile, 0.0);
}

TEST(Canvas, FailsSoftlyWhereItCannotWrite) {
    const fs::path root = TempFolder("canvas");
    ASSERT_TRUE(MakeFolders((root / "a" / "b").string()));
    Canvas canvas(8, 8);
    EXPECT_TRUE(canvas.WritePng((root / "a" / "b" / "ok.png").string()));
    EXPECT_FALSE(canvas.WritePng((root / "missing" / "no.png").string()));
    std::ofstream(root / "plain") << "x";
    EXPECT_FALSE(MakeFolders((root / "plain" / "sub").string()));
    // A catalogue name becomes its PNG file in the folder, whatever its own extension.
    EXPECT_TRUE(canvas.WriteAsset((root / "a").string(), "\\Foto\\Foto04.jpg", "test"));
    EXPECT_TRUE(fs::exists(root / "a" / "Foto04.png"));
    EXPECT_FALSE(canvas.WriteAsset((root / "missing").string(), "\\Grafica\\Barra.gif", "test"));
    // The JPEG of a picture takes the place of an older build's PNG, which the game would also
    // find, and decodes at its size.
    Canvas splash(64, 48);
    cairo_set_source_rgb(splash.cr(), 0.8, 0.5, 0.2);
    cairo_paint(splash.cr());
    EXPECT_TRUE(splash.WriteAsset((root / "a").string(), assets::kSplash, "test"));
    EXPECT_TRUE(WriteJpegAsset(splash.surface(), (root / "a").string(), assets::kSplash, "test"));
    EXPECT_FALSE(fs::exists(root / "a" / "Splash.png"));
    const Surface back = DecodePicture(root / "a" / "Splash.jpg");
    ASSERT_TRUE(back);
    EXPECT_EQ(cairo_image_surface_get_width(back.get()), 64);
    EXPECT_NEAR(cairo_image_surface_get_data(back.get())[2], 204, 6);  // red, little-endian BGRA
    EXPECT_FALSE(
        WriteJpegAsset(splash.surface(), (root / "missing").string(), assets::kSplash, "test"));
}

TEST(PictureSizes, NamesMatchWhateverTheirCaseAndUnknownNamesHaveNoSize) {
    EXPECT_EQ(PromisedSize("\\FOTO\\foto04.JPG").width, kPhoto.width);
    EXPECT_EQ(PromisedSize("\\carte\\kp.jpg").height, kCard.height);
    EXPECT_EQ(PromisedSize("\\Grafica\\fumetto3.gif").width, kBubbleSmall.width);
    EXPECT_EQ(PromisedSize("\\Foto\\Foto25.jpg").width, 0);
    EXPECT_EQ(PromisedSize("").width, 0);
    EXPECT_EQ(PromisedSize(std::string(assets::kSplash)).width, kSplash.width);
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
        ASSERT_TRUE(cairo_image_surface_get_width(s) == kCard.width &&
                    cairo_image_surface_get_height(s) == kCard.height);
        // White card right up to the edges: no margin, and the faint halo of the ace of
        // spades is not taken for card.
        const int w = kCard.width, h = kCard.height;
        const std::pair<int, int> edges[] = {
            {w / 2, 3}, {3, h / 2}, {w - 4, h / 2}, {w / 2, h - 4}};
        for (const auto& [x, y] : edges) EXPECT_GT(Alpha(s, x, y), 200) << x << "," << y;
        different.insert(Fingerprint(s));
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
        EXPECT_TRUE(Alpha(bubble.get(), w - 1, 0) == 0 && Alpha(bubble.get(), w - 1, h - 1) == 0);
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
    const fs::path root = TempFolder("sheet");
    fs::create_directories(root / "empty");
    const std::string sheet = (root / "sheet.png").string();
    EXPECT_EQ(WriteContactSheet(AssetsRoot().string(), sheet), 0);
    EXPECT_TRUE(DecodePicture(sheet));
    // Nothing there at all: every picture is marked, each back once per card colour.
    const int everything = static_cast<int>(assets::AllPictures().size() + 3 * 4);
    EXPECT_EQ(WriteContactSheet((root / "empty").string(), sheet), everything);
    EXPECT_EQ(WriteContactSheet(AssetsRoot().string(), (root / "no" / "sheet.png").string()), -1);
    // A file under a picture's name that is not a picture decodes to nothing, not garbage.
    std::ofstream(root / "no-picture.jpg") << "not a picture";
    EXPECT_FALSE(DecodePicture(root / "no-picture.jpg"));
    fs::remove_all(root);
}

}  // namespace
}  // namespace gnamm::art
