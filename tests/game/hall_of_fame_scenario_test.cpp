// A whole Torneo from a fresh Dati folder, played by clicks: the hall of fame and the name
// files come out in their format, and a restart shows the same panel.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <tuple>

#include "audio/recording_media_player.h"
#include "data/data_files.h"
#include "data/temp_dati.h"
#include "game/hall_of_fame.h"
#include "human_policy.h"
#include "ui/finestra.h"
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
            if (g.screen.FraPannello[3].visible && g.vista.FraQuando.visible) return true;
            if (g.vista.FraQuando.visible) {
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
    Finestra g;
    int pause = 0;  // pauses between Giochi of the Torneo
};

TEST(HallOfFameScenario, ATorneoPlayedByClicksLeavesTheFilesAndARestartShowsThem) {
    testing_support::TempDati dati;
    auto s = std::make_unique<Sessione>(dati.dati(), 5);
    Finestra& g = s->g;
    EXPECT_EQ(dati.read("GnNome.txt"), "\"\"\r\n");
    g.screen.txtNome.text.clear();
    g.textInput("Niccolò");
    g.key(Key::Enter);
    ASSERT_FALSE(g.screen.FraSplash.visible);
    EXPECT_EQ(dati.read("GnNome.txt"), "\"Niccolò\"\r\n");
    s->click(TargetKind::Livello, 2);  // 'Honest' Zeb
    ASSERT_EQ(g.livello, Livello::Honest);

    ASSERT_TRUE(s->giocaTorneo()) << "the Torneo never ended";
    EXPECT_GE(s->pause, 2);  // at least three Giochi, so the pauses were tried
    const std::string vincitore = g.partita.vincitore;
    ASSERT_EQ(g.classifica.albo.size(), 1u);
    EXPECT_EQ(g.classifica.albo[0].substr(0, 3 + vincitore.size()), "1) " + vincitore);
    EXPECT_EQ(dati.read("GnAlbo.txt"), "\"" + g.classifica.albo[0] + "\"\r\n\"\"\r\n");
    EXPECT_EQ(g.screen.lblNomeGiocatore[1].text, vincitore);

    // The caption cannot take the panel away while the prompt waits: Enter still starts a
    // new Torneo, with the Partite back to nought.
    s->click(TargetKind::Classifica);
    EXPECT_TRUE(g.screen.FraPannello[3].visible);
    g.key(Key::Enter);
    EXPECT_EQ(g.partita.partitePC + g.partita.partiteH, 0);
    EXPECT_TRUE(g.screen.FraPannello[4].visible && !g.screen.FraPannello[3].visible);
    const std::vector<std::string> albo = g.classifica.albo;
    s.reset();

    // A restart on the same folder.
    Sessione dopo(dati.dati(), 9);
    EXPECT_EQ(dopo.g.screen.LstAlboLines, albo);
    const Screen& vista = dopo.g.screen;
    EXPECT_EQ(std::tuple(vista.txtNome.text, dopo.g.classifica.classifica.totalePartite,
                         vista.lblNomeGiocatore[1].text, vista.lblTorneiVinti[1].text),
              std::tuple("Niccolò", 1, vincitore, "1"));
    EXPECT_FALSE(dati.exists("GnClass.txt.bad") || dati.exists("GnAlbo.txt.bad"));
}

}  // namespace
}  // namespace gnamm
