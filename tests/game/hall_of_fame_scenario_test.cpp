// Whole Tornei from a fresh Dati folder, played by clicks: the hall of fame and the ranking
// files come out in their exact format, and a restart shows the same panel.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

#include "audio/recording_media_player.h"
#include "data/data_files.h"
#include "data/temp_dati.h"
#include "game/game.h"
#include "game/hall_of_fame.h"
#include "human_policy.h"
#include "ui/startup.h"

namespace gnamm {
namespace {

struct Sessione {
    Sessione(const std::filesystem::path& dati, uint32_t seed)
        : rng(seed), g(clock, rng, media, Paths{{}, dati}) {
        Avvio(g, 12000, 9000);
    }

    void click(TargetKind kind, int i = 0) { g.click(Target{kind, i}); }

    // Plays until the hall of fame panel opens at the end of a Torneo; false if it never does.
    // At each pause between Giochi the player tries to look at the ranking first.
    bool giocaTorneo() {
        for (int passi = 0; passi < 400000; ++passi) {
            if (g.screen.FraPannello[3].visible && g.screen.FraQuando.visible) return true;
            if (g.screen.FraQuando.visible) {
                const int partite = g.partita.partitePC + g.partita.partiteH;
                click(TargetKind::Classifica);
                EXPECT_FALSE(g.screen.FraPannello[3].visible);
                g.key(Key::Enter);
                EXPECT_EQ(g.partita.partitePC + g.partita.partiteH, partite);
                EXPECT_FALSE(g.screen.FraPannello[4].visible);
                ++pause;
            } else if (sim::TurnoUmano(g)) {
                sim::GiocaUmano(g, sim::Politica::Random, umano);
            }
            AdvanceVirtualTime(g, clock, 50);
        }
        return false;
    }

    VirtualClock clock{TimeOfDay{2026, 12, 6, 21, 4, 0}};
    SeededRandom rng;
    std::mt19937 umano{5};
    RecordingMediaPlayer media{clock};
    Game g;
    int pause = 0;  // pauses between Giochi of the Torneo
};

// Every line of the file is one quoted item ended by CR LF.
void EOnlyQuotedItems(const std::string& bytes, std::size_t items) {
    std::size_t n = 0;
    for (std::size_t at = 0; at < bytes.size(); ++n) {
        const std::size_t end = bytes.find("\r\n", at);
        ASSERT_NE(end, std::string::npos) << "a line without CR LF";
        const std::string line = bytes.substr(at, end - at);
        ASSERT_GE(line.size(), 2u);
        EXPECT_EQ(line.front(), '"');
        EXPECT_EQ(line.back(), '"');
        EXPECT_EQ(line.find('\n'), std::string::npos);
        at = end + 2;
    }
    EXPECT_EQ(n, items);
}

TEST(HallOfFameScenario, TwoTorneiLeaveTheDocumentedFilesAndARestartShowsThem) {
    testing_support::TempDati dati;
    auto s = std::make_unique<Sessione>(dati.dati(), 5);
    Game& g = s->g;
    ASSERT_TRUE(dati.exists("GnImpo.txt"));
    EXPECT_EQ(dati.read("GnNome.txt"), "\"\"\r\n");
    g.screen.txtNome.text.clear();
    g.textInput("Niccolò");
    g.key(Key::Enter);
    ASSERT_FALSE(g.screen.FraSplash.visible);
    EXPECT_EQ(dati.read("GnNome.txt"), "\"Niccolò\"\r\n");
    s->click(TargetKind::Livello, 2);  // 'Honest' Zeb
    ASSERT_EQ(g.livello, Livello::Honest);

    ASSERT_TRUE(s->giocaTorneo()) << "the first Torneo never ended";
    EXPECT_GE(s->pause, 2);  // at least three Giochi, so the pauses were tried
    const std::string primo = g.partita.vincitore;
    ASSERT_FALSE(primo.empty());
    EXPECT_EQ(g.classifica.albo.size(), 1u);
    EXPECT_EQ(g.classifica.albo[0].substr(0, 3 + primo.size()), "1) " + primo);
    EXPECT_EQ(g.classifica.inserimentoVincitore, 1);
    EXPECT_EQ(g.screen.lblNomeGiocatore[1].text, primo);

    // The caption cannot take the panel away while the prompt waits: Enter still starts a
    // new Torneo, with the Partite back to nought.
    s->click(TargetKind::Classifica);
    EXPECT_TRUE(g.screen.FraPannello[3].visible);
    g.key(Key::Enter);
    EXPECT_EQ(g.partita.partitePC + g.partita.partiteH, 0);
    EXPECT_TRUE(g.screen.FraPannello[4].visible);
    EXPECT_FALSE(g.screen.FraPannello[3].visible);
    EXPECT_EQ(g.screen.lblNomeGiocatore[1].fore, colors::kWhite);
    s->click(TargetKind::Livello, 2);
    ASSERT_TRUE(s->giocaTorneo()) << "the second Torneo never ended";
    ASSERT_EQ(g.classifica.albo.size(), 2u);
    EXPECT_EQ(g.classifica.albo[1].substr(0, 3), "2) ");

    const std::string albo = dati.read("GnAlbo.txt");
    EOnlyQuotedItems(albo, 3);
    EXPECT_EQ(albo,
              "\"" + g.classifica.albo[0] + "\"\r\n\"" + g.classifica.albo[1] + "\"\r\n\"\"\r\n");
    const std::string classifica = dati.read("GnClass.txt");
    EOnlyQuotedItems(classifica, 21);
    EXPECT_EQ(classifica.substr(classifica.size() - 5), "\"2\"\r\n");
    EXPECT_EQ(data::LoadRanking(dati.dati()).status, data::FileStatus::Ok);

    const std::vector<std::string> lista = g.classifica.albo;
    std::array<std::string, 10> nomi, vinti;
    for (std::size_t i = 1; i <= 10; ++i) {
        nomi[i - 1] = g.screen.lblNomeGiocatore[i].text;
        vinti[i - 1] = g.screen.lblTorneiVinti[i].text;
    }
    s.reset();

    // A restart on the same folder.
    Sessione dopo(dati.dati(), 9);
    EXPECT_EQ(dopo.g.screen.txtNome.text, "Niccolò");
    EXPECT_EQ(dopo.g.screen.LstAlboLines, lista);
    EXPECT_EQ(dopo.g.classifica.classifica.totalePartite, 2);
    for (std::size_t i = 1; i <= 10; ++i) {
        EXPECT_EQ(dopo.g.screen.lblNomeGiocatore[i].text, nomi[i - 1]) << i;
        EXPECT_EQ(dopo.g.screen.lblTorneiVinti[i].text, vinti[i - 1]) << i;
    }
    EXPECT_FALSE(dati.exists("GnClass.txt.bad"));
    EXPECT_FALSE(dati.exists("GnAlbo.txt.bad"));
}

}  // namespace
}  // namespace gnamm
