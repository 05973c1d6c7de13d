#include <gtest/gtest.h>

#include <tuple>

#include "game/capture_execution.h"
#include "game/human_turn.h"
#include "support/table_fixture.h"

namespace gnamm::test_tavolo {
namespace {

using HumanTurn = TableTest;

TEST_F(HumanTurn, SingleEqualCardIsCapturedAfterThePause) {
    tavolo({{7, "5q"}, {8, "Kc"}});
    turnoUmano({{4, "5c"}, {5, "2f"}, {6, "3p"}});
    click(4);
    EXPECT_EQ(g.tavolo.aChiTocca, Player::PC);
    EXPECT_EQ(g.tavolo.numeroCarteGiocate, 1);
    EXPECT_TRUE(contorno(4) && contorno(7) && !contorno(8));
    EXPECT_EQ(coloreContorno(7), colors::kCapture);

    click(5);  // a second card cannot be played meanwhile
    EXPECT_EQ(g.umano.cartaGiocata, 4);
    EXPECT_EQ(carte({5}), "2f");
    avanza(599);
    EXPECT_EQ(carte({7}), "5q");
    avanza(1);
    EXPECT_EQ(carte({7, 4}), "- -");
    EXPECT_FALSE(g.vista.ImgCarta[4].visible || contorno(7));
    EXPECT_EQ(std::tuple(g.punteggi.h.conta(PuntoMazzo::Carte), g.punteggi.h.puntiGnamm,
                         g.tavolo.numeroCarteSulTavolo, g.tavolo.carteInManoAdH),
              std::tuple(2, 0, 1, 2));
    EXPECT_EQ(g.tavolo.ultimaCattura, Player::H);
    EXPECT_TRUE(attivo(Timer::RitardoMossaPC)) << "the computer's move search has run";
}

TEST_F(HumanTurn, ChoiceAmongEqualCards) {
    tavolo({{7, "5q"}, {8, "5f"}, {9, "Kc"}});
    turnoUmano({{4, "5c"}, {5, "2f"}, {6, "3p"}});
    click(4);
    EXPECT_EQ(g.vista.lblIstruzioni.text,
              "Scegli, fra le 2 Carte uguali presenti sul tavolo, quale vuoi catturare!");
    EXPECT_TRUE(g.umano.puoiScegliere);
    EXPECT_EQ(coloreContorno(4), colors::kPick);
    EXPECT_FALSE(attivo(Timer::ScompaionoCarteH));
    click(9);  // another value: nothing
    EXPECT_FALSE(contorno(9) || attivo(Timer::ScompaionoCarteH));
    click(8);
    EXPECT_TRUE(attivo(Timer::ScompaionoCarteH));
    EXPECT_TRUE(coloreContorno(8) == colors::kCapture && coloreContorno(4) == colors::kCapture);
    click(7);  // the capture is decided: further table clicks do not count
    EXPECT_FALSE(contorno(7) || g.umano.marcaPresa[7]);
    avanza(600);
    EXPECT_EQ(carte({7, 8}), "5q -");
    EXPECT_FALSE(g.umano.puoiScegliere);
}

TEST_F(HumanTurn, SumChoiceWithPickAndUnpick) {
    tavolo({{7, "3c"}, {8, "3q"}, {9, "4f"}, {10, "Kc"}});
    turnoUmano({{4, "7p"}, {5, "2f"}});
    click(4);
    EXPECT_EQ(g.vista.lblIstruzioni.text,
              "Hai 2 combinazioni di presa: clicca quelle carte sul tavolo che vuoi catturare!");
    click(10);  // above the played value: nothing
    EXPECT_FALSE(contorno(10));
    click(7);
    EXPECT_TRUE(g.umano.valoreTotalePresa == 3 && contorno(7));
    EXPECT_EQ(coloreContorno(7), colors::kPick);
    click(8);
    EXPECT_EQ(g.umano.valoreTotalePresa, 6);
    click(9);  // 10 is too much: refused
    EXPECT_TRUE(g.umano.valoreTotalePresa == 6 && !contorno(9));
    click(7);  // un-pick
    EXPECT_TRUE(g.umano.valoreTotalePresa == 3 && !contorno(7));
    EXPECT_FALSE(attivo(Timer::ScompaionoCarteH));
    click(9);
    EXPECT_TRUE(g.umano.valoreTotalePresa == 7 && attivo(Timer::ScompaionoCarteH));
    EXPECT_TRUE(coloreContorno(8) == colors::kCapture && coloreContorno(9) == colors::kCapture);
    click(8);  // no un-pick once decided
    EXPECT_TRUE(contorno(8) && g.umano.valoreTotalePresa == 7);
    avanza(600);
    EXPECT_EQ(carte({7, 8, 9}), "3c - -");
    EXPECT_EQ(g.punteggi.h.conta(PuntoMazzo::Sette), 1);
}

TEST_F(HumanTurn, ReproachesNameThePlayerUntilACardIsPlayed) {
    g.opzioni.commentiZeb = true;
    tavolo({{12, "4c"}});
    turnoUmano({{4, "Kp"}, {5, "2f"}});
    click(12);
    EXPECT_EQ(g.vista.lblIstruzioni.text,
              "Non devi cliccare le carte sul tavolo, Ugo,  ma una delle tue!!");
    EXPECT_EQ(media.played(Channel::Commenti), std::vector<std::string>({"\\Zeb\\S28.wav"}));
    EXPECT_TRUE(g.suoni.spia.busy);
    EXPECT_EQ(g.scheduler.interval(Timer::DurataGnammH), 320);
    click(2);
    EXPECT_EQ(g.vista.lblIstruzioni.text, "Come ti permetti di cliccare le mie carte, Ugo??");
    // The indicator was busy: no second voice.
    EXPECT_EQ(media.played(Channel::Commenti).size(), 1u);
    click(0);
    EXPECT_EQ(g.vista.lblIstruzioni.text,
              "O Ugo, devi cliccare una delle tue carte, non il mazzo!!");
    avanza(320);
    EXPECT_FALSE(g.suoni.spia.busy);
    click(5);  // a hand card never reproaches: it is played (the 2 is laid)
    EXPECT_EQ(g.tavolo.aChiTocca, Player::PC);
    const std::string dopo = g.vista.lblIstruzioni.text;
    for (const int k : {0, 2, 12}) click(k);
    EXPECT_EQ(g.vista.lblIstruzioni.text, dopo);
    EXPECT_EQ(media.played(Channel::Commenti).size(), 1u);
}

TEST_F(HumanTurn, TheLastCardPlaysItself) {
    tavolo({{7, "Kc"}, {8, "Qc"}});
    turnoUmano({{6, "2f"}}, 3, 5);
    g.scheduler.setInterval(Timer::MuoviHAutomatico, 750);
    g.scheduler.enable(Timer::MuoviHAutomatico);
    avanza(749);
    EXPECT_EQ(g.tavolo.aChiTocca, Player::H);
    avanza(1);
    EXPECT_FALSE(attivo(Timer::MuoviHAutomatico));
    EXPECT_EQ(carte({9, 6}), "2f -");
    // The sixth card of the Manche: the next deal follows.
    EXPECT_TRUE(attivo(Timer::Scegli6Carte));
}

}  // namespace
}  // namespace gnamm::test_tavolo
