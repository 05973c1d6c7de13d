// The cards and the draw, the table model (faces and backs, the pool of unseen values, a new
// Gioco), the shuffle, and the deal of a Gioco and of each Manche.
#include <gmock/gmock.h>

#include <numeric>
#include <set>

#include "game/deal.h"
#include "game/scoreboard.h"
#include "game/table_model.h"
#include "invariants.h"
#include "rules/capture_rules.h"
#include "rules/card.h"
#include "rules/random.h"
#include "support/table_fixture.h"
#include "ui/instructions_view.h"

namespace gnamm::test_tavolo {
namespace {

using ::testing::IsEmpty;

class DealTest : public TableTest {
  protected:
    DealTest() { g.tavolo.mazziere = Player::PC; }
    // The shuffle keeps the ordered deck (with two rejected draws on the way), then the opening
    // lay draws Ac, then Aq (a second ace, put back), 2q, a dealt card again, Kq and 5p; the
    // hands receive 2c, 3c, 4c, 5c, 6c, 7c in dealing order.
    void scriptaGioco() {
        for (int k = 1; k <= 40; ++k) {
            rng.forza(40, k);
            if (k == 5) rng.forza(40, 3);  // already drawn: rejected
        }
        for (int p : {1, 11, 12, 1, 20, 35}) rng.forza(40, p);
        for (int p : {2, 3, 4, 5, 6, 7}) rng.forza(40, p);
    }
    void inizia() {
        NuovoGioco(g);
        MescolaCarte(g);
    }
    int sommaRimasti() const {
        return std::accumulate(g.tavolo.valoriRimasti.begin() + 1, g.tavolo.valoriRimasti.end(), 0);
    }
};

TEST_F(DealTest, ComputerDealsAndTheHumanLeads) {
    scriptaGioco();
    inizia();
    for (int k = 1; k <= 40; ++k) ASSERT_EQ(g.tavolo.carteDaGiocare[k], Card::FromDeckPosition(k));

    // One opening card every 200 ms, left to right: places 9, 7, 8, 10.
    const std::array<int, 4> apertura = {9, 7, 8, 10};
    for (int i = 0; i < 4; ++i) {
        avanza(199);
        EXPECT_FALSE(posti().ImgCarta[apertura[i]].visible) << i;
        avanza(1);
        EXPECT_TRUE(posti().ImgCarta[apertura[i]].visible) << i;
    }
    EXPECT_EQ(carte({9, 7, 8, 10}), "Ac 2q Kq 5p");  // the second ace went back to the deck
    EXPECT_TRUE(g.tavolo.assoInTavola && !g.tavolo.distribuita[11] &&
                g.tavolo.carteRimasteNelMazzo == 36);

    // Hands from 1.0 s to 2.0 s, the human first: 4, 1, 5, 2, 6, 3.
    const std::array<int, 6> mani = {4, 1, 5, 2, 6, 3};
    for (int i = 0; i < 6; ++i) {
        avanza(200);
        EXPECT_FALSE(g.tavolo.carta[mani[i]].empty()) << i;
        if (i < 5) {
            EXPECT_TRUE(g.tavolo.carta[mani[i + 1]].empty()) << i;
        }
    }
    // The computer's cards show their backs.
    EXPECT_EQ(std::tuple(carte({4, 1, 3}), posti().ImgCarta[1].picture, g.tavolo.aChiTocca),
              std::tuple("2c 3c 7c", "\\Grafica\\Star.gif", Player::PC));

    avanza(199);
    EXPECT_EQ(g.tavolo.aChiTocca, Player::PC);
    avanza(1);
    EXPECT_EQ(std::tuple(g.tavolo.aChiTocca, TestoIstruzione(g.istruzione), g.tavolo.manche,
                         g.tavolo.carteRimasteNelMazzo),
              std::tuple(Player::H, "Tocca a te, Ugo, clicca su una delle tue carte!", 1, 30));
    EXPECT_THAT(sim::ControllaCarte(g), IsEmpty());
    EXPECT_FALSE(attivo(Timer::Scegli6Carte) || attivo(Timer::Scegli4CarteSulTavolo));
    // Seen by the computer: the four table cards and its own three, not the human's.
    EXPECT_EQ(std::tuple(sommaRimasti(), g.tavolo.valoriRimasti[5], g.tavolo.valoriRimasti[2]),
              std::tuple(33, 2, 3));
    EXPECT_TRUE(posti().ImgCarta[kPostoMazzo].visible);
}

TEST_F(DealTest, HumanDealsAndTheComputerLeadsAtOnce) {
    g.tavolo.mazziere = Player::H;
    scriptaGioco();
    inizia();
    avanza(2000);
    EXPECT_EQ(carte({1, 2, 3, 4, 5, 6}), "2c 4c 6c 3c 5c 7c");  // dealt 1, 4, 2, 5, 3, 6
    avanza(200);
    EXPECT_TRUE(g.tavolo.aChiTocca == Player::PC && TestoIstruzione(g.istruzione).empty());
    // The computer's move search has run and its pause is under way.
    EXPECT_TRUE(attivo(Timer::RitardoMossaPC));
    EXPECT_EQ(sommaRimasti(), 40 - 4 - 3);
}

TEST_F(DealTest, GiocaOnlyAtTheFirstLeadWithCommentsOnAndTheSoundFree) {
    g.opzioni.commentiZeb = true;
    inizia();
    avanza(2200);
    ASSERT_EQ(g.tavolo.aChiTocca, Player::H);
    EXPECT_EQ(std::tuple(finestra.zeb.angolo.commento, media.played(Channel::Commenti)),
              std::tuple("Gioca!", std::vector<std::string>({"\\Zeb\\S19.wav"})));
    // "Gioca!" leaves the indicator free; the urging is armed at the Impatient pace.
    EXPECT_TRUE(!g.spia.busy && attivo(Timer::Impazienza) &&
                g.scheduler.interval(Timer::Impazienza) == 8000);

    // The second Manche: no remark.
    media.clear();
    for (int k = 1; k <= 6; ++k) SvuotaPosto(g, k);
    g.tavolo.aChiTocca = Player::PC;
    AvviaDistribuzioneManche(g);
    avanza(1400);
    EXPECT_EQ(g.tavolo.aChiTocca, Player::H);
    EXPECT_TRUE(g.tavolo.manche == 2 && media.played(Channel::Commenti).empty());
}

// A listener after Zeb and the sounds hears the deal in its order, and whether Zeb spoke.
TEST_F(DealTest, TheDealIsAnnouncedInItsOrderAndZebsLineIsPassedOn) {
    struct Ascolta final : AscoltatoreTavolo {
        std::vector<std::pair<Accaduto, bool>> sentito;
        std::vector<EventoTavolo> date;  // the cards dealt to the hands
        bool ascolta(const EventoTavolo& e, bool parlato) override {
            sentito.emplace_back(e.cosa, parlato);
            if (e.cosa == Accaduto::CartaDistribuita) date.push_back(e);
            return false;
        }
    } ultimo;
    g.ascoltatori.push_back(&ultimo);
    g.opzioni.commentiZeb = true;
    inizia();
    avanza(2200);
    std::vector<std::pair<Accaduto, bool>> atteso = {{Accaduto::QuattroInTavola, false}};
    atteso.insert(atteso.end(), 6, {Accaduto::CartaDistribuita, false});
    atteso.insert(atteso.end(), {{Accaduto::TurnoUmano, false},
                                 {Accaduto::PrimoTurno, true},  // "Gioca!"
                                 {Accaduto::ManoDistribuita, false}});
    EXPECT_EQ(ultimo.sentito, atteso);
    // Each card dealt says where it went: from the deck to the hand place it now lies in.
    std::set<int> mani;
    for (const EventoTavolo& e : ultimo.date) {
        EXPECT_TRUE(e.da == kPostoMazzo && e.carta == g.tavolo.carta[e.a] &&
                    e.chi == g.tavolo.mazziere)
            << e.a;
        mani.insert(e.a);
    }
    EXPECT_EQ(mani, (std::set<int>{1, 2, 3, 4, 5, 6}));
}

TEST_F(DealTest, SixDealsUseTheWholeDeckOnceAndCunningZebTurnsEachManche) {
    g.livello = Livello::Cunning;
    g.opzioni.velocitaMazziere = Velocita::High;
    inizia();
    avanza(1100);  // 100 ms a card at "High"
    ASSERT_EQ(g.tavolo.aChiTocca, Player::H);
    bool onesta = g.pc.onesta;
    std::set<int> viste;  // every card dealt
    for (const int i : kPostiTavolo) {
        if (!g.tavolo.carta[i].empty()) viste.insert(g.tavolo.carta[i].deckPosition());
    }
    for (int manche = 2; manche <= 7; ++manche) {
        // The hands go to the piles, as if played and taken.
        for (int k = 1; k <= 6; ++k) {
            ASSERT_FALSE(g.tavolo.carta[k].empty());
            viste.insert(g.tavolo.carta[k].deckPosition());
            std::swap(g.tavolo.carta[11], g.tavolo.carta[k]);
            ContaCarteH(g, 11);
            g.tavolo.carta[11] = Card();
        }
        g.tavolo.carteInManoAdH = g.tavolo.carteInManoAPC = 0;
        if (manche == 7) break;
        g.tavolo.aChiTocca = Player::PC;
        AvviaDistribuzioneManche(g);
        avanza(800);
        ASSERT_EQ(g.tavolo.manche, manche);
        EXPECT_THAT(sim::ControllaCarte(g), IsEmpty());
        EXPECT_NE(g.pc.onesta, onesta) << "Cunning Zeb turns at every Manche";
        onesta = g.pc.onesta;
        EXPECT_EQ(posti().ImgCarta[kPostoMazzo].visible, manche < 6);
    }
    EXPECT_TRUE(viste.size() == 40u && !posti().ShpCarta[kPostoMazzo].visible);
}

TEST_F(DealTest, DealingNoisesAndTheSaloonRestart) {
    g.opzioni.rumoriCarte = true;
    g.opzioni.rumoriSaloon = true;
    inizia();
    avanza(2200);
    const auto rumori = media.played(Channel::Rumori);
    ASSERT_EQ(rumori.size(), 6u);
    for (const auto& r : rumori) EXPECT_NE(r.find("\\Rumori\\Carta"), std::string::npos) << r;
    EXPECT_TRUE((attivo(Timer::DurataAmbiente) || attivo(Timer::Ambiente)) && !g.spia.busy);

    // While a saloon sound plays, the dealing noise is prepared but not played.
    media.clear();
    for (int k = 1; k <= 6; ++k) SvuotaPosto(g, k);
    g.scheduler.disable(Timer::DurataAmbiente);
    g.scheduler.disable(Timer::Ambiente);
    g.spia.ambiente = 7;
    g.spia.busy = true;
    AvviaDistribuzioneManche(g);
    avanza(1400);  // the saloon sound still holds the indicator
    EXPECT_TRUE(media.played(Channel::Rumori).empty() && g.spia.busy);
}

TEST_F(DealTest, ASaloonSoundKeepsTheIndicatorThroughTheOpening) {
    g.spia.ambiente = 14;
    g.spia.busy = true;
    inizia();
    for (int t = 0; t < 11; ++t) {
        avanza(200);
        ASSERT_TRUE(g.spia.busy) << t;
    }
    EXPECT_EQ(g.tavolo.aChiTocca, Player::H);
}

TEST(Distribuzione, AStuckGeneratorStillDealsEveryCard) {
    // A generator that always returns the same number must not hang the shuffle or the deal.
    VirtualClock clock;
    FixedRandom rng;
    RecordingMediaPlayer media(clock);
    Finestra g(clock, rng, media, Paths{});
    NuovoGioco(g.game);
    MescolaCarte(g.game);
    std::set<int> mazzo;
    for (int k = 1; k <= 40; ++k) mazzo.insert(g.game.tavolo.carteDaGiocare[k].deckPosition());
    EXPECT_EQ(mazzo.size(), 40u);
    AdvanceVirtualTime(g, clock, 2200);
    int assi = 0;
    for (const int i : {7, 8, 9, 10}) assi += g.game.tavolo.carta[i].isAce() ? 1 : 0;
    EXPECT_TRUE(g.game.tavolo.carteRimasteNelMazzo == 30 && assi <= 1) << assi;
}

// The shuffle of two fixed seeds at a fixed time of day, card by card: any change to the draw,
// the rejection of repeats or the deck order shows here.
TEST(Distribuzione, TheSeededShuffleIsPinned) {
    const std::pair<uint32_t, const char*> casi[] = {
        {1,
         "Kp 4f 2q Af Qf 6p Kf 3p 7f Qp Ap 7p Kc 5c 7q Aq 2p Ac Qq 5f "
         "Kq 2c 6c 5q 6q 2f 4c Jq 5p 6f Jf 7c 4q Qc 3f 4p 3c Jc Jp 3q "},
        {2026,
         "2p 4q Kp 2f 3f 7f 2q 3c 4f Qc 5q Kq 5p 6c 6p Aq 5c Qq Jq 6f "
         "7q Ac 6q Ap Jp Af 5f Jf Qf 3p Kf 2c Kc 4c 4p 3q 7c Qp Jc 7p "},
    };
    for (const auto& [seed, atteso] : casi) {
        VirtualClock clock{TimeOfDay{2026, 12, 6, 21, 17, 43}};
        SeededRandom rng(seed);
        RecordingMediaPlayer media(clock);
        Finestra g(clock, rng, media, Paths{});
        NuovoGioco(g.game);
        MescolaCarte(g.game);
        std::string mazzo;
        for (int k = 1; k <= 40; ++k) mazzo += g.game.tavolo.carteDaGiocare[k].code() + " ";
        EXPECT_EQ(mazzo, atteso) << "seed " << seed;
    }
}

TEST(Card, TheFortyCodesReadBackAndNothingElseParses) {
    for (int i = 1; i <= 40; ++i) {
        const Card c = Card::FromDeckPosition(i);
        EXPECT_EQ(Card::Parse(c.code()), c);
        EXPECT_EQ(c.valore(), (i - 1) % 10 + 1) << c.code();
    }
    for (const char* bad : {"", "A", "Acc", "1c", "ac", "AC", "8c", "Kx", "10"}) {
        EXPECT_FALSE(Card::Parse(bad).has_value()) << bad;
    }
    EXPECT_TRUE(Card::FromDeckPosition(0).empty() && Card::FromDeckPosition(41).empty());
    EXPECT_EQ(Card().code(), "");
}

int Draw(int n, double r, int minute, int second) {
    FixedRandom rng(r);
    VirtualClock clock(TimeOfDay{2026, 12, 6, 10, minute, second});
    return EstrazioneCasuale(n, rng, clock);
}

// The draw mixes the generator with the clock and folds the result into 1..n, whatever the
// time of day, a leap second included, and even for a source straying outside [0, 1) (the
// exact draws are pinned by the seeded shuffle).
TEST(EstrazioneCasuale, StaysWithinOneToNAtEveryTimeOfDay) {
    for (int n : {3, 4, 7, 12, 30, 40}) {
        for (int minute = 0; minute < 60; minute += 7) {
            for (int second = 0; second <= 60; second += 3) {
                for (double r : {0.0, 0.25, 0.5, 0.999999, -2.5, 7.25}) {
                    const int v = Draw(n, r, minute, second);
                    ASSERT_TRUE(v >= 1 && v <= n) << n << " " << minute << ":" << second;
                }
            }
        }
    }
}

// The screen draws what each place shows: Zeb's backs on a mat of the cards' colour, faces on
// white, Zeb's own card on show with its mat outlined, each mark in its colour.
TEST_F(DealTest, FacesBacksAndMarksAsTheScreenDrawsThem) {
    g.opzioni.retroCarte = Retro::Star;
    g.opzioni.coloreCarte = ColoreCarte::Grey;
    tavolo({{2, "Kc"}, {5, "Qp"}, {7, "3c"}});
    MostraCarta(g, 5, Card());  // no card: the face stays
    const Rgb grigio{128, 128, 128};
    EXPECT_EQ(std::tuple(posti().ImgCarta[2].picture, posti().ShpCarta[2].back,
                         posti().ImgCarta[5].picture, posti().ShpCarta[5].back,
                         posti().ImgCarta[0].picture, posti().ShpCarta[0].back),
              std::tuple("\\Grafica\\Star.gif", grigio, "\\Carte\\Qp.jpg", colors::kWhite,
                         "\\Grafica\\Star.gif", grigio));
    g.opzioni.retroCarte = Retro::Horse;  // a new back shows at once, in the hand and the deck
    EXPECT_EQ(std::tuple(posti().ImgCarta[2].picture, posti().ImgCarta[0].picture),
              std::tuple("\\Grafica\\Horse.gif", "\\Grafica\\Horse.gif"));
    MostraCarta(g, 2, C("Kc"));
    g.posti[2].segno = Segno::GiocataDaZeb;
    EXPECT_EQ(std::tuple(posti().ImgCarta[2].picture, posti().ShpCarta[2].back,
                         posti().ShpCarta[2].border, posti().ShpCarta[5].border, contorno(2)),
              std::tuple("\\Carte\\Kc.jpg", colors::kWhite, true, false, false));

    const Rgb rosso{255, 0, 0}, blu{52, 86, 201};
    const std::array<std::tuple<Segno, bool, Rgb>, 6> segni = {{
        {Segno::Scelta, true, colors::kPick},
        {Segno::PresaUmano, true, blu},
        {Segno::PresaZeb, true, rosso},
        {Segno::UltimeAZeb, true, rosso},
        {Segno::UltimeAllUmano, true, blu},
        {Segno::Nessuno, false, blu},  // the last colour stays, unseen
    }};
    for (const auto& [segno, visto, colore] : segni) {
        g.posti[7].segno = segno;
        EXPECT_EQ(std::tuple(contorno(7), coloreContorno(7), posti().ShpCarta[7].border),
                  std::tuple(visto, colore, false))
            << static_cast<int>(segno);
    }
    SvuotaPosto(g, 5);
    EXPECT_FALSE(posti().ImgCarta[5].visible || posti().ShpCarta[5].visible);
    // Out of range: nothing written.
    MostraCarta(g, kNumeroPosti, C("Ac"));
    MostraRetro(g, -1);
}

TEST_F(DealTest, ValoriRimastiNeverGoBelowZero) {
    for (int i = 0; i < 5; ++i) AggiornaValoriRimasti(g.tavolo, C("Jq"));
    EXPECT_EQ(g.tavolo.valoriRimasti[8], 0);
    AggiornaValoriRimasti(g.tavolo, Card());  // no card: nothing taken off
    EXPECT_EQ(g.tavolo.valoriRimasti[1], 4);
}

TEST_F(DealTest, ANewGiocoEmptiesTheTableAndThePool) {
    inizia();
    avanza(2200);
    ASSERT_FALSE(g.tavolo.carta[4].empty());  // a Gioco given up with cards in hand
    tavolo({{kPostoDodicesimo, "Kc"}});
    g.tavolo.manche = 6;
    g.tavolo.numeroCarteGiocate = 4;
    NuovoGioco(g);
    for (int i = 1; i <= kNumeroPosti - 1; ++i) {
        if (i == kPostoSpare) continue;
        EXPECT_TRUE(g.tavolo.carta[i].empty()) << i;
        EXPECT_FALSE(posti().ImgCarta[i].visible) << i;
    }
    for (int k = 1; k <= 40; ++k) {
        EXPECT_TRUE(g.tavolo.carteDaGiocare[k].empty() && !g.tavolo.distribuita[k]) << k;
    }
    EXPECT_THAT(sim::ControllaCarte(g), IsEmpty());
    EXPECT_EQ(std::tuple(g.tavolo.contatoreCartaDaEstrarre, g.tavolo.manche,
                         g.tavolo.numeroCarteGiocate, g.tavolo.posizioneInserimentoCarta),
              std::tuple(1, 0, 0, 0));
    for (int v = 1; v <= 10; ++v) EXPECT_EQ(g.tavolo.valoriRimasti[v], 4);
}

}  // namespace
}  // namespace gnamm::test_tavolo
