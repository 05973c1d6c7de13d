// The cost of saving a Torneo at a quiet moment: building the text, reading it back with every
// check, and the atomic write (fsync included) into a folder beside the working directory, on
// the disk the game's data would live on rather than in memory.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "game/random.h"
#include "game/torneo_file.h"

namespace {

using namespace gnamm;

// A state as full as one saved mid-Gioco: a shuffled deck, hands and table, every timer set.
TorneoSalvato UnTorneoInCorso() {
    TorneoSalvato s;
    s.nome = "Benchmark";
    s.livello = Livello::Cunning;
    for (int i = 1; i <= 40; ++i) {
        s.tavolo.carteDaGiocare[i] = Card::FromDeckPosition((i * 7) % 40 + 1);
        s.tavolo.distribuita[i] = i <= 22;
    }
    for (int p = 1; p <= 12; ++p) s.tavolo.carta[p] = s.tavolo.carteDaGiocare[p];
    s.casuale = SeededRandom(12345).state();
    for (int i = 0; i < kTimerCount; ++i)
        s.timer.push_back({static_cast<Timer>(i), 1000, i % 3 == 0, 400});
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
