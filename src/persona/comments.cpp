// Nonno Zeb's remarks: voice, bubble, text and photo for a set time.
#include "persona/comments.h"

#include <algorithm>

#include "audio/sounds.h"
#include "data/asset_catalog.h"
#include "rules/draw_cycle.h"
#include "game/game.h"
#include "persona/remarks.h"

namespace gnamm {
namespace {

void NascondiFumetto(Game& g) {
    g.vista.lblCommenti.visible = false;
    g.vista.ImgFumetto.visible = false;
}

// Draws a line 1..n of a set not yet said in this cycle, starting a new cycle when all are.
int EstraiRiga(Game& g, CicloCommenti& ciclo, int n) {
    return EstraiSenzaRipetere(ciclo.conta, ciclo.detto, n,
                               [&g](int m) { return g.estrazione(m); });
}

}  // namespace

void MostraCommento(Game& g, const Commento& c, bool segnaOccupato) {
    if (segnaOccupato) OccupaSpia(g.suoni.spia);
    g.media.command(Channel::Commenti, Command::Prev);
    g.media.command(Channel::Commenti, Command::Close);
    g.media.setFile(Channel::Commenti, "");
    // A timer with no interval never fires and would leave the indicator busy for good.
    g.media.setFile(Channel::Commenti, c.voce);
    g.vista.lblCommenti.text = c.testo;
    g.vista.ImgFumetto.picture = c.fumetto;
    if (!c.foto.empty()) g.vista.fotoZeb = c.foto;
    g.media.command(Channel::Commenti, Command::Open);
    g.media.command(Channel::Commenti, Command::Play);
    g.vista.lblCommenti.visible = true;
    g.vista.ImgFumetto.visible = true;
    g.scheduler.start(Timer::DurataGnammH, std::max(c.durataMs, 1));
}

void CommentoFineIncontro(Game& g, const Commento& c) {
    g.scheduler.disable(Timer::DurataGnammH);
    g.scheduler.disable(Timer::DurataImpazienza);
    OccupaSpia(g.suoni.spia);
    ChiudiSuoni(g);
    g.media.setFile(Channel::Commenti, c.voce);
    g.media.command(Channel::Commenti, Command::Open);
    g.media.command(Channel::Commenti, Command::Play);
    g.vista.lblCommenti.text = c.testo;
    g.vista.ImgFumetto.picture = c.fumetto;
    g.vista.lblCommenti.visible = true;
    g.vista.ImgFumetto.visible = true;
    if (!c.foto.empty()) g.vista.fotoZeb = c.foto;
}

void OnDurataGnammH(Game& g) {
    g.scheduler.disable(Timer::DurataGnammH);
    NascondiFumetto(g);
    LiberaSpiaFuoriAlbo(g);
    MostraFotoLivello(g);
}

void OnAssoBevuto(Game& g) {
    g.scheduler.disable(Timer::AssoBevuto);
    MostraFotoLivello(g);
    NascondiFumetto(g);
    LiberaSpia(g.suoni.spia);
}

void MostraFotoLivello(Game& g) {
    switch (g.livello) {
        case Livello::Honest:
            g.vista.fotoZeb = assets::Photo(18);
            break;
        case Livello::Cunning:
            g.vista.fotoZeb = assets::Photo(24);
            break;
        case Livello::Cheat:
            g.vista.fotoZeb = assets::Photo(23);
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
    const int k = EstraiRiga(g, g.persona.gnammH, remarks::kGnammH);
    MostraCommento(g, remarks::GnammH(k), true);
}

void GnammPCinf4(Game& g) {
    const int k = EstraiRiga(g, g.persona.gnammPCinf4, remarks::kGnammPCinf4);
    MostraCommento(g, remarks::GnammPCinf4(k), true);
}

void GnammPCsup4(Game& g) {
    const int k = EstraiRiga(g, g.persona.gnammPCsup4, remarks::kGnammPCsup4);
    MostraCommento(g, remarks::GnammPCsup4(k), true);
}

}  // namespace gnamm
