// What the window and the clock ask of the game: the ticks of the flow's own timers and the
// options and intervals that re-time them. The window sends these; it never sets the timers.
#include "game/ai/pc_turn.h"
#include "game/capture_execution.h"
#include "game/deal.h"
#include "game/game.h"
#include "game/human_turn.h"
#include "rules/speeds.h"

namespace gnamm {

bool Game::onTimer(Timer t) {
    switch (t) {
        case Timer::Scegli4CarteSulTavolo:
            OnScegli4CarteSulTavolo(*this);
            return true;
        case Timer::Scegli6Carte:
            OnScegli6Carte(*this);
            return true;
        case Timer::MuoviHAutomatico:
            OnMuoviHAutomatico(*this);
            return true;
        case Timer::ScompaionoCarteH:
            OnScompaionoCarteH(*this);
            return true;
        case Timer::Presa:
            OnPresa(*this);
            return true;
        case Timer::RitardoMossaPC:
            OnRitardoMossaPC(*this);
            return true;
        case Timer::EffettuaMossaPC:
            OnEffettuaMossaPC(*this);
            return true;
        case Timer::UltimeCarte:
            OnUltimeCarte(*this);
            return true;
        default:
            return false;
    }
}

void Game::cambiaOpzione(int voce) {
    CycleOption(opzioni, voce);
    // The speeds re-time the steps they pace; a step under way keeps its tick.
    switch (voce) {
        case kVoceVelocitaGioco:
            scheduler.setInterval(Timer::UltimeCarte, IntervalloGioco(opzioni.velocitaGioco));
            scheduler.setInterval(Timer::MuoviHAutomatico,
                                  IntervalloTerzaCarta(opzioni.velocitaGioco));
            scheduler.setInterval(Timer::ScompaionoCarteH, IntervalloGioco(opzioni.velocitaGioco));
            break;
        case kVoceVelocitaZeb:
            scheduler.setInterval(Timer::EffettuaMossaPC, IntervalloZeb(opzioni.velocitaZeb));
            scheduler.setInterval(Timer::RitardoMossaPC, IntervalloZeb(opzioni.velocitaZeb));
            break;
        case kVoceVelocitaMazziere:
            scheduler.setInterval(Timer::Scegli6Carte,
                                  IntervalloMazziere(opzioni.velocitaMazziere));
            scheduler.setInterval(Timer::Scegli4CarteSulTavolo,
                                  IntervalloMazziere(opzioni.velocitaMazziere));
            break;
        default:
            break;
    }
}

data::StoredIntervals Game::intervalli() const {
    data::StoredIntervals iv;
    iv.silenzio = scheduler.interval(Timer::Silenzio);
    iv.effettuaMossaPC = scheduler.interval(Timer::EffettuaMossaPC);
    iv.ritardoMossaPC = scheduler.interval(Timer::RitardoMossaPC);
    iv.ultimeCarte = scheduler.interval(Timer::UltimeCarte);
    iv.muoviHAutomatico = scheduler.interval(Timer::MuoviHAutomatico);
    iv.scompaionoCarteH = scheduler.interval(Timer::ScompaionoCarteH);
    iv.scegli6Carte = scheduler.interval(Timer::Scegli6Carte);
    iv.scegli4CarteSulTavolo = scheduler.interval(Timer::Scegli4CarteSulTavolo);
    return iv;
}

void Game::ripristinaIntervalli(const data::StoredIntervals& iv) {
    scheduler.setInterval(Timer::Silenzio, iv.silenzio);
    scheduler.setInterval(Timer::EffettuaMossaPC, iv.effettuaMossaPC);
    scheduler.setInterval(Timer::RitardoMossaPC, iv.ritardoMossaPC);
    scheduler.setInterval(Timer::UltimeCarte, iv.ultimeCarte);
    scheduler.setInterval(Timer::MuoviHAutomatico, iv.muoviHAutomatico);
    scheduler.setInterval(Timer::ScompaionoCarteH, iv.scompaionoCarteH);
    scheduler.setInterval(Timer::Scegli6Carte, iv.scegli6Carte);
    scheduler.setInterval(Timer::Scegli4CarteSulTavolo, iv.scegli4CarteSulTavolo);
}

}  // namespace gnamm
