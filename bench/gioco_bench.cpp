// Whole Giochi through the simulator's game loop: the real game on a virtual clock, the human
// played by a policy through the window's clicks, every timer tick fired.
#include <benchmark/benchmark.h>

#include <memory>

#include "sim_play.h"

namespace {

using namespace gnamm;

void Giochi(benchmark::State& state, Livello livello, sim::Politica politica) {
    sim::OpzioniSim o;
    o.livello = livello;
    o.umano = politica;
    o.giochi = static_cast<int>(state.range(0));
    uint32_t seed = 1;
    long giocati = 0;
    for (auto _ : state) {
        // Every run is a new player's first Giochi, whatever the number of runs: a folder
        // kept across runs would grow its hall of fame by a line a Torneo, and the files
        // rewritten at the end of each Torneo with it.
        state.PauseTiming();
        auto cartella = std::make_unique<sim::CartellaTemporanea>();
        o.dati = cartella->path();
        o.seed = seed++;
        state.ResumeTiming();
        const sim::Riepilogo r = sim::Gioca(o);
        state.PauseTiming();
        cartella.reset();
        state.ResumeTiming();
        giocati += r.giochi;
        if (r.violazioni != 0) state.SkipWithError("the game broke a rule");
    }
    state.SetItemsProcessed(giocati);
    state.counters["Giochi/s"] =
        benchmark::Counter(static_cast<double>(giocati), benchmark::Counter::kIsRate);
}

void BM_GiochiHonestRandom(benchmark::State& state) {
    Giochi(state, Livello::Honest, sim::Politica::Random);
}
void BM_GiochiCheatGreedy(benchmark::State& state) {
    Giochi(state, Livello::Cheat, sim::Politica::Greedy);
}
BENCHMARK(BM_GiochiHonestRandom)->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GiochiCheatGreedy)->Arg(200)->Unit(benchmark::kMillisecond);

}  // namespace
