#include "human_policy.h"

#include <array>

#include "game/ai/consiglio.h"
#include "game/ai/move_list.h"

namespace gnamm::sim {

namespace {

// The move list of one hand card. The policies ask for it at every turn, so the search's
// working space is kept rather than built (and zeroed) again each time.
struct MosseDi {
    Ricerca ricerca;
    ListaMosse lista;
    int posto = 0;

    int quante() const { return lista.mossePossibili; }
    // Move m (1-based) as a play, written into `g` so its list of places is reused.
    void scrivi(int m, Giocata& g) const {
        g.posto = posto;
        g.prese.clear();
        for (int k = 0; k < lista[m].numeroCatturate; ++k) {
            g.prese.push_back(ricerca.posto(lista[m].catturate[k]));
        }
    }
};

const MosseDi& CercaMosse(const TableState& t, int posto) {
    thread_local MosseDi m;
    m.posto = posto;
    PreparaRicerca(t, m.ricerca);
    TrovaCombinazioni(t, {posto, 0, 0}, m.ricerca, m.lista);
    return m;
}

}  // namespace

std::vector<Giocata> GiocateDi(const TableState& t, int posto) {
    const MosseDi& mosse = CercaMosse(t, posto);
    std::vector<Giocata> out(static_cast<size_t>(mosse.quante()));
    for (int m = 1; m <= mosse.quante(); ++m) mosse.scrivi(m, out[static_cast<size_t>(m - 1)]);
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
    // The card played, then the cards it takes, in that order (the sum is a float).
    for (size_t i = 0; i <= g.prese.size(); ++i) {
        const Card x = i == 0 ? c : t.carta[g.prese[i - 1]];
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
    std::array<int, 3> mano{};
    size_t carte = 0;
    for (int k = 4; k <= 6; ++k) {
        if (!t.carta[k].empty()) mano[carte++] = k;
    }
    if (carte == 0) return {};
    if (p == Politica::Random) {
        const int posto = mano[std::uniform_int_distribution<size_t>(0, carte - 1)(rng)];
        const MosseDi& mosse = CercaMosse(t, posto);
        Giocata g{posto, {}};
        if (mosse.quante() == 0) return g;
        const size_t m =
            std::uniform_int_distribution<size_t>(0, static_cast<size_t>(mosse.quante()) - 1)(rng);
        mosse.scrivi(static_cast<int>(m) + 1, g);
        return g;
    }
    Giocata migliore;
    Giocata candidata;
    float best = -1e9f;
    for (size_t i = 0; i < carte; ++i) {
        const int posto = mano[i];
        const MosseDi& mosse = CercaMosse(t, posto);
        for (int m = 1; m <= mosse.quante(); ++m) {
            mosse.scrivi(m, candidata);
            const float s = PunteggioGreedy(t, candidata);
            if (s > best) {
                best = s;
                migliore = candidata;
            }
        }
    }
    if (migliore.posto == 0) migliore.posto = mano.front();
    return migliore;
}

bool TurnoUmano(const Finestra& f) {
    const Game& g = f.game;
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

bool GiocaUmano(Finestra& f, Politica p, std::mt19937& rng) {
    Game& g = f.game;
    const Giocata scelta = p == Politica::Hint ? Consigliata(g) : ScegliGiocata(g.tavolo, p, rng);
    f.click({TargetKind::Carta, scelta.posto});
    if (!g.umano.puoiScegliere) return true;
    for (const int posto : scelta.prese) f.click({TargetKind::Carta, posto});
    return g.scheduler.isEnabled(Timer::ScompaionoCarteH);
}

bool ScegliPresa(Finestra& f, Politica p, std::mt19937& rng) {
    Game& g = f.game;
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
    for (const int posto : giocate[scelta].prese) f.click({TargetKind::Carta, posto});
    return g.scheduler.isEnabled(Timer::ScompaionoCarteH);
}

}  // namespace gnamm::sim
