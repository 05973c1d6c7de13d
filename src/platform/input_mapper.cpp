// What each SDL event means to the game.
#include "platform/input_mapper.h"

#include <algorithm>

#include "platform/z_order.h"
#include "ui/finestra.h"

namespace gnamm::platform {

namespace {

std::optional<Key> GameKey(SDL_Keycode k) {
    switch (k) {
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return Key::Enter;
        case SDLK_ESCAPE:
            return Key::Escape;
        case SDLK_BACKSPACE:
            return Key::Backspace;
        case SDLK_SPACE:
            return Key::Space;
        case SDLK_LEFT:
            return Key::Left;
        case SDLK_RIGHT:
            return Key::Right;
        case SDLK_UP:
            return Key::Up;
        case SDLK_DOWN:
            return Key::Down;
        case SDLK_F1:
            return Key::F1;
        case SDLK_h:
            return Key::H;
        case SDLK_1:
        case SDLK_KP_1:
            return Key::Digit1;
        case SDLK_2:
        case SDLK_KP_2:
            return Key::Digit2;
        case SDLK_3:
        case SDLK_KP_3:
            return Key::Digit3;
        case SDLK_s:
            return Key::S;
        case SDLK_n:
            return Key::N;
        default:
            return std::nullopt;
    }
}

bool RepeatingKey(Key k) {
    return k == Key::Backspace || k == Key::Left || k == Key::Right || k == Key::Up ||
           k == Key::Down;
}

// Keys that still reach the game while the name box takes the typing.
bool EditingKey(Key k) {
    return k == Key::Enter || k == Key::Escape || k == Key::Backspace;
}

}  // namespace

bool NameBoxActive(const Screen& s) {
    return s.FraSplash.visible && s.txtNome.visible;
}

int ScrolledTop(int top, int lines, int lineCount, int rowsShown) {
    const int last = std::max(0, lineCount - std::max(rowsShown, 1));
    return std::clamp(top + lines, 0, last);
}

void Deliver(Finestra& f, const GameEvent& e, int listRowsShown) {
    if (const auto* c = std::get_if<ClickEvent>(&e)) {
        f.click(c->target);
    } else if (const auto* d = std::get_if<MouseDownEvent>(&e)) {
        f.mouseDown(d->target);
    } else if (const auto* u = std::get_if<MouseUpEvent>(&e)) {
        f.mouseUp(u->target);
    } else if (const auto* m = std::get_if<MoveEvent>(&e)) {
        f.mouseMove(m->target);
    } else if (const auto* k = std::get_if<KeyEvent>(&e)) {
        f.key(k->key);
    } else if (const auto* t = std::get_if<TextEvent>(&e)) {
        f.textInput(t->utf8);
    } else if (const auto* s = std::get_if<ScrollEvent>(&e)) {
        f.screen.LstAlboTop =
            ScrolledTop(f.screen.LstAlboTop, s->lines,
                        static_cast<int>(f.screen.LstAlboLines.size()), listRowsShown);
    }
}

Translation InputMapper::translate(const Screen& s, const SDL_Event& ev, const Scale& scale,
                                   uint64_t nowMs) {
    Translation out;
    switch (ev.type) {
        case SDL_QUIT:
            out.request = Request::Quit;
            break;
        case SDL_MOUSEMOTION: {
            pointerPx_[0] = ev.motion.x;
            pointerPx_[1] = ev.motion.y;
            pointerDesign_[0] = scale.designX(ev.motion.x);
            pointerDesign_[1] = scale.designY(ev.motion.y);
            hideTooltip();
            restSince_ = nowMs;
            out.events.emplace_back(MoveEvent{HitTest(s, pointerDesign_[0], pointerDesign_[1])});
            break;
        }
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (ev.button.button == SDL_BUTTON_LEFT) leftButton(s, ev.button, scale, out);
            break;
        case SDL_MOUSEWHEEL: {
            const int dy = ev.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -ev.wheel.y : ev.wheel.y;
            if (dy == 0) break;
            const Target t = HitTest(s, pointerDesign_[0], pointerDesign_[1]);
            if (t.kind == TargetKind::LstAlbo)
                out.events.emplace_back(ScrollEvent{-dy * kWheelLines});
            break;
        }
        case SDL_KEYDOWN:
            keyDown(s, ev.key, out);
            break;
        case SDL_TEXTINPUT:
            if (NameBoxActive(s) && ev.text.text[0] != '\0') {
                out.events.emplace_back(TextEvent{std::string(ev.text.text)});
            }
            break;
        case SDL_WINDOWEVENT:
            if (ev.window.event == SDL_WINDOWEVENT_LEAVE) {
                hideTooltip();
                restSince_.reset();
                pointerDesign_[0] = pointerDesign_[1] = -1;
            }
            if (ev.window.event == SDL_WINDOWEVENT_CLOSE) out.request = Request::CloseWindow;
            break;
        default:
            break;
    }
    return out;
}

void InputMapper::leftButton(const Screen& s, const SDL_MouseButtonEvent& ev, const Scale& scale,
                             Translation& out) {
    const Target t = HitTest(s, scale.designX(ev.x), scale.designY(ev.y));
    if (ev.type == SDL_MOUSEBUTTONDOWN) {
        hideTooltip();
        restSince_.reset();
        pressed_ = t;
        out.events.emplace_back(MouseDownEvent{t});
        return;
    }
    if (!pressed_) return;
    const Target down = *pressed_;
    pressed_.reset();
    out.events.emplace_back(MouseUpEvent{t});
    // A click is a press and a release on the same element: sliding off cancels it.
    if (t.kind != TargetKind::None && t.kind == down.kind && t.index == down.index) {
        out.events.emplace_back(ClickEvent{t});
    }
}

void InputMapper::keyDown(const Screen& s, const SDL_KeyboardEvent& ev, Translation& out) {
    const SDL_Keycode sym = ev.keysym.sym;
    const bool alt = (ev.keysym.mod & KMOD_ALT) != 0;
    if (sym == SDLK_F11 || (alt && (sym == SDLK_RETURN || sym == SDLK_KP_ENTER))) {
        if (!ev.repeat) out.request = Request::ToggleFullScreen;
        return;
    }
    hideTooltip();
    restSince_.reset();
    const auto k = GameKey(sym);
    if (!k) return;
    // A held key repeats only where repeating means something: erasing and paging.
    // A held Enter must not run through a whole row of prompts.
    if (ev.repeat && !RepeatingKey(*k)) return;
    // While the name is typed, letters and digits are text, not commands.
    if (NameBoxActive(s) && !EditingKey(*k)) return;
    out.events.emplace_back(KeyEvent{*k});
}

void InputMapper::hideTooltip() {
    tooltip_.clear();
}

std::optional<uint64_t> InputMapper::tooltipDeadline() const {
    if (!restSince_ || !tooltip_.empty()) return std::nullopt;
    return *restSince_ + kTooltipDelayMs;
}

bool InputMapper::updateTooltip(const Screen& s, uint64_t nowMs) {
    if (!restSince_ || nowMs < *restSince_ + kTooltipDelayMs) return false;
    restSince_.reset();
    const std::vector<Placed> placed = VisibleInZOrder(s);
    const Placed* top = TopmostAt(placed, pointerDesign_[0], pointerDesign_[1]);
    const std::string text = top ? top->element->tooltip : std::string();
    if (text == tooltip_) return false;
    tooltip_ = text;
    return true;
}

}  // namespace gnamm::platform
