// The picture of the first frame decoded on a worker thread while SDL, the window and the game
// are being set up, so the first frame does not wait for the decoding of what it shows.
#pragma once

#include <functional>
#include <string>

#include "platform/texture_cache.h"

namespace gnamm::platform {

// Starts `decode` at once on a thread of its own, and returns a loader that hands its picture
// over the first time `name` is asked for (waiting for it if need be). Every other request,
// and `name` asked for again (a resized window), goes to `fallback`; so does `name` when the
// early decoding failed. `decode` must not share unguarded state with the caller's thread.
PictureLoader PrefetchingLoader(PictureLoader fallback, std::string name,
                                std::function<SurfacePtr()> decode);

}  // namespace gnamm::platform
