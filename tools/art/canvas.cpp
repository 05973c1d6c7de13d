#include "canvas.h"

#include "data/asset_catalog.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace gnamm::art {

Rgb Mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_.get())) {}

bool Canvas::WriteAsset(const std::string& folder, std::string_view assetName,
                        const char* tool) const {
    const std::string file = assets::Split(assetName).file;
    const std::string path = folder + "/" + file.substr(0, file.find('.')) + ".png";
    if (WritePng(path)) return true;
    std::fprintf(stderr, "%s: cannot write %s\n", tool, path.c_str());
    return false;
}

bool Canvas::WritePng(const std::string& path) const {
    cairo_surface_flush(surface_.get());
    return cairo_surface_write_to_png(surface_.get(), path.c_str()) == CAIRO_STATUS_SUCCESS;
}

void SetColor(cairo_t* cr, Rgb c, double alpha) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double radius) {
    const double r = std::min(radius, std::min(w, h) / 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    if (rx <= 0 || ry <= 0) return;
    Saved saved(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_close_path(cr);
}

void Squircle(cairo_t* cr, double cx, double cy, double rx, double ry) {
    if (rx <= 0 || ry <= 0) return;
    constexpr int kSteps = 256;
    cairo_new_sub_path(cr);
    for (int i = 0; i < kSteps; ++i) {
        const double t = 2 * M_PI * i / kSteps;
        const double c = std::cos(t), s = std::sin(t);
        const double x = cx + rx * std::copysign(std::sqrt(std::fabs(c)), c);
        const double y = cy + ry * std::copysign(std::sqrt(std::fabs(s)), s);
        if (i == 0) {
            cairo_move_to(cr, x, y);
        } else {
            cairo_line_to(cr, x, y);
        }
    }
    cairo_close_path(cr);
}

void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points) {
    cairo_new_sub_path(cr);
    for (int i = 0; i < 2 * points; ++i) {
        const double a = -M_PI / 2 + i * M_PI / points;
        const double r = (i % 2 == 0) ? outer : inner;
        cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
}

void HeartPath(cairo_t* cr, double cx, double cy, double s) {
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx, cy + 0.5 * s);
    cairo_curve_to(cr, cx - 0.15 * s, cy + 0.3 * s, cx - 0.55 * s, cy + 0.05 * s, cx - 0.5 * s,
                   cy - 0.2 * s);
    cairo_curve_to(cr, cx - 0.45 * s, cy - 0.52 * s, cx - 0.08 * s, cy - 0.55 * s, cx,
                   cy - 0.28 * s);
    cairo_curve_to(cr, cx + 0.08 * s, cy - 0.55 * s, cx + 0.45 * s, cy - 0.52 * s, cx + 0.5 * s,
                   cy - 0.2 * s);
    cairo_curve_to(cr, cx + 0.55 * s, cy + 0.05 * s, cx + 0.15 * s, cy + 0.3 * s, cx, cy + 0.5 * s);
    cairo_close_path(cr);
}

void DiamondPath(cairo_t* cr, double cx, double cy, double s) {
    const double w = 0.4 * s;
    const double h = 0.5 * s;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx, cy - h);
    cairo_curve_to(cr, cx + 0.2 * w, cy - 0.55 * h, cx + 0.55 * w, cy - 0.2 * h, cx + w, cy);
    cairo_curve_to(cr, cx + 0.55 * w, cy + 0.2 * h, cx + 0.2 * w, cy + 0.55 * h, cx, cy + h);
    cairo_curve_to(cr, cx - 0.2 * w, cy + 0.55 * h, cx - 0.55 * w, cy + 0.2 * h, cx - w, cy);
    cairo_curve_to(cr, cx - 0.55 * w, cy - 0.2 * h, cx - 0.2 * w, cy - 0.55 * h, cx, cy - h);
    cairo_close_path(cr);
}

namespace {

// The flared stem under a club or a spade.
void Stem(cairo_t* cr, double cx, double cy, double s) {
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx - 0.05 * s, cy + 0.02 * s);
    cairo_curve_to(cr, cx - 0.05 * s, cy + 0.32 * s, cx - 0.12 * s, cy + 0.44 * s, cx - 0.22 * s,
                   cy + 0.5 * s);
    cairo_line_to(cr, cx + 0.22 * s, cy + 0.5 * s);
    cairo_curve_to(cr, cx + 0.12 * s, cy + 0.44 * s, cx + 0.05 * s, cy + 0.32 * s, cx + 0.05 * s,
                   cy + 0.02 * s);
    cairo_close_path(cr);
}

}  // namespace

void ClubPath(cairo_t* cr, double cx, double cy, double s) {
    const double r = 0.22 * s;
    // Drawn against the clock like the stem, so the winding fill does not cut the overlaps.
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, cx, cy - 0.26 * s, r, 2 * M_PI, 0);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, cx - 0.25 * s, cy + 0.07 * s, r, 2 * M_PI, 0);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, cx + 0.25 * s, cy + 0.07 * s, r, 2 * M_PI, 0);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, cx, cy + 0.02 * s, 0.16 * s, 2 * M_PI, 0);
    Stem(cr, cx, cy, s);
}

void SpadePath(cairo_t* cr, double cx, double cy, double s) {
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx, cy - 0.5 * s);
    cairo_curve_to(cr, cx - 0.15 * s, cy - 0.3 * s, cx - 0.55 * s, cy - 0.12 * s, cx - 0.5 * s,
                   cy + 0.1 * s);
    cairo_curve_to(cr, cx - 0.46 * s, cy + 0.36 * s, cx - 0.12 * s, cy + 0.36 * s, cx,
                   cy + 0.18 * s);
    cairo_curve_to(cr, cx + 0.12 * s, cy + 0.36 * s, cx + 0.46 * s, cy + 0.36 * s, cx + 0.5 * s,
                   cy + 0.1 * s);
    cairo_curve_to(cr, cx + 0.55 * s, cy - 0.12 * s, cx + 0.15 * s, cy - 0.3 * s, cx, cy - 0.5 * s);
    cairo_close_path(cr);
    Stem(cr, cx, cy, s);
}

void FillVertical(cairo_t* cr, double y0, Rgb top, double y1, Rgb bottom) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
}

void SaloonWall(cairo_t* cr, double x, double y, double w, double h, double lx, double ly) {
    Saved saved(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    // A solid ground first: planks of fractional width would leave half-covered seams.
    SetColor(cr, Hex(0x2a1506));
    cairo_paint(cr);
    const double plank = std::max(24.0, w / 9);
    unsigned seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return ((seed >> 16) & 0x7fff) / 32767.0;
    };
    for (double px = x - plank * 0.3; px < x + w; px += plank) {
        const Rgb base = Mix(Hex(0x6b3d1f), Hex(0x8a5228), next());
        cairo_rectangle(cr, px, y, plank, h);
        SetColor(cr, base);
        cairo_fill(cr);
        // A few grain lines, wavering down the plank.
        cairo_set_line_width(cr, std::max(1.0, plank / 40));
        for (int g = 0; g < 5; ++g) {
            const double gx = px + plank * (0.15 + 0.7 * next());
            cairo_move_to(cr, gx, y);
            cairo_curve_to(cr, gx + plank * 0.08, y + h * 0.3, gx - plank * 0.08, y + h * 0.7, gx,
                           y + h);
            SetColor(cr, Hex(0x4a2810), 0.25);
            cairo_stroke(cr);
        }
        cairo_rectangle(cr, px, y, std::max(2.0, plank / 22), h);
        SetColor(cr, Hex(0x2a1506), 0.8);
        cairo_fill(cr);
    }
    // Warm lamp light, falling off into the corners.
    cairo_pattern_t* light = cairo_pattern_create_radial(lx, ly, 0, lx, ly, std::hypot(w, h) * 0.7);
    cairo_pattern_add_color_stop_rgba(light, 0, 1.0, 0.85, 0.5, 0.35);
    cairo_pattern_add_color_stop_rgba(light, 0.5, 0.9, 0.55, 0.2, 0.08);
    cairo_pattern_add_color_stop_rgba(light, 1, 0.05, 0.02, 0.0, 0.6);
    cairo_set_source(cr, light);
    cairo_paint(cr);
    cairo_pattern_destroy(light);
}

double CenteredText(cairo_t* cr, const std::string& text, double cx, double baseline, double size) {
    cairo_select_font_face(cr, "DejaVu Serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, text.c_str(), &e);
    cairo_move_to(cr, cx - e.x_advance / 2, baseline);
    cairo_show_text(cr, text.c_str());
    return e.x_advance;
}

bool MakeFolders(const std::string& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return !ec && std::filesystem::is_directory(folder, ec);
}

}  // namespace gnamm::art
