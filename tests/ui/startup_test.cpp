// Start-up: the stored settings and name applied, the splash with its prompt and voices, the
// opening draws, the layout scaled to the screen, and the Torneo saved when the window closes,
// offered back after the name and forgotten on a surrender.
#include "ui/startup.h"

#include <gtest/gtest.h>

#include <gmock/gmock.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <random>

#include "data/data_files.h"
#include "data/dati_lock.h"
#include "data/startup_read.h"
#include "human_policy.h"
#include "save/torneo_file.h"
#include "save/torneo_save.h"
#include "shown_table.h"
#include "ui/instructions_view.h"
#include "ui/options_panel.h"
#include "ui/panels.h"
#include "ui/scaling.h"
#include "ui/torneo_ripresa.h"
#include "ui_fixture.h"

namespace gnamm {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

Rect Per(Rect r, float kx, float ky) {
    auto s = [](int v, float k) {
        return static_cast<int>(std::lround(static_cast<float>(v) * k));
    };
    return {s(r.x, kx), s(r.y, ky), s(r.w, kx), s(r.h, ky)};
}

// Places stretch with each side of the screen, fonts follow its height, pictures have no font.
TEST(ScalaGrafica, PlacesFollowBothSidesAndFontsTheHeight) {
    Screen design;
    ApplyDesignLayout(design);
    Screen s = design;
    const float kx = 2.4f, ky = 1.8f;
    ScalaGrafica(s, 28800, 16200);
    for (int i = 0; i < kNumeroPosti; ++i) {
        EXPECT_EQ(s.ImgCarta[i].rect, Per(design.ImgCarta[i].rect, kx, ky)) << i;
        EXPECT_EQ(s.ShpCarta[i].rect, Per(design.ShpCarta[i].rect, kx, ky)) << i;
    }
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(s.FraPannello[k].rect, Per(design.FraPannello[k].rect, kx, ky));
    EXPECT_EQ(s.lblCopriCarte.rect, Per(design.lblCopriCarte.rect, kx, ky));
    EXPECT_FLOAT_EQ(s.txtNome.fontSize, design.txtNome.fontSize * ky);
    EXPECT_FLOAT_EQ(s.lblOpzioni[3].fontSize, design.lblOpzioni[3].fontSize * ky);
    EXPECT_FLOAT_EQ(s.ImgSplash.fontSize, design.ImgSplash.fontSize);
    EXPECT_EQ(std::tuple(s.widthTwips, s.heightTwips), std::tuple(28800, 16200));
}

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

TEST_F(AvvioTest, AFreshDataFolderStartsOnTheSplashAndOneThatCannotBeWrittenIsTold) {
    avvia();
    EXPECT_TRUE(g.screen.FraSplash.visible && g.screen.txtNome.text.empty() &&
                g.screen.FraPannello[4].visible && g.screen.ImgCarta[0].visible);
    EXPECT_EQ(g.screen.ImgCarta[0].picture, RetroPicture(g.game.opzioni.retroCarte));
    for (const Element& p : g.screen.FraPannello) EXPECT_EQ(p.back, g.screen.windowBack);
    // The level panel's prompt blinks once the splash no longer hides it.
    EXPECT_TRUE(g.game.scheduler.isEnabled(Timer::Inserisci) &&
                g.game.scheduler.isEnabled(Timer::AudioSplash) &&
                !g.game.scheduler.isEnabled(Timer::LampeggiaScritta2));
    EXPECT_EQ(g.screen.lblIstruzioni.text, "");
    // A data folder that cannot be written is told in the notice box, not in the instructions.
    dati.write("../blocked", "x");  // a file where the folder's parent should be
    VirtualClock c{test_ui::kOra};
    SeededRandom r(1);
    SilentMediaPlayer m;
    Finestra partita(c, r, m, Paths{{}, dati.dati().parent_path() / "blocked" / "Dati"});
    partita.game.avvisi.scriviStderr = false;
    gnamm::Avvio(partita, 12000, 9000);
    RefreshScreen(partita);
    // Said once: a folder that cannot be made is not told again as one that cannot be written.
    EXPECT_THAT(partita.game.avvisi.inAttesa(), ElementsAre(HasSubstr("non si può creare")));
    EXPECT_EQ(partita.screen.lblAvviso.text, partita.game.avvisi.corrente());
    EXPECT_FALSE(partita.custodiaTorneo.cartellaScrivibile);
    EXPECT_TRUE(partita.screen.FraSplash.visible && partita.screen.FraAvviso.visible);
    EXPECT_EQ(TestoIstruzione(partita.game.istruzione), "");
}

// A damaged record is mended and told on the splash, not at the end of the first Gioco.
TEST_F(AvvioTest, ADamagedRecordIsToldAtStartUp) {
    dati.write("GnStat.json", "{\"formato\":1,\"giocatori\":{\"A\":{");
    avvia();
    EXPECT_TRUE(dati.exists("GnStat.json.bad"));
    EXPECT_TRUE(g.screen.FraAvviso.visible);
    EXPECT_NE(g.screen.lblAvviso.text.find("GnStat.json.bad"), std::string::npos);
}

TEST_F(AvvioTest, TheThreeOpeningFlagsAreDrawnTogetherAndBeforeTheGraphics) {
    int primi = 0;
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        VirtualClock c{test_ui::kOra};
        SeededRandom r(seed);
        SilentMediaPlayer m;
        Finestra partita(c, r, m, Paths{dati.dati().parent_path(), dati.dati()});
        gnamm::Avvio(partita, 12000, 9000);
        const bool primo = partita.zeb.stato.assoBevuto == 1;
        EXPECT_EQ(std::tuple(partita.game.pc.onesta, partita.zeb.stato.cinqueDiCuori,
                             partita.zeb.stato.alternaUltimaCattura),
                  std::tuple(primo, primo ? 1 : 2, primo));
        primi += primo ? 1 : 0;
    }
    EXPECT_TRUE(primi > 0 && primi < 12) << primi;

    // The flags are drawn before the graphics, and the settings read before both.
    data::Settings s;  // stored: Blue table, Blue cards, Star back, random graphics on
    s.opzioni.coloreTavolo = ColoreTavolo::Green;
    scriviImpostazioni(s);
    VirtualClock ora{test_ui::kOra};
    test_ui::ScriptedRandom copione(ora);
    copione.forza(2, 2);  // the opening flags: "No", "2", "2"
    copione.forza(4, 4);  // table: Blue
    copione.forza(4, 3);  // cards: Turquoise
    copione.forza(4, 2);  // back: Star, the stored one: drawn again
    copione.forza(4, 1);  // back: Horse
    SilentMediaPlayer muto;
    Finestra f(ora, copione, muto, Paths{dati.dati().parent_path(), dati.dati()});
    Avvio(f, 12000, 9000);
    EXPECT_TRUE(copione.esaurito() && !f.game.pc.onesta && f.zeb.stato.assoBevuto == 2);
    EXPECT_EQ(std::tuple(f.game.opzioni.coloreTavolo, f.game.opzioni.coloreCarte,
                         f.game.opzioni.retroCarte),
              std::tuple(ColoreTavolo::Blue, ColoreCarte::Turquoise, Retro::Horse));
    RefreshScreen(f);
    EXPECT_EQ(std::tuple(f.screen.ImgCarta[0].picture, f.screen.ShpCarta[0].back),
              std::tuple("\\Grafica\\Horse.gif", Rgb{0, 128, 128}));
}

// The stored graphics, side boxes and intervals are applied; the stored name is offered and Enter
// rewrites it unchanged, starting the music when it is wanted.
TEST_F(AvvioTest, TheStoredSettingsAndNameAreApplied) {
    data::Settings s;
    s.opzioni.musiche = true;
    s.opzioni.randomGrafica = false;
    s.opzioni.coloreTavolo = ColoreTavolo::Green;
    s.opzioni.coloreCarte = ColoreCarte::Grey;
    s.opzioni.retroCarte = Retro::Rhombs;
    s.riquadri[1] = {0, false};
    s.riquadri[3] = {1, true};
    s.intervalli.effettuaMossaPC = 800;
    s.intervalli.scegli6Carte = 100;
    scriviImpostazioni(s);
    ASSERT_TRUE(data::SaveName(dati.dati(), "Zelda"));
    const std::string prima = dati.read("GnNome.txt");
    avvia();
    EXPECT_EQ(g.screen.windowBack, ColoreSfondo(ColoreTavolo::Green));
    EXPECT_EQ(g.screen.ShpContornoCarta[0].borderColor, (Rgb{128, 128, 128}));
    EXPECT_EQ(g.screen.ImgCarta[0].picture, "\\Grafica\\Rhombs.gif");
    EXPECT_TRUE(!g.screen.FraRiquadro[1].visible && !g.screen.lblRiquadri[1].border &&
                g.screen.FraRiquadro[3].visible && g.screen.lblRiquadri[3].border);
    EXPECT_EQ(std::tuple(g.game.scheduler.interval(Timer::EffettuaMossaPC),
                         g.game.scheduler.interval(Timer::Scegli6Carte)),
              std::tuple(800, 100));
    EXPECT_EQ(g.screen.txtNome.text, "Zelda");
    g.key(Key::Enter);
    EXPECT_EQ(
        std::tuple(g.game.nome, dati.read("GnNome.txt"), media.played(Channel::Musiche).size()),
        std::tuple("Zelda", prima, 1u));
}

// The prompt is shown three ticks and hidden one; the splash voices come with growing pauses
// until the name is given.
TEST_F(AvvioTest, ThePromptBlinksAndTheSplashVoicesComeWithGrowingPauses) {
    avvia();
    EXPECT_FALSE(g.screen.lblInserisci.visible);
    std::vector<bool> viste;
    for (int t = 0; t < 8; ++t) {
        avanza(500);
        viste.push_back(g.screen.lblInserisci.visible);
    }
    EXPECT_EQ(viste, (std::vector<bool>{true, true, true, false, true, true, true, false}));
    avanza(20000);
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

// An empty or blank name, one of invisible characters only or one that turns the writing
// direction leaves the splash up. A notice on the splash closes with Escape.
TEST_F(AvvioTest, OnTheSplashOnlyEnterAndTypingCount) {
    avvia();
    g.game.avvisi.scriviStderr = false;
    g.game.avvisi.aggiungi("Avviso");
    RefreshScreen(g);
    g.key(Key::Escape);
    EXPECT_TRUE(g.game.avvisi.vuoto() && g.screen.FraSplash.visible);
    g.key(Key::Escape);
    g.key(Key::Digit1);
    g.click({TargetKind::Pannelli, 0});
    g.click({TargetKind::NonnoZeb, 1});
    EXPECT_FALSE(g.screen.FraPannello[0].visible || g.screen.FraPannello[1].visible ||
                 g.game.livello != Livello::None);
    g.key(Key::Enter);
    EXPECT_TRUE(g.screen.FraSplash.visible);
    // Zero-width space and joiner, a filler, a variation selector; a right-to-left override.
    for (const char* nome : {"   ", "\u200b \u200d\u3164\ufe0f", "Ugo\u202e"}) {
        g.screen.txtNome.text.clear();
        g.textInput(nome);
        g.key(Key::Enter);
        EXPECT_TRUE(g.screen.FraSplash.visible && g.game.scheduler.isEnabled(Timer::AudioSplash));
    }
    g.screen.txtNome.text = "   ";
    avanza(1000);
    EXPECT_EQ(media.played(Channel::AudioSplash).size(), 1u);
    g.textInput("Ugo \"il\"\tRosso");
    EXPECT_EQ(g.screen.txtNome.text, "   Ugo ilRosso");
    g.key(Key::Backspace);
    EXPECT_EQ(g.screen.txtNome.text, "   Ugo ilRoss");
}

TEST_F(AvvioTest, EnterWithANameStoresItAndLeavesTheLevelChoice) {
    avvia();
    g.textInput("  Ugo  ");
    g.key(Key::Enter);
    EXPECT_EQ(std::tuple(g.game.nome, data::LoadName(dati.dati()).value), std::tuple("Ugo", "Ugo"));
    EXPECT_TRUE(!g.screen.FraSplash.visible && !g.game.scheduler.isEnabled(Timer::AudioSplash) &&
                g.screen.FraPannello[4].visible &&
                g.game.scheduler.isEnabled(Timer::LampeggiaScritta2));
    EXPECT_EQ(std::tuple(media.log().back().channel, media.log().back().command),
              std::tuple(Channel::AudioSplash, Command::Close));
    EXPECT_TRUE(media.played(Channel::Musiche).empty());
    // The splash is gone: the name box takes no more typing.
    g.textInput("x");
    EXPECT_EQ(g.screen.txtNome.text, "Ugo");
}

// A screen 9000 twips high is left as designed whatever its width; at 1600 x 1200 the layout and
// the rules text top are doubled.
TEST_F(AvvioTest, TheLayoutFollowsTheScreensHeight) {
    Screen design;
    ApplyDesignLayout(design);
    Avvio(g, 16000, 9000);
    EXPECT_EQ(g.screen.ImgCarta[5].rect, design.ImgCarta[5].rect);
    EXPECT_FLOAT_EQ(g.screen.lblRegole[0].fontSize, design.lblRegole[0].fontSize);
    EXPECT_EQ(std::tuple(g.screen.widthTwips, g.screen.heightTwips), std::tuple(12000, 9000));

    Avvio(g, 24000, 18000);
    EXPECT_EQ(g.screen.ImgCarta[7].rect, Per(design.ImgCarta[7].rect, 2, 2));
    // The panels are placed before the scaling, so they too land doubled.
    EXPECT_EQ(g.screen.FraPannello[2].rect, (Rect{6260, 1230, 2 * design.FraPannello[2].rect.w,
                                                  2 * design.FraPannello[2].rect.h}));
    EXPECT_EQ(g.screen.lblRegole[0].rect.y, 2 * 1770);
    g.pannelli.paginaRegole = 7;
    ClickRegole(g, true);  // page 8, text top 2550
    EXPECT_EQ(g.screen.lblRegole[0].rect.y, 5100);
}

// An answer to the question, and whether it takes the saved Torneo up again.
struct Risposta {
    const char* come;
    std::optional<Key> tasto;  // else a click on the answer
    int risposta = 0;          // 0 "Sì", 1 "No"
    bool riprende = false;
    bool domandaAperta = false;  // the question is still waiting
};

class Ripresa : public test_ui::UiTest, public ::testing::WithParamInterface<Risposta> {
  protected:
    // A Torneo under way, stopped at the human's turn and saved by closing the window.
    void SetUp() override {
        avviaConNome("Ugo");
        g.key(Key::Digit1);
        for (int i = 0; i < 600 && !MomentoTranquillo(g.game); ++i) avanza(100);
        ASSERT_TRUE(MomentoTranquillo(g.game));
        g.click({TargetKind::Carta, 5});  // a card played, up to the next quiet moment
        for (int i = 0; i < 600 && !MomentoTranquillo(g.game); ++i) avanza(100);
        ASSERT_TRUE(MomentoTranquillo(g.game));
        g.close();
        EXPECT_FALSE(g.screen.FraPannello[1].visible);  // closing asks nothing
        ASSERT_TRUE(std::filesystem::exists(file()));
    }

    std::filesystem::path file() const { return FileTorneo(dati.dati(), "Ugo"); }
    std::string salvato() const { return dati.read(file().filename()); }

    // Plays on to the next quiet moment: the human's card or the pick under way, then time.
    void muovi(Finestra& f) {
        std::mt19937 scelte(3);
        if (sim::TurnoUmano(f)) {
            ASSERT_TRUE(sim::GiocaUmano(f, sim::Politica::Greedy, scelte));
        } else if (f.game.umano.puoiScegliere) {
            ASSERT_TRUE(sim::ScegliPresa(f, sim::Politica::Greedy, scelte));
        }
        AdvanceVirtualTime(f, clock, 100);
        for (int i = 0; i < 600 && !MomentoTranquillo(f.game); ++i)
            AdvanceVirtualTime(f, clock, 100);
        ASSERT_TRUE(MomentoTranquillo(f.game));
    }

    // The program started again and the name given on the splash.
    Finestra& riavvia(std::string_view nome) {
        dopo.emplace(clock, rng2, media2, g.game.paths);
        Avvio(*dopo, 12000, 9000);
        dopo->screen.txtNome.text = std::string(nome);
        dopo->key(Key::Enter);
        return *dopo;
    }

    SeededRandom rng2{99};
    RecordingMediaPlayer media2{clock};
    std::optional<Finestra> dopo;
};

TEST_P(Ripresa, TheAnswerResumesTheTableOrForgetsIt) {
    const Risposta r = GetParam();
    Finestra& f = riavvia("Ugo");
    ASSERT_TRUE(f.screen.FraPannello[1].visible && !f.screen.FraPannello[4].visible);
    EXPECT_EQ(f.screen.lblRegole[14].text, "Vuoi riprendere il Torneo lasciato in sospeso?");
    if (r.tasto) {
        f.key(*r.tasto);
    } else {
        f.click({TargetKind::Uscita, r.risposta});
    }
    EXPECT_EQ(f.screen.FraPannello[1].visible, r.domandaAperta);
    if (r.domandaAperta) return;
    EXPECT_EQ(std::tuple(f.screen.lblRegole[14].text, f.screen.FraPannello[4].visible,
                         std::filesystem::exists(file())),
              std::tuple("Davvero vuoi arrenderti?", !r.riprende, r.riprende));
    if (!r.riprende) return;
    // The same table: every card, mat and outline as drawn, the prompt, the scores, the deck.
    EXPECT_EQ(sim::TavolaMostrata(f.screen), sim::TavolaMostrata(g.screen));
    const auto resto = [](const Screen& s) {
        return std::tuple(s.lblPuntiH, s.lblCarteRimasteNelMazzo, s.windowBack);
    };
    EXPECT_EQ(resto(f.screen), resto(g.screen));
    EXPECT_TRUE(f.screen.lblH.text == "Ugo" && MomentoTranquillo(f.game));
}

INSTANTIATE_TEST_SUITE_P(Risposte, Ripresa,
                         ::testing::Values(Risposta{"Enter", Key::Enter, 0, true},
                                           Risposta{"S", Key::S, 0, true},
                                           Risposta{"N", Key::N, 1, false},
                                           Risposta{"ClickSi", std::nullopt, 0, true},
                                           Risposta{"ClickNo", std::nullopt, 1, false},
                                           Risposta{"Escape", Key::Escape, 0, false, true},
                                           Risposta{"Digit1", Key::Digit1, 0, false, true}),
                         [](const auto& info) { return std::string(info.param.come); });

// Another name is not asked, and its own Torneo is saved beside: neither touches the other, and
// a surrender forgets only its player's.
TEST_F(Ripresa, AnotherNameSavesBesideAndEachSaveStaysUntilItsOwnerSurrenders) {
    const std::string ugo = salvato();
    Finestra& f = riavvia("Bea");
    EXPECT_TRUE(!f.screen.FraPannello[1].visible && f.screen.FraPannello[4].visible);
    f.key(Key::Digit1);
    for (int i = 0; i < 600 && !MomentoTranquillo(f.game); ++i) AdvanceVirtualTime(f, clock, 100);
    f.close();
    EXPECT_EQ(salvato(), ugo);
    EXPECT_TRUE(CaricaTorneoSalvato(dati.dati(), "Bea"));
    // Its owner's surrender forgets it, and the farewell saves nothing.
    g.click({TargetKind::Pannelli, 1});
    g.click({TargetKind::Uscita, 0});
    EXPECT_FALSE(std::filesystem::exists(file()));
    g.close();
    EXPECT_FALSE(std::filesystem::exists(file()));
    EXPECT_TRUE(CaricaTorneoSalvato(dati.dati(), "Bea"));
}

// The save that froze the game: the human's card played and the turn still the human's, so no
// click could go on. It is not offered; it is kept aside and the player told.
TEST_F(Ripresa, ASaveTheGameCouldNotGoOnFromIsNotOffered) {
    LetturaTorneo letto = TorneoDaJson(salvato());
    ASSERT_TRUE(letto.torneo);
    TorneoSalvato& s = *letto.torneo;
    s.umano = HumanTurnState{};
    s.umano.cartaGiocata = s.tavolo.carta[4].empty() ? (s.tavolo.carta[5].empty() ? 6 : 5) : 4;
    s.tavolo.aChiTocca = Player::H;
    dati.write(file().filename(), TorneoInJson(s));
    Finestra& f = riavvia("Ugo");
    EXPECT_TRUE(!f.screen.FraPannello[1].visible && f.screen.FraPannello[4].visible);
    EXPECT_THAT(f.game.avvisi.inAttesa(), Contains(HasSubstr("danneggiato")));
    EXPECT_EQ(dati.read(file().filename().string() + ".bad"), TorneoInJson(s));
}

// Another copy of the game (another process, on the same folder) plays under the name: its
// Torneo is not offered here, the player is told, and this copy saves none under the name while
// the rest of the game goes on. Once that copy ends the name is free again.
TEST_F(Ripresa, ANamePlayedInAnotherCopyIsNeitherOfferedNorSaved) {
    g.nomeInUso.reset();  // this window is done with the name
    int pronto[2], fine[2];
    ASSERT_TRUE(::pipe(pronto) == 0 && ::pipe(fine) == 0);
    const pid_t altra = ::fork();
    ASSERT_GE(altra, 0);
    if (altra == 0) {
        const auto nome = data::NomeInUso::Prendi(dati.dati(), "Ugo");
        const char preso = nome ? '1' : '0';
        char c = 0;
        if (::write(pronto[1], &preso, 1) == 1 && ::read(fine[0], &c, 1) >= 0) ::_exit(0);
        ::_exit(1);
    }
    char preso = 0;
    ASSERT_EQ(::read(pronto[0], &preso, 1), 1);
    ASSERT_EQ(preso, '1');
    const std::string ugo = salvato();
    Finestra& f = riavvia("Ugo");
    EXPECT_TRUE(!f.screen.FraPannello[1].visible && f.screen.FraPannello[4].visible);
    EXPECT_THAT(f.game.avvisi.inAttesa(), Contains(HasSubstr("un'altra finestra di Gnamm")));
    f.salvaTorneo = true;
    f.key(Key::Digit1);
    muovi(f);
    SalvaAlMomentoTranquillo(f);
    f.close();
    EXPECT_EQ(salvato(), ugo);

    ASSERT_EQ(::write(fine[1], "x", 1), 1);
    int stato = -1;
    ASSERT_EQ(::waitpid(altra, &stato, 0), altra);
    EXPECT_TRUE(WIFEXITED(stato) && WEXITSTATUS(stato) == 0);
    for (const int fd : {pronto[0], pronto[1], fine[0], fine[1]}) ::close(fd);
    EXPECT_TRUE(riavvia("Ugo").screen.FraPannello[1].visible);
}

// A save that fails at a quiet moment (a full disk) leaves the last one on disk and is said
// once with its reason; it is tried again at the next quiet moment, not at every frame.
TEST_F(Ripresa, AFailedSaveIsSaidOnceAndTriedAgainAtTheNextMoment) {
    const std::string prima = salvato();
    g.salvaTorneo = true;
    g.game.avvisi.scriviStderr = false;
    {
        const testing_support::DiscoPieno pieno(1000);
        muovi(g);
        SalvaAlMomentoTranquillo(g);
        muovi(g);
        SalvaAlMomentoTranquillo(g);
    }
    SalvaAlMomentoTranquillo(g);  // the same moment: not written again
    EXPECT_EQ(salvato(), prima);
    EXPECT_THAT(g.game.avvisi.inAttesa(), ElementsAre(HasSubstr("il disco è pieno")));
    muovi(g);
    SalvaAlMomentoTranquillo(g);
    EXPECT_EQ(salvato(), TorneoInJson(FotografaTorneo(g.game, g.zeb, g.suoni)));
}

TEST_F(Ripresa, SavedAtQuietMomentsOnlyWhenSwitchedOnAndOnlyWhenChanged) {
    std::filesystem::remove(file());
    SalvaAlMomentoTranquillo(g);
    EXPECT_FALSE(std::filesystem::exists(file()));  // off: tests and the simulator never write
    g.salvaTorneo = true;
    SalvaAlMomentoTranquillo(g);
    EXPECT_TRUE(std::filesystem::exists(file()));
}

// A Torneo with the music and the saloon on and the "Dati" and "Punti" boxes unpinned, played by
// the simulator's human. Saved at a quiet moment and taken up again in a fresh window, it shows
// what the window left showed.
class RipresaFedele : public test_ui::UiTest {
  protected:
    void SetUp() override {
        data::Settings s;
        s.opzioni.musiche = s.opzioni.rumoriSaloon = true;
        s.riquadri[0] = s.riquadri[1] = {0, false};
        dati.write("GnImpo.txt", data::FormatSettings(s));
        avviaConNome("Ugo");
        g.key(Key::Digit1);
    }

    // Plays on, saving as the main loop does, to the next quiet moment where `ferma` holds.
    template <class F>
    bool giocaFino(F ferma) {
        for (int passi = 0; passi < 100000; ++passi) {
            SalvaAlMomentoTranquillo(g);
            if (MomentoTranquillo(g.game) && ferma()) return true;
            if (g.game.pausa.quando) {
                g.key(Key::Enter);
            } else if (sim::TurnoUmano(g)) {
                if (!sim::GiocaUmano(g, sim::Politica::Random, politica)) return false;
            } else if (const auto t = g.game.scheduler.nextDeadline()) {
                avanza(*t - clock.nowMs());
            } else {
                return false;
            }
        }
        return false;
    }

    // The Torneo files written since the last look, taken away.
    int scritti() {
        int n = 0;
        for (const auto& e : std::filesystem::directory_iterator(dati.dati())) {
            const std::string f = e.path().filename().string();
            if (f.starts_with("GnTorneo") && f.ends_with(".json")) n += std::filesystem::remove(e);
        }
        return n;
    }

    // The track the music channel plays while the music counts down.
    static std::string musica(const Finestra& f, const RecordingMediaPlayer& m) {
        const auto suonate = m.played(Channel::Musiche);
        return f.game.scheduler.isEnabled(Timer::Musiche) && !suonate.empty() ? suonate.back() : "";
    }

    // Saved, the program started again, the name it remembers and Sì: the same table, the same
    // state (no draw made on the way) and the saved track from its beginning.
    void riprendiEConfronta() {
        ASSERT_TRUE(SalvaTorneo(g.game, g.zeb, g.suoni, g.custodiaTorneo));
        dopo.emplace(clock, rng2, media2, g.game.paths);
        Avvio(*dopo, 12000, 9000);
        dopo->key(Key::Enter);
        ASSERT_TRUE(dopo->torneoInSospeso);
        dopo->key(Key::Enter);
        EXPECT_EQ(sim::TavolaMostrata(dopo->screen), sim::TavolaMostrata(g.screen));
        EXPECT_EQ(TorneoInJson(FotografaTorneo(dopo->game, dopo->zeb, dopo->suoni)),
                  TorneoInJson(FotografaTorneo(g.game, g.zeb, g.suoni)));
        EXPECT_EQ(musica(*dopo, media2), musica(g, media));
    }

    std::mt19937 politica{3};
    SeededRandom rng2{99};
    RecordingMediaPlayer media2{clock};
    std::optional<Finestra> dopo;
};

TEST_F(RipresaFedele, TheTableComesBackAsItWasLeft) {
    // The first lead of a Gioco: "Gioca!" in its bubble, with its photo, the deck full.
    ASSERT_TRUE(giocaFino([] { return true; }));
    ASSERT_TRUE(g.zeb.angolo.commentoVisibile && g.game.posti[0].inVista());
    ASSERT_NE(musica(g, media), "");
    riprendiEConfronta();
    // The sixth Manche: the deck is gone.
    ASSERT_TRUE(giocaFino([this] { return g.game.tavolo.manche == 6; }));
    riprendiEConfronta();
    // The pause after the Gioco: the unpinned boxes show.
    ASSERT_TRUE(giocaFino([this] { return g.game.partita.esito != EsitoGioco::InCorso; }));
    ASSERT_TRUE(g.game.pausa.riquadro[0] && g.game.pausa.riquadro[1]);
    riprendiEConfronta();
}

// The piles go with the saved Torneo. A save from before them, or one whose piles are damaged or
// disagree with its scoreboard, reads whole with the piles' counts alone; damage is said once.
TEST_F(RipresaFedele, ThePilesGoWithTheSavedTorneo) {
    const Mucchi& m = g.game.mucchi;
    ASSERT_TRUE(giocaFino([&m] {
        return m.pc.carte > 0 && m.h.carte > 0 && !(m.pc.gnamm.empty() && m.h.gnamm.empty());
    }));
    riprendiEConfronta();
    EXPECT_EQ(dopo->game.mucchi, m);
    const std::string buono = TorneoInJson(FotografaTorneo(g.game, g.zeb, g.suoni));
    using Json = nlohmann::ordered_json;
    const auto cambiato = [&](auto cambia) {
        Json j = Json::parse(buono);
        cambia(j, j["mucchi"]);
        return j.dump(1) + "\n";
    };
    const struct {
        const char* cosa;
        std::string testo;
        bool rifatti;
    } casi[] = {
        {"the format before the piles", cambiato([](Json& j, Json&) {
             j["formato"] = 1;
             j.erase("mucchi");
         }),
         false},
        {"no piles", cambiato([](Json& j, Json&) { j.erase("mucchi"); }), true},
        {"a count off",
         cambiato([](Json&, Json& p) { p["h"]["carte"] = p["h"]["carte"].get<int>() + 1; }), true},
        {"an unknown card",
         cambiato([](Json&, Json& p) { p["pc"]["ultimaPresa"] = Json::array({"Zz"}); }), true},
        {"a Punto Gnamm too many",
         cambiato([](Json&, Json& p) { p["h"]["gnamm"].push_back("Ac"); }), true},
        {"not a list", cambiato([](Json&, Json& p) { p["pc"]["gnamm"] = 3; }), true},
        {"a card nobody knows in a last capture",
         cambiato([](Json&, Json& p) { p["h"]["ultimaPresa"].push_back(""); }), true},
    };
    // What the scoreboard knows: the counts, and a face-down card for each Punto Gnamm.
    Mucchi conti;
    conti.pc.carte = m.pc.carte;
    conti.h.carte = m.h.carte;
    conti.pc.gnamm.resize(m.pc.gnamm.size());
    conti.h.gnamm.resize(m.h.gnamm.size());
    for (const auto& c : casi) {
        const LetturaTorneo l = TorneoDaJson(c.testo);
        ASSERT_TRUE(l.torneo) << c.cosa << ": " << l.errore;
        EXPECT_EQ(std::tuple(l.torneo->mucchi, l.mucchiRifatti), std::tuple(conti, c.rifatti))
            << c.cosa;
        TorneoSalvato resto = *l.torneo;
        resto.mucchi = m;
        EXPECT_EQ(TorneoInJson(resto), buono) << c.cosa;
    }
    // Cards nobody knows are written as such, and read back the same, undamaged.
    const LetturaTorneo vecchio = TorneoDaJson(casi[0].testo);
    const LetturaTorneo riletto = TorneoDaJson(TorneoInJson(*vecchio.torneo));
    ASSERT_TRUE(riletto.torneo) << riletto.errore;
    EXPECT_EQ(std::tuple(riletto.torneo->mucchi, riletto.mucchiRifatti), std::tuple(conti, false));
    dati.write(FileTorneo(dati.dati(), g.game.nome).filename().string(), casi[2].testo);
    data::Avvisi avvisi;
    avvisi.scriviStderr = false;
    CustodiaTorneo custodia;
    const auto ripreso = CaricaTorneoSalvato(dati.dati(), g.game.nome, avvisi, custodia);
    ASSERT_TRUE(ripreso && avvisi.inAttesa().size() == 1u);
    EXPECT_NE(avvisi.corrente().find("mucchi delle carte prese"), std::string::npos);
    EXPECT_EQ(ripreso->mucchi, conti);

    // Resumed in the window, a save of before the piles lays its Punti Gnamm face down.
    dati.write(FileTorneo(dati.dati(), g.game.nome).filename().string(), casi[0].testo);
    dopo.emplace(clock, rng2, media2, g.game.paths);
    Avvio(*dopo, 12000, 9000);
    dopo->key(Key::Enter);
    ASSERT_TRUE(dopo->torneoInSospeso);
    dopo->key(Key::Enter);
    const Screen& s = dopo->screen;
    const auto distesi = std::ranges::count_if(s.ImgGnammMucchio, [&](const Element& e) {
        return e.visible && e.picture == s.ImgMucchio[0].picture;
    });
    EXPECT_EQ(distesi, std::ranges::count_if(s.ImgGnammMucchio, &Element::visible));
    EXPECT_GT(distesi, 0);
}

// A minute of thinking, with the music counting down, saloon sounds drawn and Zeb urging, is
// written once; a card played is written once more, at the next quiet moment.
TEST_F(RipresaFedele, OnlyTheGameMovingIsWritten) {
    ASSERT_TRUE(giocaFino([] { return true; }));
    g.salvaTorneo = true;
    int scritture = 0;
    for (int passo = 0; passo < 240; ++passo) {
        SalvaAlMomentoTranquillo(g);
        scritture += scritti();
        avanza(250);
    }
    EXPECT_EQ(scritture, 1);
    EXPECT_TRUE(MomentoTranquillo(g.game));
    EXPECT_FALSE(media.played(Channel::Ambiente).empty());
    EXPECT_FALSE(media.played(Channel::Impazienza).empty());
    ASSERT_TRUE(sim::GiocaUmano(g, sim::Politica::Random, politica));
    ASSERT_TRUE(giocaFino([] { return true; }));
    EXPECT_EQ(scritti(), 1);
}

}  // namespace
}  // namespace gnamm
