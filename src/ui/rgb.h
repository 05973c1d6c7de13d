// A colour as an RGB triple, as the screen model and the renderer use it.
#pragma once

#include <cstdint>

namespace gnamm {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

}  // namespace gnamm
