// The points of a Gioco: counted at each capture and shown on the scoreboard; at the end, the
// walk over the remaining cards, the open deck points, every outcome of a Gioco, Partita and
// Torneo, and Quando.
#include "game/end_of_gioco.h"
#include "game/gioco_reset.h"
#include "game/scoreboard.h"

#include <array>
#include <filesystem>

#include "data/temp_dati.h"
#include "save/torneo_file.h"
#include "support/table_fixture.h"
#include "ui/hall_of_fame_panel.h"
#include "ui/pause_view.h"
#include "ui/riepilogo_view.h"
#include "ui/scoreboard_view.h"

namespace gnamm::test_tavolo {
namespace {

// Points and Partite of the computer and the human; the third Partita wins the Torneo,
// whatever the other side holds.
TEST(EsitoGioco, TotalsDecideTheOutcome) {
    using E = EsitoGioco;
    const std::tuple<int, int, int, int, E> casi[] = {
        {14, 12, 0, 0, E::Continua},  {14, 16, 0, 0, E::PartitaH},  {15, 15, 0, 0, E::Spareggio},
        {16, 15, 0, 0, E::PartitaPC}, {17, 17, 1, 1, E::Spareggio}, {20, 14, 0, 0, E::PartitaPC},
        {16, 17, 0, 0, E::PartitaH},  {16, 3, 2, 2, E::TorneoPC},   {3, 15, 1, 2, E::TorneoH},
        {3, 15, 2, 1, E::PartitaH}};
    for (const auto& [pc, h, partitePC, partiteH, esito] : casi) {
        EXPECT_EQ(DecidiEsito(pc, h, partitePC, partiteH), esito) << pc << "-" << h;
    }
}

class EndOfGiocoTest : public TableTest {
  protected:
    EndOfGiocoTest() {
        std::filesystem::create_directories(dati_.dati());
        g.paths.data = dati_.dati();
        g.tavolo.manche = 6;
        g.tavolo.carteRimasteNelMazzo = 0;
        g.tavolo.mazziere = Player::PC;
        g.opzioni.commentiZeb = true;
        g.pausa.quando = false;
        finestra.screen.FraPannello[3].visible = false;
        finestra.screen.FraPannello[4].visible = false;
    }

    // Every deck point already decided, and these Partita totals.
    void totali(int pc, int h) {
        g.punteggi.pc.punto = {true, true, true, true};
        g.punteggi.pc.punto5DiCuori = true;
        g.punteggi.pc.puntiPartita = pc;
        g.punteggi.h.puntiPartita = h;
    }
    // Plays the walk to its end.
    void fine() {
        AvviaUltimeCarte(g);
        for (int i = 0; i < 20 && attivo(Timer::UltimeCarte); ++i) avanza(600);
    }
    // Nonno Zeb's remark and the prompt, as "remark / prompt".
    std::string mostrato() const {
        return finestra.zeb.angolo.commento + " / " + TestoQuando(g.pausa);
    }

    // The background of a side's name, as the window shows it.
    Rgb sfondoNome(Player chi) {
        MostraPausa(g, finestra.screen);
        return (chi == Player::PC ? finestra.screen.lblPC : finestra.screen.lblH).back;
    }

    testing_support::TempDati dati_;
};

TEST_F(EndOfGiocoTest, AnEmptyTableEndsTheWalkOnTheFirstTickWithoutARemark) {
    totali(3, 4);
    AvviaUltimeCarte(g);
    avanza(600);
    EXPECT_TRUE(!attivo(Timer::UltimeCarte) && g.pausa.quando &&
                g.partita.esito == EsitoGioco::Continua);
    EXPECT_EQ(mostrato(), " / Quando sei pronto a continuare la Partita in corso, premi INVIO!");
}

TEST_F(EndOfGiocoTest, RemainingCardsGoOnePerTickToTheLastCapturer) {
    tavolo({{7, "7c"}, {9, "5c"}, {14, "6c"}});
    g.tavolo.ultimaCattura = Player::PC;
    g.mucchi.pc = {4, {C("2c"), C("2q")}, {}};
    finestra.zeb.stato.alternaUltimaCattura = true;
    AvviaUltimeCarte(g);
    avanza(600);  // place 9 is first on the screen
    EXPECT_TRUE(contorno(9) && !contorno(7) && coloreContorno(9) == (Rgb{255, 0, 0}));
    EXPECT_EQ(std::tuple(finestra.zeb.angolo.commento, finestra.zeb.stato.alternaUltimaCattura),
              std::tuple("Queste sono mie!!", false));
    EXPECT_TRUE(g.punteggi.pc.punto5DiCuori && g.punteggi.pc.puntiGiocoInCorso == 1);
    avanza(600);
    EXPECT_TRUE(contorno(7));
    avanza(600);
    EXPECT_TRUE(contorno(14) && g.punteggi.pc.seiPreso[0] && attivo(Timer::UltimeCarte));
    avanza(600);  // three cards, four ticks
    EXPECT_FALSE(attivo(Timer::UltimeCarte));
    EXPECT_EQ(
        std::tuple(g.punteggi.pc.prese[3], g.punteggi.pc.prese[0], g.tavolo.numeroCarteSulTavolo),
        std::tuple(3, 1, 0));
    EXPECT_TRUE(carte({7, 9, 14}) == "- - -" && !g.spia.bordo);
    EXPECT_EQ(std::tuple(mucchio(Player::PC), mucchio(Player::H)),
              std::tuple("7: 5c 7c 6c /", "0: /"));
    // The next Gioco starts with both piles empty.
    g.mucchi.h = {2, {C("Kq"), C("Kc")}, {C("Kq")}};
    AzzeraGioco(g);
    EXPECT_EQ(g.mucchi, Mucchi{});
}

TEST_F(EndOfGiocoTest, OneCardLeftGetsTheShortRemark) {
    tavolo({{12, "Kq"}});
    g.tavolo.ultimaCattura = Player::H;
    const bool prima = finestra.zeb.stato.alternaUltimaCattura;
    AvviaUltimeCarte(g);
    avanza(600);
    EXPECT_EQ(std::tuple(finestra.zeb.angolo.commento, coloreContorno(12),
                         finestra.zeb.stato.alternaUltimaCattura),
              std::tuple("Tua!", Rgb{52, 86, 201}, prima));
    avanza(600);
    EXPECT_TRUE(g.punteggi.h.prese[1] == 1 && g.punteggi.h.prese[2] == 1);
}

TEST_F(EndOfGiocoTest, OpenPointsGoByTheComputersCountAndTheTieSix) {
    // Sette: two 7s and the 6 di Cuori; Quadri: five without the six; Figure already the
    // human's; Carte: 21.
    Colonna& pc = g.punteggi.pc;
    pc.prese = {2, 5, 9, 21};
    pc.seiPreso = {true, false, false, false};
    g.punteggi.h.punto[2] = true;
    g.punteggi.h.puntiGiocoInCorso = 1;
    g.punteggi.h.puntiPartita = 1;
    pc.punto5DiCuori = true;
    pc.puntiGiocoInCorso = 1;
    pc.puntiPartita = 1;
    fine();
    // Figure is not reassigned.
    EXPECT_EQ(pc.punto, (std::array<bool, 4>{true, false, false, true}));
    EXPECT_EQ(g.punteggi.h.punto, (std::array<bool, 4>{false, true, true, false}));
    EXPECT_EQ(std::tuple(pc.puntiGiocoInCorso, g.punteggi.h.puntiGiocoInCorso, pc.puntiPartita),
              std::tuple(3, 2, 3));
}

TEST_F(EndOfGiocoTest, TheSummaryShowsBothSidesCountsWhoTookEachPointAndHowAndSurvivesAResume) {
    // Sette 2 to 2 with the human's 6 di Cuori; Quadri 4 to 6 with the table's last card;
    // Figure 6 to 6 with Zeb's 6 di Fiori; Carte 22 to 18; the 5 di Cuori and two Punti Gnamm
    // already the human's, one Punto Gnamm Zeb's.
    tavolo({{9, "7q"}});
    g.tavolo.ultimaCattura = Player::H;
    g.opzioni.commentiZeb = false;
    Colonna& pc = g.punteggi.pc;
    Colonna& h = g.punteggi.h;
    pc.prese = {2, 4, 6, 22};
    pc.seiPreso = {false, false, true, false};
    h.prese = {1, 5, 6, 17};
    h.seiPreso = {true, false, false, false};
    h.punto5DiCuori = true;
    std::tie(pc.puntiGnamm, pc.puntiGiocoInCorso, pc.puntiPartita) = std::tuple(1, 1, 8);
    std::tie(h.puntiGnamm, h.puntiGiocoInCorso, h.puntiPartita) = std::tuple(2, 3, 10);
    g.partita.partitePC = 1;
    g.partita.gioco = 4;
    fine();
    using Righe = decltype(Riepilogo::righe);
    const Righe attese = {{{"Gioco 4", "Zeb", "Tu", "Punto"},
                           {"Sette", "2", "2", "Tu, col 6"},
                           {"Quadri", "4", "6", "Tu, di più"},
                           {"Figure", "6", "6", "Zeb, col 6"},
                           {"Carte", "22", "18", "Zeb, di più"},
                           {"5 di Cuori", "0", "1", "Tu"},
                           {"Punti GNAMM", "1", "2", ""},
                           {"Punti Gioco", "3", "5", ""},
                           {"Partita a 15", "10", "12", ""},
                           {"Partite su 3", "1", "0", ""}}};
    // As the window shows it, cell by cell.
    auto mostrate = [this] {
        Righe r;
        for (std::size_t i = 0; i < r.size(); ++i) {
            for (std::size_t k = 0; k < r[i].size(); ++k)
                r[i][k] = finestra.screen.lblRiepilogo[i * kColonneRiepilogo + k].text;
        }
        return r;
    };
    ASSERT_TRUE(finestra.screen.FraRiepilogo.visible);
    EXPECT_EQ(mostrate(), attese);
    EXPECT_EQ(finestra.screen.lblEsitoRiepilogo.text, "La Partita continua.");

    // Saved in the pause and taken up again after the table moved on: the same summary.
    const TorneoSalvato salvato = FotografaTorneo(g, finestra.zeb, finestra.suoni);
    Quando(g);
    RefreshScreen(finestra);
    EXPECT_FALSE(finestra.screen.FraRiepilogo.visible);
    RiprendiTorneo(g, finestra.zeb, finestra.suoni, salvato);
    RefreshScreen(finestra);
    EXPECT_TRUE(finestra.screen.FraRiepilogo.visible);
    EXPECT_EQ(mostrate(), attese);
}

TEST(Riepilogo, TheLastLineSaysWhatTheGiocoDecided) {
    Scoreboard p;
    MatchState m;
    const std::tuple<EsitoGioco, int, int, int, int, const char*> casi[] = {
        {EsitoGioco::Spareggio, 15, 15, 0, 0, "Pari a 15: si gioca uno spareggio."},
        {EsitoGioco::PartitaPC, 17, 12, 1, 0, "Partita vinta da Zeb, 17 a 12."},
        {EsitoGioco::PartitaH, 9, 16, 0, 1, "Partita vinta da te, 16 a 9."},
        {EsitoGioco::TorneoPC, 15, 3, 3, 1, "Torneo vinto da Zeb, 3 Partite a 1."},
        {EsitoGioco::TorneoH, 14, 16, 2, 3, "Torneo vinto da te, 3 Partite a 2."}};
    for (const auto& [esito, pc, h, partitePC, partiteH, riga] : casi) {
        std::tie(m.esito, p.pc.puntiPartita, p.h.puntiPartita, m.partitePC, m.partiteH) =
            std::tuple(esito, pc, h, partitePC, partiteH);
        EXPECT_EQ(FaiRiepilogo(p, m).esito, riga);
    }
}

TEST_F(EndOfGiocoTest, TwoSevensWithoutTheSixGoToTheHuman) {
    g.punteggi.pc.prese = {2, 0, 0, 0};
    fine();
    EXPECT_TRUE(g.punteggi.h.punto[0] && !g.punteggi.pc.punto[0]);
}

TEST_F(EndOfGiocoTest, ATieAtFifteenAsksForAnotherGioco) {
    totali(15, 15);
    fine();
    EXPECT_TRUE(g.partita.esito == EsitoGioco::Spareggio && !g.partita.giocoTerminato &&
                g.partita.partitePC + g.partita.partiteH == 0);
    EXPECT_EQ(
        mostrato(),
        "Mmmh... / Occorre un altro Gioco di spareggio, Ugo: clicca su INVIO per continuare!");

    // Quando: the next Gioco of the same Partita, dealt by the other player.
    Quando(g);
    EXPECT_EQ(
        std::tuple(g.partita.gioco, g.punteggi.pc.puntiPartita, g.punteggi.pc.puntiGiocoInCorso),
        std::tuple(2, 15, 0));
    EXPECT_TRUE(g.tavolo.mazziere == Player::H && attivo(Timer::Scegli4CarteSulTavolo));
    EXPECT_FALSE(g.pausa.quando || g.punteggi.pc.punto[0]);
}

TEST_F(EndOfGiocoTest, PartiteWonAndTheirRemarks) {
    totali(16, 14);
    fine();
    EXPECT_TRUE(g.partita.partitePC == 1 && g.partita.giocoTerminato);
    EXPECT_EQ(mostrato(), "E uno!! / Quando sei pronto a iniziare una nuova Partita premi INVIO!");

    Quando(g);
    EXPECT_EQ(std::tuple(g.partita.gioco, g.punteggi.pc.puntiPartita, g.punteggi.h.puntiPartita,
                         g.partita.giocoTerminato, g.tavolo.mazziere),
              std::tuple(1, 0, 0, false, Player::H));

    // The hall of fame looked at during a Gioco does not make its end the end of a Torneo.
    ApriClassifica(finestra.screen, finestra.game);
    totali(15, 9);
    fine();
    EXPECT_EQ(finestra.zeb.angolo.commento, "E due!!");
    Quando(g);
    EXPECT_EQ(std::tuple(g.partita.partitePC, g.tavolo.mazziere), std::tuple(2, Player::PC));

    totali(12, 18);
    fine();
    EXPECT_EQ(g.partita.partiteH, 1);
    EXPECT_EQ(finestra.zeb.angolo.commento, "Non cantare vittoria troppo presto!");
}

TEST_F(EndOfGiocoTest, TheThirdPartitaWinsTheTorneoAndQuandoOpensTheLevelChoice) {
    g.partita.partitePC = 2;
    g.partita.partiteH = 2;
    ASSERT_TRUE(ScriviTorneo(g.paths.data, FotografaTorneo(g, finestra.zeb, finestra.suoni)));
    totali(9, 16);
    fine();
    EXPECT_FALSE(std::filesystem::exists(FileTorneo(g.paths.data, g.nome)));  // nothing to resume
    EXPECT_EQ(
        std::tuple(g.partita.esito, g.partita.partiteH, g.partita.vincitore, sfondoNome(Player::H)),
        std::tuple(EsitoGioco::TorneoH, 3, "Ugo", Rgb{255, 0, 0}));
    EXPECT_TRUE(finestra.screen.FraPannello[3].visible && g.pausa.quando &&
                g.partita.giocoTerminato);
    // The prompt no longer speaks of the Partita of the Gioco before: it says what Enter does.
    EXPECT_EQ(mostrato(),
              "Mi hai fregato, eh?? / Per far scomparire questo Pannello e iniziare "
              "un nuovo Torneo premi INVIO!");
    // The summary stands in the notes box's place, beside the hall of fame.
    const Screen& s = finestra.screen;
    EXPECT_TRUE(s.FraRiepilogo.visible && !s.FraRiquadro[2].visible &&
                s.FraRiepilogo.rect.x + s.FraRiepilogo.rect.w <= s.FraPannello[3].rect.x);
    EXPECT_EQ(s.lblEsitoRiepilogo.text, "Torneo vinto da te, 3 Partite a 2.");

    Quando(g);
    EXPECT_FALSE(attivo(Timer::Scegli4CarteSulTavolo));  // no deal: the level choice first
    EXPECT_TRUE(finestra.screen.FraPannello[4].visible && !finestra.screen.FraPannello[3].visible);
    EXPECT_EQ(
        std::tuple(g.partita.partitePC, g.partita.partiteH, g.partita.vincitore, g.partita.gioco),
        std::tuple(0, 0, std::string(), 1));
    EXPECT_EQ(sfondoNome(Player::H), (Rgb{255, 128, 128}));
}

TEST_F(EndOfGiocoTest, ZebWinsTheTorneoUnderHisLevelName) {
    g.livello = Livello::Cunning;
    g.partita.partitePC = 2;
    totali(17, 16);
    fine();
    EXPECT_EQ(std::tuple(g.partita.esito, g.partita.vincitore, sfondoNome(Player::PC)),
              std::tuple(EsitoGioco::TorneoPC, "'Cunning' Zeb", Rgb{255, 0, 0}));
}

class ScoreboardTest : public TableTest {
  protected:
    // The player takes these cards, one by one, through place 7.
    void prende(Player chi, std::initializer_list<std::string_view> carte) {
        for (const auto code : carte) {
            g.tavolo.carta[7] = C(code);
            chi == Player::H ? ContaPreseH(g, 7) : ContaPresePC(g, 7);
        }
        g.tavolo.carta[7] = Card();
        if (chi == Player::PC) AssegnaPuntiMazzoPC(g);
    }
    void prendeH(std::initializer_list<std::string_view> carte) { prende(Player::H, carte); }
    void prendePC(std::initializer_list<std::string_view> carte) { prende(Player::PC, carte); }
    const Colonna& h() const { return g.punteggi.h; }
    const Colonna& pc() const { return g.punteggi.pc; }
};

// Each deck point goes to the human at the card that passes its threshold, one card earlier
// with the row's tie six; later cards add nothing.
TEST_F(ScoreboardTest, EachDeckPointAtItsThresholdOrOneEarlierWithTheTieSix) {
    const auto molti = [](int n, std::string_view code, std::vector<std::string> poi) {
        std::vector<std::string> v(static_cast<size_t>(n), std::string(code));
        v.insert(v.end(), poi.begin(), poi.end());
        return v;
    };
    const struct {
        PuntoMazzo riga;
        std::vector<std::string> carte;
        size_t alla;  // the card that awards the point, from 1
    } casi[] = {
        {PuntoMazzo::Sette, {"7c", "7q", "7f", "7p"}, 3},
        {PuntoMazzo::Sette, {"6c", "7c", "7q"}, 3},
        {PuntoMazzo::Sette, {"7c", "7q", "6c"}, 3},
        {PuntoMazzo::Quadri, {"Aq", "2q", "3q", "4q", "5q", "6q", "7q"}, 6},
        {PuntoMazzo::Figure, {"Jc", "Jq", "Jf", "Jp", "Qc", "Qq", "Qf"}, 7},
        {PuntoMazzo::Figure, {"Jc", "Jq", "Jf", "Jp", "Qc", "Qq", "6f"}, 7},
        {PuntoMazzo::Carte, molti(20, "2c", {"Ac"}), 21},
        {PuntoMazzo::Carte, molti(19, "2c", {"6p"}), 20},
    };
    for (const auto& c : casi) {
        AzzeraTabellone(g.punteggi);
        g.punteggi.h.puntiPartita = 0;
        for (size_t i = 0; i < c.carte.size(); ++i) {
            g.tavolo.carta[7] = C(c.carte[i]);
            ContaPreseH(g, 7);
            EXPECT_EQ(h().haPunto(c.riga), i + 1 >= c.alla) << c.carte[i] << " at " << i + 1;
        }
        EXPECT_EQ(std::tuple(h().puntiGiocoInCorso, h().puntiPartita), std::tuple(1, 1))
            << c.carte.back();
    }
}

TEST_F(ScoreboardTest, FiveOfCuoriAwardsWithARemarkOrElseTheCaptureNoise) {
    g.opzioni.rumoriCarte = true;
    for (const bool commenti : {true, false}) {
        AzzeraTabellone(g.punteggi);
        media.clear();
        g.spia.busy = false;
        g.opzioni.commentiZeb = commenti;
        prendeH({"5c"});
        EXPECT_TRUE(h().punto5DiCuori && h().puntiGiocoInCorso == 1 && g.spia.busy);
        EXPECT_EQ(media.played(Channel::Commenti).size(), commenti ? 1u : 0u);
        EXPECT_EQ(media.played(Channel::Rumori).size(), commenti ? 0u : 1u);
    }
}

TEST_F(ScoreboardTest, TheComputerNeverTakesAPointTheHumanHolds) {
    prendeH({"7c", "7q", "7f"});
    prendePC({"7p", "6c"});
    EXPECT_TRUE(!pc().haPunto(PuntoMazzo::Sette) && pc().tieneSei(PuntoMazzo::Sette));

    // Figure: seven figures, or six with the six of Fiori.
    prendePC({"Jc", "Jq", "Jf", "Jp", "Qc", "Qq"});
    EXPECT_FALSE(pc().haPunto(PuntoMazzo::Figure));
    prendePC({"6f"});
    EXPECT_TRUE(pc().haPunto(PuntoMazzo::Figure) && pc().puntiGiocoInCorso == 1);
    prendePC({"5c"});
    EXPECT_TRUE(pc().punto5DiCuori && pc().puntiPartita == 2);

    // The human's later figures cannot take the point back.
    prendeH({"Kc", "Kq", "Kf", "Kp", "Qf", "Qp"});
    EXPECT_FALSE(h().haPunto(PuntoMazzo::Figure));
}

TEST_F(ScoreboardTest, TheViewShowsCountsPointsAndColours) {
    prendeH({"7c", "7q", "7f", "6q"});
    prendePC({"Kc"});
    RefreshScoreboard(finestra.screen, finestra.game);
    const Screen& s = finestra.screen;
    std::string testi;
    for (const Element* e :
         {&s.lblSetteH, &s.lblPuntiSetteH, &s.lblPuntiQuadriH, &s.lblCartePC, &s.lblFigurePC,
          &s.lblPuntiGiocoInCorsoH, &s.lblPuntiH, &s.lblCarteRimasteNelMazzo})
        testi += e->text + " ";
    EXPECT_EQ(testi, "3 1 0 1 1 1 1 40 ");
    EXPECT_EQ(std::tuple(s.lblPuntiSetteH.back, s.lblPuntiQuadriH.back, s.lblQuadriH.back,
                         s.lblSetteH.back),
              std::tuple(colors::kRed, colors::kWhite, colors::kLightBlue, colors::kWhite));
}

TEST_F(ScoreboardTest, FieldsStayInsideTheirBoxesWithoutOverlapping) {
    const Screen& s = finestra.screen;
    // clang-format off
    std::vector<const Element*> campi = {&s.ImgSemi,
        &s.lblSetteH, &s.lblSettePC, &s.lblQuadriH, &s.lblQuadriPC, &s.lblFigureH,
        &s.lblFigurePC, &s.lblCarteH, &s.lblCartePC, &s.lblPuntiSetteH, &s.lblPuntiSettePC,
        &s.lblPuntiQuadriH, &s.lblPuntiQuadriPC, &s.lblPuntiFigureH, &s.lblPuntiFigurePC,
        &s.lblPuntiCarteH, &s.lblPuntiCartePC, &s.lblPunti5DiCuoriH, &s.lblPunti5DiCuoriPC,
        &s.lblPuntiGnammH, &s.lblPuntiGnammPC, &s.lblPuntiGiocoInCorsoH,
        &s.lblPuntiGiocoInCorsoPC, &s.lblPuntiH, &s.lblPuntiPC, &s.lblPartiteH, &s.lblPartitePC,
        &s.lblH, &s.lblPC, &s.lblCarteRimasteNelMazzo, &s.lblGioco, &s.lblManche};
    // clang-format on
    for (const Element& e : s.lblScritte) campi.push_back(&e);
    for (size_t i = 0; i < campi.size(); ++i) {
        const Element& e = *campi[i];
        ASSERT_TRUE(e.frame == RiquadroFrame(0) || e.frame == RiquadroFrame(1)) << i;
        const Rect box =
            e.frame == RiquadroFrame(0) ? Rect{0, 0, 3060, 2760} : Rect{0, 0, 3060, 3000};
        EXPECT_TRUE(e.rect.w > 0 && e.rect.h > 0 && e.rect.x >= 0 && e.rect.y >= 0 &&
                    e.rect.x + e.rect.w <= box.w && e.rect.y + e.rect.h <= box.h)
            << i;
        for (size_t j = 0; j < i; ++j) {
            const Element& f = *campi[j];
            if (f.frame != e.frame) continue;
            const bool separati =
                e.rect.x + e.rect.w <= f.rect.x || f.rect.x + f.rect.w <= e.rect.x ||
                e.rect.y + e.rect.h <= f.rect.y || f.rect.y + f.rect.h <= e.rect.y;
            EXPECT_TRUE(separati) << i << " overlaps " << j;
        }
    }
    // The side boxes are as large as the grid expects.
    EXPECT_TRUE(s.FraRiquadro[0].rect.w >= 3060 && s.FraRiquadro[0].rect.h >= 2760);
    EXPECT_TRUE(s.FraRiquadro[1].rect.w >= 3060 && s.FraRiquadro[1].rect.h >= 3000);
}

TEST_F(ScoreboardTest, NamesFollowThePlayerAndTheLevel) {
    g.livello = Livello::None;
    RefreshScreen(finestra);
    EXPECT_EQ(finestra.screen.lblPC.text, "Nonno Zeb");
    g.livello = Livello::Cheat;
    RefreshScreen(finestra);
    EXPECT_EQ(finestra.screen.lblH.text + " / " + finestra.screen.lblPC.text, "Ugo / 'Cheat' Zeb");
    EXPECT_EQ(finestra.screen.lblPC.tooltip, "'Stile di gioco' di Nonno Zeb");
}

}  // namespace
}  // namespace gnamm::test_tavolo
