#include "ui/startup.h"

#include <gtest/gtest.h>

#include "data/data_files.h"
#include "data/quoted_items.h"
#include "data/startup_read.h"
#include "ui/options_panel.h"
#include "ui_fixture.h"

namespace gnamm {
namespace {

class AvvioTest : public test_ui::UiTest {
  protected:
    void avvia() {
        gnamm::Avvio(g, 12000, 9000);
        RefreshScreen(g);
    }
    void scriviImpostazioni(const data::Settings& s) {
        dati.write("GnImpo.txt", data::FormatSettings(s));
    }
};

TEST_F(AvvioTest, AFreshDataFolderStartsOnTheSplashWithTheLevelChoiceBehind) {
    avvia();
    EXPECT_TRUE(g.screen.FraSplash.visible);
    EXPECT_EQ(g.screen.txtNome.text, "");
    EXPECT_TRUE(g.screen.FraPannello[4].visible);
    EXPECT_TRUE(g.screen.ImgCarta[0].visible);
    EXPECT_EQ(g.screen.ImgCarta[0].picture, RetroPicture(g.opzioni.retroCarte));
    for (const Element& p : g.screen.FraPannello) EXPECT_EQ(p.back, g.screen.windowBack);
    EXPECT_TRUE(g.scheduler.isEnabled(Timer::Inserisci));
    EXPECT_TRUE(g.scheduler.isEnabled(Timer::AudioSplash));
    // The level panel's prompt blinks once the splash no longer hides it.
    EXPECT_FALSE(g.scheduler.isEnabled(Timer::LampeggiaScritta2));
    EXPECT_EQ(g.screen.lblIstruzioni.text, "");
}

TEST_F(AvvioTest, ADataFolderThatCannotBeWrittenIsToldInTheInstructionsBox) {
    dati.write("../blocked", "x");  // a file where the folder's parent should be
    VirtualClock c{test_ui::kOra};
    SeededRandom r(1);
    SilentMediaPlayer m;
    Finestra partita(c, r, m, Paths{{}, dati.dati().parent_path() / "blocked" / "Dati"});
    gnamm::Avvio(partita, 12000, 9000);
    EXPECT_EQ(partita.vista.lblIstruzioni.text, data::kAvvisoDatiNonScrivibili);
    EXPECT_TRUE(partita.screen.FraSplash.visible);
}

TEST_F(AvvioTest, TheThreeOpeningFlagsAreDrawnTogether) {
    int primi = 0;
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        VirtualClock c{test_ui::kOra};
        SeededRandom r(seed);
        SilentMediaPlayer m;
        Finestra partita(c, r, m, Paths{dati.dati().parent_path(), dati.dati()});
        gnamm::Avvio(partita, 12000, 9000);
        const bool primo = partita.persona.assoBevuto == 1;
        EXPECT_EQ(partita.pc.onesta, primo);
        EXPECT_EQ(partita.pc.cinqueDiCuori, primo ? 1 : 2);
        EXPECT_EQ(partita.partita.alternaUltimaCattura, primo);
        primi += primo ? 1 : 0;
    }
    EXPECT_GT(primi, 0);
    EXPECT_LT(primi, 12);
}

TEST(AvvioOrdine, TheFlagsAreDrawnBeforeTheGraphicsAndTheSettingsReadBeforeBoth) {
    testing_support::TempDati dati;
    data::Settings s;  // stored: Blue table, Blue cards, Star back, random graphics on
    s.opzioni.coloreTavolo = ColoreTavolo::Green;
    dati.write("GnImpo.txt", data::FormatSettings(s));
    VirtualClock clock{test_ui::kOra};
    test_ui::ScriptedRandom rng(clock);
    rng.forza(2, 2);  // the opening flags: "No", "2", "2"
    rng.forza(4, 4);  // table: Blue
    rng.forza(4, 3);  // cards: Turquoise
    rng.forza(4, 2);  // back: Star, the stored one: drawn again
    rng.forza(4, 1);  // back: Horse
    SilentMediaPlayer media;
    Finestra g(clock, rng, media, Paths{dati.dati().parent_path(), dati.dati()});
    Avvio(g, 12000, 9000);
    EXPECT_TRUE(rng.esaurito());
    EXPECT_FALSE(g.pc.onesta);
    EXPECT_EQ(g.persona.assoBevuto, 2);
    EXPECT_EQ(g.opzioni.coloreTavolo, ColoreTavolo::Blue);
    EXPECT_EQ(g.opzioni.coloreCarte, ColoreCarte::Turquoise);
    EXPECT_EQ(g.opzioni.retroCarte, Retro::Horse);
    EXPECT_EQ(g.vista.ImgCarta[0].picture, "\\Grafica\\Horse.gif");
    EXPECT_EQ(g.vista.ShpCarta[0].back, (Rgb{0, 128, 128}));
}

TEST_F(AvvioTest, StoredGraphicsSideBoxesAndIntervalsAreApplied) {
    data::Settings s;
    s.opzioni.randomGrafica = false;
    s.opzioni.coloreTavolo = ColoreTavolo::Green;
    s.opzioni.coloreCarte = ColoreCarte::Grey;
    s.opzioni.retroCarte = Retro::Rhombs;
    s.riquadri[1] = {0, false};
    s.riquadri[3] = {1, true};
    s.intervalli.effettuaMossaPC = 800;
    s.intervalli.scegli6Carte = 100;
    scriviImpostazioni(s);
    avvia();
    EXPECT_EQ(g.screen.windowBack, ColoreSfondo(ColoreTavolo::Green));
    EXPECT_EQ(g.screen.ShpContornoCarta[0].borderColor, (Rgb{128, 128, 128}));
    EXPECT_EQ(g.screen.ImgCarta[0].picture, "\\Grafica\\Rhombs.gif");
    EXPECT_FALSE(g.screen.FraRiquadro[1].visible);
    EXPECT_FALSE(g.screen.lblRiquadri[1].border);
    EXPECT_TRUE(g.screen.FraRiquadro[3].visible);
    EXPECT_TRUE(g.screen.lblRiquadri[3].border);
    EXPECT_EQ(g.scheduler.interval(Timer::EffettuaMossaPC), 800);
    EXPECT_EQ(g.scheduler.interval(Timer::Scegli6Carte), 100);
}

TEST_F(AvvioTest, ThePromptIsShownThreeTicksAndHiddenOne) {
    avvia();
    EXPECT_FALSE(g.screen.lblInserisci.visible);
    std::vector<bool> viste;
    for (int t = 0; t < 8; ++t) {
        avanza(500);
        viste.push_back(g.screen.lblInserisci.visible);
    }
    EXPECT_EQ(viste, (std::vector<bool>{true, true, true, false, true, true, true, false}));
}

TEST_F(AvvioTest, SplashVoicesComeWithGrowingPausesUntilTheNameIsGiven) {
    avvia();
    avanza(24000);
    std::vector<std::pair<int64_t, std::string>> voci;
    for (const auto& e : media.log()) {
        if (e.channel == Channel::AudioSplash && e.isFile) voci.emplace_back(e.timeMs, e.file);
    }
    const std::vector<std::pair<int64_t, std::string>> attese = {
        {1000, "\\Zeb\\S15.wav"},  {2000, "\\Zeb\\S16.wav"},  {4500, "\\Zeb\\S17.wav"},
        {7500, "\\Zeb\\S18.wav"},  {12500, "\\Zeb\\S18.wav"}, {18000, "\\Zeb\\S18.wav"},
        {24000, "\\Zeb\\S18.wav"},
    };
    EXPECT_EQ(voci, attese);
}

TEST_F(AvvioTest, EnterWithAnEmptyOrBlankNameLeavesTheSplashUp) {
    avvia();
    g.key(Key::Enter);
    EXPECT_TRUE(g.screen.FraSplash.visible);
    g.textInput("   ");
    g.key(Key::Enter);
    EXPECT_TRUE(g.screen.FraSplash.visible);
    EXPECT_TRUE(g.scheduler.isEnabled(Timer::AudioSplash));
    avanza(1000);
    EXPECT_EQ(media.played(Channel::AudioSplash).size(), 1u);
}

TEST_F(AvvioTest, TheNameBoxTakesTypingThroughTheNameRules) {
    avvia();
    g.textInput("Ugo \"il\"\tRosso");
    EXPECT_EQ(g.screen.txtNome.text, "Ugo ilRosso");
    g.key(Key::Backspace);
    EXPECT_EQ(g.screen.txtNome.text, "Ugo ilRoss");
}

TEST_F(AvvioTest, EnterWithANameStoresItAndLeavesTheLevelChoice) {
    avvia();
    g.textInput("  Ugo  ");
    g.key(Key::Enter);
    EXPECT_FALSE(g.screen.FraSplash.visible);
    EXPECT_EQ(g.nome, "Ugo");
    EXPECT_EQ(data::LoadName(dati.dati()).value, "Ugo");
    EXPECT_FALSE(g.scheduler.isEnabled(Timer::AudioSplash));
    EXPECT_EQ(media.log().back().channel, Channel::AudioSplash);
    EXPECT_EQ(media.log().back().command, Command::Close);
    EXPECT_TRUE(g.screen.FraPannello[4].visible);
    EXPECT_TRUE(g.scheduler.isEnabled(Timer::LampeggiaScritta2));
    EXPECT_TRUE(media.played(Channel::Musiche).empty());
    // The splash is gone: the name box takes no more typing.
    g.textInput("x");
    EXPECT_EQ(g.screen.txtNome.text, "Ugo");
}

TEST_F(AvvioTest, TheStoredNameIsOfferedAndEnterRewritesItUnchanged) {
    ASSERT_TRUE(data::SaveName(dati.dati(), "Zelda"));
    const std::string prima = dati.read("GnNome.txt");
    avvia();
    EXPECT_EQ(g.screen.txtNome.text, "Zelda");
    g.key(Key::Enter);
    EXPECT_EQ(g.nome, "Zelda");
    EXPECT_EQ(dati.read("GnNome.txt"), prima);
    EXPECT_TRUE(media.played(Channel::Musiche).empty());
}

TEST_F(AvvioTest, OnTheSplashOnlyEnterAndTypingCount) {
    avvia();
    g.key(Key::Escape);
    g.key(Key::Digit1);
    g.click({TargetKind::Pannelli, 0});
    g.click({TargetKind::NonnoZeb, 1});
    EXPECT_FALSE(g.screen.FraPannello[0].visible);
    EXPECT_FALSE(g.screen.FraPannello[1].visible);
    EXPECT_EQ(g.livello, Livello::None);
}

}  // namespace
}  // namespace gnamm
