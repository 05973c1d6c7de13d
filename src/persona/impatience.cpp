// Nonno Zeb urging a slow player.
#include "persona/impatience.h"

#include "persona/comments.h"
#include "persona/nonno_zeb.h"
#include "persona/remarks.h"
#include "rules/speeds.h"

namespace gnamm {

void ArmaImpazienza(NonnoZeb& z) {
    if (z.opzioni.impazienzaZeb == Impazienza::Quiet) return;
    z.scheduler.setInterval(Timer::Impazienza, IntervalloImpazienza(z.opzioni.impazienzaZeb));
    if (z.opzioni.commentiZeb) z.scheduler.enable(Timer::Impazienza);
}

void RiarmaImpazienza(NonnoZeb& z) {
    if (z.opzioni.impazienzaZeb == Impazienza::Quiet) return;
    FermaImpazienza(z.scheduler);
    ArmaImpazienza(z);
}

void FermaImpazienza(Scheduler& s) {
    s.disable(Timer::Impazienza);
}

void ImpazienzaCambiata(NonnoZeb& z, bool turnoUmano) {
    Scheduler& s = z.scheduler;
    const Opzioni& o = z.opzioni;
    if (o.impazienzaZeb == Impazienza::Quiet) {
        FermaImpazienza(z.scheduler);
        return;
    }
    const bool eraAttivo = s.isEnabled(Timer::Impazienza);
    s.setInterval(Timer::Impazienza, IntervalloImpazienza(o.impazienzaZeb));
    const bool accendi = o.impazienzaZeb == Impazienza::Impatient || !eraAttivo;
    // Zeb urges a player who has a card to play, not one choosing options before a Gioco or
    // watching him move: the deal arms the timer again on the next turn.
    if (o.commentiZeb && accendi && turnoUmano) s.enable(Timer::Impazienza);
}

void ImpazienzaCartaGiocata(NonnoZeb& z) {
    if (z.scheduler.isEnabled(Timer::DurataImpazienza)) {
        z.spia.foto = FotoImpazienza::Magenta;
    } else if (z.spia.foto == FotoImpazienza::Green) {
        z.spia.foto = FotoImpazienza::Black;
        MostraFotoLivello(z);
    }
}

void ScegliImpazienza(NonnoZeb& z) {
    const Commento c = remarks::Impazienza(z.estrazione(remarks::kImpazienza));
    z.media.command(Channel::Impazienza, Command::Prev);
    z.media.command(Channel::Impazienza, Command::Close);
    z.media.setFile(Channel::Impazienza, "");
    z.media.setFile(Channel::Impazienza, c.voce);
    z.angolo.commento = c.testo;
    z.angolo.fumetto = c.fumetto;
    z.angolo.foto = c.foto;
    z.media.command(Channel::Impazienza, Command::Open);
    z.media.command(Channel::Impazienza, Command::Play);
    z.angolo.commentoVisibile = true;
    z.angolo.fumettoVisibile = true;
    z.scheduler.start(Timer::DurataImpazienza, c.durataMs);
    z.spia.foto = FotoImpazienza::Green;
}

void OnImpazienza(NonnoZeb& z) {
    if (z.spia.busy) {
        // Someone else holds the sound: try again shortly rather than talk over them.
        z.scheduler.disable(Timer::Impazienza);
        z.scheduler.setInterval(Timer::Impazienza, speeds::kImpazienzaRetry);
        if (z.opzioni.commentiZeb) z.scheduler.enable(Timer::Impazienza);
        return;
    }
    OccupaSpia(z.spia);
    z.scheduler.disable(Timer::Impazienza);
    ScegliImpazienza(z);
}

void OnDurataImpazienza(NonnoZeb& z) {
    z.scheduler.disable(Timer::DurataImpazienza);
    z.angolo.commentoVisibile = false;
    z.angolo.fumettoVisibile = false;
    LiberaSpia(z.spia);
    ArmaImpazienza(z);
    if (z.spia.foto == FotoImpazienza::Magenta) {
        z.spia.foto = FotoImpazienza::Black;
        MostraFotoLivello(z);
    }
}

}  // namespace gnamm
