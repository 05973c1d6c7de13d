#include "platform/input_mapper.h"

#include <gtest/gtest.h>

#include "platform/z_order.h"
#include "sdl_fixture.h"

namespace gnamm::platform {
namespace {

using namespace testing_support;

// A translation as one line: its events in order ("down:card4 up:card5 click:card5", "key:Enter",
// "text:è", "scroll:3", "full-screen"), empty when the event means nothing to the game. Only
// cards are named.
std::string Said(const Translation& t) {
    static const char* const kKeys[] = {"Enter", "Escape", "Backspace", "Space", "Left",
                                        "Right", "Up",     "Down",      "F1",    "1",
                                        "2",     "3",      "H",         "S",     "N"};
    auto on = [](const Target& x) -> std::string {
        if (x.kind == TargetKind::None) return "none";
        return (x.kind == TargetKind::Carta ? "card" : "other") + std::to_string(x.index);
    };
    std::string said;
    for (const GameEvent& e : t.events) {
        if (const auto* c = std::get_if<ClickEvent>(&e)) said += " click:" + on(c->target);
        if (const auto* m = std::get_if<MoveEvent>(&e)) said += " move:" + on(m->target);
        if (const auto* d = std::get_if<MouseDownEvent>(&e)) said += " down:" + on(d->target);
        if (const auto* u = std::get_if<MouseUpEvent>(&e)) said += " up:" + on(u->target);
        if (const auto* k = std::get_if<KeyEvent>(&e))
            said += " key:" + std::string(kKeys[int(k->key)]);
        if (const auto* x = std::get_if<TextEvent>(&e)) said += " text:" + x->utf8;
        if (const auto* s = std::get_if<ScrollEvent>(&e))
            said += " scroll:" + std::to_string(s->lines);
    }
    if (t.request == Request::ToggleFullScreen) said += " full-screen";
    return said.empty() ? said : said.substr(1);
}

SDL_Event Repeated(SDL_Event key) {
    key.key.repeat = 1;
    return key;
}

// Three cards in the player's hand on an 800 x 600 window; everything else hidden.
class InputMapperTest : public ::testing::Test {
  protected:
    InputMapperTest() {
        for (int i : {4, 5, 6}) s.ImgCarta[i].visible = s.ShpCarta[i].visible = true;
    }
    std::string on(const SDL_Event& e, uint64_t ms = 0) { return Said(m.translate(s, e, sc, ms)); }
    // A press and a release at one pixel: the events of the release.
    std::string clickAt(int x, int y) {
        on(MouseButton(x, y));
        return on(MouseButton(x, y, SDL_MOUSEBUTTONUP));
    }
    // The pixel at the middle of a card place.
    std::pair<int, int> centre(int place) const {
        const Rect r = sc.toPixels(s.ImgCarta[place].rect);
        return {r.x + r.w / 2, r.y + r.h / 2};
    }
    Screen s = BareScreen();
    Scale sc = Scale::ForOutput(800, 600);
    InputMapper m;
};

// The card under the pointer at every window size, on the design layout and on one start-up
// stretched to the screen in twips (the window then draws it 1:1); beside a wide window's
// table, level with the card, nothing takes the click.
TEST_F(InputMapperTest, ClickReachesTheCardUnderThePointerAtEveryWindowSize) {
    const Screen design = s;
    Screen doppio = s;  // laid out for 24000 x 18000 twips
    doppio.widthTwips = 24000;
    doppio.heightTwips = 18000;
    for (Element& e : doppio.ImgCarta)
        e.rect = {e.rect.x * 2, e.rect.y * 2, e.rect.w * 2, e.rect.h * 2};
    for (auto [w, h] : {std::pair{800, 600}, {1600, 1200}, {1920, 1080}, {640, 480}}) {
        for (const Screen* screen : {&design, static_cast<const Screen*>(&doppio)}) {
            s = *screen;
            sc = Scale::ForScreen(s, w, h);
            const auto [x, y] = centre(5);
            EXPECT_EQ(clickAt(x, y), "up:card5 click:card5") << w << "x" << h;
        }
    }
    s = design;
    sc = Scale::ForOutput(1920, 1080);
    EXPECT_EQ(clickAt(120, centre(5).second), "up:none");
}

TEST_F(InputMapperTest, PressReleaseAndClickOnlyForTheLeftButtonOnOneElement) {
    const auto [x4, y4] = centre(4);
    const auto [x5, y5] = centre(5);
    EXPECT_EQ(on(MouseButton(x4, y4, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT)), "");
    EXPECT_EQ(on(MouseButton(x4, y4, SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT)), "");
    EXPECT_EQ(clickAt(2, 2), "up:none");
    // A release with no press before it (the press went to another window) means nothing.
    EXPECT_EQ(on(MouseButton(x4, y4, SDL_MOUSEBUTTONUP)), "");
    EXPECT_EQ(on(MouseButton(x4, y4)), "down:card4");
    // Released over another card: the game hears the release there, and no click at all.
    EXPECT_EQ(on(MouseButton(x5, y5, SDL_MOUSEBUTTONUP)), "up:card5");
    EXPECT_EQ(on(Motion(x4, y4)), "move:card4");
    EXPECT_EQ(on(Motion(1, 1), 10), "move:none");
}

TEST_F(InputMapperTest, KeysGoToTheGameAltEnterToThePlatformAndTextToTheNameBox) {
    EXPECT_EQ(on(KeyDown(SDLK_RETURN)), "key:Enter");
    EXPECT_EQ(on(KeyDown(SDLK_KP_2)), "key:2");
    EXPECT_EQ(on(KeyDown(SDLK_q)), "");
    EXPECT_EQ(on(KeyDown(SDLK_RETURN, KMOD_LALT)), "full-screen");
    // A held key repeats only where that means something.
    EXPECT_EQ(on(Repeated(KeyDown(SDLK_RETURN))), "");
    EXPECT_EQ(on(Repeated(KeyDown(SDLK_RIGHT))), "key:Right");
    // No name box: typed text is not the game's business.
    EXPECT_EQ(on(Text("a")), "");
    // The name box takes text and only the editing keys.
    s.FraSplash.visible = s.txtNome.visible = true;
    EXPECT_EQ(on(Text("\xC3\xA8")), "text:\xC3\xA8");  // "è"
    // A digit typed into the name is text, not a level choice.
    EXPECT_EQ(on(KeyDown(SDLK_1)), "");
    EXPECT_EQ(on(KeyDown(SDLK_BACKSPACE)), "key:Backspace");
    EXPECT_EQ(on(Repeated(KeyDown(SDLK_BACKSPACE))), "key:Backspace");
    EXPECT_EQ(on(KeyDown(SDLK_RETURN)), "key:Enter");
}

TEST(InputMapper, ScrolledTopStaysWithinTheList) {
    EXPECT_EQ(ScrolledTop(0, 3, 30, 10), 3);
    EXPECT_EQ(ScrolledTop(18, 3, 30, 10), 20);  // the last page is full
    EXPECT_EQ(ScrolledTop(2, -3, 30, 10), 0);
    EXPECT_EQ(ScrolledTop(0, 3, 5, 10), 0);  // all lines already show
    EXPECT_EQ(ScrolledTop(0, 3, 0, 0), 0);
    EXPECT_EQ(ScrolledTop(40, 0, 30, 10), 20);  // a list that shrank pulls the top back
}

TEST_F(InputMapperTest, TooltipShowsAfterTheRestingDelayAndHidesOnMove) {
    s.ImgCarta[4].tooltip = "La tua carta";
    const auto [x, y] = centre(4);
    on(Motion(x, y), 1000);
    EXPECT_EQ(m.tooltipDeadline(), std::optional<uint64_t>(1000 + kTooltipDelayMs));
    EXPECT_FALSE(m.updateTooltip(s, 1000 + kTooltipDelayMs - 1));
    EXPECT_EQ(m.tooltip(), "");
    EXPECT_TRUE(m.updateTooltip(s, 1000 + kTooltipDelayMs));
    EXPECT_EQ(m.tooltip(), "La tua carta");
    EXPECT_FALSE(m.tooltipDeadline().has_value());  // nothing more to wake up for

    on(Motion(x + 1, y), 2000);
    EXPECT_EQ(m.tooltip(), "");
    on(KeyDown(SDLK_RETURN), 2100);
    EXPECT_FALSE(m.updateTooltip(s, 5000));  // a key press cancels the pending tooltip
}

}  // namespace
}  // namespace gnamm::platform
