// The one z-order of the window: which element is drawn over which, and what a click on each
// element means to the game.
//
// Drawing walks the list bottom to top; hit-testing walks the same list top to bottom, so what
// the player sees on top is always what receives the click.
#pragma once

#include <vector>

#include "ui/input.h"
#include "ui/screen.h"

namespace gnamm::platform {

// How an element is drawn beyond its plain fill, picture, text and border.
enum class Drawing {
    Plain,
    Outline,    // a card outline: a thick border only
    List,       // the hall-of-fame list box: its lines from the top line shown
    TextBox,    // the name box: text and a caret
    Cervello,   // the diagnostic panel: its lines
    Focus,      // the keyboard's focus: a thick border only, never in the way of a click
    Flight,     // a card on its way: a plain picture, never in the way of a click
    Crosswise,  // a picture turned a quarter, laid across its landscape rectangle
};

struct Layer {
    const Element* element = nullptr;
    Target target;  // TargetKind::None: the element takes the click but means nothing
    Drawing drawing = Drawing::Plain;
};

// A visible element with its rectangle on the whole design canvas.
struct Placed {
    const Element* element = nullptr;
    Target target;
    Drawing drawing = Drawing::Plain;
    Rect rect;  // design units, relative to the window
};

// The element that is the frame itself, or null for FrameId::None.
const Element* FrameElement(const Screen& s, FrameId f);

// Every element in table order, each with its click target.
std::vector<Layer> ZOrderTable(const Screen& s);

// The visible elements bottom to top: an element inside a frame follows its frame, is hidden
// with it and is placed relative to it.
std::vector<Placed> VisibleInZOrder(const Screen& s);

// The topmost element under a design point, or null.
const Placed* TopmostAt(const std::vector<Placed>& placed, int x, int y);

// The click target under a design point (TargetKind::None over nothing that answers).
Target HitTest(const Screen& s, int x, int y);

}  // namespace gnamm::platform
