#include "human_policy.h"

#include "game/ai/consiglio.h"
#include "game/ai/move_list.h"

namespace gnamm::sim {

std::vector<Giocata> GiocateDi(const TableState& t, int posto) {
    Ricerca r;
    ListaMosse lista;
    PreparaRicerca(t, r);
    TrovaCombinazioni(t, {posto, 0, 0}, r, lista);
    std::vector<Giocata> out;
    for (int m = 1; m <= lista.mossePossibili; ++m) {
        Giocata g{posto, {}};
        for (int k = 0; k < lista[m].numeroCatturate; ++k) {
            g.prese.push_back(r.posto(lista[m].catturate[k]));
        }
        out.push_back(std::move(g));
    }
    return out;
}

float PunteggioGreedy(const TableState& t, const Giocata& g) {
    const Card c = t.carta[g.posto];
    int somma = 0;
    for (const int p : kPostiTavolo) somma += t.valore(p);
    float s = 0;
    if (g.prese.empty()) {
        s -= 0.3f;
        if (c.valore() == 7) s -= 1.0f;
        if (c == kCinqueDiCuori) s -= 2.0f;
        if (c.isAce()) s -= 1.5f;
        if (somma + c.valore() <= 10) s -= 0.8f;
        return s;
    }
    std::vector<Card> prese{c};
    for (const int p : g.prese) prese.push_back(t.carta[p]);
    for (const Card x : prese) {
        s += 0.3f;
        if (x.valore() == 7) s += 1.0f;
        if (x.seme() == 'q') s += 0.4f;
        if (x.isFigure()) s += 0.3f;
        if (x == kSeiDiCuori || x == kSeiDiQuadri || x == kSeiDiFiori || x == kSeiDiPicche) {
            s += 0.6f;
        }
        if (x == kCinqueDiCuori) s += 2.5f;
    }
    int resta = somma;
    for (const int p : g.prese) resta -= t.valore(p);
    if (resta == 0) {
        s += 3.0f;
    } else if (resta <= 10) {
        s -= 0.8f;
    }
    return s;
}

Giocata ScegliGiocata(const TableState& t, Politica p, std::mt19937& rng) {
    std::vector<int> mano;
    for (int k = 4; k <= 6; ++k) {
        if (!t.carta[k].empty()) mano.push_back(k);
    }
    if (mano.empty()) return {};
    if (p == Politica::Random) {
        const int posto = mano[std::uniform_int_distribution<size_t>(0, mano.size() - 1)(rng)];
        auto giocate = GiocateDi(t, posto);
        if (giocate.empty()) return {posto, {}};
        return giocate[std::uniform_int_distribution<size_t>(0, giocate.size() - 1)(rng)];
    }
    Giocata migliore;
    float best = -1e9f;
    for (const int posto : mano) {
        for (auto& g : GiocateDi(t, posto)) {
            const float s = PunteggioGreedy(t, g);
            if (s > best) {
                best = s;
                migliore = std::move(g);
            }
        }
    }
    if (migliore.posto == 0) migliore.posto = mano.front();
    return migliore;
}

bool TurnoUmano(const Finestra& g) {
    if (g.tavolo.aChiTocca != Player::H || g.umano.cartaGiocata != 0) return false;
    if (g.scheduler.isEnabled(Timer::Scegli6Carte) ||
        g.scheduler.isEnabled(Timer::Scegli4CarteSulTavolo)) {
        return false;
    }
    for (int k = 4; k <= 6; ++k) {
        if (!g.tavolo.carta[k].empty()) return true;
    }
    return false;
}

namespace {

Giocata Consigliata(const Game& g) {
    Consiglio c = ConsiglioPer(VistaDelGiocatore(g.tavolo, g.punteggi));
    return {c.posto, std::move(c.prese)};
}

}  // namespace

bool GiocaUmano(Finestra& g, Politica p, std::mt19937& rng) {
    const Giocata scelta = p == Politica::Hint ? Consigliata(g) : ScegliGiocata(g.tavolo, p, rng);
    g.click({TargetKind::Carta, scelta.posto});
    if (!g.umano.puoiScegliere) return true;
    for (const int posto : scelta.prese) g.click({TargetKind::Carta, posto});
    return g.scheduler.isEnabled(Timer::ScompaionoCarteH);
}

bool ScegliPresa(Finestra& g, Politica p, std::mt19937& rng) {
    const std::vector<Giocata> giocate = GiocateDi(g.tavolo, g.umano.cartaGiocata);
    if (giocate.empty()) return false;
    size_t scelta = 0;
    const Giocata consiglio = p == Politica::Hint ? Consigliata(g) : Giocata{};
    if (p == Politica::Hint) {
        for (size_t i = 0; i < giocate.size(); ++i) {
            if (giocate[i].prese == consiglio.prese) scelta = i;
        }
    } else if (p == Politica::Random) {
        scelta = std::uniform_int_distribution<size_t>(0, giocate.size() - 1)(rng);
    } else {
        for (size_t i = 1; i < giocate.size(); ++i) {
            if (PunteggioGreedy(g.tavolo, giocate[i]) >
                PunteggioGreedy(g.tavolo, giocate[scelta])) {
                scelta = i;
            }
        }
    }
    for (const int posto : giocate[scelta].prese) g.click({TargetKind::Carta, posto});
    return g.scheduler.isEnabled(Timer::ScompaionoCarteH);
}

}  // namespace gnamm::sim
