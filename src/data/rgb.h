// A colour as an RGB triple: a plain value the game's state and its stored options carry.
#pragma once

#include <cstdint>

namespace gnamm {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

}  // namespace gnamm
