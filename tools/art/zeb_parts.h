// What the parts of Nonno Zeb's drawing share: his palette, the outline pen, and the hands
// and arms, which zeb_hands.cpp draws for zeb_model.cpp.
#pragma once

#include <cairo.h>

#include <cmath>

#include "canvas.h"
#include "zeb_model.h"

namespace gnamm::art::zeb {

inline const Rgb kSkin = Hex(0xe9b48c);
inline const Rgb kSkinShade = Hex(0xc98b66);
inline const Rgb kOutline = Hex(0x3b2414);
inline const Rgb kBeard = Hex(0xf4f1ea);
inline const Rgb kBeardShade = Hex(0xbdb6aa);
inline const Rgb kHat = Hex(0x8b5a2b);
inline const Rgb kHatDark = Hex(0x5a3818);
inline const Rgb kShirt = Hex(0xe8dcc0);
inline const Rgb kVest = Hex(0x6e2418);
inline const Rgb kGolden = Hex(0xe2b34a);
inline const Rgb kTable = Hex(0x3f6b3a);

inline constexpr double kHeadX = 240, kHeadY = 250;
inline constexpr double kRad = M_PI / 180;

inline void Outline(cairo_t* cr, double width = 3) {
    SetColor(cr, kOutline);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

// A sleeve from the shoulder to the hand's wrist, under the head.
void DrawArm(cairo_t* cr, double shoulderX, const Hand& h);
// The hand with what it holds, over everything but the extras.
void DrawHand(cairo_t* cr, const Hand& h);

}  // namespace gnamm::art::zeb
