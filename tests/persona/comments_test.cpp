// Nonno Zeb's remarks: the steps of a remark, its end, the level portrait and the Gnamm sets.
#include "persona/comments.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "persona/remarks.h"
#include "support/table_fixture.h"

namespace gnamm {
namespace {

using test_tavolo::Banco;
using ::testing::ElementsAre;

TEST(MostraCommento, SaysTheLineAndEndsItAfterItsDuration) {
    Banco t;
    t.g.livello = Livello::Cunning;
    const Commento c = remarks::GnammH(4);
    MostraCommento(t.g, c, true);
    EXPECT_THAT(t.traccia(Channel::Commenti),
                ElementsAre("Prev", "Close", "file:", "file:" + c.voce, "Open", "Play"));
    EXPECT_TRUE(t.g.suoni.spia.busy);
    EXPECT_TRUE(t.g.vista.lblCommenti.visible && t.g.vista.ImgFumetto.visible);
    EXPECT_EQ(t.g.vista.lblCommenti.text, c.testo);
    EXPECT_EQ(t.g.vista.ImgFumetto.picture, c.fumetto);
    EXPECT_EQ(t.g.vista.fotoZeb, c.foto);

    t.avanza(c.durataMs - 1);
    EXPECT_TRUE(t.g.suoni.spia.busy) << "still within its duration";
    t.avanza(1);
    EXPECT_FALSE(t.g.suoni.spia.busy);
    EXPECT_FALSE(t.g.vista.lblCommenti.visible || t.g.vista.ImgFumetto.visible);
    EXPECT_EQ(t.g.vista.fotoZeb, "\\Foto\\Foto24.jpg");  // Cunning's portrait
    EXPECT_FALSE(t.attivo(Timer::DurataGnammH));
    EXPECT_EQ(t.traccia(Channel::Commenti).back(), "Play") << "the voice is left to play out";
}

TEST(MostraCommento, WithoutTheBusyFlagLeavesTheIndicatorAloneAndNoPhotoKeepsTheOneShown) {
    Banco t;
    MostraCommento(t.g, remarks::Gioca(), false);
    EXPECT_FALSE(t.g.suoni.spia.busy);
    MostraCommento(t.g, remarks::Livello(Livello::Cheat), true);
    EXPECT_EQ(t.g.vista.fotoZeb, remarks::Gioca().foto);
}

TEST(MostraCommento, TheHallOfFameKeepsTheIndicatorBusyAfterTheRemark) {
    Banco t;
    t.g.classifica.alboAperto = true;
    MostraCommento(t.g, remarks::GnammH(3), true);
    t.avanza(5000);
    EXPECT_FALSE(t.g.vista.lblCommenti.visible);
    EXPECT_TRUE(t.g.suoni.spia.busy);
}

TEST(MostraCommento, ANewRemarkCutsTheRunningOneAndTakesItsDuration) {
    Banco t;
    MostraCommento(t.g, remarks::GnammPCsup4(1), true);  // 3700 ms
    t.avanza(1000);
    MostraCommento(t.g, remarks::GnammH(8), true);  // 725 ms
    t.avanza(725);
    EXPECT_FALSE(t.g.suoni.spia.busy);
    EXPECT_THAT(t.suonati(Channel::Commenti), ElementsAre("\\Zeb\\S29.wav", "\\Zeb\\S08.wav"));
}

TEST(OnAssoBevuto, EndsTheAceRemarkAndFreesTheIndicatorEvenUnderTheHallOfFame) {
    Banco t;
    t.g.livello = Livello::Honest;
    t.g.suoni.spia.busy = true;
    t.g.classifica.alboAperto = true;
    t.g.vista.lblCommenti.visible = true;
    t.g.scheduler.setInterval(Timer::AssoBevuto, 3650);
    t.g.scheduler.enable(Timer::AssoBevuto);
    t.avanza(3650);
    EXPECT_FALSE(t.attivo(Timer::AssoBevuto));
    EXPECT_FALSE(t.g.suoni.spia.busy);
    EXPECT_FALSE(t.g.vista.lblCommenti.visible);
    EXPECT_EQ(t.g.vista.fotoZeb, "\\Foto\\Foto18.jpg");  // Honest's portrait
}

TEST(CommentoLivello, GreetsTheChosenLevelOnly) {
    Banco t;
    CommentoLivello(t.g);
    EXPECT_TRUE(t.media.log().empty()) << "no level, no remark";
    t.g.livello = Livello::Cunning;
    CommentoLivello(t.g);
    EXPECT_THAT(t.suonati(Channel::Commenti), ElementsAre(remarks::Livello(Livello::Cunning).voce));
    EXPECT_TRUE(t.g.suoni.spia.busy);
}

TEST(CommentoFineIncontro, SilencesTheOthersAndStaysUntilHidden) {
    Banco t;
    t.g.scheduler.enable(Timer::DurataGnammH);
    t.g.scheduler.enable(Timer::DurataImpazienza);
    CommentoFineIncontro(t.g, remarks::HoVinto());
    EXPECT_FALSE(t.attivo(Timer::DurataGnammH) || t.attivo(Timer::DurataImpazienza));
    EXPECT_THAT(t.traccia(Channel::Impazienza), ElementsAre("Stop", "Prev", "Close"));
    EXPECT_THAT(t.suonati(Channel::Commenti), ElementsAre(remarks::HoVinto().voce));
    t.avanza(60000);
    EXPECT_TRUE(t.g.vista.lblCommenti.visible);
    EXPECT_EQ(t.g.vista.lblCommenti.text, remarks::HoVinto().testo);
    EXPECT_TRUE(t.g.suoni.spia.busy);
}

// Each set says every line once before any twice, whatever the generator gives, and keeps a
// cycle of its own.
TEST(GnammSets, EachLineOnceBeforeAnyTwiceAndEachSetItsOwnCycle) {
    const struct {
        void (*say)(Game&);
        int righe;
        Commento (*riga)(int);
    } sets[] = {{GnammH, remarks::kGnammH, remarks::GnammH},
                {GnammPCinf4, remarks::kGnammPCinf4, remarks::GnammPCinf4},
                {GnammPCsup4, remarks::kGnammPCsup4, remarks::GnammPCsup4}};
    for (const bool stuck : {false, true}) {
        Banco t(2024);
        testing_support::FixedRandom fixed;
        Finestra g(t.clock, stuck ? static_cast<RandomSource&>(fixed) : t.rng, t.media, Paths{});
        for (const auto& set : sets) {
            t.media.clear();
            for (int i = 0; i < set.righe; ++i) {
                set.say(g);
                AdvanceVirtualTime(g, t.clock, 4000);
            }
            const auto voices = t.suonati(Channel::Commenti);
            std::set<std::string> attese;
            for (int k = 1; k <= set.righe; ++k) attese.insert(set.riga(k).voce);
            EXPECT_EQ(std::set<std::string>(voices.begin(), voices.end()), attese) << stuck;
        }
        EXPECT_EQ(g.persona.gnammH.conta, remarks::kGnammH);
        // The thirteenth starts a new cycle: counter 1, one flag set.
        GnammH(g);
        EXPECT_EQ(g.persona.gnammH.conta, 1);
        int set = 0;
        for (const bool detto : g.persona.gnammH.detto) set += detto ? 1 : 0;
        EXPECT_EQ(set, 1);
    }
}

}  // namespace
}  // namespace gnamm
