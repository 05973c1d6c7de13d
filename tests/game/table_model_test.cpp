#include "game/table_model.h"

#include <gmock/gmock.h>

#include "game/capture_rules.h"
#include "game/deal.h"
#include "invariants.h"
#include "support/table_fixture.h"

namespace gnamm::test_tavolo {
namespace {

using TableModel = TableTest;

TEST_F(TableModel, FacesAndBacks) {
    MostraCarta(g, 12, C("Qp"));
    EXPECT_EQ(g.vista.ImgCarta[12].picture, "\\Carte\\Qp.jpg");
    EXPECT_TRUE(g.vista.ImgCarta[12].visible && g.vista.ShpCarta[12].visible);
    MostraCarta(g, 12, Card());  // no card: the old picture stays
    EXPECT_EQ(g.vista.ImgCarta[12].picture, "\\Carte\\Qp.jpg");

    g.opzioni.retroCarte = Retro::Star;
    g.opzioni.coloreCarte = ColoreCarte::Grey;
    g.vista.ImgCarta[2].visible = false;
    MostraRetro(g, 2);
    EXPECT_EQ(g.vista.ImgCarta[2].picture, "\\Grafica\\Star.gif");
    EXPECT_EQ(g.vista.ShpCarta[2].back, (Rgb{128, 128, 128}));
    EXPECT_TRUE(g.vista.ShpCarta[2].visible && !g.vista.ImgCarta[2].visible);
    // Out of range: nothing written.
    MostraCarta(g, kNumeroPosti, C("Ac"));
    MostraRetro(g, -1);
}

TEST_F(TableModel, ValoriRimastiNeverGoBelowZero) {
    for (int i = 0; i < 5; ++i) AggiornaValoriRimasti(g.tavolo, C("Jq"));
    EXPECT_EQ(g.tavolo.valoriRimasti[8], 0);
    AggiornaValoriRimasti(g.tavolo, Card());  // no card: nothing taken off
    EXPECT_EQ(g.tavolo.valoriRimasti[1], 4);
}

TEST_F(TableModel, ANewGiocoEmptiesTheTableAndThePool) {
    g.tavolo.mazziere = Player::PC;
    NuovoGioco(g);
    MescolaCarte(g);
    avanza(2200);
    ASSERT_FALSE(g.tavolo.carta[4].empty());  // a Gioco given up with cards in hand
    tavolo({{kPostoDodicesimo, "Kc"}});
    g.tavolo.manche = 6;
    g.tavolo.numeroCarteGiocate = 4;
    NuovoGioco(g);
    for (int i = 1; i <= kNumeroPosti - 1; ++i) {
        if (i == kPostoSpare) continue;
        EXPECT_TRUE(g.tavolo.carta[i].empty()) << i;
        EXPECT_FALSE(g.vista.ImgCarta[i].visible) << i;
    }
    for (int k = 1; k <= 40; ++k) {
        EXPECT_TRUE(g.tavolo.carteDaGiocare[k].empty() && !g.tavolo.distribuita[k]) << k;
    }
    EXPECT_THAT(sim::ControllaCarte(g), ::testing::IsEmpty());
    EXPECT_EQ(std::tuple(g.tavolo.contatoreCartaDaEstrarre, g.tavolo.manche,
                         g.tavolo.numeroCarteGiocate, g.tavolo.posizioneInserimentoCarta),
              std::tuple(1, 0, 0, 0));
    for (int v = 1; v <= 10; ++v) EXPECT_EQ(g.tavolo.valoriRimasti[v], 4);
}

}  // namespace
}  // namespace gnamm::test_tavolo
