#include "persona/zeb_reactions.h"

#include "audio/sounds.h"
#include "game/game.h"
#include "persona/comments.h"
#include "persona/remarks.h"

namespace gnamm {

namespace {

// The drunk ace: the two lines alternate, and the remark ends on its own timer (TmrAssoBevuto).
void CommentoAssoBevuto(Game& g) {
    g.media.command(Channel::Commenti, Command::Prev);
    g.media.command(Channel::Commenti, Command::Close);
    g.persona.assoBevuto = g.persona.assoBevuto != 1 ? 1 : 2;
    const Commento c = remarks::AssoBevuto(g.persona.assoBevuto);
    g.vista.lblCommenti.text = c.testo;
    g.vista.ImgFumetto.picture = c.fumetto;
    g.media.setFile(Channel::Commenti, c.voce);
    g.media.command(Channel::Commenti, Command::Open);
    g.media.command(Channel::Commenti, Command::Play);
    g.vista.lblCommenti.visible = true;
    g.vista.ImgFumetto.visible = true;
    g.vista.fotoZeb = c.foto;
    g.scheduler.start(Timer::AssoBevuto, c.durataMs);
}

void CommentoCinqueDiCuori(Game& g) {
    PcState& pc = g.pc;
    pc.cinqueDiCuori = pc.cinqueDiCuori != 1 ? 1 : 2;
    MostraCommento(g, remarks::CinqueDiCuori(pc.cinqueDiCuori), true);
}

bool CommentoUltimaCattura(Game& g) {
    const int n = g.tavolo.numeroCarteSulTavolo;
    if (n == 0 || !g.opzioni.commentiZeb || !g.suoni.spia.free()) return false;
    g.suoni.spia.bordo = true;
    bool& alterna = g.partita.alternaUltimaCattura;
    const Commento c = remarks::UltimaCattura(g.tavolo.ultimaCattura, n > 1, alterna);
    if (n > 1) alterna = !alterna;
    MostraCommento(g, c, true);
    return true;
}

// The end of a tie-break, a Partita or a Torneo; said over whatever else is playing.
void CommentoFineIncontro(Game& g) {
    const MatchState& m = g.partita;
    switch (m.esito) {
        case EsitoGioco::Spareggio:
            CommentoFineIncontro(g, remarks::Mmmh());
            return;
        case EsitoGioco::TorneoPC:
            CommentoFineIncontro(g, remarks::HoVinto());
            return;
        case EsitoGioco::TorneoH:
            CommentoFineIncontro(g, remarks::MiHaiFregato());
            return;
        case EsitoGioco::PartitaH:
            CommentoFineIncontro(g, remarks::NonCantareVittoria());
            return;
        case EsitoGioco::PartitaPC:
            CommentoFineIncontro(g, m.partitePC == 1 ? remarks::EUno() : remarks::EDue());
            return;
        case EsitoGioco::InCorso:
        case EsitoGioco::Continua:
            return;
    }
}

}  // namespace

bool ReagisceZeb(Game& g, const EventoTavolo& e) {
    if (!g.opzioni.commentiZeb) return false;
    switch (e.cosa) {
        case Accaduto::FineIncontro:
            // The verdict is said even over a noise.
            CommentoFineIncontro(g);
            return true;
        case Accaduto::UltimaCattura:
            return CommentoUltimaCattura(g);
        case Accaduto::CartaGiocata:
        case Accaduto::PresaFatta:
            return false;
        default:
            break;
    }
    if (!g.suoni.spia.free()) return false;
    switch (e.cosa) {
        case Accaduto::PrimoTurno:
            // "Gioca!" leaves the indicator as it was.
            MostraCommento(g, remarks::Gioca(), false);
            return true;
        case Accaduto::AssoBevuto:
            OccupaSpia(g.suoni.spia);
            CommentoAssoBevuto(g);
            return true;
        case Accaduto::PuntoGnammUmano:
        case Accaduto::CinqueDiCuoriUmano:
            GnammH(g);
            return true;
        case Accaduto::MossaZeb:
            if (e.gnamm) {
                (e.carteCatturate < 4 ? GnammPCinf4 : GnammPCsup4)(g);
                return true;
            }
            if (!e.cinqueDiCuori) return false;
            OccupaSpia(g.suoni.spia);
            CommentoCinqueDiCuori(g);
            return true;
        default:
            return false;
    }
}

}  // namespace gnamm
