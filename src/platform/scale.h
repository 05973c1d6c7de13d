// The one transform from the screen model's canvas to the pixels of the window.
//
// The canvas is the 12000 x 9000 design, or the 4:3 size in twips that start-up fitted the
// layout to (fonts then already scaled). It is drawn through this transform at one scale for
// both directions, as large as the window holds and centred in it: on a screen or window of
// another shape the table keeps its own, with margins beside or above it, and no card or
// photo is ever stretched. A resized window needs no re-layout.
#pragma once

#include <algorithm>
#include <cmath>

#include "ui/screen.h"

namespace gnamm::platform {

inline constexpr int kDesignW = 12000;
inline constexpr int kDesignH = 9000;

struct Scale {
    float kx = 1.0f / 15.0f;  // pixels per canvas unit, horizontally
    float ky = 1.0f / 15.0f;  // pixels per canvas unit, vertically (the same, once fitted)
    float kf = 1.0f;          // font scale: 1 when a twip of the canvas is 1/15 of a pixel
    int ox = 0, oy = 0;       // pixels: where the canvas's top left corner lands

    static Scale ForOutput(int widthPx, int heightPx, int canvasW = kDesignW,
                           int canvasH = kDesignH) {
        Scale s;
        if (canvasW <= 0) canvasW = kDesignW;
        if (canvasH <= 0) canvasH = kDesignH;
        const int w = widthPx > 0 ? widthPx : 1;
        const int h = heightPx > 0 ? heightPx : 1;
        const float k = std::min(static_cast<float>(w) / static_cast<float>(canvasW),
                                 static_cast<float>(h) / static_cast<float>(canvasH));
        s.kx = k;
        s.ky = k;
        s.kf = k * 15.0f;
        s.ox = (w - static_cast<int>(std::lround(canvasW * k))) / 2;
        s.oy = (h - static_cast<int>(std::lround(canvasH * k))) / 2;
        return s;
    }
    static Scale ForScreen(const Screen& screen, int widthPx, int heightPx) {
        return ForOutput(widthPx, heightPx, screen.widthTwips, screen.heightTwips);
    }

    // Edges are rounded, not the size, so that neighbouring elements meet without gaps.
    int px(int x) const { return ox + static_cast<int>(std::lround(x * kx)); }
    int py(int y) const { return oy + static_cast<int>(std::lround(y * ky)); }
    Rect toPixels(Rect r) const {
        const int x0 = px(r.x), y0 = py(r.y);
        return {x0, y0, px(r.x + r.w) - x0, py(r.y + r.h) - y0};
    }
    // Canvas point under a pixel; outside the canvas in the margins.
    int designX(int xPx) const { return static_cast<int>(std::floor((xPx - ox + 0.5f) / kx)); }
    int designY(int yPx) const { return static_cast<int>(std::floor((yPx - oy + 0.5f) / ky)); }
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

// The canvas in twips for a screen of the given pixels: the largest 4:3 area it holds, at 15
// twips a pixel. Start-up fits the layout to it.
struct CanvasTwips {
    int w = kDesignW, h = kDesignH;
};
inline CanvasTwips FittedCanvas(int widthPx, int heightPx) {
    if (widthPx <= 0 || heightPx <= 0) return {};
    // In twips, a multiple of 3 high and of 4 wide: the two scale factors come out equal.
    const int h = std::min(heightPx * 15, widthPx * 15 * 3 / 4) / 3 * 3;
    return {h / 3 * 4, h};
}

}  // namespace gnamm::platform
