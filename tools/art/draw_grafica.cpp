// Draws the fixed pictures of the table: speech bubbles, the title, the caption bar, the
// suits (one strip of four and one picture per suit) and the pointing hand.
//
// Usage: gnamm-art-grafica GRAFICA_FOLDER
#include <cmath>
#include <cstdio>
#include <string>

#include "canvas.h"
#include "data/asset_catalog.h"
#include "picture_sizes.h"

namespace {

using namespace gnamm::art;
namespace assets = gnamm::assets;

const Rgb kInk = Hex(0x2a1a0e);
const Rgb kCream = Hex(0xf6ead0);

// A speech bubble: a rounded cloud with a tail to the lower left, towards Zeb's photo. The
// middle is kept plain for the remark written over it, and the cloud is nearly as wide at its
// second line of text as at its first, so neither runs over the outline.
void DrawBubble(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    const double w = canvas.width(), h = canvas.height();
    const double cx = w * 0.51, cy = h * 0.45, rx = w * 0.48, ry = h * 0.42;
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    auto shape = [&](double dx, double dy) {
        cairo_new_path(cr);
        Squircle(cr, cx + dx, cy + dy, rx, ry);
        cairo_new_sub_path(cr);
        cairo_move_to(cr, cx - rx * 0.55 + dx, cy + ry * 0.6 + dy);
        cairo_curve_to(cr, cx - rx * 0.7 + dx, cy + ry * 0.95 + dy, w * 0.08 + dx, h * 0.92 + dy,
                       w * 0.02 + dx, h * 0.97 + dy);
        cairo_curve_to(cr, w * 0.14 + dx, h * 0.94 + dy, cx - rx * 0.3 + dx, cy + ry * 0.95 + dy,
                       cx - rx * 0.2 + dx, cy + ry * 0.8 + dy);
        cairo_close_path(cr);
    };
    shape(5, 6);
    SetColor(cr, Hex(0x000000), 0.25);
    cairo_fill(cr);
    shape(0, 0);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, h);
    cairo_pattern_add_color_stop_rgb(p, 0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.96, 0.93, 0.85);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    SetColor(cr, kInk);
    cairo_set_line_width(cr, std::max(3.0, h / 60));
    cairo_stroke(cr);
    // Paint over the inner outline where the tail meets the cloud.
    Squircle(cr, cx, cy, rx - h / 60 - 1, ry - h / 60 - 1);
    SetColor(cr, Hex(0xfdfbf6));
    cairo_fill(cr);
}

// "Gnamm" in tall slab letters with an outline, a shadow and a wood-and-gold fill.
void DrawTitle(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    const double w = canvas.width(), h = canvas.height();
    cairo_select_font_face(cr, "DejaVu Serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, h * 0.72);
    cairo_text_extents_t e;
    const char* text = "Gnamm";
    cairo_text_extents(cr, text, &e);
    const double stretchY = 1.25;
    const double scale = std::min((w * 0.8) / e.width, (h * 0.8) / (e.height * stretchY));
    auto path = [&](double dx, double dy) {
        Saved saved(cr);
        cairo_translate(cr, w / 2 + dx, h / 2 + dy);
        cairo_scale(cr, scale, scale * stretchY);
        cairo_move_to(cr, -e.x_bearing - e.width / 2, -e.y_bearing - e.height / 2);
        cairo_text_path(cr, text);
    };
    // Stars either side.
    for (int side = -1; side <= 1; side += 2) {
        StarPath(cr, w / 2 + side * w * 0.46, h * 0.5, h * 0.09, h * 0.038);
        SetColor(cr, Hex(0xe0b040));
        cairo_fill_preserve(cr);
        SetColor(cr, kInk);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
    path(10, 12);
    SetColor(cr, Hex(0x000000), 0.45);
    cairo_fill(cr);
    path(0, 0);
    SetColor(cr, kInk);
    cairo_set_line_width(cr, h * 0.05);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, h * 0.15, 0, h * 0.85);
    cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.9, 0.55);
    cairo_pattern_add_color_stop_rgb(p, 0.48, 0.9, 0.62, 0.2);
    cairo_pattern_add_color_stop_rgb(p, 0.52, 0.72, 0.4, 0.12);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.5, 0.24, 0.06);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    SetColor(cr, Hex(0xfff4d0));
    cairo_set_line_width(cr, h * 0.008);
    cairo_stroke(cr);
    // A rope line under the word.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    SetColor(cr, Hex(0xc89a50));
    cairo_set_line_width(cr, h * 0.02);
    for (double x = w * 0.2; x < w * 0.8; x += h * 0.05) {
        cairo_move_to(cr, x, h * 0.93);
        cairo_line_to(cr, x + h * 0.035, h * 0.9);
    }
    cairo_stroke(cr);
}

// The bar behind the panel captions: a wooden plank with nail heads.
void DrawBarra(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    const double w = canvas.width(), h = canvas.height();
    {
        // The wall's planks, turned to run along the bar.
        Saved saved(cr);
        cairo_translate(cr, 0, h);
        cairo_rotate(cr, -M_PI / 2);
        SaloonWall(cr, 0, 0, h, w, h * 1.5, w / 2);
    }
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, h);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 0.9, 0.7, 0.35);
    cairo_pattern_add_color_stop_rgba(p, 0.5, 0.6, 0.35, 0.15, 0.1);
    cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0, 0.45);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    for (double x = h * 0.5; x < w; x += w / 8) {
        for (double y : {h * 0.22, h * 0.78}) {
            cairo_arc(cr, x, y, h * 0.06, 0, 2 * M_PI);
            SetColor(cr, Hex(0x3a3a38));
            cairo_fill(cr);
            cairo_arc(cr, x - h * 0.015, y - h * 0.015, h * 0.025, 0, 2 * M_PI);
            SetColor(cr, Hex(0xb0b0a8));
            cairo_fill(cr);
        }
    }
}

void SuitSymbol(cairo_t* cr, int suit, double cx, double cy, double size) {
    switch (suit) {
        case 0:
            HeartPath(cr, cx, cy, size);
            break;
        case 1:
            DiamondPath(cr, cx, cy, size);
            break;
        case 2:
            ClubPath(cr, cx, cy, size);
            break;
        default:
            SpadePath(cr, cx, cy, size);
            break;
    }
    const bool red = suit < 2;
    cairo_pattern_t* p = cairo_pattern_create_linear(0, cy - size / 2, 0, cy + size / 2);
    if (red) {
        cairo_pattern_add_color_stop_rgb(p, 0, 0.93, 0.2, 0.2);
        cairo_pattern_add_color_stop_rgb(p, 1, 0.62, 0.05, 0.08);
    } else {
        cairo_pattern_add_color_stop_rgb(p, 0, 0.3, 0.3, 0.32);
        cairo_pattern_add_color_stop_rgb(p, 1, 0.05, 0.05, 0.06);
    }
    cairo_set_source(cr, p);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

// A cream tile with a rope border, the suit in the middle.
void DrawSuitTile(cairo_t* cr, int suit, double x, double y, double size) {
    RoundedRect(cr, x + size * 0.04, y + size * 0.04, size * 0.92, size * 0.92, size * 0.12);
    SetColor(cr, kCream);
    cairo_fill_preserve(cr);
    SetColor(cr, Hex(0x8a5a2b));
    cairo_set_line_width(cr, size * 0.04);
    cairo_stroke(cr);
    SuitSymbol(cr, suit, x + size / 2, y + size / 2, size * 0.62);
}

// The pointing hand, a white glove pointing down at the player's cards.
void DrawManina(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    const double s = canvas.width() / 160.0;
    cairo_scale(cr, s, s);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    auto outline = [cr] {
        SetColor(cr, Hex(0xffffff));
        cairo_fill_preserve(cr);
        SetColor(cr, kInk);
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
    };
    RoundedRect(cr, 22, 34, 24, 46, 12);  // thumb
    outline();
    RoundedRect(cr, 36, 24, 86, 66, 24);  // back of the hand
    outline();
    for (int i = 0; i < 3; ++i) {  // curled fingers
        RoundedRect(cr, 74 + i * 16, 70, 18, 32, 9);
        outline();
    }
    RoundedRect(cr, 50, 56, 26, 100, 13);  // the index, pointing down
    outline();
    cairo_move_to(cr, 56, 136);  // its nail
    cairo_curve_to(cr, 58, 148, 68, 148, 70, 136);
    SetColor(cr, kInk);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    RoundedRect(cr, 38, 4, 84, 26, 8);  // cuff
    SetColor(cr, Hex(0xb8281e));
    cairo_fill_preserve(cr);
    SetColor(cr, kInk);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gnamm-art-grafica GRAFICA_FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    if (!MakeFolders(folder)) return 1;
    bool ok = true;
    const PixelSize bubbleSizes[] = {kBubbleLarge, kBubbleMedium, kBubbleSmall};
    for (int n = 1; n <= 3; ++n) {
        Canvas bubble(bubbleSizes[n - 1].width, bubbleSizes[n - 1].height);
        DrawBubble(bubble);
        ok = bubble.WriteAsset(folder, assets::Bubble(n), "gnamm-art-grafica") && ok;
    }
    Canvas title(kTitolo.width, kTitolo.height);
    DrawTitle(title);
    ok = title.WriteAsset(folder, assets::kTitolo, "gnamm-art-grafica") && ok;
    Canvas barra(kBarra.width, kBarra.height);
    DrawBarra(barra);
    ok = barra.WriteAsset(folder, assets::kBarra, "gnamm-art-grafica") && ok;
    Canvas semi(kQuattroSemi.width, kQuattroSemi.height);
    SetColor(semi.cr(), Hex(0x5a3818));
    cairo_paint(semi.cr());
    for (int suit = 0; suit < 4; ++suit) DrawSuitTile(semi.cr(), suit, suit * 200.0, 0, 200);
    ok = semi.WriteAsset(folder, assets::kQuattroSemi, "gnamm-art-grafica") && ok;
    const auto suits = assets::SuitPictures();  // Cuori, Quadri, Fiori, Picche
    for (int suit = 0; suit < 4; ++suit) {
        Canvas tile(kSuit.width, kSuit.height);
        SetColor(tile.cr(), Hex(0x5a3818));
        cairo_paint(tile.cr());
        DrawSuitTile(tile.cr(), suit, 0, 0, kSuit.width);
        ok = tile.WriteAsset(folder, suits[suit], "gnamm-art-grafica") && ok;
    }
    Canvas manina(kManina.width, kManina.height);
    DrawManina(manina);
    ok = manina.WriteAsset(folder, assets::kManina, "gnamm-art-grafica") && ok;
    return ok ? 0 : 1;
}
