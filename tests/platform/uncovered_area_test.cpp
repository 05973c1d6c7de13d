#include "platform/uncovered_area.h"

#include <gtest/gtest.h>

#include <vector>

namespace gnamm::platform {
namespace {

// Paints the parts on a grid and checks each cell is painted exactly when no cover holds it,
// and never twice.
void ExpectExactCover(const SDL_Rect& area, const std::vector<SDL_Rect>& covers) {
    const std::vector<SDL_Rect> parts = UncoveredParts(area, covers);
    for (int y = area.y - 2; y < area.y + area.h + 2; ++y) {
        for (int x = area.x - 2; x < area.x + area.w + 2; ++x) {
            const SDL_Point p{x, y};
            int painted = 0;
            for (const SDL_Rect& r : parts) painted += SDL_PointInRect(&p, &r) ? 1 : 0;
            bool hidden = false;
            for (const SDL_Rect& c : covers) hidden = hidden || SDL_PointInRect(&p, &c);
            const bool wanted = SDL_PointInRect(&p, &area) && !hidden;
            ASSERT_EQ(painted, wanted ? 1 : 0) << "at " << x << "," << y;
        }
    }
}

TEST(UncoveredParts, NoCoverLeavesTheWholeArea) {
    const std::vector<SDL_Rect> parts = UncoveredParts({10, 20, 30, 40}, {});
    ASSERT_EQ(parts.size(), 1u);
    const SDL_Rect whole{10, 20, 30, 40};
    EXPECT_TRUE(SDL_RectEquals(&parts[0], &whole));
}

TEST(UncoveredParts, AWholeCoverLeavesNothingAndAnEmptyAreaGivesNothing) {
    EXPECT_TRUE(UncoveredParts({10, 10, 20, 20}, {{0, 0, 100, 100}}).empty());
    EXPECT_TRUE(UncoveredParts({10, 10, 0, 20}, {}).empty());
}

TEST(UncoveredParts, TheFourSideBoxesOfTheTable) {
    // Boxes in the corners, as at 800 x 600, and the photo inside one of them.
    const SDL_Rect window{0, 0, 800, 600};
    const std::vector<SDL_Rect> boxes{
        {10, 2, 200, 230}, {590, 30, 200, 180}, {5, 395, 200, 200}, {590, 395, 205, 200},
        {20, 10, 180, 150}};
    const std::vector<SDL_Rect> parts = UncoveredParts(window, boxes);
    long long area = 0;
    for (const SDL_Rect& r : parts) area += static_cast<long long>(r.w) * r.h;
    const long long covered = 200 * 230 + 200 * 180 + 200 * 200 + 205 * 200;
    EXPECT_EQ(area, 800LL * 600 - covered);
    // Bands with the same gaps are joined: a handful of fills, not one per band.
    EXPECT_LE(parts.size(), 12u);
}

TEST(UncoveredParts, OverlappingCoversAndCoversReachingOutside) {
    ExpectExactCover({0, 0, 40, 30}, {{5, 5, 10, 10}, {10, 8, 10, 10}, {-5, 20, 15, 20}});
    ExpectExactCover({3, 4, 25, 20}, {{0, 0, 8, 50}, {20, 0, 30, 6}, {12, 12, 1, 1}});
    ExpectExactCover({0, 0, 30, 30}, {{10, 0, 10, 30}, {0, 10, 30, 10}});  // a cross
}

}  // namespace
}  // namespace gnamm::platform
