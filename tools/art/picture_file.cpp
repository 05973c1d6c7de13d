#include "picture_file.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "data/asset_catalog.h"
#include "data/asset_resolver.h"

namespace gnamm::art {

std::optional<std::filesystem::path> FindPicture(const std::filesystem::path& assetsRoot,
                                                 std::string_view assetName) {
    return AssetResolver(assetsRoot).resolve(assetName);
}

Surface DecodePicture(const std::filesystem::path& file) {
    SDL_Surface* loaded = IMG_Load(file.string().c_str());
    if (!loaded) return nullptr;
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    if (!argb) return nullptr;
    Surface out(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, argb->w, argb->h));
    unsigned char* dst = cairo_image_surface_get_data(out.get());
    const int dstStride = cairo_image_surface_get_stride(out.get());
    SDL_LockSurface(argb);
    for (int y = 0; y < argb->h; ++y) {
        const auto* from = reinterpret_cast<const uint32_t*>(
            static_cast<const unsigned char*>(argb->pixels) + y * argb->pitch);
        auto* to = reinterpret_cast<uint32_t*>(dst + y * dstStride);
        for (int x = 0; x < argb->w; ++x) {
            // Cairo keeps colours premultiplied by alpha; SDL does not.
            const uint32_t p = from[x];
            const uint32_t a = p >> 24;
            auto pre = [a](uint32_t c) { return (c * a + 127) / 255; };
            to[x] = (a << 24) | (pre((p >> 16) & 0xff) << 16) | (pre((p >> 8) & 0xff) << 8) |
                    pre(p & 0xff);
        }
    }
    SDL_UnlockSurface(argb);
    SDL_FreeSurface(argb);
    cairo_surface_mark_dirty(out.get());
    return out;
}

bool WriteJpegAsset(cairo_surface_t* picture, const std::string& folder, std::string_view assetName,
                    const char* tool) {
    constexpr int kQuality = 90;  // no difference to be seen at any size the game shows it
    const std::string file = assets::Split(assetName).file;
    const std::string stem = folder + "/" + file.substr(0, file.find('.'));
    cairo_surface_flush(picture);
    // Cairo's ARGB32 is SDL's ARGB8888; the picture is opaque, so premultiplying changed
    // nothing.
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(
        cairo_image_surface_get_data(picture), cairo_image_surface_get_width(picture),
        cairo_image_surface_get_height(picture), 32, cairo_image_surface_get_stride(picture),
        SDL_PIXELFORMAT_ARGB8888);
    const bool ok = s && IMG_SaveJPG(s, (stem + ".jpg").c_str(), kQuality) == 0;
    SDL_FreeSurface(s);
    if (!ok) {
        std::fprintf(stderr, "%s: cannot write %s.jpg\n", tool, stem.c_str());
        return false;
    }
    std::error_code ec;
    std::filesystem::remove(stem + ".png", ec);
    return true;
}

}  // namespace gnamm::art
