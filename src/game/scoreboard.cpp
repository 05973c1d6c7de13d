#include "game/scoreboard.h"

#include "game/capture_execution.h"
#include "game/game.h"

namespace gnamm {

namespace {

int Indice(PuntoMazzo p) {
    return static_cast<int>(p);
}

// The human's count of one row, for a card that passes the row's test.
void ContaRigaH(Game& g, PuntoMazzo riga, bool conta) {
    if (!conta) return;
    Colonna& h = g.punteggi.h;
    const int r = Indice(riga);
    const int soglia = kSoglia[r];
    ++h.prese[r];
    if (h.punto[r]) return;
    if (h.prese[r] > soglia || (h.prese[r] == soglia && h.seiPreso[r])) {
        AssegnaPunto(g, Player::H, riga);
    }
}

}  // namespace

void AssegnaPunto(Game& g, Player p, PuntoMazzo punto) {
    Colonna& c = g.punteggi.of(p);
    bool& assegnato = c.punto[Indice(punto)];
    if (assegnato) return;
    assegnato = true;
    ++c.puntiGiocoInCorso;
    ++c.puntiPartita;
}

void AssegnaCinqueDiCuori(Game& g, Player p) {
    Colonna& c = g.punteggi.of(p);
    if (c.punto5DiCuori) return;
    c.punto5DiCuori = true;
    ++c.puntiGiocoInCorso;
    ++c.puntiPartita;
}

void AssegnaPuntoGnamm(Game& g, Player p) {
    Colonna& c = g.punteggi.of(p);
    ++c.puntiGnamm;
    ++c.puntiGiocoInCorso;
    ++c.puntiPartita;
}

void ContaSeiH(Game& g, int y) {
    const Card carta = g.tavolo.carta[y];
    Colonna& h = g.punteggi.h;
    for (const PuntoMazzo riga : kPuntiMazzo) {
        const int r = Indice(riga);
        if (carta != kSeiSpareggio[r]) continue;
        h.seiPreso[r] = true;
        // The six runs before the counts, so a six taken at the threshold awards at once and
        // a six its own row counts afterwards finds the point already given.
        if (h.prese[r] == kSoglia[r] && !h.punto[r]) AssegnaPunto(g, Player::H, riga);
    }
}

void ContaSetteH(Game& g, int y) {
    ContaRigaH(g, PuntoMazzo::Sette, g.tavolo.valore(y) == 7);
}
void ContaFigureH(Game& g, int y) {
    ContaRigaH(g, PuntoMazzo::Figure, g.tavolo.valore(y) >= 8);
}
void ContaQuadriH(Game& g, int y) {
    ContaRigaH(g, PuntoMazzo::Quadri, g.tavolo.seme(y) == 'q');
}
void ContaCarteH(Game& g, int y) {
    ContaRigaH(g, PuntoMazzo::Carte, !g.tavolo.carta[y].empty());
}

void Conta5DiCuoriH(Game& g, int y) {
    if (g.tavolo.carta[y] != kCinqueDiCuori || g.punteggi.h.punto5DiCuori) return;
    AssegnaCinqueDiCuori(g, Player::H);
    g.annuncia({Accaduto::CinqueDiCuoriUmano});
}

void ContaPreseH(Game& g, int y) {
    if (y < 0 || y >= kNumeroPosti) return;
    ContaSeiH(g, y);
    ContaSetteH(g, y);
    ContaFigureH(g, y);
    ContaQuadriH(g, y);
    ContaCarteH(g, y);
    Conta5DiCuoriH(g, y);
}

void ContaPresePC(Game& g, int c) {
    if (c < 0 || c >= kNumeroPosti) return;
    const Card carta = g.tavolo.carta[c];
    if (carta.empty()) return;
    Colonna& pc = g.punteggi.pc;
    auto conta = [&](PuntoMazzo riga, bool passa) {
        if (passa) ++pc.prese[Indice(riga)];
    };
    auto sei = [&](PuntoMazzo riga) {
        if (carta == kSeiSpareggio[Indice(riga)]) pc.seiPreso[Indice(riga)] = true;
    };
    conta(PuntoMazzo::Sette, carta.valore() == 7);
    sei(PuntoMazzo::Sette);
    conta(PuntoMazzo::Quadri, carta.seme() == 'q');
    sei(PuntoMazzo::Quadri);
    conta(PuntoMazzo::Figure, carta.isFigure());
    sei(PuntoMazzo::Figure);
    conta(PuntoMazzo::Carte, true);
    sei(PuntoMazzo::Carte);
    if (carta == kCinqueDiCuori) AssegnaCinqueDiCuori(g, Player::PC);
}

void AssegnaPuntiMazzoPC(Game& g) {
    const Colonna& pc = g.punteggi.pc;
    const Colonna& h = g.punteggi.h;
    for (const PuntoMazzo riga : kPuntiMazzo) {
        const int r = Indice(riga);
        if (h.punto[r] || pc.punto[r]) continue;
        if (pc.prese[r] > kSoglia[r] || (pc.prese[r] == kSoglia[r] && pc.seiPreso[r])) {
            AssegnaPunto(g, Player::PC, riga);
        }
    }
}

void AzzeraTabellone(Scoreboard& s) {
    for (Colonna* c : {&s.pc, &s.h}) {
        const int partita = c->puntiPartita;
        *c = Colonna{};
        c->puntiPartita = partita;
    }
}

}  // namespace gnamm
