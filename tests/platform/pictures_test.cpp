// Pictures on their way to the screen: scaled down to their size on screen, loaded once, told
// opaque only without a transparent pixel, and the first one decoded ahead of the first frame.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <tuple>

#include "platform/picture_prefetch.h"
#include "platform/picture_scaling.h"
#include "platform/texture_cache.h"
#include "sdl_fixture.h"

namespace gnamm::platform {
namespace {

using testing_support::EnsureSdl;
using testing_support::PixelAt;
using testing_support::SoftwareCanvas;
using testing_support::SolidSurface;
using testing_support::TestPictures;

constexpr Rgb kAhead{200, 10, 10};
constexpr Rgb kFromDisk{10, 200, 10};

TEST(PictureScaling, DownscaleAveragesInsteadOfDroppingPixels) {
    EnsureSdl();
    // A one-pixel black and white checkerboard: nearest-pixel sampling would keep only one of
    // the two colours; a proper reduction is an even grey.
    SurfacePtr board = SolidSurface(1212, 1740, {0, 0, 0});
    auto* pixels = static_cast<Uint32*>(board->pixels);  // 32-bit rows of 1212: no padding
    for (int i = 0; i < board->w * board->h; ++i) {
        if ((i % board->w + i / board->w) % 2) pixels[i] = 0xFFFFFFFFu;
    }
    SurfacePtr small = ResampleSurface(board.get(), 101, 145);
    ASSERT_TRUE(small);
    EXPECT_EQ(std::pair(small->w, small->h), std::pair(101, 145));
    for (auto [x, y] : {std::pair{0, 0}, {50, 70}, {100, 144}, {33, 99}}) {
        EXPECT_NEAR(PixelAt(small.get(), x, y).r, 128, 12) << x << "," << y;
    }
    // A picture without alpha stays without (no pixel then needs checking for holes), one with
    // alpha keeps it, any other format becomes ARGB; the source is left as it was.
    const std::pair<Uint32, Uint32> formats[] = {
        {SDL_PIXELFORMAT_RGB888, SDL_PIXELFORMAT_RGB888},
        {SDL_PIXELFORMAT_ARGB8888, SDL_PIXELFORMAT_ARGB8888},
        {SDL_PIXELFORMAT_RGB24, SDL_PIXELFORMAT_ARGB8888},
    };
    for (const auto& [from, to] : formats) {
        SurfacePtr source(SDL_ConvertSurfaceFormat(SolidSurface(40, 30, kAhead).get(), from, 0));
        for (const auto& [w, h] : {std::pair{40, 30}, {25, 20}, {9, 7}}) {
            SurfacePtr sized = ResampleSurface(source.get(), w, h);
            ASSERT_TRUE(sized && sized.get() != source.get());
            EXPECT_EQ(std::tuple(sized->w, sized->h, sized->format->format), std::tuple(w, h, to));
            EXPECT_EQ(PixelAt(sized.get(), w / 2, h / 2), kAhead) << SDL_GetPixelFormatName(from);
        }
        EXPECT_EQ(source->w, 40);
    }
}

// A picture is made at its size on screen and loaded once, a missing one looked for once; only
// a picture without any transparent pixel covers what lies under it.
TEST(TextureCache, PicturesAreMadeAtTheirSizeLoadedOnceAndOpaqueWithoutATransparentPixel) {
    SoftwareCanvas target;
    TestPictures pics;
    pics.add("plain", kFromDisk, 1010, 1450);
    pics.add("other", kFromDisk, 1010, 1450);
    // "holed" is a plain picture at its size on screen with one fully transparent pixel.
    const PictureLoader loader = [&pics](std::string_view name) {
        if (name != "holed") return pics.loader()(name);
        SurfacePtr s = SolidSurface(101, 145, kFromDisk);
        SDL_SetSurfaceBlendMode(s.get(), SDL_BLENDMODE_NONE);
        const SDL_Rect px{100, 144, 1, 1};
        SDL_FillRect(s.get(), &px, SDL_MapRGBA(s->format, 0, 0, 0, 0));
        return s;
    };
    TextureCache cache(target.renderer.get(), loader);
    int w = 0, h = 0;
    ASSERT_EQ(SDL_QueryTexture(cache.get("plain", 101, 145), nullptr, nullptr, &w, &h), 0);
    EXPECT_EQ(std::pair(w, h), std::pair(101, 145));
    EXPECT_TRUE(cache.opaque("plain", 101, 145));
    EXPECT_FALSE(cache.opaque("holed", 101, 145));
    EXPECT_EQ(cache.get("missing", 101, 145), nullptr);
    EXPECT_FALSE(cache.opaque("missing", 101, 145));
    EXPECT_EQ(cache.get("missing", 101, 145), nullptr);
    EXPECT_EQ(pics.asked, (std::vector<std::string>{"plain", "missing"}));
    EXPECT_EQ(cache.loads(), 3);
    // For a card in flight, the nearest kept size no smaller than the one asked, at no load; a
    // picture kept at no such size is made at the size asked.
    SDL_Texture* const small = cache.get("plain", 50, 72);
    SDL_Texture* const big = cache.get("plain", 101, 145);
    for (const auto& [aw, ah, kept] : {std::tuple(101, 145, big), std::tuple(90, 130, big),
                                       std::tuple(60, 80, big), std::tuple(45, 60, small)}) {
        EXPECT_EQ(cache.nearest("plain", aw, ah), kept) << aw << "x" << ah;
    }
    EXPECT_EQ(cache.loads(), 4);
    cache.get("other", 20, 30);
    ASSERT_EQ(SDL_QueryTexture(cache.nearest("other", 30, 40), nullptr, nullptr, &w, &h), 0);
    EXPECT_EQ(std::pair(w, h), std::pair(30, 40));

    // An opaque picture is kept without alpha and drawn as a plain copy; a holed one keeps
    // its alpha and blends.
    for (const std::string name : {"plain", "holed"}) {
        Uint32 format = 0;
        SDL_BlendMode blend = SDL_BLENDMODE_INVALID;
        ASSERT_EQ(SDL_QueryTexture(cache.get(name, 101, 145), &format, nullptr, nullptr, nullptr),
                  0);
        SDL_GetTextureBlendMode(cache.get(name, 101, 145), &blend);
        EXPECT_EQ(std::pair(SDL_ISPIXELFORMAT_ALPHA(format), blend),
                  name == "plain" ? std::pair(false, SDL_BLENDMODE_NONE)
                                  : std::pair(true, SDL_BLENDMODE_BLEND))
            << name;
    }
}

// Pictures made ahead of need are held however many others there are, until let go; the
// others go once a frame leaves them unused and the cache holds more than it keeps.
TEST(TextureCache, PicturesMadeAheadAreHeldPastTheLimitUntilLetGo) {
    SoftwareCanvas target;
    TestPictures pics;
    for (const char* name : {"a", "b"}) pics.add(name, kFromDisk, 20, 30);
    TextureCache cache(target.renderer.get(), pics.loader(), 1);
    // At every size wanted from one reading; kept already, not read again.
    EXPECT_TRUE(cache.prepare("a", {{10, 15}, {15, 10}}));
    EXPECT_FALSE(cache.prepare("a", {{10, 15}}));
    cache.get("b", 10, 15);
    cache.get("b", 5, 7);
    EXPECT_EQ(cache.loads(), 3);
    cache.endFrame();  // all used by this frame
    EXPECT_EQ(cache.size(), 4u);
    cache.endFrame();  // unused by this one: those made ahead stay
    EXPECT_EQ(cache.size(), 2u);
    cache.get("a", 10, 15);
    cache.get("a", 15, 10);
    EXPECT_EQ(cache.loads(), 3);
    cache.letGo();
    cache.endFrame();
    cache.endFrame();
    EXPECT_EQ(cache.size(), 0u);
    EXPECT_TRUE(cache.prepare("missing", {{10, 15}}));  // looked for once
    EXPECT_FALSE(cache.prepare("missing", {{10, 15}}));
}

// The pictures decoded ahead of the first frame, alongside the caller and in the order given, are
// the ones drawn, each handed over once; asked again (a resized window) or failed early, they come
// from the ordinary loader.
TEST(PicturePrefetch, HandsOverTheEarlyPicturesOnceThenLoadsAsUsual) {
    EnsureSdl();
    TestPictures disk;
    const std::string splash = "\\Grafica\\Splash.jpg", titolo = "\\Grafica\\Gnamm.gif";
    for (const std::string& name : {splash, titolo, std::string("\\Grafica\\Tavolo.jpg")}) {
        disk.add(name, kFromDisk);
    }
    std::vector<std::string> decoded;  // by the worker, read once the pictures are handed over
    auto decoder = [&decoded](std::string name, SurfacePtr (*make)()) {
        return [&decoded, name, make] {
            decoded.push_back(name);
            return make();
        };
    };
    const auto good = +[] { return SolidSurface(8, 6, kAhead); };
    const auto bad = +[] { return SurfacePtr(); };
    const PictureLoader load = PrefetchingLoader(
        disk.loader(), {{splash, decoder(splash, good)}, {titolo, decoder(titolo, bad)}});
    const SurfacePtr first = load(splash);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(PixelAt(first.get(), 0, 0), kAhead);
    EXPECT_TRUE(disk.asked.empty());
    const SurfacePtr title = load(titolo);  // its early decoding failed: from disk
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(PixelAt(title.get(), 0, 0), kFromDisk);
    EXPECT_EQ(decoded, (std::vector<std::string>{splash, titolo}));
    const SurfacePtr again = load(splash);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(PixelAt(again.get(), 0, 0), kFromDisk);
    EXPECT_NE(load("\\Grafica\\Tavolo.jpg"), nullptr);
    EXPECT_EQ(disk.asked, (std::vector<std::string>{titolo, splash, "\\Grafica\\Tavolo.jpg"}));

    // The decoder waits for the caller to go on: it would never end if it ran on the
    // caller's thread at the loader's making.
    std::atomic<bool> callerWentOn{false};
    const PictureLoader threaded =
        PrefetchingLoader(nullptr, {{"pic", [&] {
                                         while (!callerWentOn.load()) std::this_thread::yield();
                                         return SolidSurface(2, 2, kAhead);
                                     }}});
    callerWentOn = true;
    const SurfacePtr alongside = threaded("pic");
    ASSERT_NE(alongside, nullptr);
    EXPECT_EQ(PixelAt(alongside.get(), 1, 1), kAhead);
    EXPECT_EQ(threaded("other"), nullptr);  // no fallback: nothing else to be had
}

}  // namespace
}  // namespace gnamm::platform
