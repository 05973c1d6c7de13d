#include "game/game_save.h"

#include <algorithm>

#include "game/game.h"
#include "game/table_model.h"

namespace gnamm {

bool MomentoTranquillo(const Game& g) {
    if (g.livello == Livello::None || g.nome.empty()) return false;
    // The pause after a Gioco; after the last one there is no Torneo left to save.
    if (g.partita.esito != EsitoGioco::InCorso) return !g.partita.torneoFinito();
    // The human's pick among the table cards, not yet complete.
    const HumanTurnState& u = g.umano;
    if (u.cartaGiocata != 0) return u.puoiScegliere && !u.presaDecisa;
    // The human's turn, no card played yet, the deal over.
    const TableState& t = g.tavolo;
    if (t.aChiTocca != Player::H) return false;
    if (g.scheduler.isEnabled(Timer::Scegli6Carte) ||
        g.scheduler.isEnabled(Timer::Scegli4CarteSulTavolo)) {
        return false;
    }
    return std::any_of(t.carta.begin() + 4, t.carta.begin() + 7, [](Card c) { return !c.empty(); });
}

namespace {

// The state kept as it is, field by field, the same list for saving and for resuming: f(the
// game's field, the saved one).
template <class G, class S, class F>
void PerOgniCampo(G& g, S& s, F f) {
    f(g.nome, s.nome);
    f(g.livello, s.livello);
    f(g.opzioni, s.opzioni);
    f(g.tavolo, s.tavolo);
    f(g.umano, s.umano);
    f(g.punteggi, s.punteggi);
    f(g.mucchi, s.mucchi);
    f(g.partita, s.partita);
    f(g.pc.onesta, s.onesta);
    f(g.spia, s.spia);
}

}  // namespace

GiocoSalvato FotografaGioco(const Game& g) {
    GiocoSalvato s;
    PerOgniCampo(g, s, [](const auto& gioco, auto& salvato) { salvato = gioco; });
    s.casuale = g.rng.state();
    const Scheduler& sc = g.scheduler;
    for (int i = 0; i < kTimerCount; ++i) {
        const auto t = static_cast<Timer>(i);
        if (sc.interval(t) <= 0) continue;
        const bool acceso = sc.isEnabled(t);
        const int64_t resta = std::clamp<int64_t>(sc.remainingMs(t), 0, sc.interval(t));
        s.timer.push_back({t, sc.interval(t), acceso, acceso ? resta : 0});
    }
    // Running timers first, in the order they were started: timers due at the same moment
    // tick in that order.
    std::stable_sort(s.timer.begin(), s.timer.end(), [&](const auto& a, const auto& b) {
        if (a.acceso != b.acceso) return a.acceso;
        return a.acceso && sc.startOrder(a.timer) < sc.startOrder(b.timer);
    });
    return s;
}

namespace {

// The table as the state says, drawn with the table's own procedures: faces for the human's
// hand and the table, backs for the computer's hand, the deck while it holds cards (after the
// sixth deal and in the pause it is gone), and a pick under way outlined.
void MostraTavoloRipreso(Game& g) {
    const TableState salvato = g.tavolo;
    for (int p = 1; p < kNumeroPosti; ++p) {
        const Card c = salvato.carta[p];
        if (c.empty()) {
            SvuotaPosto(g, p);
        } else if (IsManoPC(p)) {
            MostraRetro(g, p);
        } else {
            MostraCarta(g, p, c);
        }
    }
    g.tavolo = salvato;
    MostraMazzo(g, salvato.carteRimasteNelMazzo > 0);
    MostraSceltaInCorso(g);
}

}  // namespace

void RiprendiGioco(Game& g, const GiocoSalvato& s) {
    PerOgniCampo(g, s, [](auto& gioco, const auto& salvato) { gioco = salvato; });
    g.rng.restoreState(s.casuale);
    for (int i = 0; i < kTimerCount; ++i) {
        g.scheduler.disable(static_cast<Timer>(i));
        g.scheduler.setInterval(static_cast<Timer>(i), 0);
    }
    for (const TimerSalvato& t : s.timer) {
        if (t.acceso) {
            g.scheduler.resume(t.timer, t.intervalloMs, t.restanoMs);
        } else {
            g.scheduler.setInterval(t.timer, t.intervalloMs);
        }
    }
    MostraTavoloRipreso(g);
    MostraRiquadriDellaPausa(g, g.partita.esito != EsitoGioco::InCorso);
    if (g.partita.esito != EsitoGioco::InCorso) {
        PreparaQuando(g);
        g.annuncia(EventoFlusso::GiocoFinito);
    }
}

}  // namespace gnamm
