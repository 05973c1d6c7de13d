// Turns SDL events into the game's inputs: presses, releases, clicks and mouse moves on the
// element under the pointer, keys, typed text and the wheel over the hall-of-fame list.
//
// Translation is kept apart from delivery, so what an event means can be checked against a
// screen model without a running game. Tooltips live here too: they are the pointer's
// business, shown after the pointer has rested, and never the game's.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/scale.h"
#include "ui/input.h"
#include "ui/screen.h"

namespace gnamm {
class Finestra;
}

namespace gnamm::platform {

inline constexpr uint64_t kTooltipDelayMs = 500;
inline constexpr int kWheelLines = 3;

struct ClickEvent {
    Target target;
};
struct MoveEvent {
    Target target;
};
struct MouseDownEvent {
    Target target;
};
struct MouseUpEvent {
    Target target;  // where the button was released
};
struct KeyEvent {
    Key key;
};
struct TextEvent {
    std::string utf8;
};
struct ScrollEvent {
    int lines;  // positive: further down the list
};
using GameEvent = std::variant<ClickEvent, MoveEvent, MouseDownEvent, MouseUpEvent, KeyEvent,
                               TextEvent, ScrollEvent>;

// What only the platform can do.
// Quit: the session or a signal ends the program now. CloseWindow: the player closed the
// window, which ends it as well (the game saves its Torneo first in both cases).
enum class Request { None, ToggleFullScreen, Quit, CloseWindow };

struct Translation {
    std::vector<GameEvent> events;
    Request request = Request::None;
};

// True while the splash's name box is showing and takes typed text.
bool NameBoxActive(const Screen& s);

// Delivers one event to the game. A scroll moves the list's top line, kept within the list.
void Deliver(Finestra& f, const GameEvent& e, int listRowsShown);
// The list's top line after scrolling, never past the last full page.
int ScrolledTop(int top, int lines, int lineCount, int rowsShown);

class InputMapper {
  public:
    // scale maps the window's pixels to the model's canvas; nowMs is any monotonic clock.
    Translation translate(const Screen& s, const SDL_Event& ev, const Scale& scale, uint64_t nowMs);

    // Shows the tooltip of the element under a pointer that has rested long enough. True when
    // what should be drawn changed.
    bool updateTooltip(const Screen& s, uint64_t nowMs);
    // When the tooltip of a resting pointer is due, if one is pending.
    std::optional<uint64_t> tooltipDeadline() const;

    const std::string& tooltip() const { return tooltip_; }
    int pointerX() const { return pointerPx_[0]; }
    int pointerY() const { return pointerPx_[1]; }

  private:
    // A press of the left button, or its release: a click when both fall on one element.
    void leftButton(const Screen& s, const SDL_MouseButtonEvent& ev, const Scale& scale,
                    Translation& out);
    void keyDown(const Screen& s, const SDL_KeyboardEvent& ev, Translation& out);
    void hideTooltip();

    int pointerPx_[2] = {0, 0};
    int pointerDesign_[2] = {-1, -1};
    std::optional<uint64_t> restSince_;
    std::optional<Target> pressed_;  // where the left button went down
    std::string tooltip_;
};

}  // namespace gnamm::platform
