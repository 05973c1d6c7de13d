#include "platform/main_loop.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <vector>

#include "data/asset_catalog.h"
#include "data/asset_resolver.h"
#include "platform/asset_notices.h"
#include "save/torneo_file.h"
#include "save/torneo_save.h"
#include "sdl_fixture.h"
#include "ui/ui_fixture.h"

namespace gnamm::platform {
namespace {

TEST(WaitTimeout, SleepsUntilTheEarlierDeadlineOrForInput) {
    EXPECT_EQ(WaitTimeoutMs(1000, std::nullopt, std::nullopt), -1);  // nothing pending: no polling
    EXPECT_EQ(WaitTimeoutMs(1000, 1200, std::nullopt), 200);
    EXPECT_EQ(WaitTimeoutMs(1000, 1200, 1150), 150);
    EXPECT_EQ(WaitTimeoutMs(1000, 1100, 1500), 100);
    EXPECT_EQ(WaitTimeoutMs(1000, std::nullopt, 1500), 500);
    EXPECT_EQ(WaitTimeoutMs(1000, 900, std::nullopt), 0);  // overdue: fire at once
    EXPECT_EQ(WaitTimeoutMs(0, int64_t{1} << 40, std::nullopt), kMaxWaitMs);
    // While cards move the next frame comes 16 ms after the last began, at once when late.
    EXPECT_EQ(FrameWaitMs(1000, 1000), kFrameMs);
    EXPECT_EQ(FrameWaitMs(1010, 1000), kFrameMs - 10);
    EXPECT_EQ(FrameWaitMs(1040, 1000), 0);
}

// The real loop on SDL's dummy video driver, with a virtual clock.
class LoopTest : public test_ui::UiTest {
  protected:
    LoopTest() : UiTest(1) { testing_support::EnsureSdl(); }
    Uint32 id() { return SDL_GetWindowID(window->window()); }
    SDL_Event windowEvent(Uint8 what) {
        SDL_Event e{};
        e.type = SDL_WINDOWEVENT;
        e.window.event = what;
        e.window.windowID = id();
        return e;
    }
    // Queues the events and runs one step of the loop: false when it ends.
    bool step(std::vector<SDL_Event> events = {}) {
        for (SDL_Event& e : events) SDL_PushEvent(&e);
        return loop->step(0);
    }
    void start(PictureLoader loader = nullptr) {
        window = std::make_unique<MainWindow>(WindowMode{false, 800, 600}, dati.dati());
        ASSERT_TRUE(window->ok()) << SDL_GetError();
        renderer =
            std::make_unique<ScreenRenderer>(window->renderer(), std::move(loader), FindFonts());
        loop = std::make_unique<MainLoop>(g, *window, *renderer);
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }
    // A name given and a level chosen, the loop run on until the first card flies.
    void untilTheFirstDeal() {
        avviaConNome();
        g.key(Key::Digit2);
        for (int ms = 0; ms < 5000 && g.voli.voli().empty(); ms += 5) {
            clock.advance(5);
            ASSERT_TRUE(step());
        }
        ASSERT_FALSE(g.voli.voli().empty()) << "no card was dealt";
    }
    void TearDown() override {
        loop.reset();
        renderer.reset();
        window.reset();
    }
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<ScreenRenderer> renderer;
    std::unique_ptr<MainLoop> loop;
};

TEST_F(LoopTest, DrawsOnlyWhenThePictureChangesAndRemembersTheFullScreenSwitch) {
    start();
    EXPECT_TRUE(step());
    const int first = loop->framesDrawn();
    EXPECT_GE(first, 1);
    EXPECT_TRUE(step());
    EXPECT_EQ(loop->framesDrawn(), first);  // nothing changed: no frame

    g.screen.lblIstruzioni.text = "Tocca a te, Ada";
    EXPECT_TRUE(step());
    EXPECT_EQ(loop->framesDrawn(), first + 1);
    // A resized or exposed window is drawn again even though the model stands still, and so
    // is a renderer that lost its textures.
    EXPECT_TRUE(step({windowEvent(SDL_WINDOWEVENT_EXPOSED)}));
    EXPECT_EQ(loop->framesDrawn(), first + 2);
    EXPECT_TRUE(step({SDL_Event{SDL_RENDER_TARGETS_RESET}}));
    EXPECT_EQ(loop->framesDrawn(), first + 3);
    // The switch to full screen and back is remembered in the data folder.
    EXPECT_TRUE(step({testing_support::KeyDown(SDLK_F11, KMOD_NONE, id())}));
    EXPECT_TRUE(LoadWindowMode(dati.dati()).fullScreen);
    EXPECT_TRUE(step({testing_support::KeyDown(SDLK_F11, KMOD_NONE, id())}));
    EXPECT_EQ(LoadWindowMode(dati.dati()), (WindowMode{false, 800, 600}));
}

TEST_F(LoopTest, TheWheelScrollsTheHallOfFameOnlyOverItAndToItsLastFullPage) {
    start();
    Screen& s = g.screen;
    s.LstAlbo.visible = true;
    s.LstAlbo.frame = FrameId::None;
    s.LstAlbo.rect = {6000, 600, 4000, 3000};  // 200 pixels high at 800 x 600
    for (int i = 0; i < 40; ++i) s.LstAlboLines.push_back("Torneo " + std::to_string(i));
    EXPECT_TRUE(step());
    const int rows = renderer->rowsShown(s.LstAlbo);
    EXPECT_GT(rows, 5);
    EXPECT_LT(rows, 40);

    std::vector<SDL_Event> scroll(30, testing_support::Wheel(-1, id()));
    scroll.insert(scroll.begin(), testing_support::Motion(500, 100, id()));
    EXPECT_TRUE(step(scroll));
    EXPECT_EQ(s.LstAlboTop, 40 - rows);
    // Away from the list the wheel does nothing.
    EXPECT_TRUE(step({testing_support::Motion(5, 5, id()), testing_support::Wheel(1, id())}));
    EXPECT_EQ(s.LstAlboTop, 40 - rows);
}

// The window's close button and the session's end (SDL_QUIT, a signal too) save the Torneo at
// its quiet moment and end the loop at once, asking nothing.
TEST_F(LoopTest, ClosingOrQuittingSavesTheTorneoAndEndsAtOnce) {
    avviaConNome("Ada");
    g.key(Key::Digit1);
    for (int i = 0; i < 600 && !MomentoTranquillo(g.game); ++i) AdvanceVirtualTime(g, clock, 100);
    ASSERT_TRUE(MomentoTranquillo(g.game));
    for (const bool closeButton : {true, false}) {
        SCOPED_TRACE(closeButton ? "close button" : "SDL_QUIT");
        TearDown();
        start();
        std::filesystem::remove(FileTorneo(dati.dati(), "Ada"));
        EXPECT_FALSE(
            step({closeButton ? windowEvent(SDL_WINDOWEVENT_CLOSE) : SDL_Event{SDL_QUIT}}));
        EXPECT_FALSE(g.screen.FraPannello[1].visible);
        EXPECT_TRUE(CaricaTorneoSalvato(dati.dati(), "Ada"));
    }
}

// A notice from outside the game's input, as from a picture that would not load while the
// frame was drawn or a save at a quiet moment, shows in the same turn of the loop; Escape
// closes it.
TEST_F(LoopTest, ANoticeFromOutsideTheInputShowsInTheSameTurn) {
    const std::filesystem::path assets = dati.dati().parent_path() / "assets";
    std::filesystem::create_directories(assets / "Grafica");
    std::ofstream(assets / "Grafica" / "Gnamm.png") << "not a picture";
    const AssetResolver resolver(assets);
    g.game.avvisi.scriviStderr = false;
    g.screen.ImgGnamm.picture = "\\Grafica\\Gnamm.gif";
    start();
    data::Avvisi* const avvisi = &g.game.avvisi;
    renderer = std::make_unique<ScreenRenderer>(
        window->renderer(), AvvisaSeIlleggibile(FileLoader(resolver), resolver, avvisi),
        FindFonts());
    loop = std::make_unique<MainLoop>(g, *window, *renderer);
    EXPECT_TRUE(step());
    EXPECT_EQ(loop->framesDrawn(), 2);
    EXPECT_TRUE(g.screen.FraAvviso.visible);
    EXPECT_TRUE(g.screen.lblAvviso.text.starts_with("Non si riesce a leggere l'immagine "));
    EXPECT_TRUE(step({testing_support::KeyDown(SDLK_ESCAPE, KMOD_NONE, id())}));
    EXPECT_FALSE(g.screen.FraAvviso.visible || g.screen.FraPannello[1].visible);
    g.game.avvisi.aggiungi("Il Torneo non si è potuto salvare.");
    EXPECT_TRUE(step());
    EXPECT_EQ(std::tuple(g.screen.FraAvviso.visible, loop->framesDrawn()), std::tuple(true, 4));
}

TEST_F(LoopTest, TheNameIsTypedIntoTheSplashAndEnterTakesIt) {
    start();
    Avvio(g, 12000, 9000);
    RefreshScreen(g);
    ASSERT_TRUE(NameBoxActive(g.screen));
    EXPECT_TRUE(step());
    EXPECT_TRUE(SDL_IsTextInputActive());  // the name box wants typing

    g.screen.txtNome.text.clear();
    EXPECT_TRUE(step({testing_support::Text("Ad\xC3\xA0", id())}));  // "Adà"
    EXPECT_EQ(g.screen.txtNome.text, "Ad\xC3\xA0");
    EXPECT_TRUE(step({testing_support::KeyDown(SDLK_RETURN, KMOD_NONE, id())}));
    EXPECT_FALSE(g.screen.FraSplash.visible);
    EXPECT_FALSE(SDL_IsTextInputActive());  // nothing left to type into
}

TEST_F(LoopTest, WhileACardFliesAFrameIsDueEveryFrameTimeAndNoneOnceItHasLanded) {
    start();
    g.game.opzioni.velocitaMazziere = Velocita::Low;  // each card lands a while before the next
    ASSERT_NO_FATAL_FAILURE(untilTheFirstDeal());
    const Volo volo = g.voli.voli().front();
    // On its way: never a longer sleep than a frame, and a new frame at each.
    while (clock.nowMs() < volo.inizio + volo.durata) {
        EXPECT_LE(loop->nextWaitMs(), kFrameMs);
        const int prima = loop->framesDrawn();
        clock.advance(kFrameMs);
        ASSERT_TRUE(step());
        EXPECT_EQ(loop->framesDrawn(), prima + 1) << clock.nowMs() - volo.inizio;
    }
    // Landed, the last frame showing it in its place: the loop sleeps until the next deal.
    ASSERT_TRUE(g.voli.voli().empty());
    const int dopo = loop->framesDrawn();
    ASSERT_TRUE(step());
    EXPECT_EQ(loop->framesDrawn(), dopo);
    EXPECT_EQ(loop->nextWaitMs(),
              WaitTimeoutMs(clock.nowMs(), g.game.scheduler.nextDeadline(), std::nullopt));
    EXPECT_GT(loop->nextWaitMs(), 0);
}

// While the game waits and nothing moves, each turn of the loop makes one more card picture
// ahead of need, without sleeping, and never while a card flies: then the deals and the captures
// read no card picture from disk, and the loop sleeps as before.
TEST_F(LoopTest, IdleTurnsMakeTheCardPicturesAheadSoNoFlightReadsOne) {
    testing_support::TestPictures pics;
    std::vector<std::string> cards = assets::CardFaces();
    for (const std::string& back : assets::CardBacks()) cards.push_back(back);
    for (const std::string& card : cards) pics.add(card, {90, 30, 30});
    auto cardsAsked = [&pics, &cards] {
        return std::count_if(pics.asked.begin(), pics.asked.end(), [&cards](const auto& n) {
            return std::find(cards.begin(), cards.end(), n) != cards.end();
        });
    };
    start(pics.loader());
    // The first deal, before anything is made ahead: nothing is while its cards fly.
    ASSERT_NO_FATAL_FAILURE(untilTheFirstDeal());
    for (int ms = 0; ms < 20'000 && !g.voli.voli().empty(); ms += kFrameMs) {
        const int loads = renderer->textures().loads();
        EXPECT_LE(loop->idleWaitMs(), kFrameMs);
        ASSERT_EQ(renderer->textures().loads(), loads) << "made ahead while a card flies";
        clock.advance(kFrameMs);
        ASSERT_TRUE(step());
    }
    // Then one picture a turn, without sleeping, until all are made; then it sleeps as before.
    int turns = 0;
    for (int loads = renderer->textures().loads(); loop->idleWaitMs() == 0; ++turns) {
        ASSERT_EQ(renderer->textures().loads(), ++loads) << "one picture a turn";
        ASSERT_TRUE(step());
    }
    EXPECT_GT(turns, 0);
    EXPECT_EQ(loop->idleWaitMs(), loop->nextWaitMs());
    const std::set<std::string> asked(pics.asked.begin(), pics.asked.end());
    EXPECT_TRUE(std::all_of(cards.begin(), cards.end(),
                            [&asked](const std::string& c) { return asked.contains(c); }));

    // The game played on until a capture's cards have flown to the pile: none read from disk.
    const auto made = cardsAsked();
    bool captured = false;
    for (int ms = 0; ms < 60'000 && !(captured && g.voli.voli().empty()); ms += kFrameMs) {
        giocaSeTocca();
        clock.advance(kFrameMs);
        ASSERT_TRUE(step());
        captured = captured || g.game.mucchi.pc.carte + g.game.mucchi.h.carte > 0;
    }
    EXPECT_TRUE(captured);
    EXPECT_EQ(cardsAsked(), made) << "a card picture read in play";
}

}  // namespace
}  // namespace gnamm::platform
