// The one transform from the screen model's canvas to the pixels of the window.
//
// The canvas is the 12000 x 9000 design, or the screen size in twips that start-up fitted the
// layout to (fonts then already scaled). Everything is drawn through this transform, so a
// resized window or a wide screen needs no re-layout: horizontal quantities follow the width,
// vertical ones and fonts the height.
#pragma once

#include <cmath>

#include "ui/screen.h"

namespace gnamm::platform {

inline constexpr int kDesignW = 12000;
inline constexpr int kDesignH = 9000;

struct Scale {
    float kx = 1.0f / 15.0f;  // pixels per canvas unit, horizontally
    float ky = 1.0f / 15.0f;  // pixels per canvas unit, vertically
    float kf = 1.0f;          // font scale: 1 when a twip of the canvas is 1/15 of a pixel

    static Scale ForOutput(int widthPx, int heightPx, int canvasW = kDesignW,
                           int canvasH = kDesignH) {
        Scale s;
        if (canvasW <= 0) canvasW = kDesignW;
        if (canvasH <= 0) canvasH = kDesignH;
        s.kx = static_cast<float>(widthPx > 0 ? widthPx : 1) / static_cast<float>(canvasW);
        s.ky = static_cast<float>(heightPx > 0 ? heightPx : 1) / static_cast<float>(canvasH);
        s.kf = s.ky * 15.0f;
        return s;
    }
    static Scale ForScreen(const Screen& screen, int widthPx, int heightPx) {
        return ForOutput(widthPx, heightPx, screen.widthTwips, screen.heightTwips);
    }

    // Edges are rounded, not the size, so that neighbouring elements meet without gaps.
    int px(int x) const { return static_cast<int>(std::lround(x * kx)); }
    int py(int y) const { return static_cast<int>(std::lround(y * ky)); }
    Rect toPixels(Rect r) const {
        const int x0 = px(r.x), y0 = py(r.y);
        return {x0, y0, px(r.x + r.w) - x0, py(r.y + r.h) - y0};
    }
    // Canvas point under a pixel.
    int designX(int xPx) const { return static_cast<int>(std::floor((xPx + 0.5f) / kx)); }
    int designY(int yPx) const { return static_cast<int>(std::floor((yPx + 0.5f) / ky)); }
    // A font size in points as a pixel height: at 15 twips a pixel a point is 96/72 pixels.
    int fontPixels(float points) const {
        const int p = static_cast<int>(std::lround(points * kf * 96.0f / 72.0f));
        return p < 1 ? 1 : p;
    }
    // Line widths that grow with the window and never vanish.
    int stroke(float designPx) const {
        const int w = static_cast<int>(std::lround(designPx * kf));
        return w < 1 ? 1 : w;
    }
};

}  // namespace gnamm::platform
