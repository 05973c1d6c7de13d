#include "game/game.h"

#include "audio/ambience.h"
#include "audio/music.h"
#include "audio/sounds.h"
#include "game/ai/pc_turn.h"
#include "game/capture_execution.h"
#include "game/deal.h"
#include "game/end_of_gioco.h"
#include "game/hall_of_fame.h"
#include "game/human_turn.h"
#include "persona/comments.h"
#include "persona/impatience.h"
#include "ui/keyboard_focus.h"
#include "ui/panels.h"
#include "ui/scoreboard_view.h"
#include "ui/startup.h"

namespace gnamm {

std::string_view LivelloText(Livello l) {
    switch (l) {
        case Livello::Honest: return "'Honest' Zeb";
        case Livello::Cunning: return "'Cunning' Zeb";
        case Livello::Cheat: return "'Cheat' Zeb";
        case Livello::None: break;
    }
    return "";
}

Game::Game(Clock& clockIn, RandomSource& rngIn, MediaPlayer& mediaIn, Paths pathsIn)
    : clock(clockIn), rng(rngIn), media(mediaIn), paths(std::move(pathsIn)), scheduler(clockIn) {
    ApplyDesignLayout(screen);
    IntervalliInizialiSuoni(*this);
}

void Game::fireDueTimers() {
    scheduler.fireDue([this](Timer t) { onTimer(t); });
}

void Game::onTimer(Timer t) {
    switch (t) {
        case Timer::Scegli4CarteSulTavolo: OnScegli4CarteSulTavolo(*this); break;
        case Timer::Scegli6Carte: OnScegli6Carte(*this); break;
        case Timer::MuoviHAutomatico: OnMuoviHAutomatico(*this); break;
        case Timer::ScompaionoCarteH: OnScompaionoCarteH(*this); break;
        case Timer::Presa: OnPresa(*this); break;
        case Timer::RitardoMossaPC: OnRitardoMossaPC(*this); break;
        case Timer::EffettuaMossaPC: OnEffettuaMossaPC(*this); break;
        case Timer::UltimeCarte: OnUltimeCarte(*this); break;
        case Timer::LampeggiaScritta: OnLampeggiaScritta(*this); break;
        case Timer::LampeggiaScritta2: OnLampeggiaScritta2(*this); break;
        case Timer::DurataGnammH: OnDurataGnammH(*this); break;
        case Timer::AssoBevuto: OnAssoBevuto(*this); break;
        case Timer::Impazienza: OnImpazienza(*this); break;
        case Timer::DurataImpazienza: OnDurataImpazienza(*this); break;
        case Timer::Carta: OnCarta(*this); break;
        case Timer::Rumoregioco: OnRumoregioco(*this); break;
        case Timer::Ambiente: OnAmbiente(*this); break;
        case Timer::DurataAmbiente: OnDurataAmbiente(*this); break;
        case Timer::Musiche: OnMusiche(*this); break;
        case Timer::Silenzio: OnSilenzio(*this); break;
        case Timer::Inserisci: OnInserisci(*this); break;
        case Timer::AudioSplash: OnAudioSplash(*this); break;
        case Timer::Esci: OnEsci(*this); break;
    }
    RefreshScreen(*this);
}

void RefreshScreen(Game& g) {
    RefreshScoreboard(g);
    MostraClassifica(g);
    AggiornaFuoco(g);
}

void AdvanceVirtualTime(Game& g, VirtualClock& clock, int64_t ms) {
    const int64_t target = clock.nowMs() + ms;
    while (const auto deadline = g.scheduler.nextDeadline()) {
        if (*deadline > target) break;
        if (*deadline > clock.nowMs()) clock.set(*deadline);
        g.fireDueTimers();
    }
    clock.set(target);
}

}  // namespace gnamm
