// Nonno Zeb urging a slow player.
#include "persona/impatience.h"

#include "audio/sounds.h"
#include "game/game.h"
#include "rules/speeds.h"
#include "persona/comments.h"
#include "persona/remarks.h"

namespace gnamm {

void ArmaImpazienza(Game& g) {
    if (g.opzioni.impazienzaZeb == Impazienza::Quiet) return;
    g.scheduler.setInterval(Timer::Impazienza, IntervalloImpazienza(g.opzioni.impazienzaZeb));
    if (g.opzioni.commentiZeb) g.scheduler.enable(Timer::Impazienza);
}

void RiarmaImpazienza(Game& g) {
    if (g.opzioni.impazienzaZeb == Impazienza::Quiet) return;
    FermaImpazienza(g.scheduler);
    ArmaImpazienza(g);
}

void FermaImpazienza(Scheduler& s) { s.disable(Timer::Impazienza); }

void ImpazienzaCambiata(Game& g, bool turnoUmano) {
    Scheduler& s = g.scheduler;
    const Opzioni& o = g.opzioni;
    if (o.impazienzaZeb == Impazienza::Quiet) {
        FermaImpazienza(g.scheduler);
        return;
    }
    const bool eraAttivo = s.isEnabled(Timer::Impazienza);
    s.setInterval(Timer::Impazienza, IntervalloImpazienza(o.impazienzaZeb));
    const bool accendi = o.impazienzaZeb == Impazienza::Impatient || !eraAttivo;
    // Zeb urges a player who has a card to play, not one choosing options before a Gioco or
    // watching him move: the deal arms the timer again on the next turn.
    if (o.commentiZeb && accendi && turnoUmano) s.enable(Timer::Impazienza);
}

void ImpazienzaCartaGiocata(Game& g) {
    if (g.scheduler.isEnabled(Timer::DurataImpazienza)) {
        g.suoni.spia.foto = FotoImpazienza::Magenta;
    } else if (g.suoni.spia.foto == FotoImpazienza::Green) {
        g.suoni.spia.foto = FotoImpazienza::Black;
        MostraFotoLivello(g);
    }
}

void ScegliImpazienza(Game& g) {
    const Commento c = remarks::Impazienza(g.estrazione(remarks::kImpazienza));
    g.media.command(Channel::Impazienza, Command::Prev);
    g.media.command(Channel::Impazienza, Command::Close);
    g.media.setFile(Channel::Impazienza, "");
    g.media.setFile(Channel::Impazienza, c.voce);
    g.vista.lblCommenti.text = c.testo;
    g.vista.ImgFumetto.picture = c.fumetto;
    g.vista.fotoZeb = c.foto;
    g.media.command(Channel::Impazienza, Command::Open);
    g.media.command(Channel::Impazienza, Command::Play);
    g.vista.lblCommenti.visible = true;
    g.vista.ImgFumetto.visible = true;
    g.scheduler.start(Timer::DurataImpazienza, c.durataMs);
    g.suoni.spia.foto = FotoImpazienza::Green;
}

void OnImpazienza(Game& g) {
    if (g.suoni.spia.busy) {
        // Someone else holds the sound: try again shortly rather than talk over them.
        g.scheduler.disable(Timer::Impazienza);
        g.scheduler.setInterval(Timer::Impazienza, speeds::kImpazienzaRetry);
        if (g.opzioni.commentiZeb) g.scheduler.enable(Timer::Impazienza);
        return;
    }
    OccupaSpia(g.suoni.spia);
    g.scheduler.disable(Timer::Impazienza);
    ScegliImpazienza(g);
}

void OnDurataImpazienza(Game& g) {
    g.scheduler.disable(Timer::DurataImpazienza);
    g.vista.lblCommenti.visible = false;
    g.vista.ImgFumetto.visible = false;
    LiberaSpia(g.suoni.spia);
    ArmaImpazienza(g);
    if (g.suoni.spia.foto == FotoImpazienza::Magenta) {
        g.suoni.spia.foto = FotoImpazienza::Black;
        MostraFotoLivello(g);
    }
}

}  // namespace gnamm
