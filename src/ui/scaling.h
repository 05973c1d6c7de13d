// Fitting the 12000 x 9000 design layout to the screen that is actually present.
#pragma once

#include "ui/screen.h"

namespace gnamm {

inline constexpr int kLarghezzaDesign = 12000;
inline constexpr int kAltezzaDesign = 9000;

// The three factors, as single-precision quotients of the screen size in twips by the design
// size: kx for horizontal quantities, ky for vertical ones, kf for font sizes (equal to ky).
struct FattoriScala {
    float kx = 1.0f;
    float ky = 1.0f;
    float kf = 1.0f;
};
FattoriScala CalcolaFattori(int screenWidthTwips, int screenHeightTwips);

// Stretches every element's rectangle by kx and ky and every text's font by kf, and records
// the screen size on the Screen. Start-up calls it once, and only when the screen height is
// not 9000 twips.
void ScalaGrafica(Screen& s, int screenWidthTwips, int screenHeightTwips);

// A vertical design quantity placed on a screen of the given height (the rules text top).
int ScalaVerticale(int designTwips, int screenHeightTwips);

// A design rectangle on the screen the layout was fitted to (s.widthTwips x s.heightTwips), for
// the elements placed again after start-up.
Rect ScalaRect(const Screen& s, Rect design);

}  // namespace gnamm
