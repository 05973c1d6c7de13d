// Loading, resampling and keeping the pictures of the screen model.
#include "platform/texture_cache.h"

#include <SDL_image.h>

#include <cstdlib>
#include <cstring>

#include "platform/picture_scaling.h"

namespace gnamm::platform {

PictureLoader FileLoader(const AssetResolver& resolver) {
    return [&resolver](std::string_view name) -> SurfacePtr {
        const auto path = resolver.resolve(name);
        if (!path) return nullptr;
        return SurfacePtr(IMG_Load(path->string().c_str()));
    };
}

namespace {

// True when no pixel of the surface lets anything under it show through.
bool EveryPixelOpaque(SDL_Surface* s) {
    const Uint32 amask = s->format->Amask;
    if (!amask) return true;
    if (SDL_MUSTLOCK(s) && SDL_LockSurface(s) != 0) return false;
    bool opaque = true;
    const int bpp = s->format->BytesPerPixel;
    for (int y = 0; y < s->h && opaque; ++y) {
        const auto* row = static_cast<const Uint8*>(s->pixels) + y * s->pitch;
        // The alpha bits of every pixel of the row ANDed together: a tight loop the compiler
        // unrolls, for the megapixels of a splash.
        Uint32 all = amask;
        for (int x = 0; x < s->w; ++x) {
            Uint32 px = 0;
            if (bpp == 4) {
                std::memcpy(&px, row + x * 4, 4);
            } else {
                std::memcpy(&px, row + x * bpp, static_cast<std::size_t>(bpp));
            }
            all &= px;
        }
        opaque = (all & amask) == amask;
    }
    if (SDL_MUSTLOCK(s)) SDL_UnlockSurface(s);
    return opaque;
}

}  // namespace

SDL_Texture* TextureCache::get(const std::string& name, int w, int h) {
    Entry* e = entry(name, w, h);
    return e ? e->texture.get() : nullptr;
}

SDL_Texture* TextureCache::nearest(const std::string& name, int w, int h) {
    Entry* best = nullptr;
    long long bestGap = 0;
    for (auto it = textures_.lower_bound(Key{name, INT_MIN, INT_MIN});
         it != textures_.end() && std::get<0>(it->first) == name; ++it) {
        // Only ever shrunk: stretched up, a picture would blur.
        if (std::get<1>(it->first) < w || std::get<2>(it->first) < h) continue;
        const long long gap = std::llabs(static_cast<long long>(std::get<1>(it->first)) - w) +
                              std::llabs(static_cast<long long>(std::get<2>(it->first)) - h);
        if (!best || gap < bestGap) {
            best = &it->second;
            bestGap = gap;
        }
    }
    if (!best) return get(name, w, h);
    best->used = true;
    return best->texture.get();
}

bool TextureCache::opaque(const std::string& name, int w, int h) {
    const Entry* e = entry(name, w, h);
    return e && e->opaque;
}

TextureCache::Entry* TextureCache::entry(const std::string& name, int w, int h) {
    if (name.empty() || w <= 0 || h <= 0 || missing_.contains(name)) return nullptr;
    const Key key{name, w, h};
    if (auto it = textures_.find(key); it != textures_.end()) {
        it->second.used = true;
        return &it->second;
    }
    ++loads_;
    SurfacePtr source = loader_ ? loader_(name) : nullptr;
    if (!source) {
        missing_.insert(name);
        return nullptr;
    }
    return make(key, source.get());
}

TextureCache::Entry* TextureCache::make(const Key& key, SDL_Surface* source) {
    SurfacePtr sized = ResampleSurface(source, std::get<1>(key), std::get<2>(key));
    if (!sized) return nullptr;
    const bool opaque = EveryPixelOpaque(sized.get());
    if (opaque && sized->format->format != SDL_PIXELFORMAT_RGB888) {
        // Kept without alpha, in the window's usual format: then drawing it is a plain copy
        // of rows, not a conversion of every pixel.
        SurfacePtr rgb(SDL_ConvertSurfaceFormat(sized.get(), SDL_PIXELFORMAT_RGB888, 0));
        if (rgb) sized = std::move(rgb);
    }
    TexturePtr texture(SDL_CreateTextureFromSurface(renderer_, sized.get()));
    if (!texture) return nullptr;
    // Blending costs a software renderer dearly on a big window; an opaque picture needs none.
    SDL_SetTextureBlendMode(texture.get(), opaque ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
    Entry& e = textures_[key];
    e = Entry{std::move(texture), true, opaque};
    return &e;
}

bool TextureCache::prepare(const std::string& name, const std::vector<std::pair<int, int>>& sizes) {
    if (name.empty() || missing_.contains(name)) return false;
    SurfacePtr source;
    bool read = false;
    for (const auto& [w, h] : sizes) {
        if (w <= 0 || h <= 0) continue;
        const Key key{name, w, h};
        auto it = textures_.find(key);
        Entry* e = it != textures_.end() ? &it->second : nullptr;
        if (!e) {
            if (!read) {
                read = true;
                ++loads_;
                source = loader_ ? loader_(name) : nullptr;
            }
            if (!source) {
                missing_.insert(name);
                return true;
            }
            e = make(key, source.get());
        }
        if (e && !e->held) {
            e->held = true;
            ++held_;
        }
    }
    return read;
}

void TextureCache::letGo() {
    for (auto& [key, entry] : textures_) entry.held = false;
    held_ = 0;
}

void TextureCache::endFrame() {
    if (textures_.size() > keep_ + held_) {
        std::erase_if(textures_, [](const auto& kv) { return !kv.second.used && !kv.second.held; });
    }
    for (auto& [key, entry] : textures_) entry.used = false;
}

void TextureCache::clear() {
    textures_.clear();
    held_ = 0;
    missing_.clear();
}

}  // namespace gnamm::platform
