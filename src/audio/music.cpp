// The background music.
#include "audio/music.h"

#include <algorithm>
#include <array>

#include "audio/suoni.h"
#include "data/asset_catalog.h"
#include "rules/draw_cycle.h"
#include "rules/speeds.h"

namespace gnamm {
namespace {

constexpr std::array<int, kNumeroMusiche> kSecondi = {
    175, 99,  149, 192, 167, 173, 160, 160, 194, 170, 161, 209,
    166, 180, 146, 207, 173, 149, 173, 191, 193, 257, 221, 173,
};

int EstraiMusica(Suoni& s) {
    SoundState& m = s.stato;
    return EstraiSenzaRipetere(m.numeroMusiche, m.musicaSuonata, kNumeroMusiche,
                               [&s](int n) { return s.estrazione(n); });
}

// Stops what the channel plays and, for a track 1..24, plays that one from its beginning.
void ApriTraccia(Suoni& s, int k) {
    s.media.command(Channel::Musiche, Command::Prev);
    s.media.command(Channel::Musiche, Command::Close);
    s.media.setFile(Channel::Musiche, "");
    if (k < 1 || k > kNumeroMusiche) return;
    s.media.setFile(Channel::Musiche, assets::MusicTrack(k));
    s.media.command(Channel::Musiche, Command::Open);
    s.media.command(Channel::Musiche, Command::Play);
}

}  // namespace

int DurataMusica(int k) {
    return kSecondi[static_cast<size_t>(std::clamp(k, 1, kNumeroMusiche) - 1)];
}

void ScegliMusiche(Suoni& s) {
    const int k = EstraiMusica(s);
    ApriTraccia(s, k);
    s.stato.contaMusiche = DurataMusica(k);
    s.scheduler.start(Timer::Musiche, speeds::kMusiche);
    s.stato.musica = k;
}

void RiprendiMusica(Suoni& s) {
    ApriTraccia(s, s.scheduler.isEnabled(Timer::Musiche) ? s.stato.musica : 0);
}

void SpegniMusiche(Suoni& s) {
    s.scheduler.disable(Timer::Musiche);
    s.scheduler.disable(Timer::Silenzio);
    s.media.command(Channel::Musiche, Command::Prev);
    s.media.command(Channel::Musiche, Command::Close);
    s.stato.contaMusiche = 0;
}

void OnMusiche(Suoni& s) {
    // The track is not stopped: the countdown only decides when the pause begins.
    if (--s.stato.contaMusiche > 0) return;
    s.stato.contaMusiche = 0;
    s.scheduler.disable(Timer::Musiche);
    s.scheduler.start(Timer::Silenzio, IntervalloSilenzio(s.opzioni.pausaMusiche));
}

void OnSilenzio(Suoni& s) {
    s.scheduler.disable(Timer::Silenzio);
    ScegliMusiche(s);
}

void PausaCambiata(Suoni& s) {
    const bool inPausa = s.scheduler.isEnabled(Timer::Silenzio);
    s.scheduler.disable(Timer::Silenzio);
    s.scheduler.setInterval(Timer::Silenzio, IntervalloSilenzio(s.opzioni.pausaMusiche));
    if (inPausa) s.scheduler.enable(Timer::Silenzio);
}

}  // namespace gnamm
