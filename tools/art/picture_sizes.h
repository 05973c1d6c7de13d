// The pixel sizes the picture generators promise, shared by the generators and the checks.
//
// The screen is laid out on a 12000 x 9000 twip canvas; on the largest supported screen
// (1920 x 1440) a twip is 0.16 px, so every picture here is drawn at or above that size
// and stays sharp when the game scales it down.
#pragma once

#include <string_view>

namespace gnamm::art {

struct PixelSize {
    int width;
    int height;
};

// Cards keep the 101 x 145 ratio of their 1515 x 2175 twip place.
inline constexpr PixelSize kCard = {360, 517};
// Nonno Zeb's photo frame: a 4:5 portrait.
inline constexpr PixelSize kPhoto = {480, 600};
inline constexpr PixelSize kBubbleLarge = {760, 300};   // Fumetto1: two lines
inline constexpr PixelSize kBubbleMedium = {600, 240};  // Fumetto2
inline constexpr PixelSize kBubbleSmall = {420, 200};   // Fumetto3: one exclamation
inline constexpr PixelSize kSplash = {1920, 1440};
inline constexpr PixelSize kTitolo = {1200, 400};
inline constexpr PixelSize kBarra = {1600, 96};
inline constexpr PixelSize kQuattroSemi = {800, 200};
inline constexpr PixelSize kSuit = {240, 240};
inline constexpr PixelSize kTavolo = {480, 600};
inline constexpr PixelSize kManina = {160, 160};
inline constexpr PixelSize kIcona = {256, 256};

// The size promised for a picture name of the catalogue ("\Foto\Foto04.jpg"); {0, 0} for a
// name no generator makes.
PixelSize PromisedSize(std::string_view assetName);

}  // namespace gnamm::art
