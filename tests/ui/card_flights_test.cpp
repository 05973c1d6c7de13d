// Cards on their way across the table, on the virtual clock: a dealt card and a capture seen
// mid-flight, the place it lands on empty until it lands, and nothing in flight when
// "Animazioni" is off. The piles' count, Punti Gnamm and last capture as the mouse holds them.
#include <algorithm>
#include <cstdlib>

#include "data/asset_catalog.h"
#include "ui/panels.h"
#include "ui/ui_fixture.h"

namespace gnamm::test_ui {
namespace {

class Voli : public UiTest {
  protected:
    // Ticks the clock a millisecond at a time until a flight matching `cerca` starts.
    template <class F>
    Volo aspettaVolo(F cerca) {
        for (int ms = 0; ms < 60000; ++ms) {
            for (const Volo& v : g.voli.voli()) {
                if (cerca(v)) return v;
            }
            giocaSeTocca();
            avanza(1);
        }
        ADD_FAILURE() << "no such flight";
        return {};
    }
    // The flying card's element at `ora`, after the frame is brought up to it.
    const Element* inVolo(const Volo& v, int64_t ora) {
        clock.set(ora);
        Anima(g);
        const std::string faccia = assets::CardFace(v.carta);
        for (const Element& e : g.screen.ImgVolo) {
            if (e.visible && (e.picture == faccia || v.dorso)) return &e;
        }
        return nullptr;
    }
    void avvia() {
        avviaConNome();
        g.game.opzioni.velocitaMazziere = Velocita::Low;
        ScegliLivello(g, Livello::Honest);
    }
};

bool Tra(int a, int x, int b) {
    return std::min(a, b) < x && x < std::max(a, b);
}

TEST_F(Voli, ADealtCardSlidesFromTheDeckAndItsPlaceShowsOnlyOnceItLands) {
    avvia();
    // An opening card, then Zeb's first card (a back), then the human's first.
    for (const auto& [primo, ultimo] : {std::pair(7, 7), std::pair(1, 3), std::pair(4, 6)}) {
        const Volo v = aspettaVolo([&](const Volo& x) {
            return x.posto >= primo && x.posto <= ultimo && x.inizio == clock.nowMs();
        });
        const int meta = v.posto;
        EXPECT_EQ(v.da, g.screen.ImgCarta[kPostoMazzo].rect);
        EXPECT_EQ(v.a, g.screen.ImgCarta[static_cast<std::size_t>(meta)].rect);
        EXPECT_EQ(v.dorso, meta == 1);
        EXPECT_LE(v.durata, IntervalloMazziere(Velocita::Low));
        const Element* e = inVolo(v, v.inizio + v.durata / 2);
        ASSERT_NE(e, nullptr) << meta;
        EXPECT_TRUE(Tra(v.da.x, e->rect.x, v.a.x)) << meta;
        EXPECT_TRUE(v.da.y == v.a.y ? e->rect.y == v.a.y : Tra(v.da.y, e->rect.y, v.a.y)) << meta;
        EXPECT_FALSE(g.screen.ImgCarta[static_cast<std::size_t>(meta)].visible);
        EXPECT_EQ(inVolo(v, v.inizio + v.durata), nullptr);
        EXPECT_TRUE(g.screen.ImgCarta[static_cast<std::size_t>(meta)].visible);
    }
}

TEST_F(Voli, ACaptureSlidesToTheTakersPileAfterItsPauseAndNeverShowsTwice) {
    avvia();
    const Volo v = aspettaVolo([](const Volo& x) { return x.posto == kNessunPosto; });
    EXPECT_LE(v.durata, IntervalloGioco(g.game.opzioni.velocitaGioco));
    const bool zeb = g.game.tavolo.ultimaCattura == Player::PC;
    const Rect pila = g.screen.ImgMucchio[zeb ? 0 : 3].rect;
    EXPECT_TRUE(Tra(v.a.x - pila.w, pila.x, v.a.x + v.a.w) &&
                Tra(v.a.y - pila.h, pila.y, v.a.y + v.a.h));
    const Element* e = inVolo(v, v.inizio + v.durata / 3);
    ASSERT_NE(e, nullptr);
    EXPECT_TRUE(Tra(v.da.x, e->rect.x, v.a.x));
    // The same card is drawn once: no place shows it while it flies.
    const std::string faccia = assets::CardFace(v.carta);
    for (std::size_t p = 0; p < kNumeroPosti; ++p) {
        EXPECT_FALSE(g.screen.ImgCarta[p].visible && g.screen.ImgCarta[p].picture == faccia) << p;
    }
    EXPECT_EQ(inVolo(v, v.inizio + v.durata), nullptr);
}

TEST_F(Voli, WithoutAnimazioniCardsJump) {
    avvia();
    g.animazioni = false;  // after the start, which reads the player's choice from GnVista.txt
    for (int ms = 0; ms < 3000; ++ms) {
        avanza(1);
        ASSERT_TRUE(g.voli.voli().empty()) << ms;
        EXPECT_FALSE(Anima(g));
    }
    EXPECT_TRUE(g.screen.ImgCarta[4].visible);
}

TEST_F(Voli, PilesShowTheirCountTheirPuntiGnammAndTheLastCaptureOnlyWhileHeld) {
    avvia();
    const Card sette = Card::FromDeckPosition(7), tre = Card::FromDeckPosition(13);
    g.game.mucchi.h = {12, {sette, tre}, {Card::FromDeckPosition(31)}};
    g.game.mucchi.pc = {1, {}, {}};
    RefreshScreen(g);
    const Screen& s = g.screen;
    EXPECT_EQ(s.lblMucchio[1].text, "12 carte");
    EXPECT_EQ(s.lblMucchio[0].text, "1 carta");
    EXPECT_TRUE(s.ImgMucchio[3].visible && s.ImgMucchio[4].visible && s.ImgMucchio[5].visible);
    EXPECT_TRUE(s.ImgMucchio[0].visible && !s.ImgMucchio[1].visible);
    EXPECT_TRUE(s.ImgGnammMucchio[4].visible && !s.ImgGnammMucchio[5].visible);
    EXPECT_FALSE(s.ImgGnammMucchio[0].visible);
    // The new Punto Gnamm glows a moment, then lies still.
    EXPECT_TRUE(s.ImgGnammMucchio[4].border);
    clock.advance(kLampoGnammMs);
    EXPECT_FALSE(Anima(g));
    EXPECT_FALSE(s.ImgGnammMucchio[4].border);

    EXPECT_FALSE(s.lblUltimaPresa.visible);
    g.mouseDown({TargetKind::Mucchio, 1});
    EXPECT_TRUE(s.lblUltimaPresa.visible);
    EXPECT_EQ(s.ImgUltimaPresa[1].picture, assets::CardFace(tre));
    EXPECT_TRUE(s.ImgUltimaPresa[1].visible && !s.ImgUltimaPresa[2].visible);
    g.mouseUp({});
    EXPECT_FALSE(s.lblUltimaPresa.visible || s.ImgUltimaPresa[0].visible);
    g.mouseDown({TargetKind::Mucchio, 0});  // Zeb's last capture is empty: nothing shows
    EXPECT_FALSE(s.lblUltimaPresa.visible || s.ImgUltimaPresa[0].visible);
}

// A sweep's card turns crosswise as it lands on the pile and sparks fly from it; the piles'
// last frames are asked for until they stop; without "Animazioni" it lies crosswise at once.
TEST_F(Voli, APuntoGnammTurnsCrosswiseAsItLandsWithABurst) {
    avvia();
    const Card asso = Card::FromDeckPosition(1);
    g.game.mucchi.h = {2, {asso}, {asso}};
    EventoTavolo presa{Accaduto::PresaFatta};
    presa.da = 4;
    presa.carta = asso;
    g.voli.ascolta(presa, false);
    ASSERT_EQ(g.voli.voli().size(), 1u);
    const Volo v = g.voli.voli()[0];
    const Rect posto = PostoGnamm(g.screen, 1, 0);
    const Screen& s = g.screen;
    auto scintille = [&s] {
        return std::count_if(s.ShpScintille.begin(), s.ShpScintille.end(),
                             [](const Element& e) { return e.visible && e.rect.w > 0; });
    };
    // Upright at first, turning in its last moments, the pile's own crosswise card hidden.
    for (const auto& [ms, girato] :
         {std::pair(0, false), std::pair(v.durata - kGiroGnammMs / 2, true)}) {
        const Element* e = inVolo(v, v.inizio + ms);
        ASSERT_NE(e, nullptr) << ms;
        EXPECT_EQ(e->angolo != 0, girato) << ms;
        EXPECT_TRUE(e->angolo < 90) << ms;
        EXPECT_FALSE(s.ImgGnammMucchio[4].visible) << ms;
        EXPECT_EQ(scintille(), 0) << ms;
    }
    // Landed crosswise where the pile shows it, the sparks midway.
    EXPECT_EQ(AngoloVolo(v, v.inizio + v.durata), 90);
    EXPECT_EQ(v.a.x + v.a.w / 2, posto.x + posto.w / 2);
    EXPECT_EQ(v.a.w, posto.h);
    EXPECT_EQ(inVolo(v, v.inizio + v.durata + kScoppioMs / 2), nullptr);
    EXPECT_TRUE(s.ImgGnammMucchio[4].visible);
    EXPECT_EQ(s.ImgGnammMucchio[4].rect, posto);
    EXPECT_EQ(scintille(), 8);
    for (const Element& e : s.ShpScintille) {  // spread out from the card's middle
        EXPECT_GT(std::abs(e.rect.x + e.rect.w / 2 - posto.x - posto.w / 2) +
                      std::abs(e.rect.y + e.rect.h / 2 - posto.y - posto.h / 2),
                  posto.h / 4);
    }
    EXPECT_TRUE(Anima(g));
    // Then all still: no sparks, no frame more asked for.
    clock.set(v.inizio + v.durata + kScoppioMs);
    Anima(g);
    EXPECT_EQ(scintille(), 0);
    EXPECT_TRUE(s.ImgGnammMucchio[4].visible);
    clock.advance(kLampoGnammMs);
    EXPECT_FALSE(Anima(g));
    EXPECT_FALSE(g.inMoto);

    g.animazioni = false;
    g.game.mucchi.h.gnamm.push_back(Card::FromDeckPosition(2));
    RefreshScreen(g);
    presa.carta = Card::FromDeckPosition(2);
    g.voli.ascolta(presa, false);
    EXPECT_TRUE(g.voli.voli().empty() && g.voli.scoppi().empty());
    EXPECT_TRUE(s.ImgGnammMucchio[5].visible);
    EXPECT_EQ(scintille(), 0);
}

}  // namespace
}  // namespace gnamm::test_ui
