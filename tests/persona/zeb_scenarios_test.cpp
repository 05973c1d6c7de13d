// Nonno Zeb's remarks as the computer's move calls them: which set a sweep draws from, and what
// happens when comments are off or the sound is held.
#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <string>
#include <string_view>

#include "audio/ambience.h"
#include "game/ai/pc_turn.h"
#include "persona/remarks.h"
#include "support/table_fixture.h"

namespace gnamm {
namespace {

using test_tavolo::Banco;

// The computer holds one king and the table adds up to ten: its move sweeps the table.
void PreparaSpazzata(Banco& t, std::initializer_list<std::string_view> tavolo) {
    t.g.livello = Livello::Honest;
    t.g.tavolo = test_tavolo::Posizione(tavolo, {"Kc"});
    for (int p = 1; p < 20; ++p) t.g.vista.ImgCarta[p].visible = !t.g.tavolo.carta[p].empty();
    t.g.tavolo.carteInManoAPC = 1;
    t.g.tavolo.manche = 2;
    t.g.tavolo.carteRimasteNelMazzo = 24;
    t.g.tavolo.aChiTocca = Player::PC;
    PreparaMossePC(t.g);
    t.avanza(600);  // the computer shows its move
}

TEST(ZebOnTheComputersSweep, FourCardsOrMoreDrawFromTheLongSetFewerFromTheShort) {
    const struct {
        std::initializer_list<std::string_view> tavolo;
        Commento (*riga)(int);
        int righe;
        bool lungo;
    } casi[] = {{{"2c", "2q", "3f", "3p"}, remarks::GnammPCsup4, remarks::kGnammPCsup4, true},
                {{"2c", "3f", "5p"}, remarks::GnammPCinf4, remarks::kGnammPCinf4, false}};
    for (const auto& caso : casi) {
        Banco t;
        PreparaSpazzata(t, caso.tavolo);
        std::set<std::string> voci;
        for (int k = 1; k <= caso.righe; ++k) voci.insert(caso.riga(k).voce);
        const auto said = t.suonati(Channel::Commenti);
        ASSERT_EQ(said.size(), 1u);
        EXPECT_EQ(voci.count(said[0]), 1u) << said[0];
        EXPECT_EQ(t.g.persona.gnammPCsup4.conta, caso.lungo ? 1 : 0);
        EXPECT_EQ(t.g.persona.gnammPCinf4.conta, caso.lungo ? 0 : 1);
        EXPECT_TRUE(t.g.suoni.spia.busy);
    }
}

TEST(ZebOnTheComputersSweep, CommentsOffLeaveTheCyclesUntouchedAndTheNoisePlays) {
    Banco t;
    t.g.opzioni.commentiZeb = false;
    t.g.opzioni.rumoriCarte = true;
    PreparaSpazzata(t, {"2c", "2q", "3f", "3p"});
    EXPECT_TRUE(t.suonati(Channel::Commenti).empty());
    EXPECT_EQ(t.g.persona.gnammPCsup4.conta, 0);
    for (const bool detto : t.g.persona.gnammPCsup4.detto) EXPECT_FALSE(detto);
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
