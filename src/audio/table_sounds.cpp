// The noises of the table in answer to what happens there: a card played, a capture, the deal.
// The card noises need card noises on and a free sound indicator, and none plays over a line
// of Zeb's.
#include "audio/ambience.h"
#include "audio/music.h"
#include "audio/sounds.h"
#include "audio/suoni.h"

namespace gnamm {

namespace {

// What the sounds do whatever Zeb said: the deal's noises, the saloon's cycle, the channels
// closed. False when the event is none of these.
bool Accompagna(Suoni& s, Accaduto cosa) {
    switch (cosa) {
        case Accaduto::QuattroInTavola:
            s.media.command(Channel::Rumori, Command::Close);
            return true;
        case Accaduto::CartaDistribuita:
            if (s.opzioni.rumoriCarte) RumoreDistribuzione(s);
            return true;
        case Accaduto::ManoDistribuita:
            if (s.opzioni.rumoriSaloon) s.scheduler.enable(Timer::DurataAmbiente);
            return true;
        case Accaduto::FineUltimeCarte:
            FermaAmbiente(s);
            return true;
        case Accaduto::GiocoAbbandonato:
            ChiudiSuoni(s.media);
            return true;
        default:
            return false;
    }
}

}  // namespace

Accaduti Suoni::Sente() {
    using enum Accaduto;
    return {QuattroInTavola,    CartaDistribuita, ManoDistribuita, FineUltimeCarte,
            GiocoAbbandonato,   CartaGiocata,     MossaZeb,        PuntoGnammUmano,
            CinqueDiCuoriUmano, PresaFatta,       PresaZeb};
}

bool Suoni::ascolta(const EventoTavolo& e, bool zebHaParlato) {
    if (Accompagna(*this, e.cosa)) return false;
    if (zebHaParlato || !opzioni.rumoriCarte || !spia.free()) return false;
    switch (e.cosa) {
        case Accaduto::CartaGiocata:
            OccupaSpia(spia);
            RumoreGioco(*this);
            return false;
        case Accaduto::MossaZeb:
            // Zeb's card is heard without taking the indicator.
            RumoreGioco(*this);
            return false;
        case Accaduto::PuntoGnammUmano:
        case Accaduto::CinqueDiCuoriUmano:
        case Accaduto::PresaFatta:
        case Accaduto::PresaZeb:
            SuonoPresa(*this);
            return false;
        default:
            return false;
    }
}

bool Suoni::onTimer(Timer t) {
    switch (t) {
        case Timer::Carta:
            OnCarta(*this);
            return true;
        case Timer::Rumoregioco:
            OnRumoregioco(*this);
            return true;
        case Timer::Ambiente:
            OnAmbiente(*this);
            return true;
        case Timer::DurataAmbiente:
            OnDurataAmbiente(*this);
            return true;
        case Timer::Musiche:
            OnMusiche(*this);
            return true;
        case Timer::Silenzio:
            OnSilenzio(*this);
            return true;
        default:
            return false;
    }
}

}  // namespace gnamm
