#include "ui/consiglio_view.h"

#include "data/colors.h"
#include "game/ai/consiglio.h"
#include "game/player_record.h"
#include "ui/finestra.h"
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
    return !f.screen.FraSplash.visible && !g.vista.FraQuando.visible;
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

// An outline the advice drew: in the pick colour, and not one the human picked himself.
bool SegnoDelConsiglio(const Finestra& f, int p) {
    const Game& g = f.game;
    const Aspetto& c = g.vista.ShpContornoCarta[p];
    return c.visible && c.borderColor == colors::kPick && !g.umano.scelta[p] &&
           p != g.umano.cartaGiocata;
}

void TogliSegni(Finestra& f) {
    Game& g = f.game;
    for (const int p : f.consiglio.segni) {
        if (SegnoDelConsiglio(f, p)) g.vista.ShpContornoCarta[p].visible = false;
    }
    f.consiglio = {};
}

void Segna(Finestra& f, int p) {
    Game& g = f.game;
    Aspetto& c = g.vista.ShpContornoCarta[p];
    if (c.visible) return;  // already outlined: the card played, or picked
    c.visible = true;
    c.borderColor = colors::kPick;
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
    f.consiglio.istruzione = g.vista.lblIstruzioni.text;
    f.consiglio.riga = c.riga;
    g.vista.lblIstruzioni.text = c.riga;
    ContaAiuto(g);
}

void TogliConsiglio(Finestra& f) {
    Game& g = f.game;
    if (!f.consiglio.attivo) return;
    if (g.vista.lblIstruzioni.text == f.consiglio.riga) {
        g.vista.lblIstruzioni.text = f.consiglio.istruzione;
    }
    TogliSegni(f);
}

void SeguiConsiglio(Finestra& f) {
    Game& g = f.game;
    if (f.consiglio.attivo && g.vista.lblIstruzioni.text != f.consiglio.riga) TogliSegni(f);
}

}  // namespace gnamm
