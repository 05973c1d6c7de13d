// A small drawing surface over cairo for the picture generators: RAII ownership of the
// surface and context, colour helpers and the few shapes every generator needs.
#pragma once

#include <cairo.h>

#include <memory>
#include <string>
#include <string_view>

namespace gnamm::art {

struct Rgb {
    double r, g, b;
};

// 0xRRGGBB to a cairo colour.
constexpr Rgb Hex(unsigned value) {
    return {((value >> 16) & 0xff) / 255.0, ((value >> 8) & 0xff) / 255.0, (value & 0xff) / 255.0};
}
Rgb Mix(Rgb a, Rgb b, double t);

class Canvas {
  public:
    Canvas(int width, int height);

    cairo_t* cr() const { return cr_.get(); }
    cairo_surface_t* surface() const { return surface_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }

    // Writes the picture as PNG into `path`, creating no folders; false when it cannot.
    bool WritePng(const std::string& path) const;
    // Writes the picture as the PNG file for a catalogue name such as "\Foto\Foto04.jpg"
    // into `folder` ("Foto04.png"); says on stderr, naming `tool`, when it cannot.
    bool WriteAsset(const std::string& folder, std::string_view assetName, const char* tool) const;

  private:
    struct SurfaceFree {
        void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
    };
    struct ContextFree {
        void operator()(cairo_t* c) const { cairo_destroy(c); }
    };
    int width_;
    int height_;
    std::unique_ptr<cairo_surface_t, SurfaceFree> surface_;
    std::unique_ptr<cairo_t, ContextFree> cr_;
};

// Saves the cairo state for one scope.
class Saved {
  public:
    explicit Saved(cairo_t* cr) : cr_(cr) { cairo_save(cr_); }
    ~Saved() { cairo_restore(cr_); }
    Saved(const Saved&) = delete;
    Saved& operator=(const Saved&) = delete;

  private:
    cairo_t* cr_;
};

void SetColor(cairo_t* cr, Rgb c, double alpha = 1.0);
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);
void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);
// A rounded box between an ellipse and a rectangle (|x/rx|^4 + |y/ry|^4 = 1): its sides stay
// nearly straight, so lines of text fit in it almost from edge to edge.
void Squircle(cairo_t* cr, double cx, double cy, double rx, double ry);
// A five-pointed star (points = 5) or any other count, first point straight up.
void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points = 5);
// The four French suit symbols, centred on (cx, cy), `size` tall.
void HeartPath(cairo_t* cr, double cx, double cy, double size);
void DiamondPath(cairo_t* cr, double cx, double cy, double size);
void ClubPath(cairo_t* cr, double cx, double cy, double size);
void SpadePath(cairo_t* cr, double cx, double cy, double size);
// Fills the current path with a vertical linear gradient, keeping the path.
void FillVertical(cairo_t* cr, double y0, Rgb top, double y1, Rgb bottom);
// A warm wooden wall of vertical planks over the rectangle, lit from (lx, ly).
void SaloonWall(cairo_t* cr, double x, double y, double w, double h, double lx, double ly);
// Text in a bold serif face, centred on (cx, baseline); returns the width drawn.
double CenteredText(cairo_t* cr, const std::string& text, double cx, double baseline, double size);

// Makes `path`'s folder, like mkdir -p; false when it cannot.
bool MakeFolders(const std::string& folder);

}  // namespace gnamm::art
