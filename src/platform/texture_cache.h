// Pictures of the screen model as textures, each loaded once at the size it is shown at.
//
// Keyed by asset name and pixel size: a resized window makes new textures at the new size and
// the old ones are dropped once nothing draws them. A name that does not load is remembered,
// so a missing file costs one look on disk, not one a frame.
#pragma once

#include <climits>
#include <cstddef>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "data/asset_resolver.h"
#include "platform/sdl_handles.h"

namespace gnamm::platform {

// Loads the picture an asset name stands for; null when there is none.
using PictureLoader = std::function<SurfacePtr(std::string_view assetName)>;

// The loader of the game: the resolver finds the file, SDL_image reads it.
PictureLoader FileLoader(const AssetResolver& resolver);

class TextureCache {
  public:
    TextureCache(SDL_Renderer* renderer, PictureLoader loader, std::size_t keep = 160)
        : renderer_(renderer), loader_(std::move(loader)), keep_(keep) {}

    // The picture at exactly w x h pixels, or null when it cannot be loaded.
    SDL_Texture* get(const std::string& name, int w, int h);
    // The picture as kept at w x h or, when it is not, at the nearest kept size no smaller, for
    // the caller to shrink: a card in flight changes size each frame, and a picture made afresh
    // each frame would cost a load and a resampling. Loaded at w x h when none is kept.
    SDL_Texture* nearest(const std::string& name, int w, int h);
    // Whether that picture covers every one of its pixels (no transparency at all), so what
    // lies under it need not be drawn. Loads it if need be; false when it cannot be loaded.
    bool opaque(const std::string& name, int w, int h);

    // Makes the picture ahead of need at each of `sizes` not kept yet, from one reading, and
    // holds it there: no endFrame() drops it, however many others there are, until clear() or
    // letGo(). True when it had to be read.
    bool prepare(const std::string& name, const std::vector<std::pair<int, int>>& sizes);
    // The pictures held by prepare() become ordinary ones again, dropped when unused.
    void letGo();

    // Drops the textures the last frame did not use once there are more than `keep` besides
    // those held.
    void endFrame();
    void clear();

    std::size_t size() const { return textures_.size(); }
    int loads() const { return loads_; }

  private:
    using Key = std::tuple<std::string, int, int>;
    struct Entry {
        TexturePtr texture;
        bool used = false;
        bool opaque = false;
        bool held = false;  // made ahead by prepare()
    };
    SDL_Renderer* renderer_;
    PictureLoader loader_;
    std::size_t keep_;
    std::size_t held_ = 0;
    std::map<Key, Entry> textures_;
    Entry* entry(const std::string& name, int w, int h);
    // Makes the entry `key` from the picture as read; null when it cannot be made.
    Entry* make(const Key& key, SDL_Surface* source);

    std::set<std::string> missing_;
    int loads_ = 0;
};

}  // namespace gnamm::platform
