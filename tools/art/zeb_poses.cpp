#include "zeb_poses.h"

namespace gnamm::art {

namespace {

// Hands in their usual places: resting on the table, or raised beside the head.
Hand OnTable(bool left, HandShape shape = HandShape::Rest) {
    // Fingers towards the player, the wrist behind.
    return {true, left ? 120.0 : 360.0, 548, left ? 170.0 : 190.0, shape, Prop::None, 1.0};
}
Hand Raised(bool left, HandShape shape, double angle = 0) {
    return {true, left ? 70.0 : 410.0, 330, angle, shape, Prop::None, 1.0};
}

}  // namespace

ZebPose PhotoPose(int n) {
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

}  // namespace gnamm::art
