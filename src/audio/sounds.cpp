// Card noises, the click, and closing the channels.
#include "audio/sounds.h"

#include "data/asset_catalog.h"
#include "game/game.h"
#include "game/speeds.h"

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

void OnRumoregioco(Game& g) {
    g.scheduler.disable(Timer::Rumoregioco);
    g.suoni.spia.busy = false;
}

}  // namespace gnamm
