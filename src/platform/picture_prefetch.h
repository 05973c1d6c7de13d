// The pictures of the first frame decoded on a worker thread while SDL, the window and the game
// are being set up, so the first frame does not wait for the decoding of what it shows.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/texture_cache.h"

namespace gnamm::platform {

// A picture to decode ahead: its asset name and how to decode it.
struct AheadPicture {
    std::string name;
    std::function<SurfacePtr()> decode;
};

// Starts decoding the pictures at once, one after the other in the order given, on a thread of
// their own, and returns a loader that hands each over the first time its name is asked for
// (waiting for it if need be). Every other request, and a name asked for again (a resized
// window), goes to `fallback`; so does a name whose early decoding failed. The decoders must
// not share unguarded state with the caller's thread.
PictureLoader PrefetchingLoader(PictureLoader fallback, std::vector<AheadPicture> pictures);

// Decodes `file` into a format the window's pictures are scaled in as they are: RGB without
// alpha when the file has none, ARGB otherwise.
SurfacePtr DecodeForScaling(const std::string& file);

}  // namespace gnamm::platform
