#include "game/ai/consiglio.h"

#include "support/table_fixture.h"

namespace gnamm {
namespace {

using test_tavolo::C;

// The human's view: his hand, the table in places 7, 8, ..., the cards already played.
VistaUmano Vista(std::initializer_list<std::string_view> mano,
                 std::initializer_list<std::string_view> tavolo,
                 std::initializer_list<std::string_view> uscite = {}, int carteNelMazzo = 20) {
    VistaUmano v;
    size_t k = 0;
    for (const auto code : mano) v.mano[k++] = C(code);
    int p = 7;
    for (const auto code : tavolo) v.carte[p++] = C(code);
    for (const auto code : uscite) v.uscite[static_cast<size_t>(C(code).deckPosition())] = true;
    v.carteInManoZeb = 3;
    v.carteNelMazzo = carteNelMazzo;
    return v;
}

TEST(Consiglio, PicksWhatHonestScoringPicksInTheHumansSeat) {
    struct Caso {
        const char* perche;
        VistaUmano vista;
        int posto;
        std::vector<int> prese;
        const char* riga;
    };
    const Caso casi[] = {
        {"a Sette and two Quadri beat laying the J", Vista({"7q", "Jc"}, {"3c", "4q", "Kp"}), 4,
         {7, 8}, "Zeb giocherebbe il 7 di Quadri: prende 3 e 4, e ti porta un Sette e due Quadri"},
        {"nothing takes: the K costs less than the 5 di Cuori", Vista({"5c", "Kq"}, {"2p", "Qf"}),
         5, {}, "Zeb giocherebbe il K di Quadri e lo lascerebbe sul tavolo"},
        {"the 6 sweeps where the ace would only drink the ace", Vista({"Ap", "6c"}, {"Ac", "3q", "2f"}),
         5, {7, 8, 9}, "Zeb giocherebbe il 6 di Cuori: prende A, 3 e 2, e ti porta un Punto Gnamm e un Quadri"},
        {"the 5 di Cuori is a point of its own", Vista({"5q", "5c"}, {"5p", "Kf"}), 5, {7},
         "Zeb giocherebbe il 5 di Cuori: prende 5, e ti porta il 5 di Cuori"},
        // Q takes 4 and 5 and leaves the 2: both other 2s unseen, it is still the better risk...
        {"risk from unseen cards", Vista({"2c", "Qp"}, {"2q", "4f", "5p"}), 5, {8, 9},
         "Zeb giocherebbe il Q di Picche: prende 4 e 5, e ti porta una Figura"},
        // ...and with the Queens gone, the 2 that leaves the Q's sum is safe and preferred.
        {"cards already played count as seen", Vista({"2c", "Qp"}, {"2q", "4f", "5p"}, {"Qc", "Qq", "Qf"}),
         4, {7}, "Zeb giocherebbe il 2 di Cuori: prende 2, e ti porta un Quadri"},
    };
    for (const Caso& c : casi) {
        const Consiglio k = ConsiglioPer(c.vista);
        EXPECT_EQ(std::tie(k.posto, k.prese, k.riga), std::tie(c.posto, c.prese, c.riga))
            << c.perche;
    }
    EXPECT_EQ(ConsiglioPer(Vista({}, {"3c"})).posto, 0);  // an empty hand: nothing to advise
}

// A game in the middle of a Gioco: the deck in the given order, the first `distribuite` cards
// dealt; Zeb's hand, the human's hand and the table hold the given cards.
TableState Partita(const std::vector<std::string_view>& mazzo, int distribuite,
                   std::initializer_list<std::string_view> zeb,
                   std::initializer_list<std::string_view> umano,
                   std::initializer_list<std::string_view> tavolo) {
    TableState t;
    for (size_t i = 0; i < mazzo.size(); ++i) {
        t.carteDaGiocare[i + 1] = C(mazzo[i]);
        t.distribuita[i + 1] = static_cast<int>(i) < distribuite;
    }
    int p = 1;
    for (const auto code : zeb) t.carta[p++] = C(code);
    p = 4;
    for (const auto code : umano) t.carta[p++] = C(code);
    p = 7;
    for (const auto code : tavolo) t.carta[p++] = C(code);
    t.carteInManoAPC = static_cast<int>(zeb.size());
    t.carteInManoAdH = static_cast<int>(umano.size());
    t.carteRimasteNelMazzo = static_cast<int>(mazzo.size()) - distribuite;
    return t;
}

TEST(Consiglio, SeesNeitherZebsHandNorTheDeck) {
    // The same Gioco seen by the human: 6p and 7f were played before. Zeb holds a 2 in the
    // first game and neither a 2 nor a Q in the second, and the decks differ in order; a
    // hint that looked at Zeb's cards would keep the Q from leaving a 2 in the first game.
    const std::vector<std::string_view> giocate = {"2c", "Qp", "2q", "4f", "5p", "6p", "7f"};
    std::vector<std::string_view> primo = giocate;
    for (const auto c : {"2p", "Kc", "3c", "Jq", "Ap", "6q", "Kq", "3f"}) primo.push_back(c);
    std::vector<std::string_view> secondo = giocate;
    for (const auto c : {"Jq", "Kc", "3c", "6q", "3f", "2p", "Ap", "Kq"}) secondo.push_back(c);
    const TableState a =
        Partita(primo, 10, {"2p", "Kc", "3c"}, {"2c", "Qp"}, {"2q", "4f", "5p"});
    const TableState b =
        Partita(secondo, 10, {"Jq", "Kc", "3c"}, {"2c", "Qp"}, {"2q", "4f", "5p"});
    Scoreboard s;
    s.h.prese = {1, 0, 0, 2};
    const Consiglio ka = ConsiglioPer(VistaDelGiocatore(a, s));
    const Consiglio kb = ConsiglioPer(VistaDelGiocatore(b, s));
    EXPECT_EQ(ka.posto, 5);
    EXPECT_EQ(std::tie(ka.posto, ka.prese, ka.riga), std::tie(kb.posto, kb.prese, kb.riga));
    const VistaUmano v = VistaDelGiocatore(a, s);
    for (int i = 1; i <= 40; ++i) {
        const Card c = Card::FromDeckPosition(i);
        EXPECT_EQ(v.uscite[static_cast<size_t>(i)], c == C("6p") || c == C("7f")) << c.code();
    }
}

}  // namespace
}  // namespace gnamm
