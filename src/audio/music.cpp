// The background music.
#include "audio/music.h"

#include <algorithm>
#include <array>

#include "data/asset_catalog.h"
#include "rules/draw_cycle.h"
#include "game/game.h"
#include "rules/speeds.h"

namespace gnamm {
namespace {

constexpr std::array<int, kNumeroMusiche> kSecondi = {
    175, 99,  149, 192, 167, 173, 160, 160, 194, 170, 161, 209,
    166, 180, 146, 207, 173, 149, 173, 191, 193, 257, 221, 173,
};

int EstraiMusica(Game& g) {
    SoundState& s = g.suoni;
    return EstraiSenzaRipetere(s.numeroMusiche, s.musicaSuonata, kNumeroMusiche,
                               [&g](int n) { return g.estrazione(n); });
}

// Stops what the channel plays and, for a track 1..24, plays that one from its beginning.
void ApriTraccia(Game& g, int k) {
    g.media.command(Channel::Musiche, Command::Prev);
    g.media.command(Channel::Musiche, Command::Close);
    g.media.setFile(Channel::Musiche, "");
    if (k < 1 || k > kNumeroMusiche) return;
    g.media.setFile(Channel::Musiche, assets::MusicTrack(k));
    g.media.command(Channel::Musiche, Command::Open);
    g.media.command(Channel::Musiche, Command::Play);
}

}  // namespace

int DurataMusica(int k) {
    return kSecondi[static_cast<size_t>(std::clamp(k, 1, kNumeroMusiche) - 1)];
}

void ScegliMusiche(Game& g) {
    const int k = EstraiMusica(g);
    ApriTraccia(g, k);
    g.suoni.contaMusiche = DurataMusica(k);
    g.scheduler.start(Timer::Musiche, speeds::kMusiche);
    g.suoni.musica = k;
}

void RiprendiMusica(Game& g) {
    ApriTraccia(g, g.scheduler.isEnabled(Timer::Musiche) ? g.suoni.musica : 0);
}

void SpegniMusiche(Game& g) {
    g.scheduler.disable(Timer::Musiche);
    g.scheduler.disable(Timer::Silenzio);
    g.media.command(Channel::Musiche, Command::Prev);
    g.media.command(Channel::Musiche, Command::Close);
    g.suoni.contaMusiche = 0;
}

void OnMusiche(Game& g) {
    // The track is not stopped: the countdown only decides when the pause begins.
    if (--g.suoni.contaMusiche > 0) return;
    g.suoni.contaMusiche = 0;
    g.scheduler.disable(Timer::Musiche);
    g.scheduler.start(Timer::Silenzio, IntervalloSilenzio(g.opzioni.pausaMusiche));
}

void OnSilenzio(Game& g) {
    g.scheduler.disable(Timer::Silenzio);
    ScegliMusiche(g);
}

}  // namespace gnamm
