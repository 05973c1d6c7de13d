#include "ui/consiglio_view.h"

#include "data/colors.h"
#include "game/ai/consiglio.h"
#include "game/player_record.h"
#include "ui/finestra.h"
#include "ui/keyboard_focus.h"

namespace gnamm {

namespace {

// A card to play: the human's turn, the deal over, a card in hand.
bool CartaDaGiocare(const Finestra& g) {
    const TableState& t = g.tavolo;
    if (t.aChiTocca != Player::H || g.umano.cartaGiocata != 0) return false;
    if (g.scheduler.isEnabled(Timer::Scegli6Carte) ||
        g.scheduler.isEnabled(Timer::Scegli4CarteSulTavolo)) {
        return false;
    }
    return !t.carta[4].empty() || !t.carta[5].empty() || !t.carta[6].empty();
}

bool NessunPannello(const Finestra& g) {
    for (const Element& f : g.screen.FraPannello) {
        if (f.visible) return false;
    }
    return !g.screen.FraSplash.visible && !g.vista.FraQuando.visible;
}

// The advice for what the human has to decide now: the card to play or, once a card is down
// and the rule leaves the capture to him, the table cards it should take.
Consiglio Calcola(const Finestra& g) {
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
bool SegnoDelConsiglio(const Finestra& g, int p) {
    const Aspetto& c = g.vista.ShpContornoCarta[p];
    return c.visible && c.borderColor == colors::kPick && !g.umano.scelta[p] &&
           p != g.umano.cartaGiocata;
}

void TogliSegni(Finestra& g) {
    for (const int p : g.consiglio.segni) {
        if (SegnoDelConsiglio(g, p)) g.vista.ShpContornoCarta[p].visible = false;
    }
    g.consiglio = {};
}

void Segna(Finestra& g, int p) {
    Aspetto& c = g.vista.ShpContornoCarta[p];
    if (c.visible) return;  // already outlined: the card played, or picked
    c.visible = true;
    c.borderColor = colors::kPick;
    g.consiglio.segni.push_back(p);
}

}  // namespace

void ChiediConsiglio(Finestra& g) {
    if (g.consiglio.attivo || !NessunPannello(g)) return;
    if (!CartaDaGiocare(g) && !SceltaInCorso(g)) return;
    const Consiglio c = Calcola(g);
    if (c.posto == 0) return;
    g.consiglio.attivo = true;
    Segna(g, c.posto);
    for (const int p : c.prese) Segna(g, p);
    g.consiglio.istruzione = g.vista.lblIstruzioni.text;
    g.consiglio.riga = c.riga;
    g.vista.lblIstruzioni.text = c.riga;
    ContaAiuto(g);
}

void TogliConsiglio(Finestra& g) {
    if (!g.consiglio.attivo) return;
    if (g.vista.lblIstruzioni.text == g.consiglio.riga) {
        g.vista.lblIstruzioni.text = g.consiglio.istruzione;
    }
    TogliSegni(g);
}

void SeguiConsiglio(Finestra& g) {
    if (g.consiglio.attivo && g.vista.lblIstruzioni.text != g.consiglio.riga) TogliSegni(g);
}

}  // namespace gnamm
