// Checks the drawing helpers: Nonno Zeb's model acts where each setting says, the canvas
// fails softly, and every picture name has its promised size whatever its case.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "canvas.h"
#include "data/asset_catalog.h"
#include "picture_sizes.h"
#include "zeb_model.h"
#include "zeb_poses.h"

namespace gnamm::art {
namespace {

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
    const int stride = cairo_image_surface_get_stride(first.surface());
    const unsigned char* p = cairo_image_surface_get_data(first.surface());
    const unsigned char* q = cairo_image_surface_get_data(second.surface());
    Region r;
    for (int y = 0; y < kPhoto.height; ++y) {
        const auto* rp = reinterpret_cast<const uint32_t*>(p + y * stride);
        const auto* rq = reinterpret_cast<const uint32_t*>(q + y * stride);
        for (int x = 0; x < kPhoto.width; ++x) {
            if (rp[x] != rq[x]) {
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
    EXPECT_LT(eye.x1, 240) << "the viewer's left eye is on the left";
    EXPECT_GT(eye.y0, 180);
    EXPECT_LT(eye.y1, 290);

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
    EXPECT_LE(hand.x0, 410);
    EXPECT_GE(hand.x1, 410);
    EXPECT_LE(hand.y0, 300);
    EXPECT_GT(hand.x0, 240) << "the viewer's right hand stays on the right";
}

TEST(ZebModel, WithoutHisWallZebLeavesTheCornersClear) {
    Canvas canvas(kPhoto.width, kPhoto.height);
    DrawZeb(canvas.cr(), ZebPose{}, false);
    cairo_surface_flush(canvas.surface());
    const auto* first =
        reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(canvas.surface()));
    EXPECT_EQ(first[0] >> 24, 0u);
    EXPECT_EQ(first[kPhoto.width - 1] >> 24, 0u);
    EXPECT_EQ(first[(kPhoto.height / 2) * kPhoto.width + kPhoto.width / 2] >> 24, 255u);
}

TEST(ZebPoses, EveryShownHandIsInsideThePhotoAndPortraitsShowTheirLevel) {
    for (int n = 1; n <= 24; ++n) {
        SCOPED_TRACE(n);
        const ZebPose p = PhotoPose(n);
        for (const Hand* h : {&p.left, &p.right}) {
            if (!h->shown) continue;
            EXPECT_GT(h->x, 30);
            EXPECT_LT(h->x, kPhoto.width - 30);
            EXPECT_GT(h->y, 60) << "fingers or prop above the frame";
            EXPECT_LT(h->y, kPhoto.height - 20);
        }
        for (double eye : {p.face.leftEye, p.face.rightEye}) {
            EXPECT_GE(eye, 0.0);
            EXPECT_LE(eye, 1.0);
        }
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
    const char* tmp = std::getenv("GNAMM_TEST_TMP");
    const std::filesystem::path root = std::filesystem::path(tmp ? tmp : "/tmp") / "canvas";
    std::filesystem::remove_all(root);
    ASSERT_TRUE(MakeFolders((root / "a" / "b").string()));
    Canvas canvas(8, 8);
    EXPECT_TRUE(canvas.WritePng((root / "a" / "b" / "ok.png").string()));
    EXPECT_FALSE(canvas.WritePng((root / "missing" / "no.png").string()));
    std::ofstream(root / "plain") << "x";
    EXPECT_FALSE(MakeFolders((root / "plain" / "sub").string()));
    // A catalogue name becomes its PNG file in the folder, whatever its own extension.
    EXPECT_TRUE(canvas.WriteAsset((root / "a").string(), "\\Foto\\Foto04.jpg", "test"));
    EXPECT_TRUE(std::filesystem::exists(root / "a" / "Foto04.png"));
    EXPECT_FALSE(canvas.WriteAsset((root / "missing").string(), "\\Grafica\\Barra.gif", "test"));
}

TEST(PictureSizes, NamesMatchWhateverTheirCaseAndUnknownNamesHaveNoSize) {
    EXPECT_EQ(PromisedSize("\\FOTO\\foto04.JPG").width, kPhoto.width);
    EXPECT_EQ(PromisedSize("\\carte\\kp.jpg").height, kCard.height);
    EXPECT_EQ(PromisedSize("\\Grafica\\fumetto3.gif").width, kBubbleSmall.width);
    EXPECT_EQ(PromisedSize("\\Foto\\Foto25.jpg").width, 0);
    EXPECT_EQ(PromisedSize("").width, 0);
    EXPECT_EQ(PromisedSize(std::string(assets::kSplash)).width, kSplash.width);
}

}  // namespace
}  // namespace gnamm::art
