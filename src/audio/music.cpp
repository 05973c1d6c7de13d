// The background music.
#include "audio/music.h"

#include <algorithm>
#include <array>

#include "data/asset_catalog.h"
#include "game/game.h"
#include "game/speeds.h"

namespace gnamm {
namespace {

constexpr std::array<int, kNumeroMusiche> kSecondi = {
    175, 99,  149, 192, 167, 173, 160, 160, 194, 170, 161, 209,
    166, 180, 146, 207, 173, 149, 173, 191, 193, 257, 221, 173,
};

int EstraiMusica(Game& g) {
    SoundState& s = g.suoni;
    // A generator stuck on one value must not hang the game: after many misses the first
    // unplayed track is taken.
    constexpr int kTentativi = 1000;
    for (int tentativo = 0;; ++tentativo) {
        if (s.numeroMusiche >= kNumeroMusiche) {
            s.numeroMusiche = 0;
            s.musicaSuonata.fill(false);
        }
        int k = g.estrazione(kNumeroMusiche);
        if (s.musicaSuonata[static_cast<size_t>(k)]) {
            if (tentativo < kTentativi) continue;
            k = 1;
            while (s.musicaSuonata[static_cast<size_t>(k)]) ++k;
        }
        s.musicaSuonata[static_cast<size_t>(k)] = true;
        ++s.numeroMusiche;
        return k;
    }
}

}  // namespace

int DurataMusica(int k) {
    return kSecondi[static_cast<size_t>(std::clamp(k, 1, kNumeroMusiche) - 1)];
}

void ScegliMusiche(Game& g) {
    const int k = EstraiMusica(g);
    g.media.command(Channel::Musiche, Command::Prev);
    g.media.command(Channel::Musiche, Command::Close);
    g.media.setFile(Channel::Musiche, "");
    g.suoni.contaMusiche = DurataMusica(k);
    g.media.setFile(Channel::Musiche, assets::MusicTrack(k));
    g.media.command(Channel::Musiche, Command::Open);
    g.media.command(Channel::Musiche, Command::Play);
    g.scheduler.setInterval(Timer::Musiche, speeds::kMusiche);
    g.scheduler.enable(Timer::Musiche);
    g.suoni.musica = k;
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
    g.scheduler.setInterval(Timer::Silenzio, IntervalloSilenzio(g.opzioni.pausaMusiche));
    g.scheduler.enable(Timer::Silenzio);
}

void OnSilenzio(Game& g) {
    g.scheduler.disable(Timer::Silenzio);
    ScegliMusiche(g);
}

}  // namespace gnamm
