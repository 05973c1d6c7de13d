// The cost of saving a Torneo at a quiet moment: building the text, reading it back with every
// check, and the atomic write (fsync included) into a folder beside the working directory, on
// the disk the game's data would live on rather than in memory.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "audio/recording_media_player.h"
#include "rules/random.h"
#include "save/torneo_file.h"
#include "sim_play.h"
#include "ui/panels.h"

namespace {

using namespace gnamm;

// A state saved mid-Gioco by a game played on a virtual clock: the third Manche, the human to
// play, the deck, hands, table, piles and timers as they stand.
TorneoSalvato UnTorneoInCorso() {
    const sim::CartellaTemporanea cartella;
    VirtualClock clock{sim::OraDelSeme(12345)};
    SeededRandom rng(12345);
    RecordingMediaPlayer media{clock};
    Finestra g{clock, rng, media, Paths{cartella.path() / "assets", cartella.path() / "Dati"}};
    g.deriveScreen = false;
    sim::AvviaFinoAlLivello(g);
    ScegliLivello(g, Livello::Cunning);
    std::mt19937 scelte(1);
    for (int passi = 0; passi < 100000 && !(sim::TurnoUmano(g) && g.game.tavolo.manche == 3);
         ++passi) {
        if (sim::TurnoUmano(g)) {
            sim::GiocaUmano(g, sim::Politica::Greedy, scelte);
        } else {
            AdvanceVirtualTime(g, clock, 100);
        }
    }
    TorneoSalvato s = FotografaTorneo(g.game, g.zeb, g.suoni);
    s.nome = "Benchmark";
    return s;
}

void BM_TorneoInJson(benchmark::State& state) {
    const TorneoSalvato s = UnTorneoInCorso();
    std::size_t byte = 0;
    for (auto _ : state) {
        const std::string testo = TorneoInJson(s);
        byte = testo.size();
        benchmark::DoNotOptimize(testo.data());
    }
    state.counters["bytes"] = static_cast<double>(byte);
}

void BM_TorneoDaJson(benchmark::State& state) {
    const std::string testo = TorneoInJson(UnTorneoInCorso());
    for (auto _ : state) {
        const LetturaTorneo l = TorneoDaJson(testo);
        if (!l.torneo) state.SkipWithError(l.errore.c_str());
        benchmark::DoNotOptimize(l.torneo);
    }
}

void BM_ScriviTorneo(benchmark::State& state) {
    const TorneoSalvato s = UnTorneoInCorso();
    const std::filesystem::path dati = std::filesystem::current_path() / "bench-torneo-dati";
    for (auto _ : state) {
        if (!ScriviTorneo(dati, s)) state.SkipWithError("the save failed");
    }
    std::error_code ec;
    std::filesystem::remove_all(dati, ec);
}

BENCHMARK(BM_TorneoInJson)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TorneoDaJson)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScriviTorneo)->Unit(benchmark::kMicrosecond);

}  // namespace
