// Nonno Zeb's remarks: the catalogue against the assets, the steps of a remark, its end, the
// level portrait, the Gnamm sets, which set the computer's sweep draws from, and the urging of a
// slow player with its waits, its retries while the sound is held and its photo.
#include "persona/comments.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <set>
#include <string>
#include <string_view>

#include "audio/ambience.h"
#include "data/asset_catalog.h"
#include "game/ai/pc_turn.h"
#include "persona/impatience.h"
#include "persona/remarks.h"
#include "support/table_fixture.h"

namespace gnamm {
namespace {

using test_tavolo::Banco;
using ::testing::ElementsAre;

// Zeb as the player finds him: the sound held or free, the words and bubble on show, the photo.
std::string Zeb(const Banco& t) {
    const AngoloZeb& a = t.finestra.zeb.angolo;
    return std::string(t.g.spia.busy ? "busy " : "free ") + (a.commentoVisibile ? "words " : "") +
           (a.fumettoVisibile ? "bubble " : "") + a.foto;
}

TEST(RemarkCatalogue, EverySetLineHasItsOwnVoiceAndEveryRecordingItsWords) {
    std::set<std::string> voices;
    const std::pair<Commento (*)(int), int> sets[] = {{remarks::GnammH, remarks::kGnammH},
                                                      {remarks::GnammPCinf4, remarks::kGnammPCinf4},
                                                      {remarks::GnammPCsup4, remarks::kGnammPCsup4},
                                                      {remarks::Impazienza, remarks::kImpazienza}};
    for (const auto& [line, n] : sets) {
        for (int k = 1; k <= n; ++k) {
            const Commento c = line(k);
            EXPECT_TRUE(voices.insert(c.voce).second) << c.voce << " used twice";
            EXPECT_GT(c.durataMs, 0) << c.voce;
            EXPECT_FALSE(c.testo.empty() || c.foto.empty()) << c.voce;
        }
    }
    EXPECT_EQ(voices.size(), 38u);

    // Every recording, with its words and the shortest time it is given.
    std::vector<std::string> files;
    for (const auto& l : remarks::VoiceLines()) {
        files.push_back(l.file);
        EXPECT_FALSE(l.testo.empty()) << l.file;
        EXPECT_GT(l.limiteMs, 0) << l.file;
        // S03 is said three ways; the level greeting and the exit panel give it only 700 ms.
        if (l.file == "\\Zeb\\S03.wav") {
            EXPECT_EQ(l.limiteMs, 700);
        }
    }
    std::vector<std::string> expected = assets::ZebVoices();
    for (const std::string& f : assets::ImpatienceVoices()) expected.push_back(f);
    EXPECT_EQ(files, expected);
}

TEST(MostraCommento, SaysTheLineAndEndsItAfterItsDurationUnlessANewOneCutsIt) {
    Banco t;
    t.g.livello = Livello::Cunning;
    const Commento c = remarks::GnammH(4);
    MostraCommento(t.finestra.zeb, c, true);
    EXPECT_THAT(t.traccia(Channel::Commenti),
                ElementsAre("Prev", "Close", "file:", "file:" + c.voce, "Open", "Play"));
    EXPECT_EQ(Zeb(t), "busy words bubble " + c.foto);
    EXPECT_EQ(t.finestra.zeb.angolo.commento + " " + t.finestra.zeb.angolo.fumetto,
              c.testo + " " + c.fumetto);

    t.avanza(c.durataMs - 1);
    EXPECT_TRUE(t.g.spia.busy) << "still within its duration";
    t.avanza(1);
    EXPECT_EQ(Zeb(t), "free \\Foto\\Foto24.jpg");  // Cunning's portrait
    EXPECT_FALSE(t.attivo(Timer::DurataGnammH));
    EXPECT_EQ(t.traccia(Channel::Commenti).back(), "Play") << "the voice is left to play out";
    // A new remark cuts the running one and takes its duration.
    MostraCommento(t.finestra.zeb, remarks::GnammPCsup4(1), true);  // 3700 ms
    t.avanza(1000);
    MostraCommento(t.finestra.zeb, remarks::GnammH(8), true);  // 725 ms
    t.avanza(725);
    EXPECT_FALSE(t.g.spia.busy);
    EXPECT_THAT(t.suonati(Channel::Commenti),
                ElementsAre(c.voce, "\\Zeb\\S29.wav", "\\Zeb\\S08.wav"));
}

TEST(MostraCommento, TheBusyFlagThePhotoAndTheHallOfFameHoldingTheIndicator) {
    Banco t;
    MostraCommento(t.finestra.zeb, remarks::Gioca(), false);
    EXPECT_FALSE(t.g.spia.busy);
    MostraCommento(t.finestra.zeb, remarks::Livello(Livello::Cheat), true);
    EXPECT_EQ(t.finestra.zeb.angolo.foto, remarks::Gioca().foto);
    // The hall of fame keeps the indicator busy after the remark.
    t.g.classifica.alboAperto = true;
    t.avanza(5000);
    EXPECT_EQ(Zeb(t), "busy " + remarks::Gioca().foto);
}

TEST(OnAssoBevuto, EndsTheAceRemarkAndFreesTheIndicatorEvenUnderTheHallOfFame) {
    Banco t;
    t.g.livello = Livello::Honest;
    t.g.spia.busy = true;
    t.g.classifica.alboAperto = true;
    t.finestra.zeb.angolo.commentoVisibile = true;
    t.g.scheduler.start(Timer::AssoBevuto, 3650);
    t.avanza(3650);
    EXPECT_FALSE(t.attivo(Timer::AssoBevuto));
    EXPECT_EQ(Zeb(t), "free \\Foto\\Foto18.jpg");  // Honest's portrait
}

TEST(CommentoLivello, GreetsTheChosenLevelOnly) {
    Banco t;
    CommentoLivello(t.finestra.zeb);
    EXPECT_TRUE(t.media.log().empty()) << "no level, no remark";
    t.g.livello = Livello::Cunning;
    CommentoLivello(t.finestra.zeb);
    EXPECT_THAT(t.suonati(Channel::Commenti), ElementsAre(remarks::Livello(Livello::Cunning).voce));
    EXPECT_TRUE(t.g.spia.busy);
}

TEST(CommentoFineIncontro, SilencesTheOthersAndStaysUntilHidden) {
    Banco t;
    t.g.scheduler.enable(Timer::DurataGnammH);
    t.g.scheduler.enable(Timer::DurataImpazienza);
    CommentoFineIncontro(t.finestra.zeb, remarks::HoVinto());
    EXPECT_FALSE(t.attivo(Timer::DurataGnammH) || t.attivo(Timer::DurataImpazienza));
    EXPECT_THAT(t.traccia(Channel::Impazienza), ElementsAre("Stop", "Prev", "Close"));
    EXPECT_THAT(t.suonati(Channel::Commenti), ElementsAre(remarks::HoVinto().voce));
    t.avanza(60000);
    EXPECT_EQ(Zeb(t), "busy words bubble " + remarks::HoVinto().foto);
    EXPECT_EQ(t.finestra.zeb.angolo.commento, remarks::HoVinto().testo);
}

TEST(GnammSets, EachLineOnceBeforeAnyTwiceAndEachSetItsOwnCycle) {
    const struct {
        void (*say)(NonnoZeb&);
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
                set.say(g.zeb);
                AdvanceVirtualTime(g, t.clock, 4000);
            }
            const auto voices = t.suonati(Channel::Commenti);
            std::set<std::string> attese;
            for (int k = 1; k <= set.righe; ++k) attese.insert(set.riga(k).voce);
            EXPECT_EQ(std::set<std::string>(voices.begin(), voices.end()), attese) << stuck;
        }
        EXPECT_EQ(g.zeb.stato.gnammH.conta, remarks::kGnammH);
        // The thirteenth starts a new cycle: counter 1, one flag set.
        GnammH(g.zeb);
        EXPECT_EQ(g.zeb.stato.gnammH.conta, 1);
        EXPECT_EQ(std::ranges::count(g.zeb.stato.gnammH.detto, true), 1);
    }
}

// The computer holds one king and the table adds up to ten: its move sweeps the table.
void PreparaSpazzata(Banco& t, std::initializer_list<std::string_view> tavolo) {
    t.g.livello = Livello::Honest;
    t.g.tavolo = test_tavolo::Posizione(tavolo, {"Kc"});
    for (int p = 1; p < 20; ++p) {
        if (!t.g.tavolo.carta[p].empty()) MostraCarta(t.g, p, t.g.tavolo.carta[p]);
    }
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
        EXPECT_EQ(std::tuple(t.finestra.zeb.stato.gnammPCsup4.conta,
                             t.finestra.zeb.stato.gnammPCinf4.conta),
                  std::tuple(caso.lungo ? 1 : 0, caso.lungo ? 0 : 1));
        EXPECT_TRUE(t.g.spia.busy);
    }
}

TEST(ZebOnTheComputersSweep, CommentsOffLeaveTheCyclesUntouchedAndTheNoisePlays) {
    Banco t;
    t.g.opzioni.commentiZeb = false;
    t.g.opzioni.rumoriCarte = true;
    PreparaSpazzata(t, {"2c", "2q", "3f", "3p"});
    EXPECT_TRUE(t.suonati(Channel::Commenti).empty() &&
                t.finestra.zeb.stato.gnammPCsup4.conta == 0 &&
                t.suonati(Channel::Rumori).size() == 1u);
    for (const bool detto : t.finestra.zeb.stato.gnammPCsup4.detto) EXPECT_FALSE(detto);
}

TEST(ZebOnTheComputersSweep, ARemarkFindingTheSoundHeldIsDroppedNotQueued) {
    Banco t;
    t.rng.forza(30, 10);
    Ambiente(t.finestra.suoni);  // Sa10 holds the indicator for 4270 ms
    PreparaSpazzata(t, {"2c", "2q", "3f", "3p"});
    t.avanza(20000);
    EXPECT_TRUE(t.suonati(Channel::Commenti).empty() &&
                t.finestra.zeb.stato.gnammPCsup4.conta == 0 && !t.g.spia.busy);
}

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
    ArmaImpazienza(t.finestra.zeb);

    t.avanza(8000);
    EXPECT_EQ(t.suonati(Channel::Impazienza).back(), "\\Impaz\\I07.wav");
    EXPECT_EQ(t.finestra.zeb.angolo.commento, "Muoviti!");
    EXPECT_EQ(Zeb(t), "busy words bubble \\Foto\\Foto12.jpg");
    EXPECT_EQ(t.g.spia.foto, FotoImpazienza::Green);
    EXPECT_FALSE(t.g.scheduler.isEnabled(Timer::Impazienza));

    t.avanza(665);
    // The impatience photo stays until the human plays.
    EXPECT_EQ(Zeb(t), "free \\Foto\\Foto12.jpg");
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
        ArmaImpazienza(t.finestra.zeb);
        t.avanza(120000);
        EXPECT_EQ(NextUrging(t, 0), c.primo);
    }
}

TEST(Impazienza, WaitsInStepsOfOneAndAHalfSecondsWhileASaloonSoundPlays) {
    Banco t;
    t.g.opzioni.impazienzaZeb = Impazienza::Impatient;
    ArmaImpazienza(t.finestra.zeb);
    t.avanza(7000);
    // Draw 23 is the longest saloon sound, 6800 ms, from 7000 to 13800.
    t.rng.forza(30, 23);
    Ambiente(t.finestra.suoni);
    ASSERT_EQ(t.g.spia.ambiente, 23);

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
    ArmaImpazienza(t.finestra.zeb);
    t.avanza(6000);
    ASSERT_TRUE(t.g.scheduler.isEnabled(Timer::DurataImpazienza));

    // The human plays: the caller stops the urging first.
    t.g.scheduler.disable(Timer::Impazienza);
    ImpazienzaCartaGiocata(t.finestra.zeb);
    EXPECT_EQ(t.g.spia.foto, FotoImpazienza::Magenta);
    EXPECT_EQ(t.finestra.zeb.angolo.foto, "\\Foto\\Foto01.jpg") << "the remark is not cut";

    t.avanza(5000 + 3930 - 6000);
    EXPECT_EQ(t.g.spia.foto, FotoImpazienza::Black);
    EXPECT_EQ(t.finestra.zeb.angolo.foto, "\\Foto\\Foto23.jpg");
}

TEST(Impazienza, APlayAfterTheRemarkBringsThePortraitBackAtOnce) {
    Banco t;
    t.g.livello = Livello::Honest;
    t.g.opzioni.impazienzaZeb = Impazienza::VeryImpatient;
    t.rng.forza(12, 2);  // 2405 ms, Foto02
    ArmaImpazienza(t.finestra.zeb);
    t.avanza(5000 + 2405 + 100);
    EXPECT_EQ(t.finestra.zeb.angolo.foto, "\\Foto\\Foto02.jpg");

    t.g.scheduler.disable(Timer::Impazienza);
    ImpazienzaCartaGiocata(t.finestra.zeb);
    EXPECT_EQ(t.g.spia.foto, FotoImpazienza::Black);
    EXPECT_EQ(t.finestra.zeb.angolo.foto, "\\Foto\\Foto18.jpg");

    // With no impatience photo on show a play leaves the frame alone.
    MostraCommento(t.finestra.zeb, remarks::Gioca(), false);
    ImpazienzaCartaGiocata(t.finestra.zeb);
    EXPECT_EQ(t.finestra.zeb.angolo.foto, "\\Foto\\Foto20.jpg");
}

}  // namespace
}  // namespace gnamm
