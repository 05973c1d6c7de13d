// The ranking update, the hall of fame line and file, and the hall of fame panel.
#include "game/hall_of_fame.h"
#include "ui/hall_of_fame_panel.h"

#include <gtest/gtest.h>

#include <string>

#include "audio/recording_media_player.h"
#include "data/temp_dati.h"
#include "game/clock.h"
#include "game/game.h"
#include "game/random.h"

namespace gnamm {
namespace {

using data::RigaClassifica;

class HallOfFameTest : public ::testing::Test {
  protected:
    // Sets the ranking rows from the top; the rest stay empty.
    void righe(std::initializer_list<RigaClassifica> rows) {
        std::size_t i = 0;
        for (const auto& r : rows) g.classifica.classifica.righe[i++] = r;
    }
    const RigaClassifica& riga(int i) const {
        return g.classifica.classifica.righe[static_cast<std::size_t>(i - 1)];
    }
    // The end of a Torneo as the game runs it, with the given winner and Partite.
    void fineTorneo(bool vincePC, int partitePC, int partiteH) {
        g.partita.partitePC = partitePC;
        g.partita.partiteH = partiteH;
        g.partita.vincitore = vincePC ? std::string(LivelloText(g.livello)) : g.nome;
        LeggiClassifica(g);
        AggiornaClassifica(g);
        AggiornaAlbo(g);
        ScriviClassifica(g);
    }
    // The ranking update as the end of a Torneo runs it, with the panel's blinking under way.
    void vince(const std::string& nome) {
        g.scheduler.setInterval(Timer::LampeggiaScritta, 150);
        g.scheduler.enable(Timer::LampeggiaScritta);
        g.partita.vincitore = nome;
        AggiornaClassifica(g);
    }

    testing_support::TempDati dati;
    VirtualClock clock{TimeOfDay{2026, 12, 6, 9, 5, 0}};
    SeededRandom rng{3};
    RecordingMediaPlayer media{clock};
    Game g{clock, rng, media, Paths{{}, dati.dati()}};
};

TEST_F(HallOfFameTest, AFirstWinnerOnAnEmptyRankingTakesRowOne) {
    vince("Ugo");
    EXPECT_EQ(riga(1).nome, "Ugo");
    EXPECT_EQ(riga(1).torneiVinti, 1);
    EXPECT_EQ(g.classifica.inserimentoVincitore, 1);
    EXPECT_EQ(g.screen.lblNomeGiocatore[1].text, "Ugo");
    EXPECT_EQ(g.screen.lblTorneiVinti[1].text, "1");
    EXPECT_EQ(g.screen.lblPosizione[1].fore, colors::kYellow);
    EXPECT_EQ(g.screen.lblNomeGiocatore[1].fore, colors::kYellow);
    EXPECT_EQ(g.screen.lblNomeGiocatore[2].fore, colors::kWhite);
}

TEST_F(HallOfFameTest, AFirstWinnerGoesAheadOfOneWinAndBehindMoreAndRowTenDropsOut) {
    righe({{"A", 5},
           {"B", 2},
           {"C", 1},
           {"D", 1},
           {"E", 1},
           {"F", 1},
           {"G", 1},
           {"H", 1},
           {"I", 1},
           {"J", 1}});
    vince("Zoe");
    EXPECT_EQ(riga(3).nome, "Zoe");
    EXPECT_EQ(riga(3).torneiVinti, 1);
    EXPECT_EQ(riga(4).nome, "C");
    EXPECT_EQ(riga(10).nome, "I");  // J has dropped out
    EXPECT_EQ(riga(2).nome, "B");
    EXPECT_EQ(g.classifica.inserimentoVincitore, 3);
}

TEST_F(HallOfFameTest, AWinnerMovesAheadOfEqualCountsNewestFirst) {
    righe({{"A", 4}, {"B", 3}, {"C", 3}, {"D", 2}, {"E", 1}});
    vince("D");  // 3 wins now: ahead of B and C
    EXPECT_EQ(riga(1).nome, "A");
    EXPECT_EQ(riga(2).nome, "D");
    EXPECT_EQ(riga(2).torneiVinti, 3);
    EXPECT_EQ(riga(3).nome, "B");
    EXPECT_EQ(riga(4).nome, "C");
    EXPECT_EQ(riga(5).nome, "E");
    EXPECT_EQ(g.classifica.inserimentoVincitore, 2);
}

TEST_F(HallOfFameTest, AWinnerAlreadyFirstOnlyCounts) {
    righe({{"A", 4}, {"B", 4}});
    vince("A");
    EXPECT_EQ(riga(1).nome, "A");
    EXPECT_EQ(riga(1).torneiVinti, 5);
    EXPECT_EQ(riga(2).nome, "B");
    EXPECT_EQ(g.classifica.inserimentoVincitore, 1);
    // Equal to the row above: the newest winner goes first.
    vince("B");
    EXPECT_EQ(riga(1).nome, "B");
    EXPECT_EQ(riga(1).torneiVinti, 5);
    EXPECT_EQ(riga(2).nome, "A");
    // Behind a row with more: stays in place.
    righe({{"A", 7}, {"B", 4}, {"C", 4}});
    vince("B");
    EXPECT_EQ(riga(2).nome, "B");
    EXPECT_EQ(riga(2).torneiVinti, 5);
    EXPECT_EQ(riga(3).nome, "C");
    EXPECT_EQ(g.classifica.inserimentoVincitore, 2);
}

TEST_F(HallOfFameTest, NamesAreComparedExactly) {
    righe({{"Ugo", 1}});
    vince("ugo");
    EXPECT_EQ(riga(1).nome, "ugo");
    EXPECT_EQ(riga(2).nome, "Ugo");
    EXPECT_EQ(riga(2).torneiVinti, 1);
}

TEST_F(HallOfFameTest, AFirstWinnerFindingNoRowIsNotEnteredButTheTorneoIsRecorded) {
    for (int i = 0; i < 10; ++i) {
        g.classifica.classifica.righe[static_cast<std::size_t>(i)] = {"P" + std::to_string(i),
                                                                      12 - i};
    }
    ASSERT_TRUE(data::SaveRanking(dati.dati(), g.classifica.classifica));
    const data::Ranking prima = g.classifica.classifica;
    g.nome = "Nuovo";
    g.livello = Livello::Cheat;
    fineTorneo(false, 1, 3);
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(g.classifica.classifica.righe[i].nome, prima.righe[i].nome);
        EXPECT_EQ(g.classifica.classifica.righe[i].torneiVinti, prima.righe[i].torneiVinti);
    }
    for (int i = 1; i <= 10; ++i) EXPECT_NE(riga(i).nome, "Nuovo");
    EXPECT_EQ(g.classifica.inserimentoVincitore, kRigaNessuna);
    for (std::size_t k = 1; k <= 10; ++k)
        EXPECT_EQ(g.screen.lblNomeGiocatore[k].fore, colors::kWhite);
    ASSERT_EQ(g.classifica.albo.size(), 1u);
    EXPECT_EQ(g.classifica.albo[0], "1) Nuovo - 'Cheat' Zeb  3-1  6/12/26  9:05");
    EXPECT_EQ(g.classifica.classifica.totalePartite, 1);
}

TEST(HallOfFameLine, MinutesArePaddedHoursAndDatesAreNot) {
    EXPECT_EQ(RigaAlbo(1, "Ugo", "'Honest' Zeb", 3, 0, 6, 12, 2026, 9, 5),
              "1) Ugo - 'Honest' Zeb  3-0  6/12/26  9:05");
    EXPECT_EQ(RigaAlbo(12, "'Cheat' Zeb", "Ugo", 3, 2, 1, 1, 2005, 0, 0),
              "12) 'Cheat' Zeb - Ugo  3-2  1/1/05  0:00");
    for (int m = 0; m < 10; ++m) {
        EXPECT_EQ(RigaAlbo(1, "a", "b", 3, 1, 31, 10, 2099, 23, m),
                  "1) a - b  3-1  31/10/99  23:0" + std::to_string(m));
    }
    EXPECT_EQ(RigaAlbo(1, "a", "b", 3, 1, 31, 10, 2000, 13, 10), "1) a - b  3-1  31/10/00  13:10");
}

TEST_F(HallOfFameTest, TheFilesAfterTwoTorneiAndARestartShowTheSame) {
    data::PrepareDataFolder(dati.dati());
    LeggiClassifica(g);
    CaricaAlbo(g);
    g.nome = "Niccolò";
    g.livello = Livello::Honest;
    fineTorneo(false, 2, 3);
    clock.advance(61 * 60 * 1000);  // 10:06
    g.livello = Livello::Cunning;
    fineTorneo(true, 3, 0);

    EXPECT_EQ(dati.read("GnAlbo.txt"),
              "\"1) Niccolò - 'Honest' Zeb  3-2  6/12/26  9:05\"\r\n"
              "\"2) 'Cunning' Zeb - Niccolò  3-0  6/12/26  10:06\"\r\n"
              "\"\"\r\n");
    // The newest winner stands ahead of an equal count.
    std::string cls = "\"'Cunning' Zeb\"\r\n\"1\"\r\n\"Niccolò\"\r\n\"1\"\r\n";
    for (int i = 2; i < 10; ++i) cls += "\"\"\r\n\"0\"\r\n";
    cls += "\"2\"\r\n";
    EXPECT_EQ(dati.read("GnClass.txt"), cls);

    VirtualClock clock2;
    RecordingMediaPlayer media2{clock2};
    Game dopo{clock2, rng, media2, Paths{{}, dati.dati()}};
    LeggiClassifica(dopo);
    CaricaAlbo(dopo);
    EXPECT_EQ(dopo.classifica.albo, g.classifica.albo);
    EXPECT_EQ(dopo.screen.LstAlboLines, g.classifica.albo);
    EXPECT_EQ(dopo.classifica.classifica.totalePartite, 2);
    EXPECT_EQ(dopo.screen.lblNomeGiocatore[1].text, "'Cunning' Zeb");
    EXPECT_EQ(dopo.screen.lblNomeGiocatore[2].text, "Niccolò");
    EXPECT_EQ(dopo.screen.lblTorneiVinti[3].text, "0");
}

TEST_F(HallOfFameTest, ACounterAheadOfTheListFollowsTheListAndTheFilesAgreeAgain) {
    std::string cls;
    for (int i = 0; i < 10; ++i) cls += "\"\"\r\n\"0\"\r\n";
    dati.write("GnClass.txt", cls + "\"5\"\r\n");
    dati.write("GnAlbo.txt", "\"1) a - b  3-0  1/1/26  1:00\"\r\n\"\"\r\n");
    LeggiClassifica(g);
    CaricaAlbo(g);
    EXPECT_EQ(g.classifica.albo.size(), 1u);
    EXPECT_EQ(g.classifica.classifica.totalePartite, 1);
    EXPECT_EQ(dati.read("GnClass.txt"), cls + "\"1\"\r\n");
    g.nome = "Ugo";
    g.livello = Livello::Honest;
    fineTorneo(false, 0, 3);
    EXPECT_EQ(g.classifica.albo.back().substr(0, 3), "2) ");
}

TEST_F(HallOfFameTest, AnUnreadableCounterIsRebuiltFromTheList) {
    dati.write("GnClass.txt", "\"Ugo\"\r\n\"x\"\r\n");
    dati.write("GnAlbo.txt", "\"1) a\"\r\n\"2) b\"\r\n\"\"\r\n");
    LeggiClassifica(g);
    CaricaAlbo(g);
    EXPECT_EQ(g.classifica.albo.size(), 2u);
    EXPECT_EQ(g.classifica.classifica.totalePartite, 2);
    EXPECT_TRUE(dati.exists("GnClass.txt.bad"));
    EXPECT_EQ(data::LoadRanking(dati.dati()).value.totalePartite, 2);
}

TEST_F(HallOfFameTest, ThePanelBlinksTheLineTheRowAndTheSuits) {
    vince("Ugo");
    g.classifica.vincitoreEvidenziato = false;
    g.scheduler.setInterval(Timer::LampeggiaScritta, 150);
    g.scheduler.enable(Timer::LampeggiaScritta);
    const Element& riga = g.screen.lblNomeGiocatore[1];
    const Element& istruzione = g.screen.lblRegole[19];
    auto semi = [&] {
        std::string s;
        for (const auto& e : g.screen.ImgSeme) s += e.picture.substr(9, 1);
        return s;
    };
    std::string visto;
    for (int tick = 1; tick <= 16; ++tick) {
        AdvanceVirtualTime(g, clock, 150);
        visto += (istruzione.visible ? "I" : "-");
        visto += (riga.fore == colors::kYellow ? "Y" : "w");
        visto += semi() + " ";
    }
    EXPECT_EQ(visto,
              "-wCFQP IYCFQP IYPCFQ IYPCFQ IYQPCF IYQPCF IYFQPC -wCFQP "
              "-wCFQP IYCFQP IYPCFQ IYPCFQ IYQPCF IYQPCF IYFQPC -wCFQP ");
    EXPECT_EQ(istruzione.text,
              "Per far scomparire questo Pannello e iniziare un nuovo Torneo premi INVIO!");
}

TEST_F(HallOfFameTest, TheLevelPromptIsHiddenTwoTicksAndShownSeven) {
    g.scheduler.setInterval(Timer::LampeggiaScritta2, 150);
    g.scheduler.enable(Timer::LampeggiaScritta2);
    std::string visto;
    for (int tick = 1; tick <= 18; ++tick) {
        AdvanceVirtualTime(g, clock, 150);
        visto += g.screen.lblRegole[17].visible ? "1" : "0";
    }
    EXPECT_EQ(visto, "011111110011111110");
}

TEST_F(HallOfFameTest, TheCaptionTogglesThePanelAndTheCover) {
    EXPECT_FALSE(g.screen.FraPannello[3].visible);
    ToggleClassifica(g);
    EXPECT_TRUE(g.screen.FraPannello[3].visible);
    EXPECT_TRUE(g.screen.lblCopriCarte.visible);
    EXPECT_EQ(g.screen.FraPannello[3].rect.x, 3130);
    EXPECT_EQ(g.screen.FraPannello[3].rect.y, 615);
    EXPECT_EQ(g.screen.lblCopriCarte.rect.x, 2025);
    EXPECT_EQ(g.screen.lblCopriCarte.rect.y, 3300);
    EXPECT_EQ(g.screen.lblCopriCarte.back, g.screen.windowBack);
    ToggleClassifica(g);
    EXPECT_FALSE(g.screen.FraPannello[3].visible);
    EXPECT_FALSE(g.screen.lblCopriCarte.visible);
}

TEST_F(HallOfFameTest, ClosingThePanelDuringPlayLetsTheIndicatorGoUnlessASoundRuns) {
    // A remark under way when the panel opens ends while it shows: the indicator stays taken.
    g.suoni.spia.busy = true;
    g.scheduler.setInterval(Timer::DurataGnammH, 700);
    g.scheduler.enable(Timer::DurataGnammH);
    ToggleClassifica(g);
    AdvanceVirtualTime(g, clock, 700);
    EXPECT_TRUE(g.suoni.spia.busy);
    // Closed again, Nonno Zeb may speak: nothing holds the indicator any more.
    ToggleClassifica(g);
    EXPECT_TRUE(g.suoni.spia.free());

    // A capture noise or a saloon sound still playing keeps it until its own end.
    for (const bool saloon : {false, true}) {
        g.suoni.spia.busy = true;
        g.suoni.spia.ambiente = saloon ? 7 : 0;
        const Timer fine = saloon ? Timer::DurataAmbiente : Timer::Presa;
        g.scheduler.setInterval(fine, 365);
        g.scheduler.enable(fine);
        ToggleClassifica(g);
        ToggleClassifica(g);
        EXPECT_TRUE(g.suoni.spia.busy) << saloon;
        AdvanceVirtualTime(g, clock, 365);
        EXPECT_TRUE(g.suoni.spia.free()) << saloon;
        g.scheduler.disable(Timer::Ambiente);
    }
}

TEST_F(HallOfFameTest, OnALargerScreenThePanelOpensWhereTheLayoutPutIt) {
    g.screen.widthTwips = 24000;
    g.screen.heightTwips = 18000;
    ToggleClassifica(g);
    EXPECT_EQ(g.screen.FraPannello[3].rect.x, 6260);
    EXPECT_EQ(g.screen.FraPannello[3].rect.y, 1230);
    EXPECT_EQ(g.screen.lblCopriCarte.rect.x, 4050);
    EXPECT_EQ(g.screen.lblCopriCarte.rect.y, 6600);
}

TEST_F(HallOfFameTest, ClosingAfterATorneoStopsTheBlinkingAndWhitensTheRow) {
    vince("Ugo");
    ApriClassifica(g);
    g.scheduler.setInterval(Timer::LampeggiaScritta, 150);
    g.scheduler.enable(Timer::LampeggiaScritta);
    AdvanceVirtualTime(g, clock, 450);
    ChiudiClassifica(g);
    EXPECT_FALSE(g.scheduler.isEnabled(Timer::LampeggiaScritta));
    EXPECT_EQ(g.classifica.lampeggia, 0);
    EXPECT_FALSE(g.screen.FraPannello[3].visible);
    EXPECT_FALSE(g.screen.lblRegole[19].visible);
    EXPECT_EQ(g.screen.lblNomeGiocatore[1].fore, colors::kWhite);
    EXPECT_EQ(g.screen.ImgSeme[0].picture, "\\Grafica\\Cuori.jpg");
}

}  // namespace
}  // namespace gnamm
