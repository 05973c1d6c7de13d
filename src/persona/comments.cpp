// Nonno Zeb's remarks: voice, bubble, text and photo for a set time.
#include "persona/comments.h"

#include <algorithm>

#include "data/asset_catalog.h"
#include "persona/nonno_zeb.h"
#include "persona/remarks.h"
#include "rules/draw_cycle.h"

namespace gnamm {
void NascondiFumetto(NonnoZeb& z) {
    z.angolo.commentoVisibile = false;
    z.angolo.fumettoVisibile = false;
}

namespace {

// Draws a line 1..n of a set not yet said in this cycle, starting a new cycle when all are.
int EstraiRiga(NonnoZeb& z, CicloCommenti& ciclo, int n) {
    return EstraiSenzaRipetere(ciclo.conta, ciclo.detto, n,
                               [&z](int m) { return z.estrazione(m); });
}

}  // namespace

void MostraCommento(NonnoZeb& z, const Commento& c, bool segnaOccupato) {
    if (segnaOccupato) OccupaSpia(z.spia);
    z.media.command(Channel::Commenti, Command::Prev);
    z.media.command(Channel::Commenti, Command::Close);
    z.media.setFile(Channel::Commenti, "");
    // A timer with no interval never fires and would leave the indicator busy for good.
    z.media.setFile(Channel::Commenti, c.voce);
    z.angolo.commento = c.testo;
    z.angolo.fumetto = c.fumetto;
    if (!c.foto.empty()) z.angolo.foto = c.foto;
    z.media.command(Channel::Commenti, Command::Open);
    z.media.command(Channel::Commenti, Command::Play);
    z.angolo.commentoVisibile = true;
    z.angolo.fumettoVisibile = true;
    z.scheduler.start(Timer::DurataGnammH, std::max(c.durataMs, 1));
}

void CommentoFineIncontro(NonnoZeb& z, const Commento& c) {
    z.scheduler.disable(Timer::DurataGnammH);
    z.scheduler.disable(Timer::DurataImpazienza);
    OccupaSpia(z.spia);
    ChiudiSuoni(z.media);
    z.media.setFile(Channel::Commenti, c.voce);
    z.media.command(Channel::Commenti, Command::Open);
    z.media.command(Channel::Commenti, Command::Play);
    z.angolo.commento = c.testo;
    z.angolo.fumetto = c.fumetto;
    z.angolo.commentoVisibile = true;
    z.angolo.fumettoVisibile = true;
    if (!c.foto.empty()) z.angolo.foto = c.foto;
}

void OnDurataGnammH(NonnoZeb& z) {
    z.scheduler.disable(Timer::DurataGnammH);
    NascondiFumetto(z);
    LiberaSpiaFuoriAlbo(z.spia, z.classifica.alboAperto);
    MostraFotoLivello(z);
}

void OnAssoBevuto(NonnoZeb& z) {
    z.scheduler.disable(Timer::AssoBevuto);
    MostraFotoLivello(z);
    NascondiFumetto(z);
    LiberaSpia(z.spia);
}

void MostraFotoLivello(NonnoZeb& z) {
    switch (z.livello) {
        case Livello::Honest:
            z.angolo.foto = assets::Photo(18);
            break;
        case Livello::Cunning:
            z.angolo.foto = assets::Photo(24);
            break;
        case Livello::Cheat:
            z.angolo.foto = assets::Photo(23);
            break;
        case Livello::None:
            break;
    }
}

void CommentoLivello(NonnoZeb& z) {
    if (z.livello == Livello::None) return;
    MostraCommento(z, remarks::Livello(z.livello), true);
}

void GnammH(NonnoZeb& z) {
    const int k = EstraiRiga(z, z.stato.gnammH, remarks::kGnammH);
    MostraCommento(z, remarks::GnammH(k), true);
}

void GnammPCinf4(NonnoZeb& z) {
    const int k = EstraiRiga(z, z.stato.gnammPCinf4, remarks::kGnammPCinf4);
    MostraCommento(z, remarks::GnammPCinf4(k), true);
}

void GnammPCsup4(NonnoZeb& z) {
    const int k = EstraiRiga(z, z.stato.gnammPCsup4, remarks::kGnammPCsup4);
    MostraCommento(z, remarks::GnammPCsup4(k), true);
}

void VoceRimprovero(NonnoZeb& z) {
    const Commento rimprovero = remarks::Rimprovero();
    OccupaSpia(z.spia);
    AvviaSuono(z.media, Channel::Commenti, rimprovero.voce);
    z.scheduler.start(Timer::DurataGnammH, rimprovero.durataMs);
}

void CommentoCongedo(NonnoZeb& z) {
    const Commento c = remarks::Saluto(z.stato.assoBevuto == 1 ? 1 : 2);
    z.media.setFile(Channel::Commenti, c.voce);
    z.angolo.commento = c.testo;
    z.angolo.fumetto = c.fumetto;
    z.angolo.commentoVisibile = true;
    z.angolo.fumettoVisibile = true;
    z.angolo.foto = c.foto;
    z.media.command(Channel::Commenti, Command::Open);
    z.media.command(Channel::Commenti, Command::Play);
}

}  // namespace gnamm
