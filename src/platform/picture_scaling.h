// Resampling a picture to the size it is shown at.
//
// Card faces are drawn at a fraction of their file size; a plain GPU downscale of 3x or more
// drops pixels and shimmers, and an upscale blurs. Halving repeatedly with a 2x2 average and
// finishing with one bilinear step keeps the pictures sharp at every window size.
#pragma once

#include "platform/sdl_handles.h"

namespace gnamm::platform {

// A new 32-bit surface of exactly w x h holding the picture; null when SDL fails. It is RGB888
// (no alpha) when the source is, ARGB8888 otherwise.
SurfacePtr ResampleSurface(SDL_Surface* source, int w, int h);

}  // namespace gnamm::platform
