#include "invariants.h"

#include <set>

namespace gnamm::sim {

std::vector<std::string> ControllaCarte(const Game& g) {
    std::vector<std::string> out;
    const TableState& t = g.tavolo;
    std::set<int> viste;
    int carte = t.carteRimasteNelMazzo + g.punteggi.pc.prese[3] + g.punteggi.h.prese[3];
    for (int p = 0; p < kNumeroPosti; ++p) {
        const Card c = t.carta[p];
        if (c.empty()) continue;
        const bool ammesso = IsManoPC(p) || IsManoH(p) || IsPostoTavolo(p);
        if (!ammesso) out.push_back("a card outside the card places: " + std::to_string(p));
        if (!viste.insert(c.deckPosition()).second) out.push_back("a card twice: " + c.code());
        ++carte;
    }
    int sulTavolo = 0;
    for (const int p : kPostiTavolo) sulTavolo += t.carta[p].empty() ? 0 : 1;
    if (sulTavolo != t.numeroCarteSulTavolo) out.push_back("NumeroCarteSulTavolo is off");
    int manoPC = 0, manoH = 0;
    bool asso = false;
    for (int p = 1; p <= 3; ++p) manoPC += t.carta[p].empty() ? 0 : 1;
    for (int p = 4; p <= 6; ++p) manoH += t.carta[p].empty() ? 0 : 1;
    for (const int p : kPostiTavolo) asso = asso || t.carta[p].isAce();
    if (manoPC != t.carteInManoAPC) out.push_back("CarteInManoAPC is off");
    if (manoH != t.carteInManoAdH) out.push_back("CarteInManoAdH is off");
    if (asso != t.assoInTavola) out.push_back("AssoInTavola is off");
    if (carte != 40) out.push_back("cards accounted for: " + std::to_string(carte));
    return out;
}

std::vector<std::string> ControlloPunti::fineGioco(const Game& g) {
    std::vector<std::string> out = ControllaCarte(g);
    const Scoreboard& s = g.punteggi;
    if (s.pc.prese[3] + s.h.prese[3] != 40) out.push_back("the piles do not hold 40 cards");
    // Four 7s, ten Quadri and twelve figures in the deck.
    constexpr int kNelMazzo[3] = {4, 10, 12};
    for (int k = 0; k < 3; ++k) {
        if (s.pc.prese[k] + s.h.prese[k] != kNelMazzo[k]) {
            out.push_back("pile count " + std::to_string(k) + " does not add up to the deck");
        }
    }
    for (int k = 0; k < 4; ++k) {
        if (s.pc.punto[k] == s.h.punto[k]) {
            out.push_back("deck point " + std::to_string(k) + " not assigned exactly once");
        }
    }
    if (s.pc.punto5DiCuori == s.h.punto5DiCuori) {
        out.push_back("the 5 di Cuori not assigned exactly once");
    }
    for (const Colonna* c : {&s.pc, &s.h}) {
        int mazzo = c->punto5DiCuori ? 1 : 0;
        for (const bool p : c->punto) mazzo += p ? 1 : 0;
        if (c->puntiGiocoInCorso != mazzo + c->puntiGnamm) {
            out.push_back("a Gioco total differs from deck points plus Punti Gnamm");
        }
    }
    const int attesoPC = (nuovaPartita_ ? 0 : partitaPC_) + s.pc.puntiGiocoInCorso;
    const int attesoH = (nuovaPartita_ ? 0 : partitaH_) + s.h.puntiGiocoInCorso;
    if (s.pc.puntiPartita != attesoPC || s.h.puntiPartita != attesoH) {
        out.push_back("a Partita total differs from the sum of its Giochi");
    }
    partitaPC_ = s.pc.puntiPartita;
    partitaH_ = s.h.puntiPartita;
    nuovaPartita_ = g.partita.giocoTerminato;
    return out;
}

}  // namespace gnamm::sim
