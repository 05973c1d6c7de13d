// Draws the application icon, Nonno Zeb's face on a square of saloon wall: the window's icon
// among the pictures, and for the desktop's menu the icon theme's sizes and a scalable SVG,
// each size drawn afresh from the vector art rather than shrunk from the largest.
//
// Usage: gnamm-art-icons GRAFICA_FOLDER ICON_THEME_FOLDER
// writes GRAFICA_FOLDER/Icona.png and ICON_THEME_FOLDER/hicolor/NxN/apps/gnamm.png,
// ICON_THEME_FOLDER/hicolor/scalable/apps/gnamm.svg.
#include <cairo-svg.h>

#include <cstdio>
#include <memory>
#include <string>

#include "canvas.h"
#include "data/asset_catalog.h"
#include "picture_sizes.h"
#include "zeb_model.h"

namespace {

using namespace gnamm::art;

constexpr int kThemeSizes[] = {16, 32, 48, 64, 128, 256};

// The icon in a square of side `s`.
void Icona(cairo_t* cr, double s) {
    RoundedRect(cr, 0, 0, s, s, s * 0.18);
    cairo_clip(cr);
    SaloonWall(cr, 0, 0, s, s, s * 0.2, s * 0.1);
    // Zeb's head fills more of the smallest squares, where his hat and beard must still read.
    const double zoom = (s <= 32 ? 0.64 : 0.56) * s / 256;
    cairo_translate(cr, s / 2 - 240 * zoom, s / 2 - (s <= 32 ? 222 : 262) * zoom);
    cairo_scale(cr, zoom, zoom);
    ZebPose p;
    p.face = {.leftEye = 1, .rightEye = 0, .happyShut = true, .smile = 0.7, .mouthSkew = 0.4};
    DrawZeb(cr, p, false);
}

bool WriteSvg(const std::string& path, int size) {
    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> svg(
        cairo_svg_surface_create(path.c_str(), size, size), &cairo_surface_destroy);
    cairo_svg_surface_set_document_unit(svg.get(), CAIRO_SVG_UNIT_PX);
    cairo_t* cr = cairo_create(svg.get());
    Icona(cr, size);
    cairo_destroy(cr);
    cairo_surface_finish(svg.get());
    return cairo_surface_status(svg.get()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: gnamm-art-icons GRAFICA_FOLDER ICON_THEME_FOLDER\n");
        return 2;
    }
    const std::string theme = std::string(argv[2]) + "/hicolor/";
    if (!MakeFolders(argv[1]) || !MakeFolders(theme + "scalable/apps")) return 1;
    Canvas icona(kIcona.width, kIcona.height);
    Icona(icona.cr(), kIcona.width);
    bool ok = icona.WriteAsset(argv[1], gnamm::assets::kIcona, "gnamm-art-icons");
    for (const int size : kThemeSizes) {
        const std::string folder =
            theme + std::to_string(size) + "x" + std::to_string(size) + "/apps";
        Canvas c(size, size);
        Icona(c.cr(), size);
        if (!MakeFolders(folder) || !c.WritePng(folder + "/gnamm.png")) {
            std::fprintf(stderr, "gnamm-art-icons: cannot write %s/gnamm.png\n", folder.c_str());
            ok = false;
        }
    }
    if (!WriteSvg(theme + "scalable/apps/gnamm.svg", kIcona.width)) {
        std::fprintf(stderr, "gnamm-art-icons: cannot write %sscalable/apps/gnamm.svg\n",
                     theme.c_str());
        ok = false;
    }
    return ok ? 0 : 1;
}
