// Nonno Zeb as one parametric drawing: the same old cowboy (white beard, hat, waistcoat, a
// saloon behind him) in every photo, with the expression, the hands and the props set per
// photo. Coordinates are those of a 480 x 600 photo; callers scale for other sizes.
#pragma once

#include <cairo.h>

namespace gnamm::art {

enum class HandShape {
    Rest,  // flat on the table
    Fist,
    Point,  // index out
    Two,    // index and middle out
    Open,   // palm open, fingers up
    ThumbUp,
    Drum,   // fingers tapping the table
    AtYou,  // index pointing straight out of the picture, at the player
};

enum class Prop { None, Watch, Glass, Card, CardFan, CardPile, SleeveCard };

struct Hand {
    bool shown = false;
    double x = 0, y = 0;  // where the hand is
    double angle = 0;     // direction the fingers point, degrees, 0 = up, clockwise
    HandShape shape = HandShape::Rest;
    Prop prop = Prop::None;
    double size = 1.0;  // larger when the hand comes towards the viewer
};

struct Expression {
    double leftEye = 1, rightEye = 1;  // 0 shut .. 1 open (viewer's left and right)
    bool happyShut = false;            // shut eyes curve up (laughing) rather than down
    double lookX = 0, lookY = 0;       // pupils, -1 .. 1
    double browAngry = 0;              // + inner ends down, - inner ends up (worried)
    double browLeftUp = 0, browRightUp = 0;
    double smile = 0;      // -1 frown .. 1 grin
    double mouthOpen = 0;  // 0 .. 1
    double mouthSkew = 0;  // lopsided smile, -1 .. 1
    bool tongue = false;
    bool blush = false;
};

struct Extras {
    bool zzz = false;
    bool sweat = false;
    bool angerMark = false;
    bool sparkles = false;
    bool motionLines = false;  // around the hands: drumming, waving, wagging
    bool exclaim = false;
};

struct ZebPose {
    Expression face;
    double headTilt = 0;   // degrees, + clockwise
    double headRaise = 0;  // pixels up (chin up when proud)
    Hand left, right;      // viewer's left and right
    Extras extras;
};

// Paints Zeb, with the saloon wall behind him, into the 480 x 600 box at the origin.
void DrawZeb(cairo_t* cr, const ZebPose& pose, bool background = true);

// His hat alone, centred on the middle of its brim.
void DrawZebHat(cairo_t* cr, double x, double y, double scale);

}  // namespace gnamm::art
