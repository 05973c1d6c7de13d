// Whole Giochi through the real code paths: the human clicks as a player would, the computer
// answers with its own move, and every card and every point must be accounted for.
#include <gtest/gtest.h>

#include <memory>

#include "audio/recording_media_player.h"
#include "game/capture_rules.h"
#include "game/deal.h"
#include "game/game.h"
#include "game/table_model.h"

namespace gnamm {
namespace {

struct Partita {
    explicit Partita(uint32_t seed) : rng(seed) {
        g.nome = "Ugo";
        g.livello = static_cast<Livello>(1 + seed % 3);
        g.opzioni.commentiZeb = seed % 2 == 0;
        g.opzioni.rumoriCarte = seed % 3 != 0;
        g.opzioni.giocoTerzaCarta = seed % 4 == 0 ? TerzaCarta::Automatic : TerzaCarta::Manual;
        g.tavolo.mazziere = seed % 2 == 0 ? Player::PC : Player::H;
        g.screen.FraSplash.visible = false;
    }

    void click(int k) { g.click(Target{TargetKind::Carta, k}); }

    // One look at the table: play the first card, or pick the first legal capture.
    void gioca() {
        const HumanTurnState& u = g.umano;
        if (g.tavolo.aChiTocca == Player::H && u.cartaGiocata == 0) {
            for (const int k : {4, 5, 6}) {
                if (!g.tavolo.carta[k].empty()) {
                    click(k);
                    return;
                }
            }
        }
        if (!u.puoiScegliere || u.presaDecisa) return;
        const int v = g.tavolo.valore(u.cartaGiocata);
        if (u.valoriUguali) {
            for (const int i : kPostiTavolo) {
                if (g.tavolo.valore(i) == v) {
                    click(i);
                    return;
                }
            }
        }
        const auto combinazioni = CombinazioniSomma(g.tavolo.carta, v);
        ASSERT_FALSE(combinazioni.empty());
        for (const int i : combinazioni.front()) {
            if (!u.scelta[i]) click(i);
        }
    }

    VirtualClock clock{TimeOfDay{2026, 12, 6, 21, 17, 0}};
    SeededRandom rng;
    RecordingMediaPlayer media{clock};
    Game g{clock, rng, media, Paths{}};
};

TEST(GiocoScenario, EveryCardAndEveryPointIsAccountedFor) {
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE(seed);
        auto p = std::make_unique<Partita>(seed);
        Game& g = p->g;
        NuovoGioco(g);
        AzzeraTabellone(g.punteggi);
        MescolaCarte(g);
        int passi = 0;
        while (!g.screen.FraQuando.visible && passi++ < 20000) {
            p->gioca();
            AdvanceVirtualTime(g, p->clock, 50);
            const int sulTavolo = ContaCarteSulTavolo(g.tavolo.carta);
            // Counted while the human is to play; the opening lay counts at its end.
            if (g.tavolo.aChiTocca == Player::H && g.umano.cartaGiocata == 0) {
                ASSERT_EQ(sulTavolo, g.tavolo.numeroCarteSulTavolo);
            }
            ASSERT_LE(sulTavolo, 12);
        }
        ASSERT_TRUE(g.screen.FraQuando.visible) << "the Gioco never ended";
        EXPECT_EQ(g.tavolo.carteRimasteNelMazzo, 0);
        EXPECT_EQ(g.tavolo.manche, 6);

        const Colonna& h = g.punteggi.h;
        const Colonna& pc = g.punteggi.pc;
        EXPECT_EQ(h.conta(PuntoMazzo::Carte) + pc.conta(PuntoMazzo::Carte), 40);
        EXPECT_EQ(h.conta(PuntoMazzo::Sette) + pc.conta(PuntoMazzo::Sette), 4);
        EXPECT_EQ(h.conta(PuntoMazzo::Quadri) + pc.conta(PuntoMazzo::Quadri), 10);
        EXPECT_EQ(h.conta(PuntoMazzo::Figure) + pc.conta(PuntoMazzo::Figure), 12);
        int puntiMazzo = 0;
        for (const PuntoMazzo r : kPuntiMazzo) {
            EXPECT_NE(h.haPunto(r), pc.haPunto(r)) << "each row goes to exactly one player";
            puntiMazzo += (h.haPunto(r) ? 1 : 0) + (pc.haPunto(r) ? 1 : 0);
        }
        EXPECT_NE(h.punto5DiCuori, pc.punto5DiCuori);
        EXPECT_EQ(puntiMazzo, 4);
        for (const Colonna* c : {&h, &pc}) {
            int propri = c->puntiGnamm + (c->punto5DiCuori ? 1 : 0);
            for (const PuntoMazzo r : kPuntiMazzo) propri += c->haPunto(r) ? 1 : 0;
            EXPECT_EQ(c->puntiGiocoInCorso, propri);
            EXPECT_EQ(c->puntiPartita, propri);
        }
    }
}

}  // namespace
}  // namespace gnamm
