// What the game keeps on disk for a player: the saved Torneo (what is offered back, what is
// set aside, a save cut short) and the player's record (what a finished Gioco adds, a damaged
// GnStat.json). That a save resumes into the same game is checked by `gnamm-sim resume-check`.
#include "game/torneo_file.h"
#include "game/player_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "data/data_folder.h"
#include "data/temp_dati.h"
#include "game/random.h"
#include "support/table_fixture.h"

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

// The set-aside is told in one line; a newer format is left without a word. Neither is offered.
TEST(TorneoSalvato, DamagedOrForeignFilesAreSetAsideAndNewerOnesLeftAlone) {
    const std::string buono = TorneoInJson(UnTorneo("Ann", 4));
    const struct {
        const char* cosa;
        std::string testo;
        bool messoDaParte = true;
    } casi[] = {
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
        {"a newer format", Sostituisci(buono, "\"formato\": 1", "\"formato\": 2"), false},
    };
    for (const auto& c : casi) {
        TempDati t;
        t.write(std::string(kFileTorneo), c.testo);
        ::testing::internal::CaptureStderr();
        EXPECT_FALSE(CaricaTorneoSalvato(t.dati(), "Ann")) << c.cosa;
        const std::string err = ::testing::internal::GetCapturedStderr();
        const std::string bad = "GnTorneo.json.bad";
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), c.messoDaParte ? 1 : 0)
            << c.cosa << err;
        EXPECT_EQ(err.find(bad) != std::string::npos, c.messoDaParte) << c.cosa << ": " << err;
        EXPECT_EQ(t.exists(std::string(kFileTorneo)), !c.messoDaParte) << c.cosa;
        EXPECT_EQ(t.exists(bad), c.messoDaParte) << c.cosa;
        EXPECT_EQ(t.read(c.messoDaParte ? bad : std::string(kFileTorneo)), c.testo) << c.cosa;
    }
}

// The old save or the new one reads back whole, and no temporary file is taken for one.
TEST(TorneoSalvato, ASaveCutShortLeavesTheOldOrTheNew) {
    TempDati t;
    const TorneoSalvato vecchio = UnTorneo("Ann", 3), nuovo = UnTorneo("Ann", 4);
    const std::size_t size = TorneoInJson(nuovo).size();
    for (std::size_t limit = 0; limit <= size + 1; limit += size / 17) {
        ASSERT_TRUE(ScriviTorneo(t.dati(), vecchio));
        testing_support::WriteCutShortAt(limit, [&] { ScriviTorneo(t.dati(), nuovo); });
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

Colonna Punti(int gioco, int gnamm = 0, bool sette = false, bool cinque = false) {
    Colonna c;
    c.puntiGiocoInCorso = gioco;
    c.puntiGnamm = gnamm;
    c.punto[static_cast<int>(PuntoMazzo::Sette)] = sette;
    c.punto5DiCuori = cinque;
    return c;
}

TEST(RecordGiocatore, EachGiocoCountsItsOutcome) {
    ContiLivello c;
    // Won 4-2 with a Punto Gnamm, the Sette and the 5 di Cuori; the Partita goes on.
    ContaGioco(c, Punti(4, 1, true, true), Punti(2), EsitoGioco::Continua, 0);
    // Won again, and with it a Partita.
    ContaGioco(c, Punti(3), Punti(2), EsitoGioco::PartitaH, 0);
    // Lost: the run ends, the longest stays.
    ContaGioco(c, Punti(1), Punti(4), EsitoGioco::PartitaPC, 0);
    // Won, then a tie: neither won nor lost, and the run is broken.
    ContaGioco(c, Punti(3), Punti(0), EsitoGioco::Continua, 1);
    ContaGioco(c, Punti(3), Punti(3), EsitoGioco::Spareggio, 1);
    // A Torneo won 3-1, then one won 3-2: the best stays 3-1.
    ContaGioco(c, Punti(5), Punti(1), EsitoGioco::TorneoH, 1);
    ContaGioco(c, Punti(5), Punti(1), EsitoGioco::TorneoH, 2);
    ContaGioco(c, Punti(0), Punti(5), EsitoGioco::TorneoPC, 2);

    // clang-format off
    const ContiLivello atteso{.torneiVinti = 2, .torneiPersi = 1, .partiteVinte = 3,
        .partitePerse = 2, .giochiVinti = 5, .giochiPersi = 2, .puntiGnamm = 1,
        .puntiMazzo = {1, 0, 0, 0}, .cinqueDiCuori = 1, .migliorTorneoPartitePerse = 1,
        .serieGiochiVinti = 2, .serieInCorso = 0};
    // clang-format on
    EXPECT_EQ(c, atteso);
}

TEST(RecordGiocatore, ADamagedFileKeepsWhatReads) {
    TempDati t;
    Statistiche s;
    s["Ann"][0].giochiVinti = 7;
    s["Bob"][1].torneiVinti = 2;
    s["Bob"][2].giochiPersi = 5;
    std::string testo = StatisticheInJson(s);
    // Bob's Cheat counts (the first of his levels in the file) go bad; the rest still reads.
    const std::string bob = "\"Bob\"";
    const auto at = testo.find("\"giochiVinti\": 0", testo.find(bob));
    ASSERT_NE(at, std::string::npos);
    testo.replace(at, 16, "\"giochiVinti\": -3");
    t.write(std::string(kFileStatistiche), testo);

    ::testing::internal::CaptureStderr();
    const Statistiche letto = CaricaStatistiche(t.dati());
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("GnStat.json.bad"), std::string::npos) << err;
    EXPECT_EQ(t.read("GnStat.json.bad"), testo);
    Statistiche atteso = s;
    atteso["Bob"][2] = ContiLivello{};
    EXPECT_EQ(letto, atteso);
    // Mended on disk: the next start reads it quietly.
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(CaricaStatistiche(t.dati()), atteso);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");

    t.write(std::string(kFileStatistiche), "{\"formato\": 1, \"giocatori\": ");
    ::testing::internal::CaptureStderr();
    EXPECT_TRUE(CaricaStatistiche(t.dati()).empty());
    EXPECT_NE(::testing::internal::GetCapturedStderr(), "");
}

// The game keeps what it wrote and reads the file back only when it changed on disk since: what
// another window wrote in between is never overwritten.
TEST(RecordGiocatore, EachGiocoAddsToWhatIsOnDisk) {
    TempDati t;
    test_tavolo::Banco b;
    b.g.paths.data = t.dati();
    b.g.nome = "Ugo";
    b.g.livello = Livello::Honest;
    b.g.punteggi.h = Punti(3);
    b.g.punteggi.pc = Punti(1);
    const auto vinti = [&t](const std::string& nome) {
        return CaricaStatistiche(t.dati())[nome][0].giochiVinti;
    };
    RegistraFineGioco(b.g);
    RegistraFineGioco(b.g);
    EXPECT_EQ(vinti("Ugo"), 2);
    Statistiche altrove;
    altrove["Ugo"][0].giochiVinti = 5;
    altrove["Eva"][0].giochiVinti = 1;
    t.write(std::string(kFileStatistiche), StatisticheInJson(altrove));
    RegistraFineGioco(b.g);
    EXPECT_EQ(std::tuple(vinti("Ugo"), vinti("Eva")), std::tuple(6, 1));
}

}  // namespace
}  // namespace gnamm
