// The computer's whole decision (search, scoring, choice) on tables of 4, 8 and 11 cards with
// three cards in hand. The hands hold figures that find no equal card, so every sum is tried.
#include <benchmark/benchmark.h>

#include <array>
#include <string_view>

#include "game/ai/evaluation.h"
#include "game/ai/move_choice.h"
#include "game/ai/move_list.h"

namespace {

using namespace gnamm;

TableState Posizione(int carteSulTavolo) {
    static constexpr std::array<std::string_view, 11> kTavolo = {"Ac", "2q", "3f", "4p", "2c", "3q",
                                                                 "5f", "4c", "6q", "3p", "5p"};
    TableState t;
    for (int i = 0; i < carteSulTavolo; ++i) {
        t.carta[kPostiTavolo[static_cast<size_t>(i)]] =
            *Card::Parse(kTavolo[static_cast<size_t>(i)]);
        ++t.numeroCarteSulTavolo;
    }
    t.assoInTavola = true;
    t.carta[1] = *Card::Parse("Kq");
    t.carta[2] = *Card::Parse("Qf");
    t.carta[3] = *Card::Parse("Jc");
    t.carta[4] = *Card::Parse("7c");
    t.carta[5] = *Card::Parse("7q");
    t.carta[6] = *Card::Parse("Kp");
    t.carteInManoAdH = 3;
    t.carteRimasteNelMazzo = 12;
    return t;
}

void Decisione(benchmark::State& state, Sguardo sguardo) {
    const TableState t = Posizione(static_cast<int>(state.range(0)));
    const Scoreboard s;
    Ricerca r;
    ListaMosse lista;
    Valutazione val;
    for (auto _ : state) {
        PreparaRicerca(t, r);
        TrovaCombinazioniPC(t, r, lista);
        ValutaMossePC(t, r, lista, s, sguardo, val);
        const Scelta scelta = ScegliMossa(t, lista, val);
        benchmark::DoNotOptimize(scelta);
    }
    state.counters["moves"] = lista.mossePossibili;
}

void BM_DecisioneHonest(benchmark::State& state) {
    Decisione(state, Sguardo::Stima);
}
void BM_DecisioneCheat(benchmark::State& state) {
    Decisione(state, Sguardo::ManoUmano);
}
BENCHMARK(BM_DecisioneHonest)->Arg(4)->Arg(8)->Arg(11);
BENCHMARK(BM_DecisioneCheat)->Arg(4)->Arg(8)->Arg(11);

// The search alone, the part that grows with the table.
void BM_Ricerca(benchmark::State& state) {
    const TableState t = Posizione(static_cast<int>(state.range(0)));
    Ricerca r;
    ListaMosse lista;
    for (auto _ : state) {
        PreparaRicerca(t, r);
        TrovaCombinazioniPC(t, r, lista);
        benchmark::DoNotOptimize(lista);
    }
}
BENCHMARK(BM_Ricerca)->Arg(4)->Arg(8)->Arg(11);

}  // namespace
