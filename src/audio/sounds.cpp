// Card noises and the click.
#include "audio/sounds.h"

#include "audio/suoni.h"
#include "data/asset_catalog.h"
#include "rules/speeds.h"

namespace gnamm {

void SuonoClic(Suoni& s) {
    AvviaSuono(s.media, Channel::Rumori, assets::kClic);
    s.scheduler.start(Timer::Carta, speeds::kCarta);
}

void RumoreGioco(Suoni& s) {
    const int k = s.estrazione(3);
    AvviaSuono(s.media, Channel::Rumori, assets::PlayNoise(k));
    s.scheduler.start(Timer::Rumoregioco, speeds::kRumoregioco);
}

void SuonoPresa(Suoni& s) {
    OccupaSpia(s.spia);
    AvviaSuono(s.media, Channel::Rumori, assets::kPresa);
    s.scheduler.start(Timer::Presa, speeds::kPresa);
}

void RumoreDistribuzione(Suoni& s) {
    const int k = s.estrazione(4);
    s.media.command(Channel::Rumori, Command::Prev);
    s.media.command(Channel::Rumori, Command::Close);
    s.media.setFile(Channel::Rumori, assets::DealNoise(k));
    if (s.spia.ambiente != 0) return;
    OccupaSpia(s.spia);
    s.media.command(Channel::Rumori, Command::Open);
    s.media.command(Channel::Rumori, Command::Play);
}

void OnCarta(Suoni& s) {
    LiberaSpia(s.spia);
    s.scheduler.disable(Timer::Carta);
}

void OnRumoregioco(Suoni& s) {
    s.scheduler.disable(Timer::Rumoregioco);
    LiberaSpia(s.spia);
}

}  // namespace gnamm
