// Draws known states of the screen model headless, onto a software renderer over a surface, and
// checks the pixels where the elements must show.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "audio/recording_media_player.h"
#include "data/asset_catalog.h"
#include "game/scoreboard.h"
#include "platform/changed_areas.h"
#include "platform/first_picture.h"
#include "platform/screen_renderer.h"
#include "platform/z_order.h"
#include "sdl_fixture.h"
#include "ui/finestra.h"
#include "ui/scaling.h"

namespace gnamm::platform {
namespace {

using testing_support::KindIndex;
using testing_support::PlacedRect;

constexpr Rgb kBackColour{20, 40, 160};  // the "Horse" back picture
constexpr Rgb kMatColour{65, 137, 92};   // the green card colour behind a back
constexpr Rgb kBubbleColour{250, 250, 240};
constexpr Rgb kPlaceholder{200, 200, 200};

bool SameRect(const SDL_Rect& a, const SDL_Rect& b) {
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}
SDL_Rect Box(const SDL_Rect& a, const SDL_Rect& b) {
    SDL_Rect u{};
    SDL_UnionRect(&a, &b, &u);
    return u;
}
bool Holds(const SDL_Rect& outer, const SDL_Rect& inner) {
    SDL_Rect in{};
    return SDL_IntersectRect(&outer, &inner, &in) && SameRect(in, inner);
}

// A colour of its own for every card face, so a pixel tells which card is drawn.
Rgb FaceColour(Card c) {
    const int i = c.deckPosition();
    return {static_cast<uint8_t>(60 + 4 * i), static_cast<uint8_t>(200 - 3 * i),
            static_cast<uint8_t>(90 + (i % 7) * 20)};
}

// A screen model drawn by the real renderer onto a software canvas, with a colour of its own
// for every card face, the back and the bubble.
struct Canvas {
    Canvas(int w, int h)
        : canvas(w, h), renderer(canvas.renderer.get(), pictures.loader(), FindFonts()) {
        for (int i = 1; i <= 40; ++i) {
            const Card c = Card::FromDeckPosition(i);
            pictures.add(assets::CardFace(c), FaceColour(c));
        }
        pictures.add("\\Grafica\\Horse.gif", kBackColour);
        pictures.add(assets::Bubble(1), kBubbleColour, 196, 60);
    }
    // Draws and presents a frame; how many pixels it redrew.
    long long draw(const Screen& s, const Overlay& overlay = {}) {
        renderer.draw(s, overlay);
        SDL_RenderPresent(canvas.renderer.get());
        return renderer.lastRedrawnPixels();
    }
    Rgb at(int x, int y) const { return canvas.at(x, y); }
    // Every pixel the same as on the other canvas, of the same size.
    bool samePixels(const Canvas& o) const {
        const SDL_Surface* a = canvas.surface.get();
        return std::memcmp(a->pixels, o.canvas.surface->pixels,
                           static_cast<std::size_t>(a->h) * a->pitch) == 0;
    }
    // Where a rectangle of the model lands at the last frame's scale.
    Rect px(Rect design) const { return renderer.scale().toPixels(design); }
    Rgb centre(Rect design) const {
        const Rect r = px(design);
        return at(r.x + r.w / 2, r.y + r.h / 2);
    }
    // How many pixels of a rectangle of the model have the colour, or are dark.
    int count(Rect design, Rgb c) const {
        return canvas.count(px(design), [c](Rgb p) { return p == c; });
    }
    int darkPixels(Rect design) const {
        return canvas.count(px(design), [](Rgb p) { return p.r < 100 && p.g < 100 && p.b < 100; });
    }
    testing_support::TestPictures pictures;
    testing_support::SoftwareCanvas canvas;
    ScreenRenderer renderer;
};

// The card each place shows in these tests: a different one for every place.
Card CardOf(int place) {
    return Card::FromDeckPosition(place >= 7 ? place + 10 : place);
}

// The table of a Gioco under way: three backs for Nonno Zeb, three faces for the player, the
// given table cards; everything else hidden.
Screen Table(std::vector<int> places) {
    Screen s = testing_support::BareScreen();
    places.insert(places.end(), {1, 2, 3, 4, 5, 6});
    for (const int p : places) {
        s.ImgCarta[p].picture = p <= 3 ? "\\Grafica\\Horse.gif" : assets::CardFace(CardOf(p));
        s.ImgCarta[p].visible = s.ShpCarta[p].visible = true;
        if (p <= 3) {
            s.ShpCarta[p].back = kMatColour;
            s.ShpCarta[p].opaque = true;
        }
    }
    return s;
}

class RenderAtSize : public ::testing::TestWithParam<std::pair<int, int>> {
  protected:
    const int w = GetParam().first, h = GetParam().second;
    Canvas canvas{w, h};
};

TEST_P(RenderAtSize, CardFacesBacksForNonnoZebAndAPlaceholderForAMissingPicture) {
    Screen s = Table({9, 7, 8, 10, kPostoMazzo});
    s.ImgCarta[kPostoMazzo].picture = "\\Carte\\Zz.jpg";
    canvas.draw(s);
    EXPECT_EQ(canvas.centre(s.ImgCarta[kPostoMazzo].rect), kPlaceholder);
    for (int place : {4, 5, 6, 9, 7, 8, 10}) {
        // The whole card is the picture: its corners too.
        const Rect r = canvas.px(s.ImgCarta[place].rect);
        const std::vector<Rgb> seen = {canvas.centre(s.ImgCarta[place].rect),
                                       canvas.at(r.x + 1, r.y + 1),
                                       canvas.at(r.x + r.w - 2, r.y + r.h - 2)};
        EXPECT_EQ(seen, std::vector<Rgb>(3, FaceColour(CardOf(place)))) << "place " << place;
    }
    for (int place : {1, 2, 3}) {
        EXPECT_EQ(canvas.centre(s.ImgCarta[place].rect), kBackColour) << "place " << place;
        // The mat shows around the back.
        const Rect m = canvas.px(s.ShpCarta[place].rect);
        EXPECT_EQ(canvas.at(m.x, m.y + m.h / 2), kMatColour) << "place " << place;
    }
    // Where no card lies, the table's own colour.
    EXPECT_EQ(canvas.at(w / 2, canvas.renderer.scale().py(6000)), s.windowBack);
}

// The table places in the order the game fills them: the lowest free place, the twelfth last.
constexpr int kOrdineTavolo[12] = {7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, kPostoDodicesimo};

TEST_P(RenderAtSize, EveryTableCardKeepsItsIndexCornerInSightUpToTwelveCards) {
    for (int n = 1; n <= 12; ++n) {
        Screen s = Table(std::vector<int>(kOrdineTavolo, kOrdineTavolo + n));
        // Every outline up, as in a capture of them all: none may cover a neighbour's index.
        for (int i = 0; i < n; ++i) s.ShpContornoCarta[kOrdineTavolo[i]].visible = true;
        canvas.draw(s);
        for (int i = 0; i < n; ++i) {
            const int p = kOrdineTavolo[i];
            const Rect c = s.ImgCarta[p].rect;
            // The rank and suit stand in the top left fifth of the width, quarter of the height.
            const Rect corner{c.x, c.y, c.w / 5, c.h / 4};
            EXPECT_EQ(canvas.count(corner, FaceColour(CardOf(p))),
                      canvas.px(corner).w * canvas.px(corner).h)
                << n << " cards: the index of place " << p << " is covered";
        }
    }
}

TEST_P(RenderAtSize, BubbleShowsWithNonnoZebsWords) {
    Screen s = Table({});
    s.ImgFumetto.visible = s.lblCommenti.visible = true;
    s.ImgFumetto.frame = s.lblCommenti.frame = FrameId::None;
    s.ImgFumetto.rect = {60, 2520, 2940, 900};
    s.ImgFumetto.picture = assets::Bubble(1);
    const Rect words = s.lblCommenti.rect = {240, 2700, 2580, 540};
    s.lblCommenti.fontSize = 9.75f;
    s.lblCommenti.text = "Gnamm! Questa la prendo io, ragazzo.";
    canvas.draw(s);
    const Rect b = canvas.px(s.ImgFumetto.rect);
    EXPECT_EQ(canvas.at(b.x + 2, b.y + 2), kBubbleColour);
    EXPECT_GT(canvas.darkPixels(words), 20);
    // The words stay inside their label.
    EXPECT_EQ(canvas.darkPixels({words.x, words.y + words.h, words.w, 150}), 0);

    s.lblCommenti.visible = false;
    canvas.draw(s);
    EXPECT_EQ(canvas.darkPixels(words), 0);
}

TEST_P(RenderAtSize, TheGamesOwnScoreboardShowsAnAwardedPointRed) {
    VirtualClock clock;
    SeededRandom rng(3);
    RecordingMediaPlayer media(clock);
    Finestra g(clock, rng, media, Paths{});
    AssegnaPunto(g.game, Player::H, PuntoMazzo::Sette);
    RefreshScreen(g);
    const Rect awarded = PlacedRect(g.screen, g.screen.lblPuntiSetteH);
    ASSERT_GT(awarded.w, 0) << "the scoreboard is not on the window";
    canvas.draw(g.screen);
    EXPECT_GT(canvas.count(awarded, colors::kRed), canvas.px(awarded).w * canvas.px(awarded).h / 3);
    // Nonno Zeb has not scored it.
    EXPECT_EQ(canvas.count(PlacedRect(g.screen, g.screen.lblPuntiSettePC), colors::kRed), 0);
}

INSTANTIATE_TEST_SUITE_P(Sizes, RenderAtSize,
                         ::testing::Values(std::pair{800, 600}, std::pair{1600, 1200}));

TEST(Render, APickedTableCardIsOutlinedInThePickColourThreePixelsWideOrMore) {
    Canvas canvas(1024, 768);
    Screen s = Table(std::vector<int>(std::begin(kOrdineTavolo), std::end(kOrdineTavolo)));
    ScalaGrafica(s, 1024 * 15, 768 * 15);  // as start-up lays the game out for this screen
    // The pick colour is the deck outline's.
    Element& contorno = s.ShpContornoCarta[11];
    contorno.borderColor = s.ShpContornoCarta[kPostoMazzo].borderColor;
    ASSERT_EQ(contorno.borderColor, colors::kPick);
    contorno.visible = true;
    canvas.draw(s);
    const Rect card = canvas.px(s.ImgCarta[11].rect);
    auto band = [&](int x, int y, int dx, int dy) {
        int n = 0;
        while (canvas.at(x, y) != colors::kPick && n++ < 10) x += dx, y += dy;
        int w = 0;
        for (; canvas.at(x, y) == colors::kPick && w < 20; ++w) x += dx, y += dy;
        return w;
    };
    // Above the card, below it and at its left, where it is not under its right neighbour.
    EXPECT_GE(band(card.x + 8, card.y - 1, 0, -1), 3);
    EXPECT_GE(band(card.x + 8, card.y + card.h, 0, 1), 3);
    EXPECT_GE(band(card.x - 1, card.y + card.h / 2, -1, 0), 3);
}

// The keyboard's focus outline on place 9 is drawn over place 13, which lies over its right part.
TEST(Render, TheFocusOutlineIsDrawnRoundTheFocusedCardOverItsNeighbour) {
    Canvas canvas(800, 600);
    Screen s = Table({9, 13});
    const Rect c = s.ImgCarta[9].rect;
    s.ShpFuoco.rect = {c.x - 110, c.y - 110, c.w + 220, c.h + 220};
    s.ShpFuoco.visible = true;
    canvas.draw(s);
    const Rect f = canvas.px(s.ShpFuoco.rect);
    EXPECT_EQ(canvas.at(f.x + 1, f.y + f.h / 2), colors::kYellow);
    EXPECT_EQ(canvas.at(f.x + f.w - 2, f.y + f.h / 2), colors::kYellow);
    // Clicks go through it to the cards underneath.
    EXPECT_EQ(KindIndex(HitTest(s, c.x + 100, c.y + 100)), std::pair(TargetKind::Carta, 9));
    const Rect right = s.ImgCarta[13].rect;
    EXPECT_EQ(KindIndex(HitTest(s, right.x + right.w / 2, right.y + 100)),
              std::pair(TargetKind::Carta, 13));
}

// Frames one after the other redraw only the part of the window whose elements changed, and the
// picture is the same as a whole redraw would give; what lies wholly under an opaque element is
// neither drawn nor loaded.
constexpr long long kWhole = 800LL * 600;

class Redraw : public ::testing::Test {
  protected:
    Redraw() {
        show(4, 1);
        show(6, 2);
    }
    void show(int place, int card) {
        s.ImgCarta[place].picture = assets::CardFace(Card::FromDeckPosition(card));
        s.ImgCarta[place].visible = true;
    }
    // Draws a frame; how many pixels it redrew.
    long long draw(const Overlay& o = {}) { return window.draw(s, o); }
    Rgb centreOf(int place) const { return window.centre(s.ImgCarta[place].rect); }
    long long cardPixels(int place) const {
        const Rect r = window.px(s.ImgCarta[place].rect);
        return static_cast<long long>(r.w) * r.h;
    }

    Screen s = testing_support::BareScreen();
    Canvas window{800, 600};
    const Rgb faceA = FaceColour(Card::FromDeckPosition(1));
    const Rgb faceB = FaceColour(Card::FromDeckPosition(2));
};

TEST_F(Redraw, TheFirstOrAForgottenFrameIsWholeThenOnlyTheChangedCardIsRedrawn) {
    EXPECT_EQ(draw(), kWhole);
    EXPECT_EQ(centreOf(4), faceA);
    s.ImgCarta[4].visible = false;  // the card leaves the hand
    EXPECT_EQ(draw(), cardPixels(4));
    EXPECT_EQ(centreOf(4), s.windowBack);
    EXPECT_EQ(centreOf(6), faceB);  // kept from the frame before
    EXPECT_EQ(draw(), 0);           // nothing changed
    EXPECT_EQ(centreOf(6), faceB);
    s.windowBack = {120, 60, 30};  // a new table colour repaints it all
    EXPECT_EQ(draw(), kWhole);
    EXPECT_EQ(window.at(5, 300), s.windowBack);
    // A forgotten frame, as after the switch to full screen which blanks the window, is redrawn
    // whole.
    ASSERT_EQ(draw(), 0);
    SDL_FillRect(window.canvas.surface.get(), nullptr, 0);
    window.renderer.forgetFrame();
    EXPECT_EQ(draw(), kWhole);
    EXPECT_EQ(centreOf(6), faceB);
}

TEST_F(Redraw, TheTooltipShowsBesideThePointerOnTheWindowAndNeverSticks) {
    constexpr Rgb kTooltipBack{255, 255, 225};
    auto tooltipPixels = [this](Rect r) {
        return window.canvas.count(r, [](Rgb p) { return p == kTooltipBack; });
    };
    draw();
    EXPECT_EQ(tooltipPixels({0, 0, 800, 600}), 0);
    draw(Overlay{"Mostra le regole del gioco", 300, 200, false});
    EXPECT_GT(tooltipPixels({300, 200, 200, 60}), 200);
    // By the bottom right corner it is moved back inside the window.
    draw(Overlay{"Mostra le regole del gioco", 795, 595, false});
    EXPECT_GT(tooltipPixels({600, 500, 200, 100}), 200);
    // The pointer moved on: where the tooltip was, the table again, not the kept frame.
    draw();
    EXPECT_EQ(tooltipPixels({0, 0, 800, 600}), 0);
}

TEST_F(Redraw, WhatTheOpaqueSplashHidesIsNeitherLoadedNorRedrawn) {
    s.FraSplash.visible = true;  // opaque black, the whole window
    EXPECT_EQ(draw(), kWhole);
    EXPECT_TRUE(window.pictures.asked.empty());
    EXPECT_EQ(window.at(400, 300), colors::kBlack);
    show(5, 1);  // appears under the splash
    EXPECT_EQ(draw(), 0);
    s.ImgCarta[4].visible = false;  // goes from under it
    EXPECT_EQ(draw(), 0);
    show(4, 2);  // comes back with another face
    EXPECT_EQ(draw(), 0);
    // The splash gone, the cards load and show as they are now, not as they were under it.
    s.FraSplash.visible = false;
    EXPECT_GT(draw(), 0);
    EXPECT_EQ(window.pictures.asked.size(), 2u);
    EXPECT_EQ(std::pair(centreOf(4), centreOf(5)), std::pair(faceB, faceA));
    show(5, 2);  // and a change no longer covered is redrawn
    EXPECT_EQ(draw(), cardPixels(5));
    EXPECT_EQ(centreOf(5), faceB);
}

// Cards in flight, shrinking on their way, are drawn stretched from the pictures already made:
// no load a frame. Each frame redraws where each card was and is, apart, not the box round both;
// and the window is, pixel for pixel, what a whole frame each time would show.
TEST_F(Redraw, CardsInFlightAreRedrawnApartWhereTheyWereAndAreAsAWholeFrameWouldShow) {
    Canvas whole{800, 600};
    whole.renderer.setWholeFrames(true);
    for (const int k : {0, 1}) {
        s.ImgVolo[k].picture = s.ImgCarta[4 + 2 * k].picture;
        s.ImgVolo[k].rect = s.ImgCarta[4 + 2 * k].rect;
        s.ImgVolo[k].visible = true;
    }
    draw();
    const int loads = window.renderer.textures().loads();
    const Rect from = s.ImgCarta[4].rect;
    s.ImgCarta[4].visible = s.ImgCarta[6].visible = false;
    auto sdl = [this](Rect design) {
        const Rect r = window.px(design);
        return SDL_Rect{r.x, r.y, r.w, r.h};
    };
    for (int step = 1; step <= 3; ++step) {
        std::vector<SDL_Rect> ways;  // where each card was and is
        for (const int k : {0, 1}) {
            Rect& r = s.ImgVolo[k].rect;
            ways.push_back(sdl(r));
            r = {r.x + (2 * k - 1) * from.w * 2 / 3, r.y - from.h / 3, r.w - 150, r.h - 200};
            ways.push_back(sdl(r));
        }
        draw();
        // Nothing redrawn beyond each card's own way, so not what lies between the two.
        const SDL_Rect paths[] = {Box(ways[0], ways[1]), Box(ways[2], ways[3])};
        for (const SDL_Rect& a : window.renderer.lastAreas()) {
            EXPECT_TRUE(Holds(paths[0], a) || Holds(paths[1], a)) << step;
        }
        EXPECT_GE(window.renderer.lastAreas().size(), 2u) << step;
        whole.draw(s);
        EXPECT_TRUE(window.samePixels(whole)) << step;
    }
    EXPECT_EQ(window.renderer.textures().loads(), loads);
}

// The changed rectangles: merged when one box costs little more than the two apart (they
// overlap, touch, or one holds the other), kept apart otherwise; never more than allowed.
TEST(ChangedAreas, MergesOnlyWhatIsCheaperDrawnAsOneAndKeepsToTheMostAllowed) {
    struct Case {
        const char* what;
        std::vector<SDL_Rect> added, expected;
    };
    const Case cases[] = {
        {"a card moved a little",
         {{100, 100, 150, 200}, {110, 95, 150, 200}},
         {{100, 95, 160, 205}}},
        {"two cards far apart",
         {{0, 0, 150, 200}, {600, 300, 150, 200}},
         {{0, 0, 150, 200}, {600, 300, 150, 200}}},
        {"one inside the other", {{0, 0, 100, 100}, {10, 10, 20, 20}}, {{0, 0, 100, 100}}},
        {"end to end", {{0, 0, 100, 100}, {100, 0, 100, 100}}, {{0, 0, 200, 100}}},
        {"a thin cross",
         {{0, 500, 800, 10}, {400, 0, 10, 600}},
         {{0, 500, 800, 10}, {400, 0, 10, 600}}},
        {"a third bridging two",
         {{0, 0, 100, 100}, {300, 0, 100, 100}, {90, 0, 220, 100}},
         {{0, 0, 400, 100}}},
        {"an empty one", {{5, 5, 0, 10}}, {}},
        {"cut at the window", {{-50, -50, 100, 100}, {900, 0, 10, 10}}, {{0, 0, 50, 50}}},
    };
    for (const Case& c : cases) {
        ChangedAreas areas;
        for (const SDL_Rect& r : c.added) areas.add(r);
        areas.clip({0, 0, 800, 600});
        EXPECT_TRUE(std::ranges::equal(areas.rects(), c.expected, SameRect)) << c.what;
    }
    // Four cards in the corners and one beside the first, at most three rectangles: each card
    // still inside one, fewer pixels than the box round them all.
    const SDL_Rect cards[] = {{0, 0, 100, 100},
                              {250, 0, 100, 100},
                              {0, 450, 100, 100},
                              {700, 0, 100, 100},
                              {700, 450, 100, 100}};
    ChangedAreas few(3);
    for (const SDL_Rect& r : cards) few.add(r);
    EXPECT_EQ(few.rects().size(), 3u);
    EXPECT_LT(few.pixels(), 800LL * 550);
    for (const SDL_Rect& r : cards) {
        EXPECT_TRUE(std::ranges::any_of(few.rects(), [&r](auto& a) { return Holds(a, r); }));
    }
}

// The splash shown alone before the game is set up: over the table's 4:3 area, margins beside
// it; the first real frame then draws the window whole with the picture already loaded.
TEST(Render, TheFirstPictureAloneCoversTheTableAndTheNextFrameIsWhole) {
    constexpr Rgb kSplashColour{240, 200, 40};
    constexpr Rgb kMargin{1, 2, 3};
    const std::string splash(assets::kSplash);
    Canvas window{1000, 600};
    window.pictures.add(splash, kSplashColour, 1920, 1440);
    const SDL_Rect where = FirstPictureRect(1000, 600);
    EXPECT_EQ(std::tuple(where.x, where.y, where.w, where.h), std::tuple(100, 0, 800, 600));
    EXPECT_FALSE(window.renderer.drawAlone("\\Grafica\\Nessuna.jpg", where, kMargin));
    ASSERT_TRUE(window.renderer.drawAlone(splash, where, kMargin));
    for (const auto& [x, c] :
         {std::pair{99, kMargin}, {100, kSplashColour}, {899, kSplashColour}, {900, kMargin}}) {
        EXPECT_EQ(window.at(x, 300), c) << x;
    }
    Screen s = testing_support::BareScreen();
    s.FraSplash.visible = s.ImgSplash.visible = true;
    s.ImgSplash.picture = splash;
    EXPECT_EQ(window.draw(s), 1000LL * 600);
    EXPECT_EQ(window.at(50, 300), s.windowBack);
    EXPECT_EQ(window.at(500, 300), kSplashColour);
    EXPECT_EQ(std::count(window.pictures.asked.begin(), window.pictures.asked.end(), splash), 1);
}

TEST(SameDrawing, NoticesEveryChangeThatShows) {
    Screen a;
    ApplyDesignLayout(a);
    Screen b = a;
    EXPECT_TRUE(SameDrawing(a, b));
    b.lblIstruzioni.text = "Tocca a te, Ada";
    EXPECT_FALSE(SameDrawing(a, b));
    b = a;
    b.LstAlboTop = 3;
    EXPECT_FALSE(SameDrawing(a, b));
    b = a;
    b.ShpContornoCarta[12].visible = !a.ShpContornoCarta[12].visible;
    EXPECT_FALSE(SameDrawing(a, b));
}

TEST(DisplayText, WindowsLineEndsBecomePlainOnes) {
    EXPECT_EQ(DisplayText("Tocca\r\na te"), "Tocca\na te");
    EXPECT_EQ(DisplayText("a\rb"), "a\nb");
    EXPECT_EQ(DisplayText(""), "");
}

}  // namespace
}  // namespace gnamm::platform
