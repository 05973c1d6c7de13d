// What the window and the clock ask of the game: the ticks of the flow's own timers, the
// options and intervals that re-time them, and the choices made on the panels. The window sends
// these; it never sets the timers nor the flow's fields.
#include <utility>

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
        case kVoceMostraManina:
            if (!opzioni.mostraManina) {
                manina = false;
            } else if (tavolo.aChiTocca == Player::H) {
                manina = true;
            }
            break;
        default:
            break;
    }
}

void Game::ripristinaRiquadri(const std::array<bool, 4>& fissi,
                              const std::array<bool, 4>& mostrati) {
    pausa.riquadroFisso = fissi;
    pausa.riquadro = mostrati;
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

void Game::scegliLivello(Livello l) {
    livello = l;
}

bool Game::sorteggiaOnesta() {
    pc.onesta = estrazione(2) == 1;
    return pc.onesta;
}

void Game::nuovoGiocatore(std::string nomeGiocatore) {
    nome = std::move(nomeGiocatore);
}

void Game::apriAlbo() {
    classifica.alboAperto = true;
}

void Game::chiudiAlbo() {
    classifica.alboAperto = false;
}

void Game::fermaLampeggioAlbo() {
    scheduler.disable(Timer::LampeggiaScritta);
    classifica.lampeggia = 0;
    classifica.vincitoreEvidenziato = false;
    classifica.istruzioneVisibile = false;
    classifica.semiFase = 0;
}

void Game::lampeggiaAlbo() {
    RankingState& c = classifica;
    ++c.lampeggia;
    switch (c.lampeggia) {
        case 1:
            c.semiFase = 0;
            break;
        case 2:
            c.istruzioneVisibile = true;
            c.vincitoreEvidenziato = c.inserimentoVincitore != kRigaNessuna;
            break;
        case 3:
            c.semiFase = 1;
            break;
        case 5:
            c.semiFase = 2;
            break;
        case 7:
            c.semiFase = 3;
            break;
        case 4:
        case 6:
            break;
        default:  // 8, or a count left over from the level prompt's blinking
            c.lampeggia = 0;
            c.istruzioneVisibile = false;
            c.vincitoreEvidenziato = false;
            c.semiFase = 0;
            break;
    }
}

int Game::lampeggiaPromptLivello() {
    const int fase = ++classifica.lampeggia;
    if (fase >= 9) classifica.lampeggia = 0;
    return fase;
}

void Game::dimenticaVincitore() {
    classifica.lampeggia = 0;
    classifica.inserimentoVincitore = kRigaNessuna;
}

void Game::mettiFuoco(int posto) {
    umano.fuoco = posto;
}

void Game::alternaRiquadro(std::size_t i) {
    if (i >= pausa.riquadro.size()) return;
    pausa.riquadro[i] = !pausa.riquadro[i];
    pausa.riquadroFisso[i] = pausa.riquadro[i];
}

void Game::mostraQuando(bool sopraAlbo) {
    if (sopraAlbo) pausa.riga = RigaQuando::DopoTorneo;
    pausa.quando = true;
}

}  // namespace gnamm
