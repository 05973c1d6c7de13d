// The part of a rectangle that no cover hides, as a few rectangles: the window's background
// is filled only there, since the opaque elements above paint the rest anyway.
#pragma once

#include <SDL.h>

#include <vector>

namespace gnamm::platform {

// Disjoint rectangles that together are `area` minus every cover; covers may overlap each
// other and reach outside `area`. Empty when the covers hide it all.
std::vector<SDL_Rect> UncoveredParts(const SDL_Rect& area, const std::vector<SDL_Rect>& covers);

}  // namespace gnamm::platform
