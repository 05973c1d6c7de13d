// The player's record on a folder shared by copies of the game: increments that add up, a full
// disk that loses nothing, and every shape of GnStat.json the disk may hold.
#include "game/player_record.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <tuple>
#include <vector>

#include "data/temp_dati.h"
#include "support/table_fixture.h"

namespace gnamm {
namespace {

using testing_support::TempDati;

// A Gioco won ('W'), lost ('L'), drawn ('-') or won ending a Torneo ('T').
struct Gioco {
    Colonna h, pc;
    EsitoGioco esito = EsitoGioco::Continua;
};
Gioco Esito(char e) {
    Gioco g;
    g.h.puntiGiocoInCorso = e == 'L' ? 1 : 4;
    g.pc.puntiGiocoInCorso = e == 'W' || e == 'T' ? 1 : 4;
    if (e == 'T') g.esito = EsitoGioco::TorneoH;
    return g;
}

struct Copia : test_tavolo::Banco {
    explicit Copia(const std::filesystem::path& dati) {
        g.paths.data = dati;
        g.nome = "Ugo";
        g.livello = Livello::Honest;
        g.avvisi.scriviStderr = false;
    }
    void gioca(const std::string& esiti) {
        for (const char e : esiti) {
            const Gioco x = Esito(e);
            g.punteggi.h = x.h;
            g.punteggi.pc = x.pc;
            g.partita.esito = x.esito;
            RegistraFineGioco(g);
        }
    }
};

ContiLivello Ugo(const std::filesystem::path& dati) {
    return CaricaStatistiche(dati)["Ugo"][0];
}

// Whatever the counts on disk and the Giochi played since, the increment added to the disk gives
// what one copy counting every Gioco itself would have.
TEST(RecordGiocatore, AnIncrementAddedToTheDiskCountsAsOneCopyWould) {
    ContiLivello disco;
    disco.giochiVinti = disco.serieInCorso = 4;
    disco.serieGiochiVinti = 6;
    disco.migliorTorneoPartitePerse = 2;
    for (const std::string seq : {"WWW", "WLW", "LWWWWWWW", "W-T", "T", "", "WWLWWWLW"}) {
        ContiLivello atteso = disco;
        IncrementoLivello inc;
        for (const char e : seq) {
            const Gioco x = Esito(e);
            ContaGioco(atteso, x.h, x.pc, x.esito, 1);
            ContaGioco(inc, x.h, x.pc, x.esito, 1);
        }
        EXPECT_EQ(Somma(disco, inc), atteso) << seq;
    }
}

// Two copies writing at once: every Gioco of both is on disk, the runs carried on.
TEST(RecordGiocatore, TwoCopiesOnOneFolderAddUpTheirGiochi) {
    TempDati t;
    Copia a(t.dati()), b(t.dati());
    ASSERT_TRUE(testing_support::InProcessiSeparati([&] { a.gioca(std::string(20, 'W')); },
                                                    [&] { b.gioca(std::string(20, 'W')); }));
    const ContiLivello u = Ugo(t.dati());
    EXPECT_EQ(std::tuple(u.giochiVinti, u.serieInCorso, u.serieGiochiVinti),
              std::tuple(40, 40, 40));
}

// A full disk: the Giochi stay in memory, the failure is said once, and the next save adds them
// to what another copy wrote meanwhile.
TEST(RecordGiocatore, GiochiWhoseSaveFailedAreAddedAtTheNextSave) {
    TempDati t;
    Copia c(t.dati());
    c.gioca("W");
    {
        const testing_support::DiscoPieno pieno;
        c.gioca("WLW");
    }
    EXPECT_EQ(Ugo(t.dati()).giochiVinti, 1);
    Statistiche altrove;
    ContiLivello& u = altrove["Ugo"][0];
    u.giochiVinti = u.serieInCorso = u.serieGiochiVinti = 5;
    altrove["Eva"][1].aiuti = 2;
    t.write(std::string(kFileStatistiche), StatisticheInJson(altrove));
    c.gioca("W");
    u.giochiVinti = 8;
    u.giochiPersi = 1;
    u.serieInCorso = 2;
    u.serieGiochiVinti = 6;  // the run on disk went on through the first Gioco won meanwhile
    EXPECT_EQ(CaricaStatistiche(t.dati()), altrove);
    EXPECT_EQ(c.g.avvisi.inAttesa(),
              std::deque<std::string>{
                  "Attenzione: non è stato possibile salvare le statistiche (GnStat.json) perché "
                  "il disco è pieno. I dati restano in memoria e il salvataggio sarà ritentato."});
}

// Every shape the file may come in: what reads is kept, a file cut short keeps its whole
// entries, a doubled name keeps the entry with more Giochi, a newer game's file is not read.
TEST(RecordGiocatore, AFileOfAnyShapeKeepsEveryWholeEntry) {
    Statistiche s;
    s["Ann"][0].giochiVinti = 7;
    s["Bob"][1].torneiVinti = 2;
    s["Bob"][2].giochiVinti = 3;
    s["Cy"][2].giochiPersi = 5;
    const std::string sano = StatisticheInJson(s);
    Statistiche annDoppia;
    annDoppia["Ann"][1].giochiPersi = 9;
    const std::string t2 = StatisticheInJson(annDoppia);
    const std::string voceAnn =
        t2.substr(t2.find("  \"Ann\""), t2.rfind("\n }") - t2.find("  \"Ann\""));
    const auto sostituito = [&](const std::string& da, const std::string& a) {
        std::string testo = sano;
        return testo.replace(testo.find(da), da.size(), a);
    };
    const auto solo = [&](std::vector<std::string> nomi) {
        Statistiche out;
        for (const auto& n : nomi) out[n] = s.at(n);
        return out;
    };
    Statistiche conDoppia = s, bobUnLivello = s;
    conDoppia["Ann"] = annDoppia["Ann"];
    bobUnLivello["Bob"][1] = {};
    const struct {
        const char* cosa;
        std::string testo;
        Statistiche letto;
        bool danneggiato = true, piuRecente = false;
        std::vector<std::string> doppi = {};
    } casi[] = {
        {"sound", sano, s, false},
        {"cut by two bytes", sano.substr(0, sano.size() - 2), s},
        {"cut in the last entry", sano.substr(0, sano.find("\"Cy\"") + 20), solo({"Ann", "Bob"})},
        {"cut in the first entry", sano.substr(0, sano.find("\"Ann\"") + 9), {}},
        {"one entry garbled", sostituito("\"torneiVinti\": 2", "\"torneiVinti\": 2x"),
         solo({"Ann", "Cy"})},
        // A bad count loses its level only.
        {"a count below zero", sostituito("\"torneiVinti\": 2", "\"torneiVinti\": -2"),
         bobUnLivello},
        {"a name twice",
         sostituito("  \"Bob\"", voceAnn + ",\n  \"Bob\""),
         conDoppia,
         false,
         false,
         {"Ann"}},
        {"a newer game's", sostituito("\"formato\": 1", "\"formato\": 2"), {}, false, true},
        {"no JSON", "GnStat", {}},
    };
    for (const auto& c : casi) {
        const LetturaStatistiche l = StatisticheDaJson(c.testo);
        EXPECT_EQ(std::tuple(l.statistiche, l.danneggiato, l.piuRecente, l.doppi),
                  std::tuple(c.letto, c.danneggiato, c.piuRecente, c.doppi))
            << c.cosa;
    }
}

// On disk: a damaged or doubled file is kept as .bad and said, with what was kept; a newer
// game's is left byte for byte, and the game plays on without writing it.
TEST(RecordGiocatore, TheFileIsMendedKeptAsBadOrLeftAloneAndThePlayerTold) {
    TempDati t;
    Statistiche s;
    s["Ann"][0].giochiVinti = 7;
    s["Ugo"][0].giochiPersi = 1;
    const std::string sano = StatisticheInJson(s);
    const std::string nuovo = "{\"formato\": 2, \"giocatori\": {\"Ugo\": []}}";
    Statistiche piuGiochi;
    piuGiochi["Ann"][2].giochiVinti = 8;
    const std::string t2 = StatisticheInJson(piuGiochi);
    const auto da = t2.find("  \"Ann\"");
    std::string doppio = sano;
    doppio.insert(doppio.find("  \"Ugo\""), t2.substr(da, t2.rfind("\n }") - da) + ",\n");
    Statistiche conDoppia = s;
    conDoppia["Ann"] = piuGiochi["Ann"];
    const struct {
        std::string testo, detto, suDisco;
    } casi[] = {
        {doppio,
         "GnStat.json aveva due voci per Ann: è stata tenuta quella con più Giochi. L'originale è "
         "conservato come GnStat.json.bad.",
         StatisticheInJson(conDoppia)},
        {sano.substr(0, sano.size() - 2),
         "GnStat.json era danneggiato: tenute le statistiche leggibili di 2 giocatori, il resto "
         "riparte da zero. L'originale è conservato come GnStat.json.bad.",
         StatisticheInJson(s)},
        {"[",
         "GnStat.json era danneggiato: le statistiche ripartono da zero. L'originale è "
         "conservato come GnStat.json.bad.",
         StatisticheInJson({})},
        {nuovo,
         "GnStat.json è stato scritto da una versione più recente del gioco: resta com'è, "
         "e le statistiche di questa sessione non saranno salvate.",
         nuovo},
    };
    for (const auto& c : casi) {
        t.write(std::string(kFileStatistiche), c.testo);
        Copia copia(t.dati());
        copia.gioca("W");
        EXPECT_EQ(copia.g.avvisi.inAttesa(), std::deque<std::string>{c.detto});
        const bool scritto = c.suDisco != nuovo;
        std::string atteso = c.suDisco;
        if (scritto) {
            Statistiche dopo = StatisticheDaJson(c.suDisco).statistiche;
            dopo["Ugo"][0].giochiVinti = dopo["Ugo"][0].serieInCorso =
                dopo["Ugo"][0].serieGiochiVinti = 1;
            atteso = StatisticheInJson(dopo);
        }
        EXPECT_EQ(t.read(std::string(kFileStatistiche)), atteso);
        EXPECT_EQ(t.read("GnStat.json.bad"), scritto ? c.testo : casi[2].testo);
        // Unwritten, the Gioco is still shown; mended, the file is read next time in silence.
        EXPECT_EQ(StatisticheCorrenti(copia.g)["Ugo"][0].giochiVinti, 1);
        data::Avvisi poi;
        poi.scriviStderr = false;
        CaricaStatistiche(t.dati(), poi);
        EXPECT_EQ(poi.vuoto(), scritto);
    }
}

}  // namespace
}  // namespace gnamm
