// The saloon ambience cycle.
#include "audio/ambience.h"

#include <algorithm>
#include <array>

#include "audio/suoni.h"
#include "data/asset_catalog.h"

namespace gnamm {
namespace {

struct RigaAmbiente {
    int durataMs;   // of SaNN without music, k = NN (draw 1 plays Sa03, see below)
    int conMusica;  // the sound played instead while music plays; 0 = the same
};

// Lengths by draw; draws 1, 3, 12, 13, 14 and 15 give way to another sound under the music.
constexpr std::array<RigaAmbiente, 30> kAmbiente = {{
    {1750, 1}, {1010, 0}, {1750, 1}, {420, 0},   {280, 0},  {480, 0},   {1140, 0}, {600, 0},
    {670, 0},  {4270, 0}, {590, 0},  {1560, 10}, {690, 1},  {6390, 10}, {2820, 5}, {4430, 0},
    {2220, 0}, {2000, 0}, {3510, 0}, {6710, 0},  {480, 0},  {750, 0},   {6800, 0}, {1530, 0},
    {1540, 0}, {1500, 0}, {490, 0},  {1120, 0},  {1030, 0}, {1910, 0},
}};

int Durata(int file) {
    // Sa01 is heard only under the music, and only its length is its own.
    if (file == 1) return 3800;
    return kAmbiente[static_cast<size_t>(file - 1)].durataMs;
}

}  // namespace

SuonoSaloon SuonoAmbiente(int k, bool musica) {
    k = std::clamp(k, 1, 30);
    const RigaAmbiente& r = kAmbiente[static_cast<size_t>(k - 1)];
    if (musica && r.conMusica != 0) return {r.conMusica, Durata(r.conMusica), r.conMusica};
    // Without music draw 1 plays the same sound as draw 3, under its own number.
    if (k == 1) return {3, Durata(3), 1};
    return {k, r.durataMs, k};
}

void Ambiente(Suoni& s) {
    const int k = s.estrazione(30);
    if (s.spia.busy) return;
    OccupaSpia(s.spia);
    s.media.command(Channel::Ambiente, Command::Prev);
    s.media.command(Channel::Ambiente, Command::Close);
    s.scheduler.disable(Timer::DurataAmbiente);
    const SuonoSaloon suono = SuonoAmbiente(k, s.scheduler.isEnabled(Timer::Musiche));
    s.spia.ambiente = suono.numero;
    s.media.setFile(Channel::Ambiente, assets::SaloonSound(suono.file));
    s.media.command(Channel::Ambiente, Command::Open);
    s.media.command(Channel::Ambiente, Command::Play);
    s.scheduler.start(Timer::DurataAmbiente, suono.durataMs);
}

void OnAmbiente(Suoni& s) {
    if (!s.opzioni.rumoriSaloon) {
        s.scheduler.disable(Timer::Ambiente);
        return;
    }
    // The timer stays on: while the indicator is busy the next tick simply tries again.
    Ambiente(s);
}

void OnDurataAmbiente(Suoni& s) {
    s.scheduler.disable(Timer::DurataAmbiente);
    LiberaSpiaFuoriAlbo(s.spia, s.classifica.alboAperto);
    s.spia.ambiente = 0;
    s.scheduler.start(Timer::Ambiente, 3000 + 1000 * s.estrazione(7));
}

void FermaAmbiente(Suoni& s) {
    s.scheduler.disable(Timer::DurataAmbiente);
    s.scheduler.disable(Timer::Ambiente);
    // With its end timer gone, a saloon sound caught playing would hold the indicator (and its
    // number, which keeps the next deal from freeing it) for good.
    if (s.spia.ambiente != 0) {
        s.spia.ambiente = 0;
        LiberaSpiaFuoriAlbo(s.spia, s.classifica.alboAperto);
    }
}

void AmbienteCambiato(Suoni& s) {
    if (s.opzioni.rumoriSaloon) s.scheduler.enable(Timer::DurataAmbiente);
}

}  // namespace gnamm
