#include <cmath>

#include "zeb_parts.h"

namespace gnamm::art::zeb {

namespace {

void Finger(cairo_t* cr, double x, double y, double angleDeg, double length, double width) {
    Saved saved(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angleDeg * kRad);
    RoundedRect(cr, -width / 2, -length, width, length + width / 2, width / 2);
    SetColor(cr, kSkin);
    cairo_fill_preserve(cr);
    Outline(cr, 2.5);
}

void Card(cairo_t* cr, double x, double y, double angle, double scale, bool red) {
    Saved saved(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle * kRad);
    cairo_scale(cr, scale, scale);
    RoundedRect(cr, -22, -32, 44, 64, 5);
    SetColor(cr, Hex(0xfffdf5));
    cairo_fill_preserve(cr);
    Outline(cr, 2);
    if (red) {
        HeartPath(cr, 0, 0, 24);
        SetColor(cr, Hex(0xc81e1e));
    } else {
        SpadePath(cr, 0, 0, 24);
        SetColor(cr, Hex(0x1a1a1a));
    }
    cairo_fill(cr);
}

void PropInHand(cairo_t* cr, const Hand& h) {
    switch (h.prop) {
        case Prop::None:
        case Prop::Watch:  // held in front of the palm, drawn with the hand
        case Prop::SleeveCard:
            break;
        case Prop::Glass: {
            Saved saved(cr);
            cairo_translate(cr, h.x, h.y);
            cairo_scale(cr, 1.35, 1.35);
            cairo_move_to(cr, -24, -70);
            cairo_line_to(cr, 24, -70);
            cairo_line_to(cr, 19, -5);
            cairo_line_to(cr, -19, -5);
            cairo_close_path(cr);
            SetColor(cr, Hex(0xd8ecf0), 0.55);
            cairo_fill_preserve(cr);
            Outline(cr, 2.5);
            cairo_move_to(cr, -22, -45);
            cairo_line_to(cr, 22, -45);
            cairo_line_to(cr, 19, -8);
            cairo_line_to(cr, -19, -8);
            cairo_close_path(cr);
            SetColor(cr, Hex(0xc07a1a), 0.9);
            cairo_fill(cr);
            cairo_move_to(cr, -15, -64);
            cairo_line_to(cr, -12, -14);
            SetColor(cr, Hex(0xffffff), 0.7);
            cairo_set_line_width(cr, 4);
            cairo_stroke(cr);
            break;
        }
        case Prop::Card:
            Card(cr, h.x + 6, h.y - 40, h.angle + 10, 1.2, true);
            break;
        case Prop::CardFan:
            for (int i = 0; i < 4; ++i) {
                Card(cr, h.x - 18 + i * 12, h.y - 42, h.angle - 30 + i * 20, 1.15, i % 2 == 0);
            }
            break;
        case Prop::CardPile:
            for (int i = 0; i < 5; ++i) {
                // Heaped between his hands, which rake it in from either side.
                Card(cr, 240 + (i - 2) * 24, h.y - 6 - (i % 3) * 8, -40 + i * 20, 1.0, i % 2 == 1);
            }
            break;
    }
}

// The pocket watch lying open in his palm, its chain running back to the waistcoat.
void Watch(cairo_t* cr, const Hand& h) {
    const double x = h.x, y = h.y - 14;
    cairo_move_to(cr, x, y - 30);
    cairo_curve_to(cr, x - 40, y - 50, x - 30, y + 60, 200, 520);
    SetColor(cr, kGolden);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_arc(cr, x, y, 30, 0, 2 * M_PI);
    SetColor(cr, kGolden);
    cairo_fill_preserve(cr);
    Outline(cr, 3);
    cairo_arc(cr, x, y, 23, 0, 2 * M_PI);
    SetColor(cr, Hex(0xfff8e6));
    cairo_fill(cr);
    SetColor(cr, kOutline);
    cairo_set_line_width(cr, 2.5);
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        cairo_move_to(cr, x + std::cos(a) * 19, y + std::sin(a) * 19);
        cairo_line_to(cr, x + std::cos(a) * 22, y + std::sin(a) * 22);
    }
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x, y - 16);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + 11, y + 4);
    cairo_stroke(cr);
    cairo_arc(cr, x, y - 36, 6, 0, 2 * M_PI);
    SetColor(cr, kGolden);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
}

}  // namespace

void DrawHand(cairo_t* cr, const Hand& h) {
    Saved saved(cr);
    PropInHand(cr, h);
    cairo_matrix_t unturned;
    cairo_get_matrix(cr, &unturned);
    cairo_translate(cr, h.x, h.y);
    cairo_rotate(cr, h.angle * kRad);
    cairo_scale(cr, h.size, h.size);
    const double fw = 15;  // finger width
    switch (h.shape) {
        case HandShape::Rest:
        case HandShape::Drum:
            for (int i = 0; i < 4; ++i) {
                const double lift = (h.shape == HandShape::Drum && i % 2 == 1) ? 12 : 0;
                Finger(cr, -22 + i * 14.5, -6 - lift, 0, 34, fw);
            }
            break;
        case HandShape::Open:
            for (int i = 0; i < 4; ++i) Finger(cr, -21 + i * 14, -14, -12 + i * 8, 40, fw);
            Finger(cr, -30, 6, -60, 30, fw + 1);
            break;
        case HandShape::Point:
        case HandShape::Two:
            Finger(cr, -14, -14, -4, 48, fw);
            if (h.shape == HandShape::Two) Finger(cr, 2, -14, 10, 46, fw);
            break;
        case HandShape::ThumbUp:
            Finger(cr, -20, -12, -8, 36, fw + 2);
            break;
        case HandShape::Fist:
        case HandShape::AtYou:
            break;
    }
    // The palm, with curled fingers across it when they are not out.
    RoundedRect(cr, -30, -22, 60, 52, 20);
    SetColor(cr, kSkin);
    cairo_fill_preserve(cr);
    Outline(cr, 3);
    const bool curled = h.shape == HandShape::Fist || h.shape == HandShape::Point ||
                        h.shape == HandShape::AtYou || h.shape == HandShape::Two ||
                        h.shape == HandShape::ThumbUp;
    if (curled) {
        SetColor(cr, kSkinShade);
        cairo_set_line_width(cr, 2.5);
        for (int i = 0; i < 3; ++i) {
            cairo_move_to(cr, -8 + i * 13, -20);
            cairo_line_to(cr, -8 + i * 13, -6);
        }
        cairo_stroke(cr);
    }
    if (h.shape != HandShape::ThumbUp && h.shape != HandShape::Open) {
        Finger(cr, -26, 14, -70, 24, fw + 1);  // the thumb
    }
    if (h.shape == HandShape::AtYou) {
        // The finger seen end on: its tip and nail in front of the knuckles.
        Ellipse(cr, 4, -6, 19, 19);
        SetColor(cr, Mix(kSkin, Hex(0xffffff), 0.15));
        cairo_fill_preserve(cr);
        Outline(cr, 3);
        Ellipse(cr, 4, -12, 10, 8);
        SetColor(cr, Hex(0xf6d8c8));
        cairo_fill_preserve(cr);
        Outline(cr, 2);
    }
    // Shirt cuff at the wrist.
    RoundedRect(cr, -34, 26, 68, 22, 6);
    SetColor(cr, kShirt);
    cairo_fill_preserve(cr);
    Outline(cr, 2.5);
    if (h.prop == Prop::SleeveCard) Card(cr, 20, 40, 20, 0.9, true);
    if (h.prop == Prop::Watch) {
        cairo_set_matrix(cr, &unturned);
        Watch(cr, h);
    }
}

void DrawArm(cairo_t* cr, double shoulderX, const Hand& h) {
    if (!h.shown) return;
    Saved saved(cr);
    const double wristX = h.x - std::sin(h.angle * kRad) * 40 * h.size;
    const double wristY = h.y + std::cos(h.angle * kRad) * 40 * h.size;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, shoulderX, 500);
    cairo_curve_to(cr, shoulderX, 560, wristX, wristY + 30, wristX, wristY);
    SetColor(cr, kOutline);
    cairo_set_line_width(cr, 64);
    cairo_stroke_preserve(cr);
    SetColor(cr, kShirt);
    cairo_set_line_width(cr, 58);
    cairo_stroke(cr);
}

}  // namespace gnamm::art::zeb
