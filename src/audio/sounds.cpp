// Card noises, the click, and closing the channels.
#include "audio/sounds.h"

#include "data/asset_catalog.h"
#include "game/game.h"
#include "game/speeds.h"

namespace gnamm {
namespace {
constexpr int kDurataImpazienzaFirst = 1000;
}  // namespace

void AvviaSuono(Game& g, Channel channel, std::string_view file) {
    // Rewinding and closing first stops whatever the channel was playing, so a new noise
    // never waits for the last one.
    g.media.command(channel, Command::Prev);
    g.media.command(channel, Command::Close);
    g.media.setFile(channel, file);
    g.media.command(channel, Command::Open);
    g.media.command(channel, Command::Play);
}

void ChiudiSuoni(Game& g) {
    // The music and the splash voice are not the table's sounds: they play on.
    for (const Channel c :
         {Channel::Rumori, Channel::Ambiente, Channel::Impazienza, Channel::Commenti}) {
        g.media.command(c, Command::Stop);
        g.media.command(c, Command::Prev);
        g.media.command(c, Command::Close);
    }
}

void SuonoClic(Game& g) {
    AvviaSuono(g, Channel::Rumori, assets::kClic);
    g.scheduler.setInterval(Timer::Carta, speeds::kCarta);
    g.scheduler.enable(Timer::Carta);
}

void RumoreGioco(Game& g) {
    const int k = g.estrazione(3);
    AvviaSuono(g, Channel::Rumori, assets::PlayNoise(k));
    g.scheduler.setInterval(Timer::Rumoregioco, speeds::kRumoregioco);
    g.scheduler.enable(Timer::Rumoregioco);
}

void OnCarta(Game& g) {
    g.suoni.spia.busy = false;
    g.scheduler.disable(Timer::Carta);
}

void IntervalliInizialiSuoni(Game& g) {
    // Several callers enable these timers without setting an interval, and a timer with none
    // would never fire.
    Scheduler& s = g.scheduler;
    s.setInterval(Timer::DurataGnammH, speeds::kDurataGnammHFirst);
    s.setInterval(Timer::AssoBevuto, speeds::kAssoBevutoFirst);
    s.setInterval(Timer::Impazienza, speeds::kImpazienzaVeryImpatient);
    s.setInterval(Timer::DurataImpazienza, kDurataImpazienzaFirst);
    s.setInterval(Timer::Carta, speeds::kCarta);
    s.setInterval(Timer::Rumoregioco, speeds::kRumoregioco);
    s.setInterval(Timer::Ambiente, speeds::kAmbienteFirst);
    s.setInterval(Timer::DurataAmbiente, speeds::kDurataAmbienteFirst);
    s.setInterval(Timer::Musiche, speeds::kMusiche);
    s.setInterval(Timer::Silenzio, speeds::kSilenzioMiddle);
}

void OnRumoregioco(Game& g) {
    g.scheduler.disable(Timer::Rumoregioco);
    g.suoni.spia.busy = false;
}

void LiberaSpiaSeTace(Game& g) {
    if (g.suoni.spia.ambiente != 0) return;
    // Each sound that takes the indicator frees it again from one of these timers; the deal
    // and the farewell hold it while they run.
    for (const Timer t : {Timer::DurataGnammH, Timer::AssoBevuto, Timer::DurataImpazienza,
                          Timer::DurataAmbiente, Timer::Carta, Timer::Rumoregioco, Timer::Presa,
                          Timer::Scegli4CarteSulTavolo, Timer::Scegli6Carte, Timer::Esci}) {
        if (g.scheduler.isEnabled(t)) return;
    }
    g.suoni.spia.busy = false;
}

}  // namespace gnamm
