#include "zeb_model.h"

#include <cmath>

#include "canvas.h"
#include "zeb_parts.h"

namespace gnamm::art {

using namespace zeb;

namespace {

void Background(cairo_t* cr) {
    SaloonWall(cr, 0, 0, 480, 600, 90, 70);
    // A shelf with bottles, dim behind his shoulders.
    cairo_rectangle(cr, 0, 300, 480, 14);
    SetColor(cr, Hex(0x3a200c));
    cairo_fill(cr);
    const double bottles[][3] = {{30, 60, 0x2f5d2a},
                                 {62, 48, 0x6b2a14},
                                 {400, 66, 0x2a3f5d},
                                 {438, 52, 0x7a5a14},
                                 {90, 40, 0x3a6b3a}};
    for (const auto& b : bottles) {
        const double x = b[0], h = b[1];
        RoundedRect(cr, x - 11, 300 - h * 0.65, 22, h * 0.65, 5);
        cairo_rectangle(cr, x - 4, 300 - h, 8, h * 0.4);
        SetColor(cr, Hex(static_cast<unsigned>(b[2])), 0.85);
        cairo_fill(cr);
        cairo_rectangle(cr, x - 7, 300 - h * 0.5, 3, h * 0.35);
        SetColor(cr, Hex(0xffffff), 0.3);
        cairo_fill(cr);
    }
    // The oil lamp's glow, top left.
    cairo_pattern_t* glow = cairo_pattern_create_radial(70, 60, 0, 70, 60, 90);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.95, 0.7, 0.9);
    cairo_pattern_add_color_stop_rgba(glow, 0.25, 1, 0.8, 0.4, 0.45);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.6, 0.2, 0);
    cairo_set_source(cr, glow);
    cairo_paint(cr);
    cairo_pattern_destroy(glow);
}

void Torso(cairo_t* cr) {
    // Shirt.
    cairo_move_to(cr, 20, 600);
    cairo_curve_to(cr, 30, 520, 60, 470, 130, 450);
    cairo_curve_to(cr, 170, 438, 310, 438, 350, 450);
    cairo_curve_to(cr, 420, 470, 450, 520, 460, 600);
    cairo_close_path(cr);
    FillVertical(cr, 440, kShirt, 600, Mix(kShirt, kSkinShade, 0.4));
    Outline(cr);
    // Waistcoat: two panels leaving a V of shirt.
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, 240 + side * 210, 600);
        cairo_curve_to(cr, 240 + side * 205, 530, 240 + side * 175, 475, 240 + side * 110, 452);
        cairo_line_to(cr, 240 + side * 42, 448);
        cairo_line_to(cr, 240 + side * 6, 600);
        cairo_close_path(cr);
    }
    FillVertical(cr, 440, kVest, 600, Mix(kVest, Hex(0x000000), 0.4));
    Outline(cr);
    // Buttons and a watch chain.
    for (int i = 0; i < 3; ++i) {
        cairo_arc(cr, 228 - i * 3, 500 + i * 36, 5, 0, 2 * M_PI);
        SetColor(cr, kGolden);
        cairo_fill(cr);
    }
    cairo_move_to(cr, 226, 540);
    cairo_curve_to(cr, 190, 565, 150, 560, 130, 540);
    SetColor(cr, kGolden);
    cairo_set_line_width(cr, 3);
    const double dash[] = {5, 3};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    // Red neckerchief under the beard.
    cairo_move_to(cr, 170, 440);
    cairo_line_to(cr, 310, 440);
    cairo_line_to(cr, 240, 500);
    cairo_close_path(cr);
    SetColor(cr, Hex(0xb8281e));
    cairo_fill_preserve(cr);
    Outline(cr, 2);
    // The table edge in front of him.
    cairo_rectangle(cr, 0, 572, 480, 28);
    FillVertical(cr, 572, Mix(kTable, Hex(0xffffff), 0.15), 600, kTable);
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 570, 480, 5);
    SetColor(cr, Hex(0x5a3818));
    cairo_fill(cr);
}

void Eye(cairo_t* cr, double x, double y, double open, bool happyShut, const Expression& e) {
    if (open < 0.15) {
        cairo_move_to(cr, x - 14, y);
        if (happyShut) {
            cairo_curve_to(cr, x - 6, y - 10, x + 6, y - 10, x + 14, y);
        } else {
            cairo_curve_to(cr, x - 6, y + 7, x + 6, y + 7, x + 14, y);
        }
        Outline(cr, 3.5);
        return;
    }
    Ellipse(cr, x, y, 13, 11 * open);
    SetColor(cr, Hex(0xffffff));
    cairo_fill_preserve(cr);
    Outline(cr, 2.5);
    Saved saved(cr);
    Ellipse(cr, x, y, 13, 11 * open);
    cairo_clip(cr);
    cairo_arc(cr, x + e.lookX * 6, y + e.lookY * 4, 6.5, 0, 2 * M_PI);
    SetColor(cr, Hex(0x2a1a10));
    cairo_fill(cr);
    cairo_arc(cr, x + e.lookX * 6 + 2, y + e.lookY * 4 - 2, 2, 0, 2 * M_PI);
    SetColor(cr, Hex(0xffffff));
    cairo_fill(cr);
    // Heavy upper lid when the eye is half shut.
    if (open < 0.8) {
        cairo_rectangle(cr, x - 15, y - 12, 30, 12 * (1 - open) + 1);
        SetColor(cr, kSkinShade);
        cairo_fill(cr);
    }
}

void Brow(cairo_t* cr, double x, int side, double raise, double angry) {
    const double inner = x - side * 20, outer = x + side * 24;
    const double yInner = -44 - raise * 10 + angry * 10;
    const double yOuter = -48 - raise * 8 - angry * 3;
    cairo_move_to(cr, inner, yInner);
    cairo_curve_to(cr, inner + side * 14, yInner - 8, outer - side * 8, yOuter - 6, outer, yOuter);
    SetColor(cr, kBeardShade);
    cairo_set_line_width(cr, 16);
    cairo_stroke_preserve(cr);
    SetColor(cr, kBeard);
    cairo_set_line_width(cr, 12);
    cairo_stroke(cr);
}

void Mouth(cairo_t* cr, const Expression& e) {
    const double my = 66;
    const double w = 24 + 8 * std::abs(e.smile) + 6 * e.mouthOpen;
    const double lift = e.smile * 10;
    const double lx = -w, rx = w;
    const double ly = my - lift - e.mouthSkew * 7, ry = my - lift + e.mouthSkew * 7;
    cairo_move_to(cr, lx, ly);
    cairo_curve_to(cr, lx / 2, my - e.mouthOpen * 10 + lift * 0.2, rx / 2,
                   my - e.mouthOpen * 10 + lift * 0.2, rx, ry);
    cairo_curve_to(cr, rx / 2, my + 6 + e.mouthOpen * 40 + lift * 1.2, lx / 2,
                   my + 6 + e.mouthOpen * 40 + lift * 1.2, lx, ly);
    cairo_close_path(cr);
    SetColor(cr, Hex(0x5a1a16));
    cairo_fill_preserve(cr);
    Outline(cr, 2.5);
    if (e.mouthOpen > 0.25 || e.smile > 0.5) {
        Saved saved(cr);
        cairo_move_to(cr, lx, ly);
        cairo_curve_to(cr, lx / 2, my - e.mouthOpen * 10 + lift * 0.2, rx / 2,
                       my - e.mouthOpen * 10 + lift * 0.2, rx, ry);
        cairo_curve_to(cr, rx / 2, my + 6 + e.mouthOpen * 40 + lift * 1.2, lx / 2,
                       my + 6 + e.mouthOpen * 40 + lift * 1.2, lx, ly);
        cairo_clip(cr);
        cairo_rectangle(cr, lx, my - 30, 2 * w, 30 + 4 + 2 * e.mouthOpen);
        SetColor(cr, Hex(0xfbf6e8));
        cairo_fill(cr);
        if (e.tongue || e.mouthOpen > 0.5) {
            Ellipse(cr, 0, my + 8 + e.mouthOpen * 36, w * 0.6, 14);
            SetColor(cr, Hex(0xd8606a));
            cairo_fill(cr);
        }
    }
}

void Mustache(cairo_t* cr, const Expression& e) {
    const double droop = -e.smile * 8;
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, 0, 40);
        cairo_curve_to(cr, side * 30, 30, side * 60, 44 + droop, side * 82, 40 + droop);
        cairo_curve_to(cr, side * 96, 36 + droop, side * 94, 22 + droop, side * 86, 26 + droop);
        cairo_curve_to(cr, side * 84, 48 + droop, side * 60, 64 + droop, side * 30, 58);
        cairo_curve_to(cr, side * 14, 56, side * 4, 54, 0, 52);
        cairo_close_path(cr);
        SetColor(cr, kBeard);
        cairo_fill_preserve(cr);
        SetColor(cr, kBeardShade);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
    }
}

void Beard(cairo_t* cr, const Expression& e) {
    const double open = e.mouthOpen * 30;
    cairo_move_to(cr, -94, -10);
    cairo_curve_to(cr, -90, 30, -70, 40, -40, 42);
    cairo_curve_to(cr, -10, 44, 10, 44, 40, 42);
    cairo_curve_to(cr, 70, 40, 90, 30, 94, -10);
    cairo_curve_to(cr, 112, 70, 104, 130, 84, 160 + open * 0.5);
    // A wavy lower edge of curls.
    const int curls = 7;
    for (int i = 0; i < curls; ++i) {
        const double x0 = 84 - i * 168.0 / curls, x1 = 84 - (i + 1) * 168.0 / curls;
        const double y = 170 + open + 40 * std::sin((i + 0.5) / curls * M_PI);
        cairo_curve_to(cr, x0 - 6, y + 14, x1 + 6, y + 14, x1, y - 4);
    }
    cairo_curve_to(cr, -104, 130, -112, 70, -94, -10);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(-20, 60, 10, 0, 100, 170);
    cairo_pattern_add_color_stop_rgb(p, 0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(p, 0.7, kBeard.r, kBeard.g, kBeard.b);
    cairo_pattern_add_color_stop_rgb(p, 1, kBeardShade.r, kBeardShade.g, kBeardShade.b);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    SetColor(cr, kBeardShade);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // Strands.
    SetColor(cr, kBeardShade, 0.7);
    cairo_set_line_width(cr, 2);
    for (int i = -4; i <= 4; ++i) {
        const double x = i * 20;
        cairo_move_to(cr, x, 100 + std::abs(i) * 4);
        cairo_curve_to(cr, x + 6, 130, x - 6, 160, x + 2, 185 + open - std::abs(i) * 6);
    }
    cairo_stroke(cr);
}

void Hat(cairo_t* cr) {
    // Brim.
    cairo_move_to(cr, -175, -88);
    cairo_curve_to(cr, -150, -120, 150, -120, 175, -88);
    cairo_curve_to(cr, 185, -70, 150, -62, 110, -76);
    cairo_curve_to(cr, 40, -94, -40, -94, -110, -76);
    cairo_curve_to(cr, -150, -62, -185, -70, -175, -88);
    cairo_close_path(cr);
    FillVertical(cr, -120, kHat, -62, kHatDark);
    Outline(cr, 3.5);
    // Crown with the dent on top.
    cairo_move_to(cr, -92, -98);
    cairo_curve_to(cr, -100, -150, -92, -196, -60, -206);
    cairo_curve_to(cr, -30, -214, -16, -196, 0, -192);
    cairo_curve_to(cr, 16, -196, 30, -214, 60, -206);
    cairo_curve_to(cr, 92, -196, 100, -150, 92, -98);
    cairo_curve_to(cr, 40, -110, -40, -110, -92, -98);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(-100, 0, 100, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.66, 0.45, 0.24);
    cairo_pattern_add_color_stop_rgb(p, 0.6, kHat.r, kHat.g, kHat.b);
    cairo_pattern_add_color_stop_rgb(p, 1, kHatDark.r, kHatDark.g, kHatDark.b);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    Outline(cr, 3.5);
    cairo_move_to(cr, 0, -192);
    cairo_curve_to(cr, -6, -170, 6, -150, 0, -128);
    SetColor(cr, kHatDark);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // Band with a silver concho.
    cairo_move_to(cr, -93, -104);
    cairo_curve_to(cr, -40, -116, 40, -116, 93, -104);
    cairo_line_to(cr, 95, -124);
    cairo_curve_to(cr, 40, -136, -40, -136, -95, -124);
    cairo_close_path(cr);
    SetColor(cr, Hex(0x2a1608));
    cairo_fill(cr);
    StarPath(cr, -52, -118, 11, 5);
    SetColor(cr, Hex(0xd8d8d0));
    cairo_fill(cr);
}

void Head(cairo_t* cr, const ZebPose& pose) {
    const Expression& e = pose.face;
    Saved saved(cr);
    cairo_translate(cr, kHeadX, 420);
    cairo_rotate(cr, pose.headTilt * kRad);
    cairo_translate(cr, 0, kHeadY - 420 - pose.headRaise);
    // White hair behind the ears.
    for (int side = -1; side <= 1; side += 2) {
        Ellipse(cr, side * 92, -30, 26, 44);
        SetColor(cr, kBeard);
        cairo_fill_preserve(cr);
        SetColor(cr, kBeardShade);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    // Ears and face.
    for (int side = -1; side <= 1; side += 2) {
        Ellipse(cr, side * 90, 0, 17, 27);
        SetColor(cr, kSkin);
        cairo_fill_preserve(cr);
        Outline(cr);
    }
    Ellipse(cr, 0, 0, 92, 110);
    cairo_pattern_t* skin = cairo_pattern_create_radial(-30, -30, 10, 0, 0, 120);
    cairo_pattern_add_color_stop_rgb(skin, 0, 0.98, 0.8, 0.64);
    cairo_pattern_add_color_stop_rgb(skin, 1, kSkinShade.r, kSkinShade.g, kSkinShade.b);
    cairo_set_source(cr, skin);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(skin);
    Outline(cr);
    // Wrinkles: forehead and crow's feet.
    SetColor(cr, kSkinShade);
    cairo_set_line_width(cr, 2);
    for (int i = 0; i < 2; ++i) {
        cairo_move_to(cr, -40, -62 - i * 9);
        cairo_curve_to(cr, -15, -68 - i * 9, 15, -68 - i * 9, 40, -62 - i * 9);
    }
    for (int side = -1; side <= 1; side += 2) {
        for (int i = -1; i <= 1; ++i) {
            cairo_move_to(cr, side * 56, -12 + i * 6);
            cairo_line_to(cr, side * 66, -12 + i * 9);
        }
    }
    cairo_stroke(cr);
    if (e.blush || e.smile > 0.4) {
        for (int side = -1; side <= 1; side += 2) {
            Ellipse(cr, side * 56, 20, 18, 11);
            SetColor(cr, Hex(0xe05050), e.blush ? 0.45 : 0.25);
            cairo_fill(cr);
        }
    }
    Eye(cr, -36, -14, e.leftEye, e.happyShut, e);
    Eye(cr, 36, -14, e.rightEye, e.happyShut, e);
    Brow(cr, -36, -1, e.browLeftUp, e.browAngry);
    Brow(cr, 36, 1, e.browRightUp, e.browAngry);
    Beard(cr, e);
    Mouth(cr, e);
    Mustache(cr, e);
    // The big red nose, over the mustache.
    Ellipse(cr, 0, 16, 23, 21);
    cairo_pattern_t* nose = cairo_pattern_create_radial(-6, 8, 2, 0, 16, 26);
    cairo_pattern_add_color_stop_rgb(nose, 0, 1, 0.78, 0.7);
    cairo_pattern_add_color_stop_rgb(nose, 1, 0.82, 0.45, 0.38);
    cairo_set_source(cr, nose);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(nose);
    Outline(cr, 2.5);
    Hat(cr);
    if (pose.extras.sweat) {
        cairo_move_to(cr, 84, -70);
        cairo_curve_to(cr, 96, -50, 100, -40, 90, -34);
        cairo_curve_to(cr, 80, -30, 74, -44, 84, -70);
        SetColor(cr, Hex(0x9fd4f0));
        cairo_fill_preserve(cr);
        SetColor(cr, Hex(0x3a7aa0));
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    if (pose.extras.angerMark) {
        SetColor(cr, Hex(0xd01818));
        cairo_set_line_width(cr, 5);
        for (int q = 0; q < 4; ++q) {
            const double a = q * M_PI / 2 + M_PI / 4;
            cairo_arc(cr, -66 + std::cos(a) * 14, -66 + std::sin(a) * 14, 8, a + M_PI * 0.6,
                      a + M_PI * 1.4);
            cairo_stroke(cr);
        }
    }
}

void Extra(cairo_t* cr, const ZebPose& pose) {
    const Extras& x = pose.extras;
    if (x.zzz) {
        SetColor(cr, Hex(0xfff2d0));
        cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
        const double zs[][3] = {{370, 120, 30}, {402, 84, 40}, {430, 40, 52}};
        for (const auto& z : zs) {
            cairo_set_font_size(cr, z[2]);
            cairo_move_to(cr, z[0], z[1]);
            cairo_show_text(cr, "Z");
        }
    }
    if (x.sparkles) {
        const double ss[][3] = {{60, 200, 16}, {420, 170, 20}, {400, 330, 12}, {90, 360, 12}};
        for (const auto& s : ss) {
            StarPath(cr, s[0], s[1], s[2], s[2] * 0.3, 4);
            SetColor(cr, Hex(0xffe070));
            cairo_fill(cr);
        }
    }
    if (x.exclaim) {
        SetColor(cr, Hex(0xffe070));
        cairo_select_font_face(cr, "DejaVu Serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
        cairo_set_font_size(cr, 60);
        cairo_move_to(cr, 400, 120);
        cairo_show_text(cr, "!");
    }
    if (x.motionLines) {
        SetColor(cr, Hex(0xfff2d0), 0.9);
        cairo_set_line_width(cr, 4);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        for (const Hand* h : {&pose.left, &pose.right}) {
            if (!h->shown || (h->shape != HandShape::Drum && h->shape != HandShape::Open &&
                              h->shape != HandShape::Point)) {
                continue;
            }
            // Drumming fingers point at the player; their taps show above the hand.
            const double towards = h->shape == HandShape::Drum ? 0 : h->angle;
            for (int i = 0; i < 3; ++i) {
                const double a = (-60 + i * 30 + towards) * kRad;
                cairo_move_to(cr, h->x + std::sin(a) * 70, h->y - std::cos(a) * 70);
                cairo_line_to(cr, h->x + std::sin(a) * 88, h->y - std::cos(a) * 88);
            }
            cairo_stroke(cr);
        }
    }
}

}  // namespace

void DrawZebHat(cairo_t* cr, double x, double y, double scale) {
    Saved saved(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_translate(cr, x, y);
    cairo_scale(cr, scale, scale);
    cairo_translate(cr, 0, 88);
    Hat(cr);
}

void DrawZeb(cairo_t* cr, const ZebPose& pose, bool background) {
    Saved saved(cr);
    // One pen for the whole drawing, so no part depends on what was drawn before it.
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    if (background) Background(cr);
    Torso(cr);
    DrawArm(cr, 90, pose.left);
    DrawArm(cr, 390, pose.right);
    Head(cr, pose);
    if (pose.left.shown) DrawHand(cr, pose.left);
    if (pose.right.shown) DrawHand(cr, pose.right);
    if (background) {
        // The lamp's warm light falls on him too, and the corners sink into shadow.
        cairo_pattern_t* light = cairo_pattern_create_radial(90, 70, 20, 200, 260, 460);
        cairo_pattern_add_color_stop_rgba(light, 0, 1.0, 0.75, 0.35, 0.16);
        cairo_pattern_add_color_stop_rgba(light, 0.6, 1.0, 0.6, 0.2, 0.04);
        cairo_pattern_add_color_stop_rgba(light, 1, 0.1, 0.04, 0.0, 0.35);
        cairo_set_source(cr, light);
        cairo_paint(cr);
        cairo_pattern_destroy(light);
    }
    Extra(cr, pose);
}

}  // namespace gnamm::art
