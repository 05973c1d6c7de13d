// Nonno Zeb urging a slow player: the waits, the retries while the sound is held, and the
// photo that waits for the human's move.
#include "persona/impatience.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "audio/ambience.h"
#include "persona/comments.h"
#include "persona/remarks.h"
#include "support/table_fixture.h"

namespace gnamm {
namespace {

using test_tavolo::Banco;

// Time of the first Play on the impatience channel at or after `from`, or -1.
int64_t NextUrging(const Banco& t, int64_t from) {
    for (const auto& e : t.media.log()) {
        if (e.channel == Channel::Impazienza && !e.isFile && e.command == Command::Play &&
            e.timeMs >= from) {
            return e.timeMs;
        }
    }
    return -1;
}

TEST(Impazienza, ImpatientUrgesAfterEightSecondsAndAgainEightAfterTheRemark) {
    Banco t;
    t.g.livello = Livello::Honest;
    t.g.opzioni.impazienzaZeb = Impazienza::Impatient;
    t.rng.forza(12, 7);  // "Muoviti!", 665 ms
    ArmaImpazienza(t.g);

    t.avanza(8000);
    EXPECT_EQ(t.suonati(Channel::Impazienza).back(), "\\Impaz\\I07.wav");
    EXPECT_EQ(t.g.vista.lblCommenti.text, "Muoviti!");
    EXPECT_EQ(t.g.vista.fotoZeb, "\\Foto\\Foto12.jpg");
    EXPECT_TRUE(t.g.suoni.spia.busy);
    EXPECT_EQ(t.g.suoni.spia.foto, FotoImpazienza::Green);
    EXPECT_FALSE(t.g.scheduler.isEnabled(Timer::Impazienza));

    t.avanza(665);
    EXPECT_FALSE(t.g.suoni.spia.busy);
    EXPECT_FALSE(t.g.vista.lblCommenti.visible);
    // The impatience photo stays until the human plays.
    EXPECT_EQ(t.g.vista.fotoZeb, "\\Foto\\Foto12.jpg");
    t.avanza(10000);
    EXPECT_EQ(NextUrging(t, 8001), 8000 + 665 + 8000);
}

// The first urging comes 8 s (Impatient) or 5 s (VeryImpatient) into the wait; Quiet, or remarks
// switched off, never urge.
TEST(Impazienza, TheWaitGoesByTheOptionAndQuietOrMuteNeverSpeak) {
    const struct {
        Impazienza impazienza;
        bool commenti;
        int64_t primo;
    } casi[] = {{Impazienza::Impatient, true, 8000},
                {Impazienza::VeryImpatient, true, 5000},
                {Impazienza::Quiet, true, -1},
                {Impazienza::Impatient, false, -1}};
    for (const auto& c : casi) {
        Banco t;
        t.g.opzioni.impazienzaZeb = c.impazienza;
        t.g.opzioni.commentiZeb = c.commenti;
        ArmaImpazienza(t.g);
        t.avanza(120000);
        EXPECT_EQ(NextUrging(t, 0), c.primo);
    }
}

TEST(Impazienza, WaitsInStepsOfOneAndAHalfSecondsWhileASaloonSoundPlays) {
    Banco t;
    t.g.opzioni.impazienzaZeb = Impazienza::Impatient;
    ArmaImpazienza(t.g);
    t.avanza(7000);
    // Draw 23 is the longest saloon sound, 6800 ms, from 7000 to 13800.
    t.rng.forza(30, 23);
    Ambiente(t.g);
    ASSERT_EQ(t.g.suoni.spia.ambiente, 23);

    t.avanza(1000);  // 8000: busy, postponed
    EXPECT_EQ(NextUrging(t, 0), -1);
    EXPECT_EQ(t.g.scheduler.interval(Timer::Impazienza), 1500);
    t.avanza(4600);
    // Retries at 9500, 11000, 12500 find the sound still playing ...
    EXPECT_EQ(NextUrging(t, 0), -1);
    EXPECT_EQ(t.g.scheduler.interval(Timer::Impazienza), 1500);
    // ... and 14000 is the first step after it ended at 13800.
    t.rng.forza(12, 11);  // 779 ms
    t.avanza(1400);
    EXPECT_EQ(NextUrging(t, 0), 14000);
    // The end of the remark arms the full wait again.
    t.avanza(779);
    EXPECT_EQ(t.g.scheduler.interval(Timer::Impazienza), 8000);
    EXPECT_TRUE(t.g.scheduler.isEnabled(Timer::Impazienza));
}

TEST(Impazienza, APlayDuringTheRemarkBringsThePortraitBackWhenItEnds) {
    Banco t;
    t.g.livello = Livello::Cheat;
    t.g.opzioni.impazienzaZeb = Impazienza::VeryImpatient;
    t.rng.forza(12, 1);  // 3930 ms
    ArmaImpazienza(t.g);
    t.avanza(6000);
    ASSERT_TRUE(t.g.scheduler.isEnabled(Timer::DurataImpazienza));

    // The human plays: the caller stops the urging first.
    t.g.scheduler.disable(Timer::Impazienza);
    ImpazienzaCartaGiocata(t.g);
    EXPECT_EQ(t.g.suoni.spia.foto, FotoImpazienza::Magenta);
    EXPECT_EQ(t.g.vista.fotoZeb, "\\Foto\\Foto01.jpg") << "the remark is not cut";

    t.avanza(5000 + 3930 - 6000);
    EXPECT_EQ(t.g.suoni.spia.foto, FotoImpazienza::Black);
    EXPECT_EQ(t.g.vista.fotoZeb, "\\Foto\\Foto23.jpg");
}

TEST(Impazienza, APlayAfterTheRemarkBringsThePortraitBackAtOnce) {
    Banco t;
    t.g.livello = Livello::Honest;
    t.g.opzioni.impazienzaZeb = Impazienza::VeryImpatient;
    t.rng.forza(12, 2);  // 2405 ms, Foto02
    ArmaImpazienza(t.g);
    t.avanza(5000 + 2405 + 100);
    EXPECT_EQ(t.g.vista.fotoZeb, "\\Foto\\Foto02.jpg");

    t.g.scheduler.disable(Timer::Impazienza);
    ImpazienzaCartaGiocata(t.g);
    EXPECT_EQ(t.g.suoni.spia.foto, FotoImpazienza::Black);
    EXPECT_EQ(t.g.vista.fotoZeb, "\\Foto\\Foto18.jpg");

    // With no impatience photo on show a play leaves the frame alone.
    MostraCommento(t.g, remarks::Gioca(), false);
    ImpazienzaCartaGiocata(t.g);
    EXPECT_EQ(t.g.vista.fotoZeb, "\\Foto\\Foto20.jpg");
}

}  // namespace
}  // namespace gnamm
