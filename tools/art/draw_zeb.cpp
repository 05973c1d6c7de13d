// Draws Nonno Zeb's 24 photos, the splash, his empty table and the application icon from the one
// model of zeb_model.h. Each photo fits the remarks that show it: impatience, his answer to the
// player's Punto Gnamm, his own Punto Gnamm, the end of a Partita or Torneo, the three level
// portraits.
//
// Usage: gnamm-art-zeb FOTO_FOLDER GRAFICA_FOLDER
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "canvas.h"
#include "data/asset_catalog.h"
#include "picture_sizes.h"
#include "zeb_model.h"

namespace {

using namespace gnamm::art;

// Hands in their usual places: resting on the table, or raised beside the head.
Hand OnTable(bool left, HandShape shape = HandShape::Rest) {
    // Fingers towards the player, the wrist behind.
    return {true, left ? 120.0 : 360.0, 548, left ? 170.0 : 190.0, shape, Prop::None, 1.0};
}
Hand Raised(bool left, HandShape shape, double angle = 0) {
    return {true, left ? 70.0 : 410.0, 330, angle, shape, Prop::None, 1.0};
}

ZebPose Photo(int n) {
    ZebPose p;
    Expression& e = p.face;
    switch (n) {
        case 1:  // drumming his fingers: "E beh?!", "Allora?..."
            e = {.lookX = 0.3, .browAngry = 0.6, .smile = -0.4, .mouthSkew = 0.5};
            p.right = OnTable(false, HandShape::Drum);
            p.left = OnTable(true);
            p.extras.motionLines = true;
            p.headTilt = 4;
            break;
        case 2:  // "Mmmh...": stroking his beard, one eyebrow up
            e = {.leftEye = 0.7,
                 .rightEye = 1,
                 .lookX = -0.6,
                 .lookY = -0.4,
                 .browRightUp = 1.2,
                 .smile = -0.2,
                 .mouthSkew = -0.4};
            p.left = {true, 190, 430, 30, HandShape::Fist, Prop::None, 1.0};
            p.headTilt = -5;
            break;
        case 3:  // a yawn on the way to a nap
            e = {.leftEye = 0,
                 .rightEye = 0,
                 .browAngry = -0.5,
                 .browLeftUp = 0.8,
                 .browRightUp = 0.8,
                 .smile = -0.2,
                 .mouthOpen = 1.0};
            p.headTilt = -12;
            p.extras.zzz = true;
            p.left = OnTable(true);
            break;
        case 4:  // grumpy: "E' solo fortuna, ragazzo!!"
            e = {.leftEye = 0.6, .rightEye = 0.6, .lookX = 0.2, .browAngry = 1.2, .smile = -0.9};
            p.left = OnTable(true, HandShape::Fist);
            p.right = OnTable(false, HandShape::Fist);
            break;
        case 5:  // annoyed: "Uffa!!", "Per mille transistors!!"
            e = {.leftEye = 1, .rightEye = 1, .browAngry = 1.4, .smile = -0.8, .mouthOpen = 0.6};
            p.left = Raised(true, HandShape::Open, -20);
            p.right = Raised(false, HandShape::Open, 20);
            p.extras.angerMark = true;
            p.extras.sweat = true;
            break;
        case 6:  // wry: "...vecchia volpe!!", "Vuoi sfidarmi, eh?"
            e = {.leftEye = 0.55,
                 .rightEye = 0.9,
                 .lookX = 0.5,
                 .browLeftUp = -0.3,
                 .browRightUp = 1.0,
                 .smile = 0.3,
                 .mouthSkew = 0.8};
            p.headTilt = 6;
            p.right = OnTable(false);
            break;
        case 7:  // grudgingly approving: "Bravo!", "Sei più astuto di un coyote..."
            e = {.leftEye = 0.5,
                 .rightEye = 0.5,
                 .lookX = -0.3,
                 .browAngry = -0.3,
                 .smile = 0.25,
                 .mouthSkew = 0.4};
            p.right = {true, 380, 400, 0, HandShape::ThumbUp, Prop::None, 1.0};
            p.headTilt = -4;
            break;
        case 8:  // smug: "Buon bocconcino!", "Gnamm!!"
            e = {.leftEye = 0, .rightEye = 0, .happyShut = true, .smile = 0.9, .tongue = true};
            p.right = {true, 370, 520, 0, HandShape::Rest, Prop::Card, 1.0};
            p.headRaise = 6;
            break;
        case 9:  // delighted: "Bravo Zeb!!", "Yesss..."
            e = {.leftEye = 0,
                 .rightEye = 0,
                 .happyShut = true,
                 .browLeftUp = 1,
                 .browRightUp = 1,
                 .smile = 1,
                 .mouthOpen = 0.8};
            p.right = Raised(false, HandShape::Fist, 10);
            p.extras.sparkles = true;
            break;
        case 10:  // sly: "He-he-he...", "Non sono nato ieri, figliolo!"
            e = {.leftEye = 0.45,
                 .rightEye = 0.45,
                 .lookX = -0.8,
                 .browAngry = 0.4,
                 .smile = 0.7,
                 .mouthSkew = -0.5};
            p.left = {true, 120, 250, 20, HandShape::Point, Prop::None, 1.0};
            break;
        case 11:  // boastful: "Ti piace la mia tecnica??", "Ho sempre un asso nella manica..."
            e = {.leftEye = 0,
                 .rightEye = 0,
                 .happyShut = true,
                 .browLeftUp = 0.8,
                 .browRightUp = 0.8,
                 .smile = 0.8,
                 .mouthOpen = 0.2};
            p.headRaise = 12;
            p.headTilt = -6;
            p.right = {true, 380, 430, 10, HandShape::Open, Prop::CardFan, 1.0};
            break;
        case 12:  // the pocket watch: "Muoviti!", "...perderai la diligenza"
            e = {.leftEye = 0.8,
                 .rightEye = 0.8,
                 .lookX = -0.8,
                 .lookY = 0.8,
                 .browAngry = 0.5,
                 .smile = -0.5};
            p.left = {true, 130, 470, 10, HandShape::Rest, Prop::Watch, 1.0};
            p.headTilt = -6;
            break;
        case 13:  // "E uno!!"
            e = {.leftEye = 0.9,
                 .rightEye = 0.9,
                 .browLeftUp = 0.6,
                 .browRightUp = 0.6,
                 .smile = 1,
                 .mouthOpen = 0.6};
            p.right = Raised(false, HandShape::Point, 0);
            p.extras.exclaim = true;
            break;
        case 14:  // "E due!!"
            e = {.leftEye = 0.9,
                 .rightEye = 0.9,
                 .browLeftUp = 0.6,
                 .browRightUp = 0.6,
                 .smile = 1,
                 .mouthOpen = 0.6};
            p.right = Raised(false, HandShape::Two, 0);
            p.extras.exclaim = true;
            break;
        case 15:  // "Non cantare vittoria troppo presto!": wagging a finger
            e = {.leftEye = 0.7, .rightEye = 0.7, .browAngry = 0.8, .smile = 0.2, .mouthOpen = 0.3};
            p.right = Raised(false, HandShape::Point, -15);
            p.extras.motionLines = true;
            p.headTilt = 5;
            break;
        case 16:  // "Ho vinto, figliolo!!": triumphant
            e = {.leftEye = 0,
                 .rightEye = 0,
                 .happyShut = true,
                 .browLeftUp = 1.2,
                 .browRightUp = 1.2,
                 .smile = 1,
                 .mouthOpen = 1};
            p.left = Raised(true, HandShape::Fist, -10);
            p.right = Raised(false, HandShape::Fist, 10);
            p.extras.sparkles = true;
            p.headRaise = 10;
            break;
        case 17:  // "Mi hai fregato, eh??": outwitted, scratching under his hat
            e = {.leftEye = 0.8,
                 .rightEye = 0.8,
                 .lookX = 0.6,
                 .lookY = -0.5,
                 .browAngry = -0.9,
                 .smile = 0.1,
                 .mouthSkew = 0.8,
                 .blush = true};
            p.right = {true, 372, 170, -30, HandShape::Open, Prop::None, 1.0};
            p.extras.sweat = true;
            p.headTilt = 8;
            break;
        case 18:  // 'Honest' Zeb
            e = {.smile = 0.6};
            p.left = OnTable(true);
            p.right = OnTable(false);
            break;
        case 19:  // waving goodbye
            e = {.leftEye = 0, .rightEye = 0, .happyShut = true, .smile = 0.8, .mouthOpen = 0.3};
            p.right = Raised(false, HandShape::Open, 15);
            p.extras.motionLines = true;
            p.headTilt = 5;
            break;
        case 20:  // pointing at the player: "Gioca!", "Tua!"
            e = {.leftEye = 1, .rightEye = 1, .browAngry = 0.3, .smile = 0.4, .mouthOpen = 0.4};
            p.right = {true, 300, 440, -15, HandShape::AtYou, Prop::None, 1.4};
            break;
        case 21:  // gathering the cards: "Queste sono mie!!"
            e = {.leftEye = 0.7, .rightEye = 0.7, .lookY = 1, .smile = 0.9, .mouthOpen = 0.3};
            p.left = {true, 120, 548, 75, HandShape::Rest, Prop::None, 1.0};
            p.right = {true, 360, 548, -75, HandShape::Rest, Prop::CardPile, 1.0};
            break;
        case 22:  // a drink: "Asso bevuto... gioco astuto!"
            e = {.leftEye = 0,
                 .rightEye = 0.9,
                 .happyShut = true,
                 .browRightUp = 0.8,
                 .smile = 0.7,
                 .mouthSkew = 0.4};
            p.right = {true, 352, 330, -10, HandShape::Rest, Prop::Glass, 1.0};
            p.headTilt = -4;
            break;
        case 23:  // 'Cheat' Zeb: shifty, a card up his sleeve
            e = {.leftEye = 0.5,
                 .rightEye = 0.5,
                 .lookX = -1,
                 .browAngry = 0.6,
                 .smile = 0.5,
                 .mouthSkew = 0.7};
            p.left = OnTable(true);
            p.right = {true, 372, 468, 0, HandShape::Rest, Prop::SleeveCard, 1.0};
            p.extras.sweat = true;
            break;
        default:  // 24, 'Cunning' Zeb: a sly wink
            e = {.leftEye = 1,
                 .rightEye = 0,
                 .happyShut = true,
                 .browLeftUp = 0.6,
                 .smile = 0.7,
                 .mouthSkew = 0.5};
            p.left = {true, 150, 270, 30, HandShape::Point, Prop::None, 1.0};
            break;
    }
    return p;
}

// Zeb at his saloon table, a hand held out to the player, the cards waiting.
void Splash(cairo_t* cr) {
    const double w = kSplash.width, h = kSplash.height;
    SaloonWall(cr, 0, 0, w, h, w * 0.7, h * 0.15);
    // Swinging doors' light from the left, a lamp hanging over the table.
    cairo_pattern_t* lamp =
        cairo_pattern_create_radial(w * 0.62, h * 0.12, 0, w * 0.62, h * 0.12, h * 0.3);
    cairo_pattern_add_color_stop_rgba(lamp, 0, 1, 0.95, 0.7, 0.9);
    cairo_pattern_add_color_stop_rgba(lamp, 1, 1, 0.7, 0.3, 0);
    cairo_set_source(cr, lamp);
    cairo_paint(cr);
    cairo_pattern_destroy(lamp);
    {
        Saved saved(cr);
        // Scaled so the table edge of his photo lies on the table of the splash.
        const double scale = 1.6;
        cairo_translate(cr, w * 0.62 - 240 * scale, h * 0.78 - 572 * scale);
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
    const double cards[][3] = {{0.30, 0.88, -12}, {0.36, 0.9, 4}, {0.42, 0.88, 16}};
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
    cairo_move_to(cr, w * 0.85 - 40, h * 0.8);
    cairo_line_to(cr, w * 0.85 + 40, h * 0.8);
    cairo_line_to(cr, w * 0.85 + 32, h * 0.9);
    cairo_line_to(cr, w * 0.85 - 32, h * 0.9);
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

// The application icon: Zeb's face on a square of saloon wall.
void Icona(cairo_t* cr) {
    const double s = kIcona.width;
    RoundedRect(cr, 0, 0, s, s, s * 0.18);
    cairo_clip(cr);
    SaloonWall(cr, 0, 0, s, s, s * 0.2, s * 0.1);
    cairo_translate(cr, s / 2 - 240 * 0.56 * s / 256, s / 2 - 262 * 0.56 * s / 256);
    cairo_scale(cr, 0.56 * s / 256, 0.56 * s / 256);
    ZebPose p;
    p.face = {.leftEye = 1, .rightEye = 0, .happyShut = true, .smile = 0.7, .mouthSkew = 0.4};
    DrawZeb(cr, p, false);
}

bool Write(const Canvas& canvas, const std::string& folder, const std::string& assetName) {
    const std::string file = gnamm::assets::Split(assetName).file;
    const std::string path = folder + "/" + file.substr(0, file.find('.')) + ".png";
    if (canvas.WritePng(path)) return true;
    std::fprintf(stderr, "gnamm-art-zeb: cannot write %s\n", path.c_str());
    return false;
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
        DrawZeb(canvas.cr(), Photo(static_cast<int>(i) + 1));
        ok = Write(canvas, argv[1], photos[i]) && ok;
    }
    Canvas splash(kSplash.width, kSplash.height);
    Splash(splash.cr());
    ok = Write(splash, argv[2], std::string(gnamm::assets::kSplash)) && ok;
    Canvas tavolo(kTavolo.width, kTavolo.height);
    Tavolo(tavolo.cr());
    ok = Write(tavolo, argv[2], std::string(gnamm::assets::kTavolo)) && ok;
    Canvas icona(kIcona.width, kIcona.height);
    Icona(icona.cr());
    ok = Write(icona, argv[2], std::string(gnamm::assets::kIcona)) && ok;
    return ok ? 0 : 1;
}
