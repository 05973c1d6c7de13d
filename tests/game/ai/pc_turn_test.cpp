// The computer's move played at its pace: timing, what it leaves on the table and the score,
// its remarks, the hand-over, and the pause through lblTimer.
#include "game/ai/pc_turn.h"

#include "game/ai/cervello.h"

#include <set>

#include "persona/remarks.h"
#include "support/table_fixture.h"
#include "ui/instructions_view.h"

namespace gnamm {
namespace {

using test_tavolo::C;

class PcTurnTest : public test_tavolo::TableTest {
  protected:
    // The computer holds `mano` in places 1.. and is to play on this table; the human holds
    // three cards. The computer's search runs at once.
    void giocaPC(std::initializer_list<std::pair<int, std::string_view>> sulTavolo,
                 std::initializer_list<std::string_view> mano, int manche = 1, int giocate = 1) {
        tavolo(sulTavolo);
        int p = 1;
        for (const auto code : mano) posa(p++, code);
        tavolo({{4, "Kq"}, {5, "Kf"}, {6, "Kp"}});
        g.tavolo.carteInManoAPC = static_cast<int>(mano.size());
        g.tavolo.carteInManoAdH = 3;
        g.tavolo.manche = manche;
        g.tavolo.numeroCarteGiocate = giocate;
        g.tavolo.carteRimasteNelMazzo = 40 - 4 - 6 * manche;
        g.tavolo.aChiTocca = Player::PC;
        g.tavolo.mazziere = Player::H;
        PreparaMossePC(g);
    }
};

TEST_F(PcTurnTest, ACaptureOfTwoCardsTakesOneTickPerCardAndOneToFinish) {
    giocaPC({{7, "3c"}, {9, "4q"}, {11, "Kc"}}, {"7p"});
    EXPECT_TRUE(attivo(Timer::RitardoMossaPC));
    avanza(599);
    EXPECT_FALSE(attivo(Timer::EffettuaMossaPC));
    avanza(1);  // 600: shown
    EXPECT_TRUE(attivo(Timer::EffettuaMossaPC) && posti().ShpCarta[1].border);
    EXPECT_TRUE(g.pc.marcaPresaPC[7] && g.pc.marcaPresaPC[9] && !g.pc.marcaPresaPC[11]);

    avanza(600);  // 1200: place 9 comes first on the screen
    EXPECT_TRUE(contorno(9) && !contorno(7) && g.punteggi.pc.prese[3] == 1);
    EXPECT_EQ(coloreContorno(9), (Rgb{255, 0, 0}));
    avanza(600);  // 1800: then place 7, still on the table until the move completes
    EXPECT_TRUE(contorno(7) && g.punteggi.pc.prese[3] == 2 && carte({7}) == "3c");
    avanza(600);  // 2400: complete; the played card joins the pile
    EXPECT_EQ(std::tuple(attivo(Timer::EffettuaMossaPC), carte({7, 9, 1, 11})),
              std::tuple(false, "- - - Kc"));
    EXPECT_EQ(
        std::tuple(g.tavolo.numeroCarteSulTavolo, g.punteggi.pc.prese[3], g.punteggi.pc.prese[0],
                   g.punteggi.pc.puntiGnamm, g.tavolo.carteInManoAPC, g.tavolo.numeroCarteGiocate),
        std::tuple(1, 3, 1, 0, 0, 2));
    EXPECT_EQ(std::tuple(mucchio(Player::PC), mucchio(Player::H)),
              std::tuple("3: 7p 3c 4q /", "0: /"));
    EXPECT_TRUE(g.tavolo.ultimaCattura == Player::PC && g.tavolo.aChiTocca == Player::H);
    // The search and its scores are emptied for the next turn.
    EXPECT_TRUE(g.pc.lista.mossePossibili == 0 && g.pc.lista[1].libera() &&
                g.pc.ricerca.numeroCarteDaEsaminare == 0 &&
                g.pc.valutazione.puntiTotali[1] == 0.0f && g.pc.cartaPCInEsame == 0);
    EXPECT_EQ(TestoIstruzione(g.istruzione), "Tocca a te, Ugo, clicca su una delle tue carte!");
}

TEST_F(PcTurnTest, ALayGoesToTheLowestFreePlaceOneTickAfterItIsShown) {
    g.tavolo.ultimaCattura = Player::H;
    giocaPC({{7, "Kc"}, {9, "Qq"}}, {"Jp"});
    avanza(600);
    EXPECT_TRUE(attivo(Timer::EffettuaMossaPC));
    avanza(600);
    EXPECT_EQ(std::tuple(attivo(Timer::EffettuaMossaPC), carte({7, 8, 9})),
              std::tuple(false, "Kc Jp Qq"));
    EXPECT_EQ(std::tuple(g.tavolo.numeroCarteSulTavolo, g.punteggi.pc.prese[3],
                         g.tavolo.posizioneInserimentoCarta),
              std::tuple(3, 0, 10));
    EXPECT_TRUE(g.tavolo.ultimaCattura == Player::H && !contorno(8));
}

TEST_F(PcTurnTest, AnAceSweepingTheTableScoresAPuntoGnamm) {
    g.mucchi.pc = {5, {C("7c"), C("7q")}, {C("3f")}};
    g.punteggi.pc.puntiGnamm = 1;
    g.punteggi.pc.puntiGiocoInCorso = g.punteggi.pc.puntiPartita = 1;
    giocaPC({{7, "Kc"}, {8, "2q"}, {12, "5f"}}, {"Ap"});
    avanza(600 + 4 * 600);
    EXPECT_EQ(mucchio(Player::PC), "9: Ap Kc 2q 5f / 3f Ap");
    EXPECT_EQ(std::tuple(g.punteggi.pc.puntiGnamm, g.punteggi.pc.puntiGiocoInCorso,
                         g.punteggi.pc.puntiPartita, g.tavolo.numeroCarteSulTavolo,
                         g.tavolo.assoInTavola),
              std::tuple(2, 2, 2, 0, false));
}

TEST_F(PcTurnTest, TheFiveOfHeartsRemarksAlternate) {
    g.opzioni.commentiZeb = true;
    finestra.zeb.stato.cinqueDiCuori = 1;
    giocaPC({{7, "5c"}, {8, "Kq"}}, {"5p", "Qp"});
    avanza(600);
    EXPECT_TRUE(finestra.zeb.angolo.commento == "Questi cuoricini sono miei!!" && g.spia.busy);
    avanza(600 * 2 + 5000);  // the capture completes; the remark ends on its own timer
    ASSERT_FALSE(g.spia.busy);

    // The 5 di Cuori comes back to the table and is taken again.
    posa(9, "5c");
    posa(1, "5q");
    g.tavolo.aChiTocca = Player::PC;
    PreparaMossePC(g);
    avanza(600);
    EXPECT_EQ(finestra.zeb.angolo.commento, "Il Cinque è mio!");
}

// The sixth card of a Manche deals again, the human's opponent first; of the last Manche it
// starts the walk over the cards left on the table.
TEST_F(PcTurnTest, TheLastCardOfAMancheDealsAgainAndOfTheGiocoEndsIt) {
    for (const int manche : {2, 6}) {
        giocaPC({{7, "Kc"}}, {"Jp"}, manche, 5);
        avanza(1200);
        EXPECT_EQ(attivo(Timer::Scegli6Carte), manche < 6) << manche;
        EXPECT_EQ(attivo(Timer::UltimeCarte), manche == 6) << manche;
        if (manche < 6) {  // the human dealt
            EXPECT_EQ(g.tavolo.contatoreCartaDaEstrarre, 1);
        }
        g.scheduler.disable(Timer::Scegli6Carte);
        sgombera();
    }
}

TEST_F(PcTurnTest, TheTimerLabelPausesAndResumesOnlyAMoveBeingPlayed) {
    giocaPC({{7, "3c"}, {9, "4q"}, {11, "Kc"}}, {"7p"});
    // Waiting for the choice: nothing to pause, and nothing must start early.
    finestra.click({TargetKind::TimerLabel, 0});
    EXPECT_FALSE(attivo(Timer::EffettuaMossaPC));
    avanza(600);
    ASSERT_TRUE(attivo(Timer::EffettuaMossaPC));
    finestra.click({TargetKind::TimerLabel, 0});
    EXPECT_FALSE(attivo(Timer::EffettuaMossaPC));
    avanza(5000);
    EXPECT_FALSE(contorno(9));
    finestra.click({TargetKind::TimerLabel, 0});
    EXPECT_TRUE(attivo(Timer::EffettuaMossaPC));
    avanza(600);
    EXPECT_TRUE(contorno(9));
    avanza(1200);
    EXPECT_EQ(g.tavolo.aChiTocca, Player::H);
    // The human's turn: the label does nothing.
    finestra.click({TargetKind::TimerLabel, 0});
    EXPECT_FALSE(attivo(Timer::EffettuaMossaPC));
}

TEST_F(PcTurnTest, TheAutomaticLastCardAndTheUrging) {
    g.opzioni.giocoTerzaCarta = TerzaCarta::Automatic;
    g.opzioni.commentiZeb = true;
    g.opzioni.impazienzaZeb = Impazienza::Impatient;
    giocaPC({{7, "Kc"}}, {"Jp"});
    g.tavolo.carteInManoAdH = 1;  // the human's last card, once the computer has played
    avanza(1200);
    EXPECT_TRUE(attivo(Timer::MuoviHAutomatico) && attivo(Timer::Impazienza));
    EXPECT_EQ(g.scheduler.interval(Timer::Impazienza), 8000);
}

TEST_F(PcTurnTest, TheLevelDecidesTheLook) {
    // A 4 laid on a 3 leaves 7. Honest Zeb fears the four unseen 7s; Cheat Zeb sees three Ks
    // and fears nothing; 'Cunning' Zeb follows his honesty of the Manche.
    giocaPC({{7, "3c"}}, {"4q"});
    const auto rischio = [this](Livello l, bool onesta) {
        g.livello = l;
        g.pc.onesta = onesta;
        PreparaMossePC(g);
        return g.pc.valutazione.rischioScopa[1];
    };
    EXPECT_LT(rischio(Livello::Honest, false), 0.0f);
    EXPECT_TRUE(rischio(Livello::Cheat, true) == 0.0f && g.pc.valutazione.sicura[1]);
    EXPECT_LT(rischio(Livello::Cunning, true), 0.0f);
    EXPECT_EQ(rischio(Livello::Cunning, false), 0.0f);
    g.tavolo.carta[5] = C("7f");
    EXPECT_EQ(rischio(Livello::Cheat, true), -1.0f);
}

TEST_F(PcTurnTest, ScreenWalkOrderCoversEveryTablePlaceOnce) {
    std::set<int> visti;
    int posto = 0;
    while ((posto = ProssimoPostoSchermo(posto)) != 0) {
        EXPECT_TRUE(IsPostoTavolo(posto) && visti.insert(posto).second) << posto;
    }
    EXPECT_EQ(std::tuple(visti.size(), ProssimoPostoSchermo(9), ProssimoPostoSchermo(14)),
              std::tuple(kPostiTavolo.size(), 13, 0));
}

TEST_F(PcTurnTest, TheDiagnosticPanelShowsTheSearchAndTheChoice) {
    g.cervello.aperto = false;
    finestra.click({TargetKind::AssoInTavola, 0});
    ASSERT_TRUE(finestra.screen.FraCervello.visible);

    giocaPC({{7, "Ac"}, {8, "6q"}}, {"Ap", "6c"});
    avanza(600);
    // Two moves: the ace takes the ace, the 6 takes the 6 (and the 6 di Quadri).
    ASSERT_EQ(finestra.screen.cervelloLines.size(), 3u);
    EXPECT_NE(finestra.screen.cervelloLines[1].find("Ap [Ac]"), std::string::npos);
    EXPECT_NE(finestra.screen.cervelloLines[2].find("6c [6q]"), std::string::npos);
    EXPECT_NE(finestra.screen.lblMossaMigliore.text.find("MossaMigliore: 2"), std::string::npos);
    EXPECT_TRUE(g.pc.mossaScelta && finestra.screen.lblMossaMigliore.back == colors::kCervelloPink);

    finestra.click({TargetKind::AssoInTavola, 0});
    EXPECT_FALSE(finestra.screen.FraCervello.visible || g.cervello.aperto);
}

}  // namespace
}  // namespace gnamm
