#include "ui/instructions_view.h"

#include "game/game.h"
#include "ui/screen.h"

namespace gnamm {

std::string TestoIstruzione(const Istruzione& i) {
    const std::string& n = i.nome;
    switch (i.cosa) {
        case CosaChiedere::Niente:
            return {};
        case CosaChiedere::TuoTurno:
            return "Tocca a te, " + n + ", clicca su una delle tue carte!";
        case CosaChiedere::SceltaUguali:
            return "Scegli, fra le " + std::to_string(i.quante) +
                   " Carte uguali presenti sul tavolo, quale vuoi catturare!";
        case CosaChiedere::SceltaSomma:
            return "Hai " + std::to_string(i.quante) +
                   " combinazioni di presa: clicca quelle carte sul tavolo che vuoi catturare!";
        case CosaChiedere::NonIlTavolo:
            return "Non devi cliccare le carte sul tavolo, " + n + ",  ma una delle tue!!";
        case CosaChiedere::NonLeMieCarte:
            return "Come ti permetti di cliccare le mie carte, " + n + "??";
        case CosaChiedere::NonIlMazzo:
            return "O " + n + ", devi cliccare una delle tue carte, non il mazzo!!";
        case CosaChiedere::Consiglio:
            return i.consiglio;
    }
    return {};
}

void MostraIstruzioni(const Game& g, Screen& s) {
    s.lblIstruzioni.text = TestoIstruzione(g.istruzione);
    s.ImgManina.visible = g.manina;
}

}  // namespace gnamm
