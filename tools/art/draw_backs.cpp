// Draws the four card backs: a horse, a sheriff's star, a lattice of rhombs, stars and
// stripes. Each leaves parts transparent: the game lays the back over a mat filled with the
// card colour of the options, and that colour has to show through.
//
// Usage: gnamm-art-backs OUTPUT_FOLDER
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

#include "canvas.h"
#include "data/asset_catalog.h"
#include "picture_sizes.h"

namespace {

using namespace gnamm::art;

const Rgb kCream = Hex(0xf4e6c4);
const Rgb kInk = Hex(0x2a1a0e);
const Rgb kGold = Hex(0xe0b040);
const Rgb kRed = Hex(0xb22234);

constexpr double kW = kCard.width;
constexpr double kH = kCard.height;
constexpr double kRadius = 20;
constexpr double kInset = 22;  // where the inner frame runs

// The frame every back shares: a white edge and a cream inner line, the field inside left
// for the design.
void Frame(cairo_t* cr) {
    RoundedRect(cr, 3, 3, kW - 6, kH - 6, kRadius);
    SetColor(cr, Hex(0xffffff), 0.95);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    RoundedRect(cr, kInset, kInset, kW - 2 * kInset, kH - 2 * kInset, kRadius * 0.6);
    SetColor(cr, kCream);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    RoundedRect(cr, kInset + 8, kInset + 8, kW - 2 * kInset - 16, kH - 2 * kInset - 16,
                kRadius * 0.4);
    SetColor(cr, kCream, 0.7);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void ClipField(cairo_t* cr) {
    RoundedRect(cr, kInset + 8, kInset + 8, kW - 2 * kInset - 16, kH - 2 * kInset - 16,
                kRadius * 0.4);
    cairo_clip(cr);
}

// A horse's head in profile, facing left, in a box of size s with its top left at (x, y).
void HorseHead(cairo_t* cr, double x, double y, double s) {
    auto P = [&](double u, double v) { return std::pair{x + u * s, y + v * s}; };
    auto move = [&](double u, double v) {
        auto [a, b] = P(u, v);
        cairo_move_to(cr, a, b);
    };
    auto curve = [&](double u1, double v1, double u2, double v2, double u3, double v3) {
        auto [a1, b1] = P(u1, v1);
        auto [a2, b2] = P(u2, v2);
        auto [a3, b3] = P(u3, v3);
        cairo_curve_to(cr, a1, b1, a2, b2, a3, b3);
    };
    cairo_new_path(cr);
    move(0.86, 1.0);
    curve(0.92, 0.78, 0.90, 0.45, 0.72, 0.20);   // back of the neck up to the poll
    curve(0.68, 0.12, 0.66, 0.06, 0.66, -0.02);  // ear, back edge
    curve(0.60, 0.04, 0.56, 0.08, 0.53, 0.12);   // ear, front edge
    curve(0.44, 0.14, 0.36, 0.22, 0.30, 0.32);   // forehead
    curve(0.22, 0.44, 0.12, 0.56, 0.07, 0.64);   // down the face
    curve(0.03, 0.70, 0.05, 0.77, 0.12, 0.79);   // muzzle
    curve(0.18, 0.81, 0.22, 0.78, 0.25, 0.76);   // lip
    curve(0.30, 0.76, 0.34, 0.73, 0.40, 0.68);   // jaw
    curve(0.50, 0.60, 0.54, 0.64, 0.52, 0.72);   // cheek to throat
    curve(0.50, 0.82, 0.46, 0.92, 0.44, 1.0);    // front of the neck
    cairo_close_path(cr);
}

void DrawHorse(cairo_t* cr) {
    {
        Saved saved(cr);
        ClipField(cr);
        // Fine diagonal hatching, transparent between the lines.
        SetColor(cr, kCream, 0.22);
        cairo_set_line_width(cr, 2);
        for (double d = -kH; d < kW + kH; d += 14) {
            cairo_move_to(cr, d, 0);
            cairo_line_to(cr, d + kH, kH);
        }
        cairo_stroke(cr);
    }
    // The medallion.
    const double cx = kW / 2, cy = kH / 2;
    Ellipse(cr, cx, cy, 128, 168);
    SetColor(cr, kInk, 0.85);
    cairo_fill_preserve(cr);
    SetColor(cr, kGold);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    Ellipse(cr, cx, cy, 116, 156);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    const double s = 210;
    const double hx = cx - s * 0.48, hy = cy - s * 0.55;
    auto at = [&](double u, double v) { return std::pair{hx + u * s, hy + v * s}; };
    // The mane first, so the neck covers its inner half.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    SetColor(cr, Hex(0x8a5a2b));
    cairo_set_line_width(cr, 0.12 * s);
    {
        auto [x0, y0] = at(0.70, 0.14);
        auto [x1, y1] = at(0.93, 0.40);
        auto [x2, y2] = at(0.96, 0.75);
        auto [x3, y3] = at(0.92, 0.98);
        cairo_move_to(cr, x0, y0);
        cairo_curve_to(cr, x1, y1, x2, y2, x3, y3);
        cairo_stroke(cr);
    }
    SetColor(cr, Hex(0x5e3a17));
    cairo_set_line_width(cr, 4);
    for (int i = 0; i < 7; ++i) {
        const double t = i / 6.0;
        auto [x, y] = at(0.78 + 0.16 * std::sin(t * 1.4), 0.22 + 0.7 * t);
        cairo_move_to(cr, x - 6, y - 8);
        cairo_curve_to(cr, x + 4, y - 2, x + 10, y + 2, x + 16, y + 12);
    }
    cairo_stroke(cr);
    HorseHead(cr, hx, hy, s);
    FillVertical(cr, hy, Hex(0xf7e9c8), hy + s, Hex(0xd9b77a));
    SetColor(cr, Hex(0x6b4522));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    // Eye and nostril.
    SetColor(cr, kInk);
    {
        auto [ex, ey] = at(0.40, 0.32);
        Ellipse(cr, ex, ey, 8, 6);
        cairo_fill(cr);
        auto [nx, ny] = at(0.11, 0.69);
        Ellipse(cr, nx, ny, 5, 4);
        cairo_fill(cr);
    }
    // Bridle: cheek strap, browband, noseband.
    SetColor(cr, kRed);
    cairo_set_line_width(cr, 7);
    auto line = [&](double u0, double v0, double u1, double v1) {
        auto [a, b] = at(u0, v0);
        auto [c, d] = at(u1, v1);
        cairo_move_to(cr, a, b);
        cairo_line_to(cr, c, d);
    };
    line(0.55, 0.13, 0.44, 0.66);
    line(0.53, 0.18, 0.35, 0.25);
    line(0.18, 0.53, 0.36, 0.68);
    cairo_stroke(cr);
    SetColor(cr, kGold);
    {
        auto [rx, ry] = at(0.43, 0.62);
        cairo_arc(cr, rx, ry, 7, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    // Horseshoes in the corners.
    const double corners[4][2] = {{70, 74}, {kW - 70, 74}, {70, kH - 74}, {kW - 70, kH - 74}};
    for (const auto& c : corners) {
        cairo_new_path(cr);
        cairo_arc(cr, c[0], c[1], 18, -M_PI * 0.15, M_PI * 1.15);
        SetColor(cr, kGold);
        cairo_set_line_width(cr, 8);
        cairo_stroke(cr);
    }
}

void SheriffStar(cairo_t* cr, double cx, double cy, double r) {
    StarPath(cr, cx, cy, r, r * 0.55, 6);
    for (int i = 0; i < 6; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 3;
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx + r * std::cos(a), cy + r * std::sin(a), r * 0.13, 0, 2 * M_PI);
    }
}

void DrawStar(cairo_t* cr) {
    {
        Saved saved(cr);
        ClipField(cr);
        // Small stars in rows, the colour of the mat between them.
        SetColor(cr, kCream, 0.35);
        for (int row = 0; row < 14; ++row) {
            for (int col = 0; col < 9; ++col) {
                const double x = 20 + col * 42 + (row % 2) * 21;
                const double y = 30 + row * 38;
                StarPath(cr, x, y, 8, 3.4);
            }
        }
        cairo_fill(cr);
    }
    const double cx = kW / 2, cy = kH / 2;
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, 138, 0, 2 * M_PI);
    SetColor(cr, kInk, 0.55);
    cairo_fill(cr);
    SheriffStar(cr, cx + 4, cy + 6, 118);
    SetColor(cr, Hex(0x000000), 0.35);
    cairo_fill(cr);
    SheriffStar(cr, cx, cy, 118);
    cairo_pattern_t* metal = cairo_pattern_create_linear(cx - 110, cy - 110, cx + 110, cy + 110);
    cairo_pattern_add_color_stop_rgb(metal, 0, 1.0, 0.92, 0.6);
    cairo_pattern_add_color_stop_rgb(metal, 0.45, 0.86, 0.66, 0.22);
    cairo_pattern_add_color_stop_rgb(metal, 1, 0.55, 0.38, 0.1);
    cairo_set_source(cr, metal);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(metal);
    SetColor(cr, Hex(0x5a3a08));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, 48, 0, 2 * M_PI);
    SetColor(cr, Hex(0x7a5212));
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    StarPath(cr, cx, cy, 34, 14);
    SetColor(cr, Hex(0xfff2c0));
    cairo_fill(cr);
}

void DrawRhombs(cairo_t* cr) {
    Saved saved(cr);
    ClipField(cr);
    const double w = 60, h = 84;
    for (int row = -1; row < 8; ++row) {
        for (int col = -1; col < 8; ++col) {
            const double cx = kInset + 8 + col * w + ((row % 2 + 2) % 2) * w / 2;
            const double cy = kInset + 8 + row * h / 2 * 1.0 + h / 2;
            const bool filled = ((row + 2) % 2 == 0);
            cairo_new_path(cr);
            cairo_move_to(cr, cx, cy - h / 2 + 3);
            cairo_line_to(cr, cx + w / 2 - 3, cy);
            cairo_line_to(cr, cx, cy + h / 2 - 3);
            cairo_line_to(cr, cx - w / 2 + 3, cy);
            cairo_close_path(cr);
            if (filled) {
                SetColor(cr, Hex(0x7a1020), 0.85);
                cairo_fill_preserve(cr);
            }
            SetColor(cr, kCream);
            cairo_set_line_width(cr, 3);
            cairo_stroke(cr);
            // A small gold rhomb in the heart of each open one.
            if (!filled) {
                cairo_move_to(cr, cx, cy - 10);
                cairo_line_to(cr, cx + 7, cy);
                cairo_line_to(cr, cx, cy + 10);
                cairo_line_to(cr, cx - 7, cy);
                cairo_close_path(cr);
                SetColor(cr, kGold);
                cairo_fill(cr);
            }
        }
    }
}

void DrawAmerica(cairo_t* cr) {
    Saved saved(cr);
    ClipField(cr);
    const double top = kInset + 8, left = kInset + 8;
    const double fieldW = kW - 2 * left, fieldH = kH - 2 * top;
    const double stripe = fieldH / 13;
    // Red stripes; the stripes between are the mat colour.
    for (int i = 0; i < 13; i += 2) {
        cairo_rectangle(cr, left, top + i * stripe, fieldW, stripe);
    }
    SetColor(cr, kRed);
    cairo_fill(cr);
    for (int i = 1; i < 13; i += 2) {
        cairo_rectangle(cr, left, top + i * stripe + stripe * 0.42, fieldW, stripe * 0.16);
    }
    SetColor(cr, Hex(0xffffff), 0.8);
    cairo_fill(cr);
    // The canton of stars.
    const double cw = fieldW * 0.56, ch = stripe * 7;
    cairo_rectangle(cr, left, top, cw, ch);
    SetColor(cr, Hex(0x1c2a5a));
    cairo_fill(cr);
    SetColor(cr, Hex(0xffffff));
    for (int row = 0; row < 9; ++row) {
        const int count = (row % 2 == 0) ? 6 : 5;
        for (int col = 0; col < count; ++col) {
            const double x = left + cw * (col + (row % 2 == 0 ? 0.5 : 1.0)) / 6.0;
            const double y = top + ch * (row + 0.6) / 9.6;
            StarPath(cr, x, y, 8, 3.3);
        }
    }
    cairo_fill(cr);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gnamm-art-backs OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    if (!MakeFolders(folder)) return 1;
    const std::function<void(cairo_t*)> designs[] = {DrawHorse, DrawStar, DrawRhombs, DrawAmerica};
    const auto names = gnamm::assets::CardBacks();
    bool ok = names.size() == std::size(designs);
    for (size_t i = 0; ok && i < names.size(); ++i) {
        Canvas canvas(kCard.width, kCard.height);
        cairo_t* cr = canvas.cr();
        {
            Saved saved(cr);
            RoundedRect(cr, 0, 0, kW, kH, kRadius);
            cairo_clip(cr);
            designs[i](cr);
        }
        Frame(cr);
        ok = canvas.WriteAsset(folder, names[i], "gnamm-art-backs");
    }
    return ok ? 0 : 1;
}
