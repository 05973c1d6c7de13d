// Cards in flight as the player sees them: a game played on the virtual clock, its frames drawn
// headless by the real renderer with a colour of its own for every card face, stopped at chosen
// moments of a deal and of a capture. The pixels must show the card between the place it left
// and the one it goes to, once, and at its place alone when it has landed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <string>

#include "data/asset_catalog.h"
#include "platform/screen_renderer.h"
#include "sdl_fixture.h"
#include "ui/options_panel.h"
#include "ui/panels.h"
#include "ui/ui_fixture.h"

namespace gnamm::platform {
namespace {

constexpr Rgb kDorso{20, 40, 160};

// Every face its own colour, none of them the table's or a text's.
Rgb Colore(Card c) {
    const int i = c.deckPosition();
    return {static_cast<uint8_t>(250 - 5 * i), static_cast<uint8_t>(30 + 5 * i), 7};
}

// Where a colour shows on the window: the box round it and how many pixels have it.
struct Macchia {
    Rect box;
    int n = 0;
    int cx() const { return box.x + box.w / 2; }
    int cy() const { return box.y + box.h / 2; }
};

// x lies strictly between a and b, or at a when the two are level.
bool Fra(int a, int x, int b) {
    if (std::abs(a - b) <= 2) return std::abs(x - a) <= 2;
    return std::min(a, b) < x && x < std::max(a, b);
}

class VoliInPixel : public test_ui::UiTest {
  protected:
    VoliInPixel() {
        for (int i = 1; i <= 40; ++i) {
            const Card c = Card::FromDeckPosition(i);
            pictures_.add(assets::CardFace(c), Colore(c));
        }
        for (const Retro r : {Retro::Horse, Retro::Star, Retro::Rhombs, Retro::America}) {
            pictures_.add(std::string(RetroPicture(r)), kDorso);
        }
        renderer_ = std::make_unique<ScreenRenderer>(canvas_.renderer.get(), pictures_.loader(),
                                                     FindFonts());
        renderer_->setWholeFrames(true);
        avviaConNome();
        g.game.opzioni.velocitaMazziere = Velocita::Low;
        ScegliLivello(g, Livello::Honest);
    }

    // Plays on, timer after timer, until `fatto` holds; `prima` keeps the screen as it was
    // just before.
    template <class F>
    bool gioca(F fatto) {
        for (int passo = 0; passo < 20000; ++passo) {
            prima = g.screen;
            giocaSeTocca();
            if (fatto()) return true;
            prima = g.screen;
            const auto scadenza = g.game.scheduler.nextDeadline();
            if (!scadenza) break;
            avanza(std::max<int64_t>(0, *scadenza - clock.nowMs()));
            if (fatto()) return true;
        }
        ADD_FAILURE() << "never came";
        return false;
    }
    // Plays on until a flight `cerca` accepts starts.
    template <class F>
    Volo aspetta(F cerca) {
        Volo trovato;
        gioca([&] {
            for (const Volo& v : g.voli.voli()) {
                if (v.inizio == clock.nowMs() && cerca(v)) return trovato = v, true;
            }
            return false;
        });
        return trovato;
    }

    // Draws a screen and finds the colour on it.
    Macchia disegna(const Screen& s, Rgb c) {
        renderer_->draw(s);
        Macchia m{{canvas_.surface->w, canvas_.surface->h, 0, 0}};
        int x1 = -1, y1 = -1;
        for (int y = 0; y < canvas_.surface->h; ++y) {
            for (int x = 0; x < canvas_.surface->w; ++x) {
                if (canvas_.at(x, y) != c) continue;
                ++m.n;
                m.box.x = std::min(m.box.x, x), m.box.y = std::min(m.box.y, y);
                x1 = std::max(x1, x), y1 = std::max(y1, y);
            }
        }
        m.box.w = x1 + 1 - m.box.x, m.box.h = y1 + 1 - m.box.y;
        return m;
    }
    // The game's frame at `ora`, the flights brought up to it.
    Macchia fotogramma(int64_t ora, Card c) {
        clock.set(ora);
        Anima(g);
        return disegna(g.screen, Colore(c));
    }
    Rect px(Rect design) const { return renderer_->scale().toPixels(design); }

    // The card on its way at `ora`: one card's picture, its middle between its two places.
    void traIDuePosti(const Volo& v, int64_t ora) {
        const Macchia m = fotogramma(ora, v.carta);
        const Rect da = px(v.da), a = px(v.a);
        ASSERT_GT(m.n, 0) << "the card is nowhere at " << ora;
        EXPECT_TRUE(Fra(da.x + da.w / 2, m.cx(), a.x + a.w / 2)) << m.cx();
        EXPECT_TRUE(Fra(da.y + da.h / 2, m.cy(), a.y + a.h / 2)) << m.cy();
        // Drawn once: no larger than the larger of its places, and filled.
        EXPECT_LE(m.box.w, std::max(da.w, a.w) + 1);
        EXPECT_LE(m.box.h, std::max(da.h, a.h) + 1);
        EXPECT_GE(m.n * 10, m.box.w * m.box.h * 9);
    }

    Screen prima;
    testing_support::TestPictures pictures_;
    testing_support::SoftwareCanvas canvas_{800, 600};
    std::unique_ptr<ScreenRenderer> renderer_;
};

// Which flight, and the moment to stop it, in thousandths of its way.
struct Caso {
    const char* nome;
    bool (*cerca)(const Volo&, const Game&, const Screen&);
    int millesimi;
};
void PrintTo(const Caso& c, std::ostream* os) {
    *os << c.nome;
}

bool DalMazzo(const Volo& v, const Screen& s) {
    return v.da == s.ImgCarta[kPostoMazzo].rect;
}
// A card taken into `pila`, not a sweep's card, which lies face up on the pile.
bool Preso(const Volo& v, const Game& g, const Screen& s, int pila) {
    const auto& gnamm = g.mucchi.di(pila == 0 ? Player::PC : Player::H).gnamm;
    return v.posto == kNessunPosto && v.a == s.ImgMucchio[static_cast<std::size_t>(pila)].rect &&
           std::ranges::find(gnamm, v.carta) == gnamm.end();
}

const Caso kCasi[] = {
    {"CartaInTavola",
     [](const Volo& v, const Game&, const Screen& s) { return DalMazzo(v, s) && v.posto >= 7; },
     500},
    {"CartaAllUmano",
     [](const Volo& v, const Game&, const Screen& s) {
         return DalMazzo(v, s) && v.posto >= 4 && v.posto <= 6;
     },
     300},
    {"PresaDellUmano",
     [](const Volo& v, const Game& g, const Screen& s) { return Preso(v, g, s, 3); }, 500},
    {"PresaDiZeb", [](const Volo& v, const Game& g, const Screen& s) { return Preso(v, g, s, 0); },
     700},
};

class VoloFermato : public VoliInPixel, public ::testing::WithParamInterface<Caso> {};

TEST_P(VoloFermato, ShowsTheCardOnceBetweenItsPlacesThenAtItsPlaceAlone) {
    const Caso& caso = GetParam();
    const Volo v = aspetta([&](const Volo& x) { return caso.cerca(x, g.game, g.screen); });
    ASSERT_FALSE(v.carta.empty());
    ASSERT_FALSE(v.dorso);
    traIDuePosti(v, v.inizio + v.durata * caso.millesimi / 1000);
    // Landed: at its place and nowhere else; into a pile, out of sight.
    const Macchia fine = fotogramma(v.inizio + v.durata, v.carta);
    if (v.posto == kNessunPosto) {
        EXPECT_EQ(fine.n, 0);
    } else {
        const Rect posto = px(g.screen.ImgCarta[static_cast<std::size_t>(v.posto)].rect);
        EXPECT_EQ(fine.box, posto);
        EXPECT_EQ(fine.n, posto.w * posto.h);
    }
}

INSTANTIATE_TEST_SUITE_P(Casi, VoloFermato, ::testing::ValuesIn(kCasi),
                         [](const auto& info) { return std::string(info.param.nome); });

// Zeb's card shows its back in his hand until he plays it, turns face up there, and keeps its
// face all the way to the table or to his pile; a sweep's card is not drawn on the pile before.
TEST_F(VoliInPixel, ZebsCardIsABackInHisHandUntilHePlaysItThenAFaceAllTheWay) {
    bool posata = false, presa = false, spazzata = false;
    while (!(posata && presa && spazzata) && !HasFailure()) {
        std::size_t m = 0;
        ASSERT_TRUE(gioca([&] {
            for (m = 1; m <= 3; ++m) {
                if (g.game.posti[m].mostra == Lato::Faccia) return true;
            }
            return false;
        }));
        const Card c = g.game.posti[m].carta;
        const Rect mano = px(g.screen.ImgCarta[m].rect);
        const auto nelMezzo = [&] { return canvas_.at(mano.x + mano.w / 2, mano.y + mano.h / 2); };
        EXPECT_EQ(disegna(prima, Colore(c)).n, 0);
        EXPECT_EQ(nelMezzo(), kDorso);
        disegna(g.screen, Colore(c));
        EXPECT_EQ(nelMezzo(), Colore(c));
        // It leaves his hand face up: a millisecond on, its face where it lay; then on its way.
        const Volo v = aspetta([&](const Volo& x) { return x.carta == c; });
        EXPECT_EQ(v.da, g.screen.ImgCarta[m].rect);
        // Drawn once, where it lay: a sweep's card too, whose crosswise place on his pile waits
        // for it to land.
        const Macchia partenza = fotogramma(v.inizio + 1, c);
        EXPECT_EQ(nelMezzo(), Colore(c));
        EXPECT_LE(partenza.n, mano.w * mano.h);
        EXPECT_LE(partenza.box.w, mano.w + 2);
        if (std::ranges::find(g.game.mucchi.pc.gnamm, c) != g.game.mucchi.pc.gnamm.end()) {
            spazzata = true;  // it turns on its way: its flight has its own test
            continue;
        }
        traIDuePosti(v, v.inizio + v.durata / 2);
        (v.posto == kNessunPosto ? presa : posata) = true;
    }
}

}  // namespace
}  // namespace gnamm::platform
