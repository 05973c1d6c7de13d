// The human's turn: the card played, the choice among captures, the reproaches, what a
// capture, a lay or a Punto Gnamm does to the table, the score and the sound; and the table
// played from the keyboard: 1, 2, 3 play the hand's cards, during a pick the arrows walk a
// focus along the table row and Space picks or un-picks the card under it.
#include <algorithm>

#include "game/capture_execution.h"
#include "game/human_turn.h"
#include "support/table_fixture.h"
#include "ui/capture_preview.h"
#include "ui/instructions_view.h"
#include "ui/keyboard_focus.h"

namespace gnamm::test_tavolo {
namespace {

using HumanTurn = TableTest;

const Rgb kPrendibile = ColoreAnteprima(Anteprima::Prendibile);

// The mouse on a hand card, on the human's turn, outlines what the card would take: blue for
// the one capture, orange for each card of a choice; nothing for a lay, off the hand, on Zeb's
// turn, or once the card is played, when the pick's takeable cards show instead. No advice.
TEST_F(HumanTurn, TheMouseOnAHandCardOutlinesWhatItWouldTake) {
    tavolo({{7, "5q"}, {8, "5f"}, {9, "Kc"}, {10, "2c"}});
    turnoUmano({{4, "5c"}, {5, "Kq"}, {6, "3p"}});
    const auto contorni = [&] {
        std::string out;
        for (const int p : kPostiTavolo) {
            if (!contorno(p)) continue;
            const Rgb c = coloreContorno(p);
            out += std::to_string(p) + (c == colors::kCapture ? "P "
                                        : c == kPrendibile    ? "S "
                                                              : "? ");
        }
        return out;
    };
    const std::pair<Target, const char*> casi[] = {
        {{TargetKind::Carta, 4}, "7S 8S "},  // two equal fives
        {{TargetKind::Carta, 5}, "9P "},     // the one king
        {{TargetKind::Carta, 6}, ""},        // a three lies down
        {{TargetKind::Carta, 9}, ""},        // a table card
        {{TargetKind::Carta, 5}, "9P "},    {{TargetKind::None, 0}, ""},
    };
    for (const auto& [dove, atteso] : casi) {
        finestra.mouseMove(dove);
        EXPECT_EQ(contorni(), atteso) << dove.index;
    }
    finestra.mouseMove({TargetKind::Carta, 4});
    g.tavolo.aChiTocca = Player::PC;
    EXPECT_EQ(contorni(), "");
    g.tavolo.aChiTocca = Player::H;
    click(4);
    EXPECT_EQ(std::tuple(contorni(), finestra.consiglio.segni.empty()), std::tuple("7S 8S ", true));
    click(8);
    EXPECT_EQ(contorni(), "8P ");  // the capture's own mark; the other five is no longer takeable
}

TEST_F(HumanTurn, SingleEqualCardIsCapturedAfterThePause) {
    tavolo({{7, "5q"}, {8, "Kc"}});
    turnoUmano({{4, "5c"}, {5, "2f"}, {6, "3p"}});
    click(4);
    EXPECT_TRUE(g.tavolo.aChiTocca == Player::PC && g.tavolo.numeroCarteGiocate == 1);
    EXPECT_TRUE(contorno(4) && contorno(7) && !contorno(8) &&
                coloreContorno(7) == colors::kCapture);

    click(5);  // a second card cannot be played meanwhile
    EXPECT_EQ(std::tuple(g.umano.cartaGiocata, carte({5})), std::tuple(4, "2f"));
    avanza(599);
    EXPECT_EQ(carte({7}), "5q");
    avanza(1);
    EXPECT_EQ(carte({7, 4}), "- -");
    EXPECT_FALSE(posti().ImgCarta[4].visible || contorno(7));
    EXPECT_EQ(std::tuple(g.punteggi.h.conta(PuntoMazzo::Carte), g.punteggi.h.puntiGnamm,
                         g.tavolo.numeroCarteSulTavolo, g.tavolo.carteInManoAdH),
              std::tuple(2, 0, 1, 2));
    EXPECT_EQ(g.tavolo.ultimaCattura, Player::H);
    EXPECT_TRUE(attivo(Timer::RitardoMossaPC)) << "the computer's move search has run";
    EXPECT_TRUE(media.log().empty());  // noises and remarks off: a silent capture
}

TEST_F(HumanTurn, ChoiceAmongEqualCards) {
    tavolo({{7, "5q"}, {8, "5f"}, {9, "Kc"}});
    turnoUmano({{4, "5c"}, {5, "2f"}, {6, "3p"}});
    click(4);
    EXPECT_EQ(TestoIstruzione(g.istruzione),
              "Scegli, fra le 2 Carte uguali presenti sul tavolo, quale vuoi catturare!");
    EXPECT_TRUE(g.umano.puoiScegliere && coloreContorno(4) == colors::kPick);
    EXPECT_FALSE(attivo(Timer::ScompaionoCarteH));
    click(9);  // another value: nothing
    EXPECT_FALSE(contorno(9) || attivo(Timer::ScompaionoCarteH));
    click(8);
    EXPECT_TRUE(attivo(Timer::ScompaionoCarteH));
    EXPECT_TRUE(coloreContorno(8) == colors::kCapture && coloreContorno(4) == colors::kCapture);
    click(7);  // the capture is decided: further table clicks do not count
    EXPECT_FALSE(contorno(7) || g.umano.marcaPresa[7]);
    avanza(600);
    EXPECT_EQ(std::tuple(carte({7, 8}), g.umano.puoiScegliere), std::tuple("5q -", false));
}

TEST_F(HumanTurn, SumChoiceWithPickAndUnpick) {
    // The capture's events say which card took which places.
    struct Ascolta final : AscoltatoreTavolo {
        std::vector<EventoTavolo> prese;
        bool ascolta(const EventoTavolo& e, bool) override {
            if (e.cosa == Accaduto::PresaFatta || e.cosa == Accaduto::CartaDallaMano) {
                prese.push_back(e);
            }
            return false;
        }
    } ultimo;
    g.ascoltatori.push_back(&ultimo);
    tavolo({{7, "3c"}, {8, "3q"}, {9, "4f"}, {10, "Kc"}});
    turnoUmano({{4, "7p"}, {5, "2f"}});
    click(4);
    EXPECT_EQ(TestoIstruzione(g.istruzione),
              "Hai 2 combinazioni di presa: clicca quelle carte sul tavolo che vuoi catturare!");
    click(10);  // above the played value: nothing
    EXPECT_FALSE(contorno(10));
    click(7);
    EXPECT_TRUE(g.umano.valoreTotalePresa == 3 && contorno(7) &&
                coloreContorno(7) == colors::kPick);
    click(8);
    EXPECT_EQ(g.umano.valoreTotalePresa, 6);
    click(9);  // 10 is too much: refused, still takeable
    EXPECT_TRUE(g.umano.valoreTotalePresa == 6 && coloreContorno(9) == kPrendibile);
    click(7);  // un-pick
    EXPECT_TRUE(g.umano.valoreTotalePresa == 3 && coloreContorno(7) == kPrendibile &&
                !attivo(Timer::ScompaionoCarteH));
    click(9);
    EXPECT_TRUE(g.umano.valoreTotalePresa == 7 && attivo(Timer::ScompaionoCarteH));
    EXPECT_TRUE(coloreContorno(8) == colors::kCapture && coloreContorno(9) == colors::kCapture);
    click(8);  // no un-pick once decided
    EXPECT_TRUE(contorno(8) && g.umano.valoreTotalePresa == 7);
    avanza(600);
    EXPECT_EQ(std::tuple(carte({7, 8, 9}), g.punteggi.h.conta(PuntoMazzo::Sette)),
              std::tuple("3c - -", 1));
    ASSERT_EQ(ultimo.prese.size(), 2u);
    for (const EventoTavolo& e : ultimo.prese) {
        EXPECT_TRUE(e.da == 4 && e.carta == C("7p") && e.chi == Player::H);
    }
    const PostiToccati& presi = ultimo.prese[1].posti;
    EXPECT_EQ(std::vector<int>(presi.begin(), presi.end()), (std::vector<int>{8, 9}));
}

TEST_F(HumanTurn, ReproachesNameThePlayerUntilACardIsPlayed) {
    g.opzioni.commentiZeb = true;
    tavolo({{12, "4c"}});
    turnoUmano({{4, "Kp"}, {5, "2f"}});
    click(12);
    EXPECT_EQ(TestoIstruzione(g.istruzione),
              "Non devi cliccare le carte sul tavolo, Ugo,  ma una delle tue!!");
    EXPECT_EQ(media.played(Channel::Commenti), std::vector<std::string>({"\\Zeb\\S28.wav"}));
    EXPECT_TRUE(g.spia.busy && g.scheduler.interval(Timer::DurataGnammH) == 320);
    click(2);
    EXPECT_EQ(TestoIstruzione(g.istruzione), "Come ti permetti di cliccare le mie carte, Ugo??");
    // The indicator was busy: no second voice.
    EXPECT_EQ(media.played(Channel::Commenti).size(), 1u);
    click(0);
    EXPECT_EQ(TestoIstruzione(g.istruzione),
              "O Ugo, devi cliccare una delle tue carte, non il mazzo!!");
    avanza(320);
    EXPECT_FALSE(g.spia.busy);
    click(5);  // a hand card never reproaches: it is played (the 2 is laid)
    EXPECT_EQ(g.tavolo.aChiTocca, Player::PC);
    const std::string dopo = TestoIstruzione(g.istruzione);
    for (const int k : {0, 2, 12}) click(k);
    EXPECT_EQ(TestoIstruzione(g.istruzione), dopo);
    EXPECT_EQ(media.played(Channel::Commenti).size(), 1u);
}

TEST_F(HumanTurn, TheLastCardPlaysItself) {
    tavolo({{7, "Kc"}, {8, "Qc"}});
    turnoUmano({{6, "2f"}}, 3, 5);
    g.scheduler.start(Timer::MuoviHAutomatico, 750);
    avanza(749);
    EXPECT_EQ(g.tavolo.aChiTocca, Player::H);
    avanza(1);
    EXPECT_EQ(carte({9, 6}), "2f -");
    // The sixth card of the Manche: the next deal follows.
    EXPECT_TRUE(!attivo(Timer::MuoviHAutomatico) && attivo(Timer::Scegli6Carte));
}

using CaptureExecution = TableTest;

TEST_F(CaptureExecution, AceOntoAnEmptyTableIsAssoBevuto) {
    g.opzioni.commentiZeb = true;
    finestra.zeb.stato.assoBevuto = 1;
    turnoUmano({{4, "Ac"}, {5, "2f"}});
    click(4);
    EXPECT_TRUE(carte({7}) == "Ac" && g.tavolo.assoInTavola && g.punteggi.h.puntiGiocoInCorso == 0);
    EXPECT_EQ(finestra.zeb.angolo.commento, "Hai bevuto l'asso, eh?");
    EXPECT_EQ(media.played(Channel::Commenti), std::vector<std::string>({"\\Zeb\\S13.wav"}));
    EXPECT_EQ(g.scheduler.interval(Timer::AssoBevuto), 1550);  // the remark's own length
    EXPECT_TRUE(attivo(Timer::AssoBevuto) && g.spia.busy && finestra.zeb.stato.assoBevuto == 2);
}

// The human's ace onto a table: what is left, the cards taken and the Punto Gnamm; the remark
// only when it takes the one ace among others.
TEST_F(CaptureExecution, TheAceTakesTheOnlyCardOrTheAceOrSweepsTheTable) {
    g.opzioni.commentiZeb = true;
    const struct {
        std::initializer_list<std::pair<int, std::string_view>> tavolo;
        int resta, prese, gnamm;
        const char* commento;
        const char* mucchio;
    } casi[] = {
        {{{11, "Aq"}}, 0, 2, 1, "", "2: Ac Aq / Ac"},
        {{{7, "5c"}, {8, "Af"}, {9, "7q"}}, 2, 2, 0, "Asso bevuto... gioco astuto!", "2: Ac Af /"},
        {{{7, "5q"}, {8, "2q"}, {9, "7f"}}, 0, 4, 1, "", "4: Ac 5q 2q 7f / Ac"},
    };
    for (const auto& c : casi) {
        Banco b;
        b.g.opzioni = g.opzioni;
        b.finestra.screen.FraSplash.visible = false;
        b.finestra.zeb.stato.assoBevuto = 2;
        b.tavolo(c.tavolo);
        b.turnoUmano({{4, "Ac"}, {5, "2f"}});
        b.click(4);
        EXPECT_EQ(std::tuple(b.g.tavolo.assoInTavola, b.finestra.zeb.angolo.commento),
                  std::tuple(false, c.commento));
        b.avanza(600);
        const Colonna& h = b.g.punteggi.h;
        EXPECT_EQ(std::tuple(b.g.tavolo.numeroCarteSulTavolo, h.conta(PuntoMazzo::Carte),
                             h.puntiGnamm, h.puntiPartita),
                  std::tuple(c.resta, c.prese, c.gnamm, c.gnamm));
        EXPECT_EQ(std::tuple(b.mucchio(Player::H), b.mucchio(Player::PC)),
                  std::tuple(c.mucchio, "0: /"));
    }
}

TEST_F(CaptureExecution, ALaidCardFillsTheLowestGap) {
    tavolo({{7, "Kc"}, {9, "Qc"}});
    turnoUmano({{5, "Jf"}, {6, "2f"}});
    click(5);
    EXPECT_EQ(carte({7, 8, 9}), "Kc Jf Qc");
    EXPECT_TRUE(posti().ImgCarta[8].visible && !posti().ImgCarta[5].visible);
    EXPECT_TRUE(g.tavolo.numeroCarteSulTavolo == 3 && g.tavolo.aChiTocca == Player::PC);
    EXPECT_TRUE(attivo(Timer::RitardoMossaPC) && !attivo(Timer::ScompaionoCarteH));
}

// A Punto Gnamm with remarks on is a remark that holds the sound; without, the capture noise
// plays once and frees the sound after 365 ms.
TEST_F(CaptureExecution, GnammTakesTheSoundForARemarkOrElseTheCaptureNoise) {
    g.opzioni.rumoriCarte = true;
    for (const bool commenti : {true, false}) {
        g.opzioni.commentiZeb = commenti;
        media.clear();
        tavolo({{7, "3c"}, {8, "4q"}});
        turnoUmano({{4, "7f"}, {5, "2f"}});
        click(4);
        avanza(600);
        EXPECT_EQ(g.punteggi.h.puntiGnamm, commenti ? 1 : 2);
        EXPECT_TRUE(finestra.zeb.angolo.commento.empty() == !commenti && g.spia.busy);
        const auto rumori = media.played(Channel::Rumori);
        EXPECT_EQ(std::count(rumori.begin(), rumori.end(), "\\Rumori\\Presa.wav"),
                  commenti ? 0 : 1);
        avanza(commenti ? 5000 : 365);
        EXPECT_FALSE(g.spia.busy);
        finestra.zeb.angolo.commento.clear();
        sgombera();
    }
}

TEST_F(CaptureExecution, TheLastCardOfTheGiocoScoresGnammAndEndsTheGioco) {
    tavolo({{7, "3c"}, {8, "4q"}});
    turnoUmano({{6, "7f"}}, 6, 5);
    g.tavolo.carteRimasteNelMazzo = 0;
    click(6);
    avanza(600);
    EXPECT_TRUE(g.punteggi.h.puntiGnamm == 1 && g.tavolo.aChiTocca == Player::PC);
    EXPECT_FALSE(attivo(Timer::RitardoMossaPC) || attivo(Timer::Scegli6Carte));
    EXPECT_TRUE(attivo(Timer::UltimeCarte));
}

TEST_F(CaptureExecution, TheNextDealStartsWithTheDealersOpponent) {
    for (const Player mazziere : {Player::PC, Player::H}) {
        g.tavolo.mazziere = mazziere;
        tavolo({{7, "3c"}, {8, "Kq"}});
        turnoUmano({{6, "3f"}}, 2, 5);
        click(6);
        avanza(600);
        EXPECT_EQ(g.tavolo.numeroCarteGiocate, 0);
        EXPECT_EQ(g.tavolo.contatoreCartaDaEstrarre, mazziere == Player::PC ? 4 : 1);
        EXPECT_TRUE(attivo(Timer::Scegli6Carte) && g.spia.busy);
        g.scheduler.disable(Timer::Scegli6Carte);
        g.spia.busy = false;
        sgombera();
    }
}

TEST_F(CaptureExecution, TheTwelfthCardGoesToItsOwnPlaceAndCanBeTaken) {
    int p = 7;
    for (const char* code : {"Kq", "Kf", "Kc", "Kp", "Qc", "Jc", "7c", "6c", "5c", "4c", "3c"})
        posa(p++, code);
    turnoUmano({{4, "2c"}, {5, "2q"}});
    click(4);
    EXPECT_EQ(carte({kPostoDodicesimo}), "2c");
    EXPECT_TRUE(posti().ImgCarta[kPostoDodicesimo].visible && g.tavolo.numeroCarteSulTavolo == 12);

    // Later the human's 2 takes it from there.
    g.tavolo.aChiTocca = Player::H;
    g.tavolo.numeroCarteGiocate = 2;
    click(5);
    EXPECT_TRUE(g.umano.marcaPresa[kPostoDodicesimo]);
    avanza(600);
    EXPECT_EQ(carte({kPostoDodicesimo}), "-");
    EXPECT_TRUE(!posti().ImgCarta[kPostoDodicesimo].visible && g.tavolo.numeroCarteSulTavolo == 11);
}

class KeyboardPlay : public TableTest {
  protected:
    void key(Key k) { finestra.key(k); }
    bool fuocoVisibile() const { return finestra.screen.ShpFuoco.visible; }
    // The focus outline stands round the card of the place, wholly.
    bool fuocoSu(int place) const {
        const Rect f = finestra.screen.ShpFuoco.rect;
        const Rect c = finestra.screen.ImgCarta[place].rect;
        return g.umano.fuoco == place && fuocoVisibile() && f.x < c.x && f.y < c.y &&
               f.x + f.w > c.x + c.w && f.y + f.h > c.y + c.h;
    }
};

TEST_F(KeyboardPlay, DigitsPlayTheHandsCardsUnlessAPanelCoversTheTableAndNoFocusOutsideAPick) {
    tavolo({{7, "Kq"}});
    turnoUmano({{4, "5c"}, {5, "2f"}, {6, "3p"}});
    key(Key::Right);
    key(Key::Space);
    EXPECT_FALSE(fuocoVisibile());
    EXPECT_EQ(g.umano.fuoco, 0);
    EXPECT_EQ(g.umano.cartaGiocata, 0);
    finestra.screen.FraPannello[2].visible = true;  // the options
    key(Key::Digit1);
    EXPECT_EQ(g.tavolo.carteInManoAdH, 3);
    finestra.screen.FraPannello[2].visible = false;
    key(Key::Digit2);
    // The two of flowers went to the table; the other two stay in the hand.
    EXPECT_EQ(g.tavolo.carteInManoAdH, 2);
    EXPECT_EQ(g.tavolo.carta[4], C("5c"));
    EXPECT_EQ(g.tavolo.carta[6], C("3p"));
}

TEST_F(KeyboardPlay, EachDigitPlaysThatCardAmongThoseStillInTheHandLeftToRight) {
    struct Caso {
        std::initializer_list<std::pair<int, std::string_view>> mano;
        Key tasto;
        int giocata;  // the hand place emptied; 0 = none
    };
    // A king on the table: every card below lies down, so the key's choice shows as it is.
    const Caso casi[] = {
        {{{4, "5c"}, {5, "2f"}, {6, "3p"}}, Key::Digit1, 4},
        {{{4, "5c"}, {5, "2f"}, {6, "3p"}}, Key::Digit3, 6},
        {{{5, "2f"}, {6, "3p"}}, Key::Digit1, 5},
        {{{5, "2f"}, {6, "3p"}}, Key::Digit2, 6},
        {{{5, "2f"}, {6, "3p"}}, Key::Digit3, 0},
        {{{4, "5c"}, {6, "3p"}}, Key::Digit2, 6},
        {{{6, "3p"}}, Key::Digit1, 6},
        {{{4, "5c"}}, Key::Digit2, 0},
    };
    for (const Caso& c : casi) {
        sgombera();
        g.umano = {};
        tavolo({{7, "Kq"}});
        turnoUmano(c.mano);
        key(c.tasto);
        int giocata = 0;
        for (const auto& [place, code] : c.mano) {
            if (g.tavolo.carta[place].empty()) giocata = place;
        }
        EXPECT_EQ(giocata, c.giocata) << c.mano.begin()->first << " " << c.mano.size();
    }
}

TEST_F(KeyboardPlay, ArrowsWalkTheRowAsItLiesAndSpacePicksAndUnpicks) {
    // Left to right on the screen: place 9, 7, 8, 10.
    tavolo({{7, "3c"}, {8, "3q"}, {9, "4f"}, {10, "Kc"}});
    turnoUmano({{4, "7p"}, {5, "2f"}});
    key(Key::Digit1);
    ASSERT_TRUE(SceltaInCorso(finestra));
    EXPECT_FALSE(fuocoVisibile());  // until an arrow is pressed

    // Only the cards a seven can take are in the row: the king is passed by. Left from the
    // first card goes round the row; Down walks as Right, Up as Left.
    const std::pair<Key, int> passi[] = {{Key::Right, 9}, {Key::Right, 7}, {Key::Left, 9},
                                         {Key::Left, 8},  {Key::Down, 9},  {Key::Up, 8},
                                         {Key::Right, 9}};
    for (const auto& [k, place] : passi) {
        key(k);
        EXPECT_TRUE(fuocoSu(place)) << place;
    }
    EXPECT_FALSE(contorno(10));

    key(Key::Space);
    EXPECT_TRUE(g.umano.scelta[9]);
    EXPECT_EQ(coloreContorno(9), colors::kPick);
    key(Key::Space);
    EXPECT_FALSE(g.umano.scelta[9]);
    EXPECT_EQ(coloreContorno(9), kPrendibile);

    key(Key::Space);  // the four again, then the three of clubs: seven
    key(Key::Right);
    EXPECT_TRUE(fuocoSu(7));
    key(Key::Space);
    EXPECT_TRUE(g.umano.presaDecisa);
    EXPECT_FALSE(fuocoVisibile());
    avanza(600);
    EXPECT_TRUE(g.tavolo.carta[7].empty());
    EXPECT_TRUE(g.tavolo.carta[9].empty());
    EXPECT_EQ(g.tavolo.carta[8], C("3q"));
}

TEST_F(KeyboardPlay, AMouseClickThatEndsThePickHidesTheFocus) {
    tavolo({{7, "5q"}, {8, "5f"}});
    turnoUmano({{4, "5c"}, {5, "2f"}});
    key(Key::Digit1);
    key(Key::Left);
    EXPECT_TRUE(fuocoSu(8));
    click(7);
    EXPECT_TRUE(g.umano.presaDecisa);
    EXPECT_FALSE(fuocoVisibile());
    EXPECT_EQ(g.umano.fuoco, 0);
}

}  // namespace
}  // namespace gnamm::test_tavolo
