// Pictures decoded ahead, each handed over once.
#include "platform/picture_prefetch.h"

#include <SDL_image.h>

#include <future>
#include <memory>
#include <mutex>

namespace gnamm::platform {

namespace {

struct Ahead {
    std::mutex mutex;
    std::vector<std::string> names;
    std::vector<std::promise<SurfacePtr>> promises;
    std::vector<std::future<SurfacePtr>> pictures;
    std::vector<bool> taken;
    // Declared last, so destroyed first: its destructor waits for the worker, which still
    // fulfils the promises above.
    std::future<void> worker;
};

}  // namespace

PictureLoader PrefetchingLoader(PictureLoader fallback, std::vector<AheadPicture> pictures) {
    auto ahead = std::make_shared<Ahead>();
    std::vector<std::function<SurfacePtr()>> decoders;
    for (AheadPicture& p : pictures) {
        if (!p.decode) continue;
        ahead->names.push_back(std::move(p.name));
        ahead->promises.emplace_back();
        ahead->pictures.push_back(ahead->promises.back().get_future());
        decoders.push_back(std::move(p.decode));
    }
    ahead->taken.assign(ahead->names.size(), false);
    if (!decoders.empty()) {
        ahead->worker =
            std::async(std::launch::async, [state = ahead.get(), decoders = std::move(decoders)] {
                for (std::size_t i = 0; i < decoders.size(); ++i) {
                    state->promises[i].set_value(decoders[i]());
                }
            });
    }
    return [fallback = std::move(fallback), ahead](std::string_view asked) -> SurfacePtr {
        {
            const std::lock_guard<std::mutex> lock(ahead->mutex);
            for (std::size_t i = 0; i < ahead->names.size(); ++i) {
                if (ahead->names[i] != asked || ahead->taken[i]) continue;
                ahead->taken[i] = true;
                if (SurfacePtr s = ahead->pictures[i].get()) return s;
                break;
            }
        }
        return fallback ? fallback(asked) : nullptr;
    };
}

SurfacePtr DecodeForScaling(const std::string& file) {
    SurfacePtr s(IMG_Load(file.c_str()));
    if (!s) return nullptr;
    const Uint32 format = s->format->Amask ? SDL_PIXELFORMAT_ARGB8888 : SDL_PIXELFORMAT_RGB888;
    if (s->format->format != format) {
        SurfacePtr converted(SDL_ConvertSurfaceFormat(s.get(), format, 0));
        if (converted) s = std::move(converted);
    }
    return s;
}

}  // namespace gnamm::platform
