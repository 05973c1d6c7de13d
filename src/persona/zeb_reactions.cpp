// Nonno Zeb's answer to what happens at the table: whether he says something, and which line.
// He speaks only with "Commenti Zeb" on and the sound indicator free, and owns the alternations
// of his lines (the ace remark, the 5 di Cuori, the last capture); he also minds his impatience
// and his corner as the human's turn goes on.
#include "data/asset_catalog.h"
#include "persona/comments.h"
#include "persona/impatience.h"
#include "persona/nonno_zeb.h"
#include "persona/remarks.h"

namespace gnamm {

namespace {

// The drunk ace: the two lines alternate, and the remark ends on its own timer (TmrAssoBevuto).
void CommentoAssoBevuto(NonnoZeb& z) {
    z.media.command(Channel::Commenti, Command::Prev);
    z.media.command(Channel::Commenti, Command::Close);
    z.stato.assoBevuto = z.stato.assoBevuto != 1 ? 1 : 2;
    const Commento c = remarks::AssoBevuto(z.stato.assoBevuto);
    z.angolo.commento = c.testo;
    z.angolo.fumetto = c.fumetto;
    z.media.setFile(Channel::Commenti, c.voce);
    z.media.command(Channel::Commenti, Command::Open);
    z.media.command(Channel::Commenti, Command::Play);
    z.angolo.commentoVisibile = true;
    z.angolo.fumettoVisibile = true;
    z.angolo.foto = c.foto;
    z.scheduler.start(Timer::AssoBevuto, c.durataMs);
}

void CommentoCinqueDiCuori(NonnoZeb& z) {
    int& n = z.stato.cinqueDiCuori;
    n = n != 1 ? 1 : 2;
    MostraCommento(z, remarks::CinqueDiCuori(n), true);
}

bool CommentoUltimaCattura(NonnoZeb& z) {
    const int n = z.tavolo.numeroCarteSulTavolo;
    if (n == 0 || !z.opzioni.commentiZeb || !z.spia.free()) return false;
    z.spia.bordo = true;
    bool& alterna = z.stato.alternaUltimaCattura;
    const Commento c = remarks::UltimaCattura(z.tavolo.ultimaCattura, n > 1, alterna);
    if (n > 1) alterna = !alterna;
    MostraCommento(z, c, true);
    return true;
}

// The end of a tie-break, a Partita or a Torneo; said over whatever else is playing.
void CommentoFineIncontro(NonnoZeb& z) {
    const MatchState& m = z.partita;
    switch (m.esito) {
        case EsitoGioco::Spareggio:
            CommentoFineIncontro(z, remarks::Mmmh());
            return;
        case EsitoGioco::TorneoPC:
            CommentoFineIncontro(z, remarks::HoVinto());
            return;
        case EsitoGioco::TorneoH:
            CommentoFineIncontro(z, remarks::MiHaiFregato());
            return;
        case EsitoGioco::PartitaH:
            CommentoFineIncontro(z, remarks::NonCantareVittoria());
            return;
        case EsitoGioco::PartitaPC:
            CommentoFineIncontro(z, m.partitePC == 1 ? remarks::EUno() : remarks::EDue());
            return;
        case EsitoGioco::InCorso:
        case EsitoGioco::Continua:
            return;
    }
}

// What Zeb does, whatever his remarks, as the human's turn goes on and the table is laid again.
// False when the event is none of these.
bool Accudisce(NonnoZeb& z, Accaduto cosa) {
    switch (cosa) {
        case Accaduto::TurnoUmano:
            ArmaImpazienza(z);
            return true;
        case Accaduto::CartaDallaMano:
            ImpazienzaCartaGiocata(z);
            return true;
        case Accaduto::CartaDecisa:
            FermaImpazienza(z.scheduler);
            return true;
        case Accaduto::SceltaAperta:
            FermaImpazienza(z.scheduler);
            RiarmaImpazienza(z);
            return true;
        case Accaduto::SceltaAlTavolo:
            RiarmaImpazienza(z);
            MostraFotoLivello(z);
            NascondiFumetto(z);
            return true;
        case Accaduto::NuovoGioco:
            NascondiFumetto(z);
            MostraFotoLivello(z);
            return true;
        case Accaduto::NuovoTorneo:
            // The level choice opens on the empty table.
            NascondiFumetto(z);
            z.angolo.foto = std::string(assets::kTavolo);
            return true;
        case Accaduto::GiocoAbbandonato:
            NascondiFumetto(z);
            return true;
        default:
            return false;
    }
}

bool Risponde(NonnoZeb& z, const EventoTavolo& e) {
    if (!z.opzioni.commentiZeb) return false;
    switch (e.cosa) {
        case Accaduto::FineIncontro:
            // The verdict is said even over a noise.
            CommentoFineIncontro(z);
            return true;
        case Accaduto::UltimaCattura:
            return CommentoUltimaCattura(z);
        case Accaduto::CartaGiocata:
        case Accaduto::PresaFatta:
            return false;
        default:
            break;
    }
    if (!z.spia.free()) return false;
    switch (e.cosa) {
        case Accaduto::PrimoTurno:
            // "Gioca!" leaves the indicator as it was.
            MostraCommento(z, remarks::Gioca(), false);
            return true;
        case Accaduto::ClicSbagliato:
            VoceRimprovero(z);
            return true;
        case Accaduto::AssoBevuto:
            OccupaSpia(z.spia);
            CommentoAssoBevuto(z);
            return true;
        case Accaduto::PuntoGnammUmano:
        case Accaduto::CinqueDiCuoriUmano:
            GnammH(z);
            return true;
        case Accaduto::MossaZeb:
            if (e.gnamm) {
                (e.carteCatturate < 4 ? GnammPCinf4 : GnammPCsup4)(z);
                return true;
            }
            if (!e.cinqueDiCuori) return false;
            OccupaSpia(z.spia);
            CommentoCinqueDiCuori(z);
            return true;
        default:
            return false;
    }
}

}  // namespace

Accaduti NonnoZeb::Sente() {
    using enum Accaduto;
    return {TurnoUmano,     CartaDallaMano,  CartaDecisa,        SceltaAperta,
            SceltaAlTavolo, NuovoGioco,      NuovoTorneo,        GiocoAbbandonato,
            FineIncontro,   UltimaCattura,   PrimoTurno,         ClicSbagliato,
            AssoBevuto,     PuntoGnammUmano, CinqueDiCuoriUmano, MossaZeb};
}

bool NonnoZeb::ascolta(const EventoTavolo& e, bool) {
    if (Accudisce(*this, e.cosa)) return false;
    return Risponde(*this, e);
}

}  // namespace gnamm
