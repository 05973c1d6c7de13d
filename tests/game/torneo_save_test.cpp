// What the game keeps on disk for a player: the saved Torneo (what is offered back, what is
// set aside, a save cut short) and what a finished Gioco adds to the player's record. That a save
// resumes into the same game is checked by `gnamm-sim resume-check`.
#include "game/player_record.h"
#include "save/torneo_file.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

#include "data/data_folder.h"
#include "data/dati_lock.h"
#include "data/temp_dati.h"
#include "rules/random.h"
#include "support/table_fixture.h"

namespace gnamm {
namespace {

using testing_support::TempDati;

// A state as a game would save it: the first Manche dealt, the human to lead, a timer running.
TorneoSalvato UnTorneo(const std::string& nome, int gioco) {
    TorneoSalvato s;
    s.nome = nome;
    s.livello = Livello::Cunning;
    TableState& t = s.tavolo;
    for (int i = 1; i <= 40; ++i) t.carteDaGiocare[i] = Card::FromDeckPosition(41 - i);
    constexpr std::array<int, 10> kPosti = {9, 7, 8, 10, 4, 1, 5, 2, 6, 3};  // the deal's order
    for (int i = 1; i <= 10; ++i) {
        t.distribuita[i] = true;
        t.carta[kPosti[i - 1]] = t.carteDaGiocare[i];
        // The computer sees the table and its own hand.
        if (!IsManoH(kPosti[i - 1])) --t.valoriRimasti[t.carteDaGiocare[i].valore()];
    }
    t.numeroCarteSulTavolo = 4;
    t.carteInManoAPC = t.carteInManoAdH = 3;
    t.carteRimasteNelMazzo = 30;
    t.manche = 1;
    t.aChiTocca = Player::H;
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

int GiocoSalvato(const std::filesystem::path& dati, const std::string& nome) {
    const auto letto = CaricaTorneoSalvato(dati, nome);
    return letto ? letto->partita.gioco : 0;
}

// Each player's Torneo in a file of its own: saving, offering and forgetting one never touches
// another's, and a copy that could not hold the name forgets nothing.
TEST(TorneoSalvato, EachPlayerHasAFileOfItsOwn) {
    TempDati t;
    ASSERT_TRUE(ScriviTorneo(t.dati(), UnTorneo("Ann", 4)));
    ASSERT_TRUE(ScriviTorneo(t.dati(), UnTorneo("Bob", 2)));
    const auto letto = CaricaTorneoSalvato(t.dati(), "Ann");
    ASSERT_TRUE(letto);
    EXPECT_EQ(TorneoInJson(*letto), TorneoInJson(UnTorneo("Ann", 4)));
    EXPECT_EQ(std::tuple(GiocoSalvato(t.dati(), "Bob"), GiocoSalvato(t.dati(), "Eva")),
              std::tuple(2, 0));
    test_tavolo::Banco b;
    b.g.paths.data = t.dati();
    b.g.nome = "Bob";
    b.finestra.custodiaTorneo.scrivibile = false;
    CancellaTorneoSalvato(b.g, b.finestra.custodiaTorneo);
    EXPECT_EQ(GiocoSalvato(t.dati(), "Bob"), 2);
    b.finestra.custodiaTorneo.scrivibile = true;
    CancellaTorneoSalvato(b.g, b.finestra.custodiaTorneo);
    EXPECT_EQ(std::tuple(GiocoSalvato(t.dati(), "Ann"), GiocoSalvato(t.dati(), "Bob")),
              std::tuple(4, 0));
}

// The single GnTorneo.json of the first format moves to its player's file when that player
// comes back, and goes only once the new file is on disk; another player leaves it alone.
TEST(TorneoSalvato, TheOldSingleFileMovesToItsPlayer) {
    TempDati t;
    const std::string vecchio = TorneoInJson(UnTorneo("Ann", 3));
    const std::string unico(kFileTorneoUnico), suo = FileTorneo(t.dati(), "Ann").filename();
    t.write(unico, vecchio);
    EXPECT_EQ(GiocoSalvato(t.dati(), "Bob"), 0);
    testing_support::WriteCutShortAt(100, [&] { CaricaTorneoSalvato(t.dati(), "Ann"); });
    EXPECT_EQ(std::tuple(t.read(unico), t.exists(suo)), std::tuple(vecchio, false));
    EXPECT_EQ(GiocoSalvato(t.dati(), "Ann"), 3);
    EXPECT_EQ(std::tuple(t.exists(unico), t.read(suo)), std::tuple(false, vecchio));
}

// Whatever is found at a player's file: a damaged one, or one that breaks the game's own rules,
// is kept aside as .bad; one that is newer, cannot be read or is another player's is left as it
// is and never written over, in this run or the next. Nothing is offered; each is said once.
TEST(TorneoSalvato, WhatCannotBeResumedIsKeptAsideOrLeftAlone) {
    const TorneoSalvato ann = UnTorneo("Ann", 4);
    const std::string buono = TorneoInJson(ann);
    const auto cambiato = [&](auto cambia) {
        TorneoSalvato s = ann;
        cambia(s);
        return TorneoInJson(s);
    };
    const std::string kCartella = "<a folder>";
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
        {"Manche out of range", Sostituisci(buono, "\"manche\": 1", "\"manche\": 7")},
        {"a card twice", Sostituisci(buono, "\"Kp\"", "\"7c\"")},
        {"an unknown card", Sostituisci(buono, "\"Kp\"", "\"Zz\"")},
        {"a number as text", Sostituisci(buono, "\"gioco\": 4", "\"gioco\": \"4\"")},
        {"an unknown option value", Sostituisci(buono, "\"Middle\"", "\"Fast\"")},
        {"a broken random state", Sostituisci(buono, "\"casuale\": \"", "\"casuale\": \"x")},
        {"a timer left beyond its interval",
         Sostituisci(buono, "\"restano\": 2500", "\"restano\": 9000")},
        {"an old format number", Sostituisci(buono, "\"formato\": 2", "\"formato\": 0")},
        // The game's own rules: with these it could stop with nothing left to click.
        {"the card played on the human's turn", cambiato([](TorneoSalvato& s) {
             s.umano.cartaGiocata = 4;
             s.tavolo.carteInManoAdH = 2;
             s.tavolo.numeroCarteGiocate = 1;
             --s.tavolo.valoriRimasti[s.tavolo.valore(4)];
         })},
        {"the computer to play",
         cambiato([](TorneoSalvato& s) { s.tavolo.aChiTocca = Player::PC; })},
        {"a card dealt twice", cambiato([](TorneoSalvato& s) { s.tavolo.distribuita[4] = false; })},
        {"a point nobody earned", cambiato([](TorneoSalvato& s) {
             s.punteggi.h.punto[0] = true;
             s.punteggi.h.puntiGiocoInCorso = s.punteggi.h.puntiPartita = 1;
         })},
        {"a newer format", Sostituisci(buono, "\"formato\": 2", "\"formato\": 3"), false},
        {"another player's", TorneoInJson(UnTorneo("Bob", 4)), false},
        {"a folder", kCartella, false},
    };
    for (const auto& c : casi) {
        TempDati t;
        const std::string file = FileTorneo(t.dati(), "Ann").filename(), bad = file + ".bad";
        if (c.testo == kCartella) {
            std::filesystem::create_directories(t.file(file));
        } else {
            t.write(file, c.testo);
        }
        data::Avvisi avvisi;
        avvisi.scriviStderr = false;
        CustodiaTorneo custodia;
        EXPECT_FALSE(CaricaTorneoSalvato(t.dati(), "Ann", avvisi, custodia)) << c.cosa;
        ASSERT_EQ(avvisi.inAttesa().size(), 1u) << c.cosa;
        EXPECT_EQ(avvisi.corrente().find(bad) != std::string::npos, c.messoDaParte)
            << c.cosa << ": " << avvisi.corrente();
        EXPECT_EQ(t.exists(bad), c.messoDaParte) << c.cosa;
        if (c.testo != kCartella) {
            EXPECT_EQ(t.read(c.messoDaParte ? bad : file), c.testo) << c.cosa;
        }
        // A save takes the place of what was set aside, never of what was left.
        EXPECT_EQ(ScriviTorneo(t.dati(), ann, avvisi, custodia), c.messoDaParte) << c.cosa;
        EXPECT_EQ(ScriviTorneo(t.dati(), ann), c.messoDaParte) << c.cosa;
        EXPECT_EQ(avvisi.inAttesa().size(), 1u) << c.cosa;
        if (!c.messoDaParte && c.testo != kCartella) {
            EXPECT_EQ(t.read(file), c.testo) << c.cosa;
        }
    }
}

// The old save or the new one reads back whole; all a cut leaves beside it is the player's
// own temporary file, for the start-up clean-up.
TEST(TorneoSalvato, ASaveCutShortLeavesTheOldOrTheNew) {
    TempDati t;
    const TorneoSalvato vecchio = UnTorneo("Ann", 3), nuovo = UnTorneo("Ann", 4);
    const std::string file = FileTorneo(t.dati(), "Ann").filename();
    const std::size_t size = TorneoInJson(nuovo).size();
    for (std::size_t limit = 0; limit <= size + 1; limit += size / 17) {
        ASSERT_TRUE(ScriviTorneo(t.dati(), vecchio));
        testing_support::WriteCutShortAt(limit, [&] { ScriviTorneo(t.dati(), nuovo); });
        EXPECT_EQ(GiocoSalvato(t.dati(), "Ann"), limit >= size ? 4 : 3) << "limit " << limit;
        for (const auto& e : std::filesystem::directory_iterator(t.dati())) {
            const std::string nome = e.path().filename();
            EXPECT_TRUE(nome == file || nome == data::kFileBloccoDati ||
                        nome.starts_with(file + ".tmp."))
                << nome;
            if (nome != file) std::filesystem::remove(e.path());
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

// Zeb's corner kept with the Torneo reads back, and a save of before has none (the window then
// shows the level portrait); one naming a picture the game lacks, or a remark that is not one
// line of text, is damage.
TEST(TorneoSalvatoZeb, ReadsBackAndRefusesWhatTheGameCannotShow) {
    TorneoSalvato s = UnTorneo("Ann", 4);
    const auto vecchio = TorneoDaJson(TorneoInJson(s));
    ASSERT_TRUE(vecchio.torneo);
    EXPECT_FALSE(vecchio.torneo->zeb);
    s.zeb = ZebMostrato{"\\Foto\\Foto20.jpg", "Gioca!", "\\Grafica\\Fumetto3.gif"};
    const std::string buono = TorneoInJson(s);
    const auto letto = TorneoDaJson(buono);
    ASSERT_TRUE(letto.torneo) << letto.errore;
    EXPECT_EQ(letto.torneo->zeb, s.zeb);
    for (const auto& [da, a] : std::initializer_list<std::pair<std::string, std::string>>{
             {"Foto20", "Foto25"},
             {"Fumetto3", "Fumetto4"},
             {"Gioca!", "Gio\\nca!"},
             {"Gioca!", std::string(201, 'a')},
             {"\"commento\"", "\"comment\""}}) {
        EXPECT_FALSE(TorneoDaJson(Sostituisci(buono, da, a)).torneo) << a;
    }
}

}  // namespace
}  // namespace gnamm
