// Loading, resampling and keeping the pictures of the screen model.
#include "platform/texture_cache.h"

#include <SDL_image.h>

#include "platform/picture_scaling.h"

namespace gnamm::platform {

PictureLoader FileLoader(const AssetResolver& resolver) {
    return [&resolver](std::string_view name) -> SurfacePtr {
        const auto path = resolver.resolve(name);
        if (!path) return nullptr;
        return SurfacePtr(IMG_Load(path->string().c_str()));
    };
}

SDL_Texture* TextureCache::get(const std::string& name, int w, int h) {
    if (name.empty() || w <= 0 || h <= 0 || missing_.contains(name)) return nullptr;
    const Key key{name, w, h};
    if (auto it = textures_.find(key); it != textures_.end()) {
        it->second.used = true;
        return it->second.texture.get();
    }
    ++loads_;
    SurfacePtr source = loader_ ? loader_(name) : nullptr;
    if (!source) {
        missing_.insert(name);
        return nullptr;
    }
    SurfacePtr sized = ResampleSurface(source.get(), w, h);
    if (!sized) return nullptr;
    TexturePtr texture(SDL_CreateTextureFromSurface(renderer_, sized.get()));
    if (!texture) return nullptr;
    SDL_SetTextureBlendMode(texture.get(), SDL_BLENDMODE_BLEND);
    SDL_Texture* raw = texture.get();
    textures_[key] = Entry{std::move(texture), true};
    return raw;
}

void TextureCache::endFrame() {
    if (textures_.size() > keep_) {
        std::erase_if(textures_, [](const auto& kv) { return !kv.second.used; });
    }
    for (auto& [key, entry] : textures_) entry.used = false;
}

void TextureCache::clear() {
    textures_.clear();
    missing_.clear();
}

}  // namespace gnamm::platform
