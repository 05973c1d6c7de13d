// The ranking update, the hall of fame line and files (two copies of the game on one folder, a
// full disk), the hall of fame panel, and a whole Torneo played by clicks from a fresh folder.
#include "game/hall_of_fame.h"
#include "ui/hall_of_fame_panel.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "audio/recording_media_player.h"
#include "data/temp_dati.h"
#include "human_policy.h"
#include "rules/clock.h"
#include "rules/random.h"
#include "ui/finestra.h"
#include "ui/flow_reactions.h"
#include "ui/startup.h"

namespace gnamm {
namespace {

// The rows in use, as "A 5, B 2".
std::string Righe(const data::Ranking& r) {
    std::string out;
    for (const auto& riga : r.righe) {
        if (riga.nome.empty()) continue;
        out += (out.empty() ? "" : ", ") + riga.nome + " " + std::to_string(riga.torneiVinti);
    }
    return out;
}

class HallOfFameTest : public ::testing::Test {
  protected:
    // The end of a Torneo as the game runs it, with the given winner and Partite.
    void fineTorneo(bool vincePC, int partitePC, int partiteH) {
        g.game.partita.partitePC = partitePC;
        g.game.partita.partiteH = partiteH;
        g.game.partita.vincitore = vincePC ? std::string(LivelloText(g.game.livello)) : g.game.nome;
        RegistraFineTorneo(g.game);
    }
    // The ranking update as the end of a Torneo runs it, with the panel's blinking under way.
    void vince(const std::string& nome) {
        g.game.scheduler.start(Timer::LampeggiaScritta, 150);
        g.game.partita.vincitore = nome;
        AggiornaClassifica(g.game);
        RefreshScreen(g);  // the screen as the event leaves it
    }

    testing_support::TempDati dati;
    VirtualClock clock{TimeOfDay{2026, 12, 6, 9, 5, 0}};
    SeededRandom rng{3};
    RecordingMediaPlayer media{clock};
    Finestra g{clock, rng, media, Paths{{}, dati.dati()}};
};

// A game started on a Dati folder and played by clicks.
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
            if (g.screen.FraPannello[3].visible && g.game.pausa.quando) return true;
            if (g.game.pausa.quando) {
                const int partite = g.game.partita.partitePC + g.game.partita.partiteH;
                click(TargetKind::Classifica);
                EXPECT_FALSE(g.screen.FraPannello[3].visible);
                g.key(Key::Enter);
                EXPECT_EQ(g.game.partita.partitePC + g.game.partita.partiteH, partite);
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

// The ranking before, the winner, the ranking after and the row the winner stands in. A winner
// goes ahead of equal counts (the newest first), behind larger ones; row ten drops out.
TEST_F(HallOfFameTest, TheWinnerTakesItsRowAndTheRestMoveDown) {
    const struct {
        std::string prima, vincitore;
        std::string dopo;
        int riga;
    } casi[] = {
        {"", "Ugo", "Ugo 1", 1},
        {"A 5, B 2, C 1, D 1, E 1, F 1, G 1, H 1, I 1, J 1", "Zoe",
         "A 5, B 2, Zoe 1, C 1, D 1, E 1, F 1, G 1, H 1, I 1", 3},
        {"A 4, B 3, C 3, D 2, E 1", "D", "A 4, D 3, B 3, C 3, E 1", 2},
        {"A 4, B 4", "A", "A 5, B 4", 1},
        {"A 5, B 4", "B", "B 5, A 5", 1},
        {"A 7, B 4, C 4", "B", "A 7, B 5, C 4", 2},
        {"Ugo 1", "ugo", "ugo 1, Ugo 1", 1},  // names are compared exactly
    };
    for (const auto& c : casi) {
        g.game.classifica.classifica = {};
        std::istringstream righe(c.prima);
        for (std::size_t i = 0; i < 10 && righe >> g.game.classifica.classifica.righe[i].nome;
             ++i) {
            righe >> g.game.classifica.classifica.righe[i].torneiVinti;
            righe.ignore(1);  // the comma
        }
        vince(c.vincitore);
        EXPECT_EQ(Righe(g.game.classifica.classifica), c.dopo) << c.vincitore;
        EXPECT_EQ(g.game.classifica.inserimentoVincitore, c.riga) << c.vincitore;
        // The panel shows the rows, the winner's in yellow.
        EXPECT_EQ(g.screen.lblNomeGiocatore[static_cast<std::size_t>(c.riga)].text, c.vincitore);
        for (std::size_t k = 1; k <= 10; ++k) {
            EXPECT_EQ(g.screen.lblNomeGiocatore[k].fore,
                      k == static_cast<std::size_t>(c.riga) ? colors::kYellow : colors::kWhite);
        }
    }
}

TEST_F(HallOfFameTest, AFirstWinnerFindingNoRowIsNotEnteredButTheTorneoIsRecorded) {
    for (int i = 0; i < 10; ++i) {
        g.game.classifica.classifica.righe[static_cast<std::size_t>(i)] = {"P" + std::to_string(i),
                                                                           12 - i};
    }
    ASSERT_TRUE(data::SaveRanking(dati.dati(), g.game.classifica.classifica));
    const data::Ranking prima = g.game.classifica.classifica;
    g.game.nome = "Nuovo";
    g.game.livello = Livello::Cheat;
    fineTorneo(false, 1, 3);
    EXPECT_EQ(Righe(g.game.classifica.classifica), Righe(prima));
    EXPECT_EQ(g.game.classifica.inserimentoVincitore, kRigaNessuna);
    ASSERT_EQ(g.game.classifica.albo.size(), 1u);
    EXPECT_EQ(g.game.classifica.albo[0], "1) Nuovo - 'Cheat' Zeb  3-1  6/12/26  9:05");
    EXPECT_EQ(g.game.classifica.classifica.totalePartite, 1);
}

TEST(HallOfFameLine, MinutesAndYearArePaddedHoursAndDatesAreNot) {
    EXPECT_EQ(RigaAlbo(12, "'Cheat' Zeb", "Ugo", 3, 2, 1, 1, 2005, 0, 0),
              "12) 'Cheat' Zeb - Ugo  3-2  1/1/05  0:00");
}

TEST_F(HallOfFameTest, TheFilesAfterTwoTorneiAndARestartShowTheSame) {
    data::PrepareDataFolder(dati.dati());
    LeggiClassifica(g.game);
    CaricaAlbo(g.game);
    g.game.nome = "Niccolò";
    g.game.livello = Livello::Honest;
    fineTorneo(false, 2, 3);
    clock.advance(61 * 60 * 1000);  // 10:06
    g.game.livello = Livello::Cunning;
    fineTorneo(true, 3, 0);

    EXPECT_EQ(dati.read("GnAlbo.txt"),
              "\"1) Niccolò - 'Honest' Zeb  3-2  6/12/26  9:05\"\r\n"
              "\"2) 'Cunning' Zeb - Niccolò  3-0  6/12/26  10:06\"\r\n"
              "\"\"\r\n");
    // The newest winner stands ahead of an equal count.
    std::string cls = "\"'Cunning' Zeb\"\r\n\"1\"\r\n\"Niccolò\"\r\n\"1\"\r\n";
    for (int i = 2; i < 10; ++i) cls += "\"\"\r\n\"0\"\r\n";
    cls += "\"2\"\r\n";
    EXPECT_EQ(dati.read("GnClass.txt"), cls);

    const Sessione dopo(dati.dati(), 9);
    const Screen& vista = dopo.g.screen;
    EXPECT_EQ(std::tuple(dopo.g.game.classifica.albo, vista.LstAlboLines,
                         dopo.g.game.classifica.classifica.totalePartite),
              std::tuple(g.game.classifica.albo, g.game.classifica.albo, 2));
    EXPECT_EQ(std::tuple(vista.lblNomeGiocatore[1].text, vista.lblNomeGiocatore[2].text,
                         vista.lblTorneiVinti[3].text),
              std::tuple("'Cunning' Zeb", "Niccolò", "0"));
}

// A counter ahead of the list, or one that cannot be read, follows the list; the ranking file
// is put right, and the next Torneo is numbered after the list.
TEST_F(HallOfFameTest, AWrongCounterFollowsTheListAndTheFilesAgreeAgain) {
    std::string vuote;
    for (int i = 0; i < 10; ++i) vuote += "\"\"\r\n\"0\"\r\n";
    const struct {
        std::string classifica, albo;
        int righe;
    } casi[] = {{vuote + "\"5\"\r\n", "\"1) a - b  3-0  1/1/26  1:00\"\r\n\"\"\r\n", 1},
                {"\"Ugo\"\r\n\"x\"\r\n", "\"1) a\"\r\n\"2) b\"\r\n\"\"\r\n", 2}};
    for (const auto& c : casi) {
        dati.write("GnClass.txt", c.classifica);
        dati.write("GnAlbo.txt", c.albo);
        LeggiClassifica(g.game);
        CaricaAlbo(g.game);
        EXPECT_EQ(g.game.classifica.albo.size(), static_cast<std::size_t>(c.righe));
        EXPECT_EQ(g.game.classifica.classifica.totalePartite, c.righe);
        EXPECT_EQ(data::LoadRanking(dati.dati()).value.totalePartite, c.righe);
    }
    EXPECT_TRUE(dati.exists("GnClass.txt.bad"));
    g.game.nome = "Ugo";
    g.game.livello = Livello::Honest;
    fineTorneo(false, 0, 3);
    EXPECT_EQ(g.game.classifica.albo.back().substr(0, 3), "3) ");
}

// A full disk: the Tornei stay in memory and on the panel, the failure is said once, and the
// next save adds them after what another copy wrote meanwhile.
TEST_F(HallOfFameTest, TorneiWhoseSaveFailedAreKeptAndAddedAtTheNextSave) {
    data::PrepareDataFolder(dati.dati());
    g.game.avvisi.scriviStderr = false;
    g.game.nome = "Ugo";
    g.game.livello = Livello::Honest;
    {
        const testing_support::DiscoPieno pieno;
        fineTorneo(false, 1, 3);
        fineTorneo(true, 3, 2);
        RiprovaClassifica(g.game);
    }
    EXPECT_EQ(std::tuple(dati.read("GnAlbo.txt"), g.game.classifica.albo.size(),
                         g.game.avvisi.inAttesa()),
              std::tuple("\"\"\r\n", 2u,
                         std::deque<std::string>{
                             "Attenzione: non è stato possibile salvare l'Albo dei Tornei e la "
                             "Classifica (GnAlbo.txt, GnClass.txt) perché il disco è pieno. I dati "
                             "restano in memoria e il salvataggio sarà ritentato."}));
    const std::string eva = "1) Eva - 'Cheat' Zeb  3-0  1/1/26  9:00";
    ASSERT_TRUE(data::SaveAlbo(dati.dati(), {eva}));
    data::Ranking r;
    r.righe[0] = {"Eva", 1};
    r.totalePartite = 1;
    ASSERT_TRUE(data::SaveRanking(dati.dati(), r));
    RegistraFineGioco(g.game);  // the next save
    const std::vector<std::string> albo = {eva, "2) Ugo - 'Honest' Zeb  3-1  6/12/26  9:05",
                                           "3) 'Honest' Zeb - Ugo  3-2  6/12/26  9:05"};
    const auto classifica = data::LoadRanking(dati.dati()).value;
    EXPECT_EQ(std::tuple(data::LoadAlbo(dati.dati()).value, g.game.classifica.albo,
                         Righe(classifica), classifica.totalePartite),
              std::tuple(albo, albo, "'Honest' Zeb 1, Ugo 1, Eva 1", 3));
    EXPECT_EQ(g.game.avvisi.inAttesa().size(), 1u);
}

TEST_F(HallOfFameTest, ThePanelBlinksTheLineTheRowAndTheSuitsUntilItCloses) {
    vince("Ugo");
    ApriClassifica(g.screen, g.game);
    g.game.classifica.vincitoreEvidenziato = false;
    g.game.scheduler.start(Timer::LampeggiaScritta, 150);
    const Element& riga = g.screen.lblNomeGiocatore[1];
    const Element& istruzione = g.screen.lblRegole[19];
    auto semi = [&] {
        std::string s;
        for (const auto& e : g.screen.ImgSeme) s += e.picture.substr(9, 1);
        return s;
    };
    std::string visto;
    for (int tick = 1; tick <= 19; ++tick) {
        AdvanceVirtualTime(g, clock, 150);
        visto += (istruzione.visible ? "I" : "-");
        visto += (riga.fore == colors::kYellow ? "Y" : "w");
        visto += semi() + " ";
    }
    EXPECT_EQ(visto,
              "-wCFQP IYCFQP IYPCFQ IYPCFQ IYQPCF IYQPCF IYFQPC -wCFQP "
              "-wCFQP IYCFQP IYPCFQ IYPCFQ IYQPCF IYQPCF IYFQPC -wCFQP -wCFQP IYCFQP IYPCFQ ");
    EXPECT_EQ(istruzione.text,
              "Per far scomparire questo Pannello e iniziare un nuovo Torneo premi INVIO!");
    ChiudiClassifica(g.screen, g.game);
    EXPECT_FALSE(g.game.scheduler.isEnabled(Timer::LampeggiaScritta) ||
                 g.screen.FraPannello[3].visible || istruzione.visible);
    EXPECT_EQ(std::tuple(g.game.classifica.lampeggia, riga.fore, semi()),
              std::tuple(0, colors::kWhite, "CFQP"));
}

TEST_F(HallOfFameTest, TheLevelPromptIsHiddenTwoTicksAndShownSeven) {
    g.game.scheduler.start(Timer::LampeggiaScritta2, 150);
    std::string visto;
    for (int tick = 1; tick <= 18; ++tick) {
        AdvanceVirtualTime(g, clock, 150);
        visto += g.screen.lblRegole[17].visible ? "1" : "0";
    }
    EXPECT_EQ(visto, "011111110011111110");
}

// On a screen twice as large both open twice as far from the corner.
TEST_F(HallOfFameTest, TheCaptionTogglesThePanelAndTheCoverWhereTheLayoutPutsThem) {
    ToggleClassifica(g.screen, g.game);
    EXPECT_TRUE(g.screen.FraPannello[3].visible && g.screen.lblCopriCarte.visible);
    EXPECT_EQ(g.screen.lblCopriCarte.back, g.screen.windowBack);
    const Rect pannello = g.screen.FraPannello[3].rect, copri = g.screen.lblCopriCarte.rect;
    ToggleClassifica(g.screen, g.game);
    EXPECT_FALSE(g.screen.FraPannello[3].visible || g.screen.lblCopriCarte.visible);
    g.screen.widthTwips *= 2;
    g.screen.heightTwips *= 2;
    ToggleClassifica(g.screen, g.game);
    const Rect p2 = g.screen.FraPannello[3].rect, c2 = g.screen.lblCopriCarte.rect;
    EXPECT_EQ(std::tuple(p2.x, p2.y, c2.x, c2.y),
              std::tuple(2 * pannello.x, 2 * pannello.y, 2 * copri.x, 2 * copri.y));
}

TEST_F(HallOfFameTest, ClosingThePanelDuringPlayLetsTheIndicatorGoUnlessASoundRuns) {
    // A remark under way when the panel opens ends while it shows: the indicator stays taken.
    g.game.spia.busy = true;
    g.game.scheduler.start(Timer::DurataGnammH, 700);
    ToggleClassifica(g.screen, g.game);
    AdvanceVirtualTime(g, clock, 700);
    EXPECT_TRUE(g.game.spia.busy);
    // Closed again, Nonno Zeb may speak: nothing holds the indicator any more.
    ToggleClassifica(g.screen, g.game);
    EXPECT_TRUE(g.game.spia.free());

    // A capture noise or a saloon sound still playing keeps it until its own end.
    for (const bool saloon : {false, true}) {
        g.game.spia.busy = true;
        g.game.spia.ambiente = saloon ? 7 : 0;
        const Timer fine = saloon ? Timer::DurataAmbiente : Timer::Presa;
        g.game.scheduler.start(fine, 365);
        ToggleClassifica(g.screen, g.game);
        ToggleClassifica(g.screen, g.game);
        EXPECT_TRUE(g.game.spia.busy) << saloon;
        AdvanceVirtualTime(g, clock, 365);
        EXPECT_TRUE(g.game.spia.free()) << saloon;
        g.game.scheduler.disable(Timer::Ambiente);
    }
}

// Copies of the game on one folder, each started before the others ended their Tornei, one
// after another and then at once: every Torneo keeps its line and its win.
TEST(HallOfFameScenario, CopiesOnOneFolderKeepEveryTorneo) {
    testing_support::TempDati dati;
    Sessione ann(dati.dati(), 1), bob(dati.dati(), 2);
    const auto fine = [](Sessione& s, const char* nome) {
        return [&s, nome] {
            s.g.game.nome = nome;
            s.g.game.livello = Livello::Honest;
            s.g.game.partita.partiteH = 3;
            s.g.game.partita.vincitore = nome;
            RegistraFineTorneo(s.g.game);
        };
    };
    ASSERT_TRUE(testing_support::InProcessiSeparati(fine(ann, "Ann")));
    ASSERT_TRUE(testing_support::InProcessiSeparati(fine(bob, "Bob")));
    ASSERT_TRUE(testing_support::InProcessiSeparati(fine(ann, "Ann"), fine(bob, "Bob")));
    std::vector<std::string> chi;
    for (const std::string& riga : data::LoadAlbo(dati.dati()).value) {
        chi.push_back(riga.substr(0, riga.find(" - ")));
    }
    ASSERT_EQ(chi.size(), 4u);
    const bool annTerzo = chi[2] == "3) Ann";  // the last two in either order
    EXPECT_EQ(chi, (std::vector<std::string>{"1) Ann", "2) Bob", annTerzo ? "3) Ann" : "3) Bob",
                                             annTerzo ? "4) Bob" : "4) Ann"}));
    const data::Ranking r = data::LoadRanking(dati.dati()).value;
    EXPECT_EQ(Righe(r), annTerzo ? "Bob 2, Ann 2" : "Ann 2, Bob 2");
    EXPECT_EQ(r.totalePartite, 4);
}

// The ends as the record hears them, passed on to it, among what the flow announces to the ui.
struct Diario : AscoltatoreFine {
    explicit Diario(Finestra& finestra) : f(finestra) {
        EXPECT_EQ(f.game.registro, &f.registro) << "the window does not wire its record";
        f.game.registro = this;
        f.game.ascoltaFlusso = [this](EventoFlusso e) {
            voci += e == EventoFlusso::GiocoFinito    ? "Q "
                    : e == EventoFlusso::TorneoDeciso ? "D "
                    : e == EventoFlusso::TorneoFinito ? "A "
                                                      : "";
            ReagisciAlFlusso(f, e);
        };
    }
    void giocoFinito(Game& g) override {
        voci += "g ";
        f.registro.giocoFinito(g);
    }
    void torneoFinito(Game& g) override {
        voci += g.partita.vincitore.empty() ? "t? " : "t ";
        f.registro.torneoFinito(g);
    }
    Finestra& f;
    std::string voci;
};

TEST(HallOfFameScenario, ATorneoPlayedByClicksLeavesTheFilesAndARestartShowsThem) {
    testing_support::TempDati dati;
    auto s = std::make_unique<Sessione>(dati.dati(), 5);
    Finestra& g = s->g;
    Diario diario(g);
    EXPECT_EQ(dati.read("GnNome.txt"), "\"\"\r\n");
    g.screen.txtNome.text.clear();
    g.textInput("Niccolò");
    g.key(Key::Enter);
    ASSERT_FALSE(g.screen.FraSplash.visible);
    EXPECT_EQ(dati.read("GnNome.txt"), "\"Niccolò\"\r\n");
    s->click(TargetKind::Livello, 2);  // 'Honest' Zeb
    ASSERT_EQ(g.game.livello, Livello::Honest);

    ASSERT_TRUE(s->giocaTorneo()) << "the Torneo never ended";
    EXPECT_GE(s->pause, 2);  // at least three Giochi, so the pauses were tried
    const std::string vincitore = g.game.partita.vincitore;
    ASSERT_EQ(g.game.classifica.albo.size(), 1u);
    EXPECT_EQ(g.game.classifica.albo[0].substr(0, 3 + vincitore.size()), "1) " + vincitore);
    EXPECT_EQ(dati.read("GnAlbo.txt"), "\"" + g.game.classifica.albo[0] + "\"\r\n\"\"\r\n");
    EXPECT_EQ(g.screen.lblNomeGiocatore[1].text, vincitore);
    // The record hears each end first, the Torneo's once its winner is known: "g Q" a Gioco,
    // "g D t A" the last.
    const std::string& v = diario.voci;
    EXPECT_EQ(v.size(), 4 * (s->pause + 1) + 4) << v;
    for (std::size_t i = 0; i + 8 < v.size(); i += 4) EXPECT_EQ(v.substr(i, 4), "g Q ") << v;
    EXPECT_EQ(v.substr(v.size() - 8), "g D t A ");

    // The caption cannot take the panel away while the prompt waits: Enter still starts a
    // new Torneo, with the Partite back to nought.
    s->click(TargetKind::Classifica);
    EXPECT_TRUE(g.screen.FraPannello[3].visible);
    g.key(Key::Enter);
    EXPECT_EQ(g.game.partita.partitePC + g.game.partita.partiteH, 0);
    EXPECT_TRUE(g.screen.FraPannello[4].visible && !g.screen.FraPannello[3].visible);
    const std::vector<std::string> albo = g.game.classifica.albo;
    s.reset();

    Sessione dopo(dati.dati(), 9);
    EXPECT_EQ(dopo.g.screen.LstAlboLines, albo);
    const Screen& vista = dopo.g.screen;
    EXPECT_EQ(std::tuple(vista.txtNome.text, dopo.g.game.classifica.classifica.totalePartite,
                         vista.lblNomeGiocatore[1].text, vista.lblTorneiVinti[1].text),
              std::tuple("Niccolò", 1, vincitore, "1"));
    EXPECT_FALSE(dati.exists("GnClass.txt.bad") || dati.exists("GnAlbo.txt.bad"));
}

}  // namespace
}  // namespace gnamm
