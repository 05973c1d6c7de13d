#include "platform/input_mapper.h"

#include <gtest/gtest.h>

#include "platform/z_order.h"
#include "sdl_fixture.h"

namespace gnamm::platform {
namespace {

Screen Table() {
    Screen s = testing_support::BareScreen();
    for (int i : {4, 5, 6}) s.ImgCarta[i].visible = s.ShpCarta[i].visible = true;
    return s;
}

using namespace testing_support;

SDL_Event Release(int x, int y) {
    return MouseButton(x, y, SDL_MOUSEBUTTONUP);
}

// The one event of a translation, of the expected kind.
template <typename E>
E Only(const Translation& t) {
    EXPECT_EQ(t.events.size(), 1u);
    return std::get<E>(t.events.at(0));
}

// A press and a release at one pixel: the events of the release.
Translation ClickAt(InputMapper& m, const Screen& s, int x, int y, const Scale& sc) {
    m.translate(s, MouseButton(x, y), sc, 0);
    return m.translate(s, Release(x, y), sc, 0);
}

// The pixel at the middle of a card place on a window of the given size.
std::pair<int, int> CardCentre(const Screen& s, int place, const Scale& sc) {
    const Rect r = sc.toPixels(s.ImgCarta[place].rect);
    return {r.x + r.w / 2, r.y + r.h / 2};
}

// The card under the pointer at every window size, on the design layout and on one start-up
// stretched to the screen in twips (the window then draws it 1:1); beside a wide window's
// table, level with the card, nothing takes the click.
TEST(InputMapper, ClickReachesTheCardUnderThePointerAtEveryWindowSize) {
    Screen doppio = Table();  // laid out for 24000 x 18000 twips
    doppio.widthTwips = 24000;
    doppio.heightTwips = 18000;
    for (Element& e : doppio.ImgCarta)
        e.rect = {e.rect.x * 2, e.rect.y * 2, e.rect.w * 2, e.rect.h * 2};
    const Screen s = Table();
    for (auto [w, h] : {std::pair{800, 600}, {1600, 1200}, {1920, 1080}, {640, 480}}) {
        for (const Screen* screen : {&s, static_cast<const Screen*>(&doppio)}) {
            const Scale sc = screen == &s ? Scale::ForOutput(w, h) : Scale::ForScreen(doppio, w, h);
            InputMapper m;
            const auto [x, y] = CardCentre(*screen, 5, sc);
            const Translation t = ClickAt(m, *screen, x, y, sc);
            ASSERT_EQ(t.events.size(), 2u) << w << "x" << h;
            const auto* c = std::get_if<ClickEvent>(&t.events[1]);
            ASSERT_NE(c, nullptr);
            EXPECT_EQ(KindIndex(c->target), std::pair(TargetKind::Carta, 5));
        }
    }
    const Scale wide = Scale::ForOutput(1920, 1080);
    InputMapper m;
    const Translation margin = ClickAt(m, s, 120, CardCentre(s, 5, wide).second, wide);
    EXPECT_EQ(Only<MouseUpEvent>(margin).target.kind, TargetKind::None);
}

TEST(InputMapper, OtherButtonsAndEmptySpaceMakeNoClick) {
    const Screen s = Table();
    const Scale sc = Scale::ForOutput(800, 600);
    InputMapper m;
    const auto [x, y] = CardCentre(s, 4, sc);
    EXPECT_TRUE(m.translate(s, MouseButton(x, y, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT), sc, 0)
                    .events.empty());
    EXPECT_TRUE(m.translate(s, MouseButton(x, y, SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT), sc, 0)
                    .events.empty());
    const Translation empty = ClickAt(m, s, 2, 2, sc);
    // The release alone, over nothing.
    EXPECT_EQ(Only<MouseUpEvent>(empty).target.kind, TargetKind::None);
    // A release with no press before it (the press went to another window) means nothing.
    EXPECT_TRUE(m.translate(s, Release(x, y), sc, 0).events.empty());
}

TEST(InputMapper, PressAndReleaseFrameTheClickAndSlidingOffCancelsIt) {
    const Screen s = Table();
    const Scale sc = Scale::ForOutput(800, 600);
    InputMapper m;
    const auto [x4, y4] = CardCentre(s, 4, sc);
    const auto [x5, y5] = CardCentre(s, 5, sc);
    auto down = m.translate(s, MouseButton(x4, y4), sc, 0);
    EXPECT_EQ(Only<MouseDownEvent>(down).target.index, 4);
    // Released over another card: the game hears the release there, and no click at all.
    auto up = m.translate(s, Release(x5, y5), sc, 0);
    EXPECT_EQ(Only<MouseUpEvent>(up).target.index, 5);
    // Press, release, click, in that order.
    const Translation t = ClickAt(m, s, x5, y5, sc);
    ASSERT_EQ(t.events.size(), 2u);
    EXPECT_TRUE(std::holds_alternative<MouseUpEvent>(t.events[0]));
    EXPECT_EQ(std::get<ClickEvent>(t.events[1]).target.index, 5);
}

TEST(InputMapper, MovesReportWhatIsUnderThePointerEvenNothing) {
    const Screen s = Table();
    const Scale sc = Scale::ForOutput(800, 600);
    InputMapper m;
    const auto [x, y] = CardCentre(s, 4, sc);
    auto t = m.translate(s, Motion(x, y), sc, 0);
    EXPECT_EQ(Only<MoveEvent>(t).target.index, 4);
    t = m.translate(s, Motion(1, 1), sc, 10);
    EXPECT_EQ(Only<MoveEvent>(t).target.kind, TargetKind::None);
}

TEST(InputMapper, KeysGoToTheGameAndAltEnterToThePlatform) {
    const Screen s = Table();
    const Scale sc;
    InputMapper m;
    auto t = m.translate(s, KeyDown(SDLK_RETURN), sc, 0);
    EXPECT_EQ(Only<KeyEvent>(t).key, Key::Enter);
    EXPECT_EQ(Only<KeyEvent>(m.translate(s, KeyDown(SDLK_KP_2), sc, 0)).key, Key::Digit2);

    t = m.translate(s, KeyDown(SDLK_RETURN, KMOD_LALT), sc, 0);
    EXPECT_TRUE(t.events.empty());
    EXPECT_EQ(t.request, Request::ToggleFullScreen);
    EXPECT_TRUE(m.translate(s, KeyDown(SDLK_q), sc, 0).events.empty());
}

TEST(InputMapper, AHeldKeyRepeatsOnlyWhereThatMeansSomething) {
    Screen s = Table();
    const Scale sc;
    InputMapper m;
    SDL_Event enter = KeyDown(SDLK_RETURN);
    enter.key.repeat = 1;
    EXPECT_TRUE(m.translate(s, enter, sc, 0).events.empty());
    SDL_Event right = KeyDown(SDLK_RIGHT);
    right.key.repeat = 1;
    EXPECT_EQ(m.translate(s, right, sc, 0).events.size(), 1u);
    s.FraSplash.visible = s.txtNome.visible = true;
    SDL_Event erase = KeyDown(SDLK_BACKSPACE);
    erase.key.repeat = 1;
    EXPECT_EQ(m.translate(s, erase, sc, 0).events.size(), 1u);
}

TEST(InputMapper, TheNameBoxTakesTextAndOnlyTheEditingKeys) {
    Screen s = Table();
    const Scale sc;
    InputMapper m;
    // No name box: typed text is not the game's business.
    EXPECT_TRUE(m.translate(s, Text("a"), sc, 0).events.empty());

    s.FraSplash.visible = s.txtNome.visible = true;
    auto t = m.translate(s, Text("\xC3\xA8"), sc, 0);  // "è"
    EXPECT_EQ(Only<TextEvent>(t).utf8, "\xC3\xA8");
    // A digit typed into the name is text, not a level choice.
    EXPECT_TRUE(m.translate(s, KeyDown(SDLK_1), sc, 0).events.empty());
    EXPECT_EQ(Only<KeyEvent>(m.translate(s, KeyDown(SDLK_BACKSPACE), sc, 0)).key, Key::Backspace);
    EXPECT_EQ(Only<KeyEvent>(m.translate(s, KeyDown(SDLK_RETURN), sc, 0)).key, Key::Enter);
}

TEST(InputMapper, WheelScrollsTheHallOfFameOnlyOverIt) {
    Screen s = Table();
    s.LstAlbo.visible = true;
    s.LstAlbo.frame = FrameId::None;
    s.LstAlbo.rect = {6000, 600, 4000, 3000};
    const Scale sc = Scale::ForOutput(800, 600);
    InputMapper m;
    m.translate(s, Motion(sc.px(7000), sc.py(1000)), sc, 0);
    auto t = m.translate(s, Wheel(-1), sc, 0);  // towards the player: further down
    EXPECT_EQ(Only<ScrollEvent>(t).lines, kWheelLines);

    m.translate(s, Motion(5, 5), sc, 0);
    EXPECT_TRUE(m.translate(s, Wheel(-1), sc, 0).events.empty());
}

TEST(InputMapper, ScrolledTopStaysWithinTheList) {
    EXPECT_EQ(ScrolledTop(0, 3, 30, 10), 3);
    EXPECT_EQ(ScrolledTop(18, 3, 30, 10), 20);  // the last page is full
    EXPECT_EQ(ScrolledTop(2, -3, 30, 10), 0);
    EXPECT_EQ(ScrolledTop(0, 3, 5, 10), 0);  // all lines already show
    EXPECT_EQ(ScrolledTop(0, 3, 0, 0), 0);
    EXPECT_EQ(ScrolledTop(40, 0, 30, 10), 20);  // a list that shrank pulls the top back
}

TEST(InputMapper, TooltipShowsAfterTheRestingDelayAndHidesOnMove) {
    Screen s = Table();
    s.ImgCarta[4].tooltip = "La tua carta";
    const Scale sc = Scale::ForOutput(800, 600);
    InputMapper m;
    const auto [x, y] = CardCentre(s, 4, sc);
    m.translate(s, Motion(x, y), sc, 1000);
    ASSERT_TRUE(m.tooltipDeadline().has_value());
    EXPECT_EQ(*m.tooltipDeadline(), 1000 + kTooltipDelayMs);
    EXPECT_FALSE(m.updateTooltip(s, 1000 + kTooltipDelayMs - 1));
    EXPECT_EQ(m.tooltip(), "");
    EXPECT_TRUE(m.updateTooltip(s, 1000 + kTooltipDelayMs));
    EXPECT_EQ(m.tooltip(), "La tua carta");
    EXPECT_FALSE(m.tooltipDeadline().has_value());  // nothing more to wake up for

    m.translate(s, Motion(x + 1, y), sc, 2000);
    EXPECT_EQ(m.tooltip(), "");
    m.translate(s, KeyDown(SDLK_RETURN), sc, 2100);
    EXPECT_FALSE(m.updateTooltip(s, 5000));  // a key press cancels the pending tooltip
}

}  // namespace
}  // namespace gnamm::platform
