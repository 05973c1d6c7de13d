// Draws Nonno Zeb's 24 photos, the splash and his empty table from the one model of
// zeb_model.h (the icon is draw_icons.cpp's). Each photo fits the remarks that show it:
// impatience, his answer to the player's Punto Gnamm, his own Punto Gnamm, the end of a Partita
// or Torneo, the three level portraits.
//
// Usage: gnamm-art-zeb FOTO_FOLDER GRAFICA_FOLDER
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "canvas.h"
#include "data/asset_catalog.h"
#include "picture_file.h"
#include "picture_sizes.h"
#include "zeb_model.h"
#include "zeb_poses.h"

namespace {

using namespace gnamm::art;

// Zeb at his saloon table, a hand held out to the player, the cards waiting. He sits to the
// right and the cards lie right of centre: the game writes its title and its invitation over
// the left and the middle of the picture, and the screen sizes along the bottom left.
void Splash(cairo_t* cr) {
    const double w = kSplash.width, h = kSplash.height;
    const double zebX = w * 0.82;
    SaloonWall(cr, 0, 0, w, h, w * 0.7, h * 0.15);
    // Swinging doors' light from the left, a lamp hanging over the table.
    cairo_pattern_t* lamp = cairo_pattern_create_radial(zebX, h * 0.12, 0, zebX, h * 0.12, h * 0.3);
    cairo_pattern_add_color_stop_rgba(lamp, 0, 1, 0.95, 0.7, 0.9);
    cairo_pattern_add_color_stop_rgba(lamp, 1, 1, 0.7, 0.3, 0);
    cairo_set_source(cr, lamp);
    cairo_paint(cr);
    cairo_pattern_destroy(lamp);
    {
        Saved saved(cr);
        // Scaled so the table edge of his photo lies on the table of the splash.
        const double scale = 1.35;
        cairo_translate(cr, zebX - 240 * scale, h * 0.78 - 572 * scale);
        cairo_scale(cr, scale, scale);
        ZebPose p;
        p.face = {.leftEye = 0.9,
                  .rightEye = 0.9,
                  .browLeftUp = 0.5,
                  .smile = 0.8,
                  .mouthOpen = 0.25,
                  .mouthSkew = 0.3};
        p.left = {true, 60, 470, -50, HandShape::Open, Prop::None, 1.1};
        p.right = {true, 360, 560, 0, HandShape::Rest, Prop::CardFan, 1.0};
        DrawZeb(cr, p, false);
    }
    // The table across the front, felt and a wooden rim.
    const double top = h * 0.78;
    cairo_rectangle(cr, 0, top, w, h - top);
    FillVertical(cr, top, Hex(0x3f7a40), h, Hex(0x1e3d20));
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, top - 16, w, 22);
    FillVertical(cr, top - 16, Hex(0x8a5a2b), top + 6, Hex(0x4a2a10));
    cairo_new_path(cr);
    // Cards dealt towards the player's seat, and a glass.
    const double cards[][3] = {{0.55, 0.87, -12}, {0.61, 0.89, 4}, {0.67, 0.87, 16}};
    for (const auto& c : cards) {
        Saved saved(cr);
        cairo_translate(cr, w * c[0], h * c[1]);
        cairo_rotate(cr, c[2] * M_PI / 180);
        RoundedRect(cr, -60, -86, 120, 172, 10);
        SetColor(cr, Hex(0x457a9a));
        cairo_fill_preserve(cr);
        SetColor(cr, Hex(0xffffff));
        cairo_set_line_width(cr, 6);
        cairo_stroke(cr);
        StarPath(cr, 0, 0, 34, 14);
        SetColor(cr, Hex(0xe0b040));
        cairo_fill(cr);
    }
    cairo_move_to(cr, w * 0.94 - 40, h * 0.8);
    cairo_line_to(cr, w * 0.94 + 40, h * 0.8);
    cairo_line_to(cr, w * 0.94 + 32, h * 0.9);
    cairo_line_to(cr, w * 0.94 - 32, h * 0.9);
    cairo_close_path(cr);
    SetColor(cr, Hex(0xc07a1a), 0.85);
    cairo_fill(cr);
}

// Before a level is chosen: his empty chair at the table, the hat hung on it.
void Tavolo(cairo_t* cr) {
    const double w = kTavolo.width, h = kTavolo.height;
    SaloonWall(cr, 0, 0, w, h, 90, 70);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    const Rgb wood = Hex(0x7a4a22), dark = Hex(0x3b2414);
    auto post = [&](double x0, double y0, double x1, double y1, double width) {
        cairo_move_to(cr, x0, y0);
        cairo_line_to(cr, x1, y1);
        SetColor(cr, dark);
        cairo_set_line_width(cr, width + 6);
        cairo_stroke_preserve(cr);
        SetColor(cr, wood);
        cairo_set_line_width(cr, width);
        cairo_stroke(cr);
    };
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    post(140, 480, 130, 200, 24);
    post(340, 480, 350, 200, 24);
    for (int i = 0; i < 4; ++i) post(180 + i * 40, 470, 180 + i * 40, 250, 12);
    cairo_move_to(cr, 120, 220);
    cairo_curve_to(cr, 180, 180, 300, 180, 360, 220);
    SetColor(cr, dark);
    cairo_set_line_width(cr, 46);
    cairo_stroke_preserve(cr);
    SetColor(cr, wood);
    cairo_set_line_width(cr, 40);
    cairo_stroke(cr);
    DrawZebHat(cr, 150, 200, 0.8);
    // The table with a deck and a full glass, waiting.
    cairo_rectangle(cr, 0, 470, w, h - 470);
    FillVertical(cr, 470, Hex(0x3f7a40), h, Hex(0x1e3d20));
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 462, w, 14);
    SetColor(cr, Hex(0x5a3818));
    cairo_fill(cr);
    for (int i = 0; i < 5; ++i) {
        RoundedRect(cr, 200 - i * 1.5, 500 - i * 3, 80, 56, 6);
        SetColor(cr, Hex(0x457a9a));
        cairo_fill_preserve(cr);
        SetColor(cr, Hex(0xffffff));
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
    }
    cairo_move_to(cr, 350, 470);
    cairo_line_to(cr, 400, 470);
    cairo_line_to(cr, 394, 540);
    cairo_line_to(cr, 356, 540);
    cairo_close_path(cr);
    SetColor(cr, Hex(0xc07a1a), 0.85);
    cairo_fill_preserve(cr);
    SetColor(cr, Hex(0x3b2414));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: gnamm-art-zeb FOTO_FOLDER GRAFICA_FOLDER\n");
        return 2;
    }
    if (!MakeFolders(argv[1]) || !MakeFolders(argv[2])) return 1;
    bool ok = true;
    const auto photos = gnamm::assets::Photos();
    for (size_t i = 0; i < photos.size(); ++i) {
        Canvas canvas(kPhoto.width, kPhoto.height);
        DrawZeb(canvas.cr(), PhotoPose(static_cast<int>(i) + 1));
        ok = canvas.WriteAsset(argv[1], photos[i], "gnamm-art-zeb") && ok;
    }
    Canvas splash(kSplash.width, kSplash.height);
    Splash(splash.cr());
    // The first picture on screen: a JPEG, decoded while the window opens.
    ok = WriteJpegAsset(splash.surface(), argv[2], gnamm::assets::kSplash, "gnamm-art-zeb") && ok;
    Canvas tavolo(kTavolo.width, kTavolo.height);
    Tavolo(tavolo.cr());
    ok = tavolo.WriteAsset(argv[2], gnamm::assets::kTavolo, "gnamm-art-zeb") && ok;
    return ok ? 0 : 1;
}
