// Colours of the game, as RGB triples.
#pragma once

#include "ui/rgb.h"

namespace gnamm {

namespace colors {
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kGreen{0, 255, 0};
inline constexpr Rgb kMagenta{255, 0, 255};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kLightBlue{128, 255, 255};  // a tie six held
inline constexpr Rgb kCapture{52, 86,
                              201};         // outline of a capture, and of cards going to the human
inline constexpr Rgb kPick{128, 128, 128};  // outline of a picked card
inline constexpr Rgb kPink{255, 192, 192};  // the computer's name and points
inline constexpr Rgb kRose{255, 128, 128};  // the human's name and points
inline constexpr Rgb kCervelloPink{255, 192, 255};
}  // namespace colors

}  // namespace gnamm
