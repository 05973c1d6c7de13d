// The music option and the music started with the name, which reach the music cycle.
#include <gtest/gtest.h>

#include "data/data_files.h"
#include "ui_fixture.h"

namespace gnamm {
namespace {

class MusicheOpzioni : public test_ui::UiTest {
  protected:
    void SetUp() override {
        avviaConNome();
        g.click({TargetKind::Pannelli, 2});
        media.clear();
    }
    void clic(int i) { g.click({TargetKind::VoceOpzioni, i}); }
};

TEST_F(MusicheOpzioni, MusicOffStopsThePieceAtOnce) {
    g.opzioni.musiche = false;
    clic(6);
    EXPECT_TRUE(g.opzioni.musiche);
    EXPECT_EQ(media.played(Channel::Musiche).size(), 1u);
    EXPECT_TRUE(g.scheduler.isEnabled(Timer::Musiche));
    clic(6);
    EXPECT_FALSE(g.scheduler.isEnabled(Timer::Musiche));
    EXPECT_FALSE(g.scheduler.isEnabled(Timer::Silenzio));
    EXPECT_EQ(g.suoni.contaMusiche, 0);
    EXPECT_EQ(media.log().back().command, Command::Close);
}

TEST_F(MusicheOpzioni, ChangingThePauseDuringTheSilenceRestartsItAtTheNewLength) {
    g.opzioni.musiche = false;
    clic(6);
    avanza(int64_t{1000} * g.suoni.contaMusiche);  // the piece's seconds counted down
    ASSERT_TRUE(g.scheduler.isEnabled(Timer::Silenzio));
    avanza(10'000);
    clic(15);  // "Middle" -> "Long"
    EXPECT_EQ(g.opzioni.pausaMusiche, PausaMusiche::Long);
    avanza(59'999);
    EXPECT_EQ(media.played(Channel::Musiche).size(), 1u);
    avanza(1);
    EXPECT_EQ(media.played(Channel::Musiche).size(), 2u);
    // Outside the pause a click only sets the length of the next one.
    clic(15);  // "Long" -> "Short"
    EXPECT_FALSE(g.scheduler.isEnabled(Timer::Silenzio));
    EXPECT_EQ(g.scheduler.interval(Timer::Silenzio), 15'000);
}

class MusicheAvvio : public test_ui::UiTest {};

TEST_F(MusicheAvvio, TheMusicStartsWithTheNameWhenWanted) {
    data::Settings s;
    s.opzioni.musiche = true;
    dati.write("GnImpo.txt", data::FormatSettings(s));
    Avvio(g, 12000, 9000);
    g.textInput("Zelda");
    EXPECT_TRUE(media.played(Channel::Musiche).empty());
    g.key(Key::Enter);
    EXPECT_EQ(media.played(Channel::Musiche).size(), 1u);
}

}  // namespace
}  // namespace gnamm
