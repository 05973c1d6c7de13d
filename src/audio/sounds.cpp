// Card noises, the click, and closing the channels.
#include "audio/sounds.h"

#include "data/asset_catalog.h"
#include "game/game.h"
#include "rules/speeds.h"

namespace gnamm {
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
    g.scheduler.start(Timer::Carta, speeds::kCarta);
}

void RumoreGioco(Game& g) {
    const int k = g.estrazione(3);
    AvviaSuono(g, Channel::Rumori, assets::PlayNoise(k));
    g.scheduler.start(Timer::Rumoregioco, speeds::kRumoregioco);
}

void SuonoPresa(Game& g) {
    OccupaSpia(g.suoni.spia);
    AvviaSuono(g, Channel::Rumori, assets::kPresa);
    g.scheduler.start(Timer::Presa, speeds::kPresa);
}

void OnCarta(Game& g) {
    LiberaSpia(g.suoni.spia);
    g.scheduler.disable(Timer::Carta);
}

void OccupaSpia(SpiaSuoni& spia) { spia.busy = true; }

void LiberaSpia(SpiaSuoni& spia) { spia.busy = false; }

void LiberaSpiaFuoriAlbo(Game& g) {
    if (!g.classifica.alboAperto) LiberaSpia(g.suoni.spia);
}

void IntervalliInizialiSuoni(Game& g) {
    for (const auto& [timer, ms] : speeds::kIntervalliIniziali) g.scheduler.setInterval(timer, ms);
}

void OnRumoregioco(Game& g) {
    g.scheduler.disable(Timer::Rumoregioco);
    LiberaSpia(g.suoni.spia);
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
    LiberaSpia(g.suoni.spia);
}

}  // namespace gnamm
