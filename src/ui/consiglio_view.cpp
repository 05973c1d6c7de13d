#include "ui/consiglio_view.h"

#include <algorithm>
#include <utility>

#include "game/ai/consiglio.h"
#include "game/player_record.h"
#include "ui/finestra.h"
#include "ui/instructions_view.h"
#include "ui/keyboard_focus.h"

namespace gnamm {

namespace {

// A card to play: the human's turn, the deal over, a card in hand.
bool CartaDaGiocare(const Finestra& f) {
    const Game& g = f.game;
    const TableState& t = g.tavolo;
    if (t.aChiTocca != Player::H || g.umano.cartaGiocata != 0) return false;
    if (g.scheduler.isEnabled(Timer::Scegli6Carte) ||
        g.scheduler.isEnabled(Timer::Scegli4CarteSulTavolo)) {
        return false;
    }
    return !t.carta[4].empty() || !t.carta[5].empty() || !t.carta[6].empty();
}

bool NessunPannello(const Finestra& f) {
    const Game& g = f.game;
    for (const Element& f : f.screen.FraPannello) {
        if (f.visible) return false;
    }
    return !f.screen.FraSplash.visible && !g.pausa.quando;
}

// The advice for what the human has to decide now: the card to play or, once a card is down
// and the rule leaves the capture to him, the table cards it should take.
Consiglio Calcola(const Finestra& f) {
    const Game& g = f.game;
    VistaUmano v = VistaDelGiocatore(g.tavolo, g.punteggi);
    const int giocata = g.umano.cartaGiocata;
    if (giocata != 0) {
        for (int k = 4; k <= 6; ++k) {
            if (k != giocata) v.mano[static_cast<std::size_t>(k - 4)] = Card{};
        }
    }
    return ConsiglioPer(v);
}

// A place the advice may outline: a card on show that the game has not marked itself.
bool LiberoPerIlConsiglio(const Finestra& f, int p) {
    const PostoCarta& posto = f.game.posti[static_cast<std::size_t>(p)];
    return posto.inVista() && posto.segno == Segno::Nessuno;
}

void TogliSegni(Finestra& f) {
    f.consiglio = {};
}

void Segna(Finestra& f, int p) {
    // Already outlined: the card played, or picked.
    if (!LiberoPerIlConsiglio(f, p) || std::ranges::count(f.consiglio.segni, p) > 0) return;
    f.consiglio.segni.push_back(p);
}

}  // namespace

void ChiediConsiglio(Finestra& f) {
    Game& g = f.game;
    if (f.consiglio.attivo || !NessunPannello(f)) return;
    if (!CartaDaGiocare(f) && !SceltaInCorso(f)) return;
    const Consiglio c = Calcola(f);
    if (c.posto == 0) return;
    f.consiglio.attivo = true;
    Segna(f, c.posto);
    for (const int p : c.prese) Segna(f, p);
    f.consiglio.istruzione = g.istruzione;
    f.consiglio.riga = c.riga;
    Istruzione consiglio = Chiedi(CosaChiedere::Consiglio);
    consiglio.consiglio = c.riga;
    g.mostraIstruzione(std::move(consiglio));
    ContaAiuto(g);
}

void TogliConsiglio(Finestra& f) {
    Game& g = f.game;
    if (!f.consiglio.attivo) return;
    if (TestoIstruzione(g.istruzione) == f.consiglio.riga) {
        g.mostraIstruzione(f.consiglio.istruzione);
    }
    TogliSegni(f);
}

void SeguiConsiglio(Finestra& f) {
    Game& g = f.game;
    // A card the game marks or takes away loses the advice's outline for good, as a pick
    // taken back leaves the card bare.
    std::erase_if(f.consiglio.segni, [&](int p) { return !LiberoPerIlConsiglio(f, p); });
    if (f.consiglio.attivo && TestoIstruzione(g.istruzione) != f.consiglio.riga) TogliSegni(f);
}

}  // namespace gnamm
