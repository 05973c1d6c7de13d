// The player's record: what a finished Gioco adds, on disk, and a damaged GnStat.json.
#include "game/player_record.h"

#include <gtest/gtest.h>

#include "data/temp_dati.h"
#include "support/table_fixture.h"

namespace gnamm {
namespace {

using testing_support::TempDati;

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
    EXPECT_EQ(vinti("Ugo"), 6);
    EXPECT_EQ(vinti("Eva"), 1);
}

}  // namespace
}  // namespace gnamm
