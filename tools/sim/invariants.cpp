#include "invariants.h"

namespace gnamm::sim {

std::vector<std::string> ControllaCarte(const Game& g) {
    std::vector<std::string> out =
        gnamm::ControllaCarte(g.tavolo, g.punteggi, g.umano.cartaGiocata);
    for (std::string& v : ControllaMucchi(g.mucchi, g.punteggi, MomentoMucchi::InGioco))
        out.push_back(std::move(v));
    return out;
}

std::vector<std::string> ControlloPunti::fineGioco(const Game& g) {
    std::vector<std::string> out = ControllaCarte(g);
    for (std::string& v : ControllaConti(g.tavolo, g.punteggi, 0, true))
        out.push_back(std::move(v));
    for (std::string& v : ControllaMucchi(g.mucchi, g.punteggi, MomentoMucchi::FineGioco))
        out.push_back(std::move(v));
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
