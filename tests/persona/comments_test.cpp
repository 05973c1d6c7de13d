// Nonno Zeb's remarks: the steps of a remark, its end, the level portrait and the Gnamm sets.
#include "persona/comments.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "persona/remarks.h"
#include "support/table_fixture.h"

namespace gnamm {
namespace {

using ::testing::ElementsAre;
using test_tavolo::Banco;

TEST(MostraCommento, SaysTheLineAndEndsItAfterItsDuration) {
    Banco t;
    t.g.livello = Livello::Cunning;
    MostraCommento(t.g, remarks::GnammH(4), true);

    EXPECT_THAT(t.traccia(Channel::Commenti),
                ElementsAre("Prev", "Close", "file:", "file:\\Zeb\\S04.wav", "Open", "Play"));
    EXPECT_TRUE(t.g.suoni.spia.busy);
    EXPECT_TRUE(t.g.screen.lblCommenti.visible);
    EXPECT_TRUE(t.g.screen.ImgFumetto.visible);
    EXPECT_EQ(t.g.screen.lblCommenti.text, "Sei più astuto di un coyote...");
    EXPECT_EQ(t.g.screen.ImgFumetto.picture, "\\Grafica\\Fumetto1.gif");
    EXPECT_EQ(t.g.screen.ImgRiquadro[0].picture, "\\Foto\\Foto07.jpg");

    t.avanza(2254);
    EXPECT_TRUE(t.g.suoni.spia.busy) << "still within its 2255 ms";
    t.avanza(1);
    EXPECT_FALSE(t.g.suoni.spia.busy);
    EXPECT_FALSE(t.g.screen.lblCommenti.visible);
    EXPECT_FALSE(t.g.screen.ImgFumetto.visible);
    EXPECT_EQ(t.g.screen.ImgRiquadro[0].picture, "\\Foto\\Foto24.jpg");
    EXPECT_FALSE(t.g.scheduler.isEnabled(Timer::DurataGnammH));
    // The voice is left to play out.
    EXPECT_EQ(t.traccia(Channel::Commenti).back(), "Play");
}

TEST(MostraCommento, WithoutTheBusyFlagLeavesTheIndicatorAlone) {
    Banco t;
    MostraCommento(t.g, remarks::Gioca(), false);
    EXPECT_FALSE(t.g.suoni.spia.busy);
    EXPECT_EQ(t.g.screen.ImgRiquadro[0].picture, "\\Foto\\Foto20.jpg");

    // A remark with no photo keeps the one on show.
    MostraCommento(t.g, remarks::Livello(Livello::Cheat), true);
    EXPECT_EQ(t.g.screen.ImgRiquadro[0].picture, "\\Foto\\Foto20.jpg");
    EXPECT_EQ(t.g.scheduler.interval(Timer::DurataGnammH), 1100);
}

TEST(MostraCommento, TheHallOfFameKeepsTheIndicatorBusyAfterTheRemark) {
    Banco t;
    t.g.screen.FraPannello[3].visible = true;
    MostraCommento(t.g, remarks::GnammH(3), true);
    t.avanza(5000);
    EXPECT_FALSE(t.g.screen.lblCommenti.visible);
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
    t.g.screen.FraPannello[3].visible = true;
    t.g.screen.lblCommenti.visible = true;
    t.g.screen.ImgRiquadro[0].picture = "\\Foto\\Foto22.jpg";
    t.g.scheduler.setInterval(Timer::AssoBevuto, 3650);
    t.g.scheduler.enable(Timer::AssoBevuto);
    t.avanza(3650);
    EXPECT_FALSE(t.g.scheduler.isEnabled(Timer::AssoBevuto));
    EXPECT_FALSE(t.g.suoni.spia.busy);
    EXPECT_FALSE(t.g.screen.lblCommenti.visible);
    EXPECT_EQ(t.g.screen.ImgRiquadro[0].picture, "\\Foto\\Foto18.jpg");
}

TEST(CommentoLivello, GreetsTheChosenLevel) {
    Banco t;
    CommentoLivello(t.g);
    EXPECT_TRUE(t.media.log().empty()) << "no level, no remark";

    t.g.livello = Livello::Cunning;
    CommentoLivello(t.g);
    EXPECT_EQ(t.g.screen.lblCommenti.text, "Gnamm!");
    EXPECT_THAT(t.suonati(Channel::Commenti), ElementsAre("\\Zeb\\S40.wav"));
    EXPECT_EQ(t.g.scheduler.interval(Timer::DurataGnammH), 950);
    EXPECT_TRUE(t.g.suoni.spia.busy);
}

TEST(CommentoFineIncontro, SilencesTheOthersAndStaysUntilHidden) {
    Banco t;
    t.g.scheduler.enable(Timer::DurataGnammH);
    t.g.scheduler.enable(Timer::DurataImpazienza);
    CommentoFineIncontro(t.g, remarks::HoVinto());

    EXPECT_FALSE(t.g.scheduler.isEnabled(Timer::DurataGnammH));
    EXPECT_FALSE(t.g.scheduler.isEnabled(Timer::DurataImpazienza));
    EXPECT_TRUE(t.g.suoni.spia.busy);
    EXPECT_THAT(t.traccia(Channel::Impazienza), ElementsAre("Stop", "Prev", "Close"));
    EXPECT_THAT(t.traccia(Channel::Commenti),
                ElementsAre("Stop", "Prev", "Close", "file:\\Zeb\\S46.wav", "Open", "Play"));
    t.avanza(60000);
    EXPECT_TRUE(t.g.screen.lblCommenti.visible);
    EXPECT_EQ(t.g.screen.lblCommenti.text, "Ho vinto, figliolo!!");
    EXPECT_EQ(t.g.screen.ImgRiquadro[0].picture, "\\Foto\\Foto16.jpg");
    EXPECT_TRUE(t.g.suoni.spia.busy);
}

// Says every line of a set through the game, one after another, and returns the voices.
template <typename Say>
std::vector<std::string> SayAll(Banco& t, int times, Say say) {
    std::vector<std::string> voices;
    for (int i = 0; i < times; ++i) {
        say(t.g);
        voices.push_back(t.suonati(Channel::Commenti).back());
        t.avanza(4000);
    }
    return voices;
}

TEST(GnammSets, EachLineOnceBeforeAnyTwiceAndTheCycleCarriesOn) {
    Banco t(2024);
    const std::vector<std::string> voices = SayAll(t, 12, GnammH);
    const std::set<std::string> distinct(voices.begin(), voices.end());
    EXPECT_EQ(distinct.size(), 12u);
    EXPECT_EQ(*distinct.begin(), "\\Zeb\\S01.wav");
    EXPECT_EQ(*distinct.rbegin(), "\\Zeb\\S12.wav");
    EXPECT_EQ(t.g.persona.gnammH.conta, 12);

    // The thirteenth starts a new cycle: counter 1, one flag set.
    GnammH(t.g);
    EXPECT_EQ(t.g.persona.gnammH.conta, 1);
    int set = 0;
    for (int k = 1; k <= 12; ++k) set += t.g.persona.gnammH.detto[static_cast<size_t>(k)] ? 1 : 0;
    EXPECT_EQ(set, 1);
}

TEST(GnammSets, TheComputersTwoSetsKeepTheirOwnCycles) {
    Banco t(99);
    const std::vector<std::string> small = SayAll(t, 8, GnammPCinf4);
    const std::vector<std::string> big = SayAll(t, 6, GnammPCsup4);
    EXPECT_EQ(std::set<std::string>(small.begin(), small.end()),
              (std::set<std::string>{"\\Zeb\\S35.wav", "\\Zeb\\S36.wav", "\\Zeb\\S37.wav",
                                     "\\Zeb\\S38.wav", "\\Zeb\\S39.wav", "\\Zeb\\S40.wav",
                                     "\\Zeb\\S41.wav", "\\Zeb\\S42.wav"}));
    EXPECT_EQ(std::set<std::string>(big.begin(), big.end()),
              (std::set<std::string>{"\\Zeb\\S29.wav", "\\Zeb\\S30.wav", "\\Zeb\\S31.wav",
                                     "\\Zeb\\S32.wav", "\\Zeb\\S33.wav", "\\Zeb\\S34.wav"}));
    EXPECT_EQ(t.g.persona.gnammH.conta, 0);
}

// A generator that always gives the same number.
class Stuck final : public RandomSource {
  public:
    double uniform() override { return 0.25; }
};

TEST(GnammSets, AStuckGeneratorStillGetsThroughTheCycle) {
    VirtualClock clock;
    Stuck rng;
    RecordingMediaPlayer media(clock);
    Game g(clock, rng, media, Paths{});
    for (int i = 0; i < 12; ++i) GnammH(g);
    const std::vector<std::string> voices = media.played(Channel::Commenti);
    EXPECT_EQ(std::set<std::string>(voices.begin(), voices.end()).size(), 12u);
}

}  // namespace
}  // namespace gnamm
