// Nonno Zeb's remarks: voice, bubble, text and photo for a set time.
#include "persona/comments.h"

#include <algorithm>

#include "audio/sounds.h"
#include "data/asset_catalog.h"
#include "game/game.h"
#include "persona/remarks.h"

namespace gnamm {
namespace {

// The hall-of-fame panel keeps the indicator busy for as long as it shows, so that nothing
// talks over the end of a Torneo.
bool AlboInVista(const Game& g) {
    return g.screen.FraPannello[3].visible;
}

void NascondiFumetto(Game& g) {
    g.screen.lblCommenti.visible = false;
    g.screen.ImgFumetto.visible = false;
}

// Draws a line 1..n of a set not yet said in this cycle, starting a new cycle when all are.
int EstraiSenzaRipetere(Game& g, CicloCommenti& ciclo, int n) {
    // The draw repeats until it finds an unsaid line; a generator stuck on one value must not
    // hang the game, so after many misses the first unsaid line is taken.
    constexpr int kTentativi = 1000;
    for (int tentativo = 0;; ++tentativo) {
        if (ciclo.conta >= n) {
            ciclo.conta = 0;
            ciclo.detto.fill(false);
        }
        int k = g.estrazione(n);
        if (ciclo.detto[static_cast<size_t>(k)]) {
            if (tentativo < kTentativi) continue;
            k = 1;
            while (ciclo.detto[static_cast<size_t>(k)]) ++k;
        }
        ciclo.detto[static_cast<size_t>(k)] = true;
        ++ciclo.conta;
        return k;
    }
}

}  // namespace

void MostraCommento(Game& g, const Commento& c, bool segnaOccupato) {
    if (segnaOccupato) g.suoni.spia.busy = true;
    g.media.command(Channel::Commenti, Command::Prev);
    g.media.command(Channel::Commenti, Command::Close);
    g.media.setFile(Channel::Commenti, "");
    // A timer with no interval never fires and would leave the indicator busy for good.
    g.scheduler.setInterval(Timer::DurataGnammH, std::max(c.durataMs, 1));
    g.media.setFile(Channel::Commenti, c.voce);
    g.screen.lblCommenti.text = c.testo;
    g.screen.ImgFumetto.picture = c.fumetto;
    if (!c.foto.empty()) g.screen.ImgRiquadro[0].picture = c.foto;
    g.media.command(Channel::Commenti, Command::Open);
    g.media.command(Channel::Commenti, Command::Play);
    g.screen.lblCommenti.visible = true;
    g.screen.ImgFumetto.visible = true;
    g.scheduler.enable(Timer::DurataGnammH);
}

void CommentoFineIncontro(Game& g, const Commento& c) {
    g.scheduler.disable(Timer::DurataGnammH);
    g.scheduler.disable(Timer::DurataImpazienza);
    g.suoni.spia.busy = true;
    ChiudiSuoni(g);
    g.media.setFile(Channel::Commenti, c.voce);
    g.media.command(Channel::Commenti, Command::Open);
    g.media.command(Channel::Commenti, Command::Play);
    g.screen.lblCommenti.text = c.testo;
    g.screen.ImgFumetto.picture = c.fumetto;
    g.screen.lblCommenti.visible = true;
    g.screen.ImgFumetto.visible = true;
    if (!c.foto.empty()) g.screen.ImgRiquadro[0].picture = c.foto;
}

void OnDurataGnammH(Game& g) {
    g.scheduler.disable(Timer::DurataGnammH);
    NascondiFumetto(g);
    if (!AlboInVista(g)) g.suoni.spia.busy = false;
    MostraFotoLivello(g);
}

void OnAssoBevuto(Game& g) {
    g.scheduler.disable(Timer::AssoBevuto);
    MostraFotoLivello(g);
    NascondiFumetto(g);
    g.suoni.spia.busy = false;
}

void MostraFotoLivello(Game& g) {
    switch (g.livello) {
        case Livello::Honest:
            g.screen.ImgRiquadro[0].picture = assets::Photo(18);
            break;
        case Livello::Cunning:
            g.screen.ImgRiquadro[0].picture = assets::Photo(24);
            break;
        case Livello::Cheat:
            g.screen.ImgRiquadro[0].picture = assets::Photo(23);
            break;
        case Livello::None:
            break;
    }
}

void CommentoLivello(Game& g) {
    if (g.livello == Livello::None) return;
    MostraCommento(g, remarks::Livello(g.livello), true);
}

void GnammH(Game& g) {
    const int k = EstraiSenzaRipetere(g, g.persona.gnammH, remarks::kGnammH);
    MostraCommento(g, remarks::GnammH(k), true);
}

void GnammPCinf4(Game& g) {
    const int k = EstraiSenzaRipetere(g, g.persona.gnammPCinf4, remarks::kGnammPCinf4);
    MostraCommento(g, remarks::GnammPCinf4(k), true);
}

void GnammPCsup4(Game& g) {
    const int k = EstraiSenzaRipetere(g, g.persona.gnammPCsup4, remarks::kGnammPCsup4);
    MostraCommento(g, remarks::GnammPCsup4(k), true);
}

}  // namespace gnamm
