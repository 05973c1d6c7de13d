#include "game/ai/consiglio.h"

#include <algorithm>

#include "game/ai/evaluation.h"
#include "game/ai/move_choice.h"
#include "game/ai/move_list.h"

namespace gnamm {

namespace {

constexpr std::array<const char*, 11> kRango = {"", "A", "2", "3", "4", "5", "6", "7", "J", "Q", "K"};

std::string Seme(Card c) {
    switch (c.seme()) {
        case 'c': return "Cuori";
        case 'q': return "Quadri";
        case 'f': return "Fiori";
        default: return "Picche";
    }
}

// "il 7 di Quadri", "l'Asso di Cuori".
std::string NomeCarta(Card c) {
    if (c.isAce()) return "l'Asso di " + Seme(c);
    return std::string("il ") + kRango[static_cast<size_t>(c.valore())] + " di " + Seme(c);
}

// "a", "a e b", "a, b e c".
std::string Elenca(const std::vector<std::string>& voci) {
    std::string out;
    for (size_t i = 0; i < voci.size(); ++i) {
        if (i > 0) out += i + 1 == voci.size() ? " e " : ", ";
        out += voci[i];
    }
    return out;
}

std::string Quanti(int n, const char* uno, const char* molti) {
    static constexpr std::array<const char*, 11> kNumeri = {
        "", "", "due", "tre", "quattro", "cinque", "sei", "sette", "otto", "nove", "dieci"};
    if (n == 1) return uno;
    return std::string(n < 11 ? kNumeri[static_cast<size_t>(n)] : "molti") + " " + molti;
}

// What the cards taken bring towards the Punti di mazzo, and a Punto Gnamm.
std::string Guadagni(const std::vector<Card>& prese, bool gnamm) {
    int sette = 0, quadri = 0, figure = 0;
    bool cinque = false;
    for (const Card c : prese) {
        sette += c.valore() == 7 ? 1 : 0;
        quadri += c.seme() == 'q' ? 1 : 0;
        figure += c.isFigure() ? 1 : 0;
        cinque = cinque || c == kCinqueDiCuori;
    }
    std::vector<std::string> voci;
    if (gnamm) voci.emplace_back("un Punto Gnamm");
    if (sette) voci.push_back(Quanti(sette, "un Sette", "Sette"));
    if (quadri) voci.push_back(Quanti(quadri, "un Quadri", "Quadri"));
    if (figure) voci.push_back(Quanti(figure, "una Figura", "Figure"));
    if (cinque) voci.emplace_back("il 5 di Cuori");
    return Elenca(voci);
}

}  // namespace

VistaUmano VistaDelGiocatore(const TableState& t, const Scoreboard& s) {
    VistaUmano v;
    for (int k = 0; k < 3; ++k) v.mano[static_cast<size_t>(k)] = t.carta[4 + k];
    for (const int p : kPostiTavolo) v.carte[p] = t.carta[p];
    // Dealt, and neither in a hand nor on the table: played and taken.
    for (int i = 1; i <= 40; ++i) {
        if (t.distribuita[i]) v.uscite[static_cast<size_t>(t.carteDaGiocare[i].deckPosition())] = true;
    }
    for (int p = 1; p < kNumeroPosti; ++p) v.uscite[static_cast<size_t>(t.carta[p].deckPosition())] = false;
    v.uscite[0] = false;  // the empty card
    v.carteInManoZeb = t.carteInManoAPC;
    v.carteNelMazzo = t.carteRimasteNelMazzo;
    v.mie = s.h;
    v.sue = s.pc;
    return v;
}

Consiglio ConsiglioPer(const VistaUmano& v) {
    // The human's seat as Zeb's own: his hand in places 1..3, Zeb's hand unknown, the unseen
    // values counted from what the human has seen.
    TableState t;
    for (int k = 0; k < 3; ++k) t.carta[1 + k] = v.mano[static_cast<size_t>(k)];
    std::array<int, 11> visti{};
    for (const int p : kPostiTavolo) {
        t.carta[p] = v.carte[p];
        if (!t.carta[p].empty()) ++t.numeroCarteSulTavolo;
    }
    t.assoInTavola = CeAssoInTavola(t.carta);
    for (int p = 1; p < kNumeroPosti; ++p) ++visti[static_cast<size_t>(t.valore(p))];
    for (int i = 1; i <= 40; ++i) {
        if (v.uscite[static_cast<size_t>(i)]) ++visti[static_cast<size_t>(Card::FromDeckPosition(i).valore())];
    }
    for (size_t k = 1; k <= 10; ++k) t.valoriRimasti[k] = std::max(0, 4 - visti[k]);
    t.carteInManoAdH = v.carteInManoZeb;
    t.carteRimasteNelMazzo = v.carteNelMazzo;
    Scoreboard s;
    s.pc = v.mie;
    s.h = v.sue;

    Ricerca r;
    ListaMosse lista;
    Valutazione val;
    PreparaRicerca(t, r);
    TrovaCombinazioniPC(t, r, lista);
    if (lista.mossePossibili == 0) return {};
    ValutaMossePC(t, r, lista, s, Sguardo::Stima, val);
    const Mossa& m = lista[ScegliMossa(t, lista, val).mossaMigliore];

    Consiglio c;
    c.posto = m.posto + 3;
    const Card giocata = t.carta[m.posto];
    std::vector<Card> prese{giocata};
    std::vector<std::string> valori;
    for (int k = 0; k < m.numeroCatturate; ++k) {
        const int p = r.posto(m.catturate[k]);
        c.prese.push_back(p);
        prese.push_back(t.carta[p]);
        valori.emplace_back(kRango[static_cast<size_t>(t.valore(p))]);
    }
    c.riga = "Zeb giocherebbe " + NomeCarta(giocata);
    if (!m.presa()) {
        c.riga += " e lo lascerebbe sul tavolo";
        return c;
    }
    c.riga += ": prende " + Elenca(valori);
    // An ace that sweeps the table scores its Punto Gnamm too, whatever the list calls it.
    const bool gnamm = m.numeroCatturate == t.numeroCarteSulTavolo;
    if (const std::string g = Guadagni(prese, gnamm); !g.empty()) c.riga += ", e ti porta " + g;
    return c;
}

}  // namespace gnamm
