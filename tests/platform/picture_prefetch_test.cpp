// The picture decoded ahead of the first frame is the one drawn, handed over once, and a
// failed early decoding still leaves the picture to the ordinary loader.
#include "platform/picture_prefetch.h"

#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <thread>

#include "platform/sdl_fixture.h"

namespace gnamm::platform {
namespace {

using testing_support::EnsureSdl;
using testing_support::PixelAt;
using testing_support::SolidSurface;

constexpr Rgb kAhead{200, 10, 10};
constexpr Rgb kFromDisk{10, 200, 10};

// A loader that counts what it is asked for and answers every name with a green picture.
struct CountingLoader {
    std::map<std::string, int> asked;
    PictureLoader loader() {
        return [this](std::string_view name) {
            ++asked[std::string(name)];
            return SolidSurface(4, 3, kFromDisk);
        };
    }
};

TEST(PicturePrefetch, HandsOverTheEarlyPictureOnceThenLoadsAsUsual) {
    EnsureSdl();
    CountingLoader disk;
    std::atomic<int> decodes{0};
    const PictureLoader load = PrefetchingLoader(disk.loader(), "\\Grafica\\Splash.jpg", [&] {
        ++decodes;
        return SolidSurface(8, 6, kAhead);
    });

    const SurfacePtr first = load("\\Grafica\\Splash.jpg");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->w, 8);
    EXPECT_EQ(PixelAt(first.get(), 0, 0), kAhead);
    EXPECT_EQ(disk.asked.count("\\Grafica\\Splash.jpg"), 0u);

    // The window resized: the picture is wanted again and comes from the disk.
    const SurfacePtr again = load("\\Grafica\\Splash.jpg");
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(PixelAt(again.get(), 0, 0), kFromDisk);
    EXPECT_EQ(disk.asked["\\Grafica\\Splash.jpg"], 1);

    const SurfacePtr other = load("\\Grafica\\Tavolo.jpg");
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(disk.asked["\\Grafica\\Tavolo.jpg"], 1);
    EXPECT_EQ(decodes.load(), 1);
}

TEST(PicturePrefetch, AFailedEarlyDecodingFallsBackToTheLoader) {
    EnsureSdl();
    CountingLoader disk;
    const PictureLoader load =
        PrefetchingLoader(disk.loader(), "\\Grafica\\Splash.jpg", [] { return SurfacePtr(); });
    const SurfacePtr s = load("\\Grafica\\Splash.jpg");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(PixelAt(s.get(), 0, 0), kFromDisk);
    EXPECT_EQ(disk.asked["\\Grafica\\Splash.jpg"], 1);
}

TEST(PicturePrefetch, TheDecodingRunsAlongsideTheCaller) {
    EnsureSdl();
    // The decoder waits for the caller to go on: it would never end if it ran on the
    // caller's thread at the loader's making.
    std::atomic<bool> callerWentOn{false};
    const PictureLoader load = PrefetchingLoader(nullptr, "pic", [&] {
        while (!callerWentOn.load()) std::this_thread::yield();
        return SolidSurface(2, 2, kAhead);
    });
    callerWentOn = true;
    const SurfacePtr s = load("pic");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(PixelAt(s.get(), 1, 1), kAhead);
    EXPECT_EQ(load("other"), nullptr);  // no fallback: nothing else to be had
}

}  // namespace
}  // namespace gnamm::platform
