// The saved Torneo on disk: what is offered back, what is set aside, and a save cut short.
// That a save resumes into the same game is checked by `gnamm-sim resume-check` (ctest).
#include "game/torneo_save.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "data/data_folder.h"
#include "data/temp_dati.h"
#include "game/random.h"

namespace gnamm {
namespace {

using testing_support::TempDati;

// A state as a game would save it: a shuffled deck, a few cards out, a running timer.
TorneoSalvato UnTorneo(const std::string& nome, int gioco) {
    TorneoSalvato s;
    s.nome = nome;
    s.livello = Livello::Cunning;
    for (int i = 1; i <= 40; ++i) s.tavolo.carteDaGiocare[i] = Card::FromDeckPosition(41 - i);
    s.tavolo.carta[4] = *Card::Parse("7c");
    s.tavolo.carta[9] = *Card::Parse("Kp");
    s.partita.gioco = gioco;
    s.casuale = SeededRandom(9).state();
    s.timer = {{Timer::Impazienza, 8000, true, 2500}, {Timer::DurataAmbiente, 1910, false, 0}};
    return s;
}

std::string Sostituisci(std::string testo, const std::string& da, const std::string& a) {
    const auto at = testo.find(da);
    EXPECT_NE(at, std::string::npos) << da;
    if (at != std::string::npos) testo.replace(at, da.size(), a);
    return testo;
}

TEST(TorneoSalvato, OfferedBackOnlyToItsOwnPlayer) {
    TempDati t;
    ASSERT_TRUE(ScriviTorneo(t.dati(), UnTorneo("Ann", 4)));
    EXPECT_FALSE(CaricaTorneoSalvato(t.dati(), "Bob"));
    const auto letto = CaricaTorneoSalvato(t.dati(), "Ann");
    ASSERT_TRUE(letto);
    EXPECT_EQ(TorneoInJson(*letto), TorneoInJson(UnTorneo("Ann", 4)));
    CancellaTorneoSalvato(t.dati());
    EXPECT_FALSE(t.exists(std::string(kFileTorneo)));
}

TEST(TorneoSalvato, DamagedOrForeignFilesAreSetAsideWithOneLine) {
    const std::string buono = TorneoInJson(UnTorneo("Ann", 4));
    const std::vector<std::pair<const char*, std::string>> casi = {
        {"empty", ""},
        {"truncated", buono.substr(0, buono.size() / 2)},
        {"not ours", R"({"formato": 1, "hello": "world"})"},
        {"a list", "[1, 2, 3]"},
        {"binary", std::string("\x00\xff\x13", 3)},
        {"Manche out of range", Sostituisci(buono, "\"manche\": 0", "\"manche\": 7")},
        {"a card twice", Sostituisci(buono, "\"Kp\"", "\"7c\"")},
        {"an unknown card", Sostituisci(buono, "\"Kp\"", "\"Zz\"")},
        {"a number as text", Sostituisci(buono, "\"gioco\": 4", "\"gioco\": \"4\"")},
        {"an unknown option value", Sostituisci(buono, "\"Middle\"", "\"Fast\"")},
        {"a broken random state", Sostituisci(buono, "\"casuale\": \"", "\"casuale\": \"x")},
        {"a timer left beyond its interval",
         Sostituisci(buono, "\"restano\": 2500", "\"restano\": 9000")},
        {"an old format number", Sostituisci(buono, "\"formato\": 1", "\"formato\": 0")},
    };
    for (const auto& [cosa, testo] : casi) {
        TempDati t;
        t.write(std::string(kFileTorneo), testo);
        ::testing::internal::CaptureStderr();
        EXPECT_FALSE(CaricaTorneoSalvato(t.dati(), "Ann")) << cosa;
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << cosa << ": " << err;
        EXPECT_NE(err.find("GnTorneo.json.bad"), std::string::npos) << cosa << ": " << err;
        EXPECT_FALSE(t.exists(std::string(kFileTorneo))) << cosa;
        EXPECT_EQ(t.read("GnTorneo.json.bad"), testo) << cosa;
    }
}

TEST(TorneoSalvato, ANewerFormatIsLeftAloneAndNotOffered) {
    TempDati t;
    const std::string nuovo =
        Sostituisci(TorneoInJson(UnTorneo("Ann", 4)), "\"formato\": 1", "\"formato\": 2");
    t.write(std::string(kFileTorneo), nuovo);
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(CaricaTorneoSalvato(t.dati(), "Ann"));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(t.read(std::string(kFileTorneo)), nuovo);
    EXPECT_FALSE(t.exists("GnTorneo.json.bad"));
}

// The child may write only `limit` bytes to any file: the kernel stops it (SIGXFSZ) in the middle
// of the save, at a byte chosen here rather than by timing. The old save or the new one reads
// back whole, and no temporary file is taken for one.
TEST(TorneoSalvato, ASaveCutShortLeavesTheOldOrTheNew) {
    TempDati t;
    const TorneoSalvato vecchio = UnTorneo("Ann", 3), nuovo = UnTorneo("Ann", 4);
    const std::size_t size = TorneoInJson(nuovo).size();
    for (std::size_t limit = 0; limit <= size + 1; limit += size / 17) {
        ASSERT_TRUE(ScriviTorneo(t.dati(), vecchio));
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const rlimit r{limit, limit};
            ::setrlimit(RLIMIT_FSIZE, &r);
            ScriviTorneo(t.dati(), nuovo);
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        const auto letto = CaricaTorneoSalvato(t.dati(), "Ann");
        ASSERT_TRUE(letto) << "limit " << limit;
        EXPECT_TRUE(letto->partita.gioco == 3 || letto->partita.gioco == 4) << "limit " << limit;
        EXPECT_EQ(limit >= size, letto->partita.gioco == 4) << "limit " << limit;
        data::RemoveInterruptedSaves(t.dati());
        for (const auto& e : std::filesystem::directory_iterator(t.dati())) {
            EXPECT_EQ(e.path().filename(), kFileTorneo) << "limit " << limit;
        }
    }
}

}  // namespace
}  // namespace gnamm
