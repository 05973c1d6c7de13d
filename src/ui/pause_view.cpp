#include "ui/pause_view.h"

#include "game/game.h"
#include "ui/colors.h"
#include "ui/quando_prompt.h"
#include "ui/riepilogo_view.h"
#include "ui/screen.h"

namespace gnamm {

std::string TestoQuando(const PausaState& p) {
    switch (p.riga) {
        case RigaQuando::Nessuna:
            return {};
        case RigaQuando::Spareggio:
            return "Occorre un altro Gioco di spareggio, " + p.nome +
                   ": clicca su INVIO per continuare!";
        case RigaQuando::NuovaPartita:
            return "Quando sei pronto a iniziare una nuova Partita premi INVIO!";
        case RigaQuando::ContinuaPartita:
            return "Quando sei pronto a continuare la Partita in corso, premi INVIO!";
        case RigaQuando::DopoTorneo:
            return std::string(kQuandoTorneo);
    }
    return {};
}

void MostraPausa(const Game& g, Screen& s) {
    const PausaState& p = g.pausa;
    s.FraQuando.visible = p.quando;
    s.lblQuando.text = TestoQuando(p);
    // The winner of a Torneo stands out in red; otherwise each side keeps its own colour.
    const Rgb pc = p.vincitore == Player::PC ? colors::kRed : colors::kPink;
    const Rgb h = p.vincitore == Player::H ? colors::kRed : colors::kRose;
    s.lblPC.back = s.lblPuntiPC.back = pc;
    s.lblH.back = s.lblPuntiH.back = h;
    for (std::size_t k = 0; k < p.riquadro.size(); ++k) s.FraRiquadro[k].visible = p.riquadro[k];
    MostraRiepilogo(g, s);
}

}  // namespace gnamm
