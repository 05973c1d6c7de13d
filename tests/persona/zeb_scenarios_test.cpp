// Nonno Zeb's remarks as the table and the computer's move call them: which set a sweep draws
// from, and what happens when comments are off or the sound is held.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>

#include "audio/ambience.h"
#include "game/ai/pc_turn.h"
#include "game/ai/position.h"
#include "persona/remarks.h"
#include "support/table_fixture.h"

namespace gnamm {
namespace {

using ::testing::AnyOfArray;
using ::testing::ElementsAre;
using test_tavolo::Banco;

std::vector<std::string> Voci(std::initializer_list<int> numeri) {
    std::vector<std::string> v;
    for (const int n : numeri)
        v.push_back("\\Zeb\\S" + std::string(n < 10 ? "0" : "") + std::to_string(n) + ".wav");
    return v;
}

// The computer holds one king and the table adds up to ten: its move sweeps the table.
void PreparaSpazzata(Banco& t, std::initializer_list<std::string_view> tavolo) {
    t.g.livello = Livello::Honest;
    t.g.tavolo = testing::Posizione(tavolo, {"Kc"});
    for (int p = 1; p < 20; ++p) t.g.screen.ImgCarta[p].visible = !t.g.tavolo.carta[p].empty();
    t.g.tavolo.carteInManoAPC = 1;
    t.g.tavolo.manche = 2;
    t.g.tavolo.carteRimasteNelMazzo = 24;
    t.g.tavolo.aChiTocca = Player::PC;
    PreparaMossePC(t.g);
    t.avanza(600);  // the computer shows its move
}

TEST(ZebOnTheComputersSweep, FourCardsDrawFromTheSixLineSet) {
    Banco t;
    PreparaSpazzata(t, {"2c", "2q", "3f", "3p"});
    const auto said = t.suonati(Channel::Commenti);
    ASSERT_EQ(said.size(), 1u);
    EXPECT_THAT(said[0], AnyOfArray(Voci({29, 30, 31, 32, 33, 34})));
    EXPECT_EQ(t.g.persona.gnammPCsup4.conta, 1);
    EXPECT_EQ(t.g.persona.gnammPCinf4.conta, 0);
    EXPECT_TRUE(t.g.suoni.spia.busy);
}

TEST(ZebOnTheComputersSweep, ThreeCardsDrawFromTheEightLineSet) {
    Banco t;
    PreparaSpazzata(t, {"2c", "3f", "5p"});
    const auto said = t.suonati(Channel::Commenti);
    ASSERT_EQ(said.size(), 1u);
    EXPECT_THAT(said[0], AnyOfArray(Voci({35, 36, 37, 38, 39, 40, 41, 42})));
    EXPECT_EQ(t.g.persona.gnammPCinf4.conta, 1);
    EXPECT_EQ(t.g.persona.gnammPCsup4.conta, 0);
}

TEST(ZebOnTheComputersSweep, CommentsOffLeaveTheCyclesUntouched) {
    Banco t;
    t.g.opzioni.commentiZeb = false;
    t.g.opzioni.rumoriCarte = true;
    PreparaSpazzata(t, {"2c", "2q", "3f", "3p"});
    EXPECT_TRUE(t.suonati(Channel::Commenti).empty());
    EXPECT_EQ(t.g.persona.gnammPCsup4.conta, 0);
    for (const bool detto : t.g.persona.gnammPCsup4.detto) EXPECT_FALSE(detto);
    // The card noise plays instead.
    EXPECT_EQ(t.suonati(Channel::Rumori).size(), 1u);
}

TEST(ZebOnTheComputersSweep, ARemarkFindingTheSoundHeldIsDroppedNotQueued) {
    Banco t;
    t.rng.forza(30, 10);
    Ambiente(t.g);  // Sa10 holds the indicator for 4270 ms
    PreparaSpazzata(t, {"2c", "2q", "3f", "3p"});
    t.avanza(20000);
    EXPECT_TRUE(t.suonati(Channel::Commenti).empty());
    EXPECT_EQ(t.g.persona.gnammPCsup4.conta, 0);
    EXPECT_FALSE(t.g.suoni.spia.busy);
}

}  // namespace
}  // namespace gnamm
