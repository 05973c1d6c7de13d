#include "game/ai/cervello.h"

#include <cstdio>

#include "game/game.h"

namespace gnamm {

std::vector<std::string> RigheCervello(const PcState& pc, const TableState& t) {
    std::vector<std::string> righe;
    const Ricerca& r = pc.ricerca;
    const Valutazione& val = pc.valutazione;
    char buf[192];
    std::snprintf(buf, sizeof buf,
                  "CartaOrdinata: %d  SommaValoriSulTavolo: %d  MossePossibili: %d",
                  r.numeroCarteDaEsaminare, r.sommaValoriSulTavolo, pc.lista.mossePossibili);
    righe.emplace_back(buf);
    for (int m = 1; m <= pc.lista.mossePossibili; ++m) {
        const Mossa& mossa = pc.lista[m];
        std::string prese;
        for (int k = 0; k < mossa.numeroCatturate; ++k) {
            if (k) prese += ' ';
            prese += t.carta[r.posto(mossa.catturate[k])].code();
        }
        // Short enough for a third of the panel's width.
        std::snprintf(
            buf, sizeof buf, "%2d %s [%s]%s R%.3g P%.3g S%.3g T%.3g E%d%s", m,
            t.carta[mossa.posto].code().c_str(), prese.c_str(), mossa.gnamm ? " G" : "",
            static_cast<double>(val.puntiReali[m]), static_cast<double>(val.puntiPotenziali[m]),
            static_cast<double>(val.rischioScopa[m]), static_cast<double>(val.puntiTotali[m]),
            val.expTotale[m], val.sicura[m] ? " *" : "");
        righe.emplace_back(buf);
    }
    return righe;
}

void AggiornaCervello(Game& g) {
    // The lines cost a little formatting: only while the panel is open.
    Cervello& c = g.cervello;
    if (!c.aperto) return;
    const PcState& pc = g.pc;
    c.righe = RigheCervello(pc, g.tavolo);
    c.sceltaScritta = true;
    c.scelta = pc.scelta;
    c.mossaScelta = pc.mossaScelta;
}

}  // namespace gnamm
