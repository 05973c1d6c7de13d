// One picture decoded ahead, handed over once.
#include "platform/picture_prefetch.h"

#include <future>
#include <memory>
#include <mutex>

namespace gnamm::platform {

namespace {

struct Ahead {
    std::mutex mutex;
    std::future<SurfacePtr> picture;
    bool taken = false;
};

}  // namespace

PictureLoader PrefetchingLoader(PictureLoader fallback, std::string name,
                                std::function<SurfacePtr()> decode) {
    auto ahead = std::make_shared<Ahead>();
    if (decode) ahead->picture = std::async(std::launch::async, std::move(decode));
    return [fallback = std::move(fallback), name = std::move(name),
            ahead](std::string_view asked) -> SurfacePtr {
        if (asked == name) {
            const std::lock_guard<std::mutex> lock(ahead->mutex);
            if (!ahead->taken && ahead->picture.valid()) {
                ahead->taken = true;
                if (SurfacePtr s = ahead->picture.get()) return s;
            }
        }
        return fallback ? fallback(asked) : nullptr;
    };
}

}  // namespace gnamm::platform
