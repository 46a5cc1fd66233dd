// One full check of a bay (plate, stiffener, verdicts and every display text), as Verify does it.
#include <benchmark/benchmark.h>

#include "calc/bay_check.h"
#include "calc/number_text.h"

namespace {

void BM_CheckBayFlatBar(benchmark::State& state) {
    const deckplate::BayInput bay{1, 2, 6, 2000, 500, false, deckplate::FlatBar{80, 8}};
    for (auto _ : state) benchmark::DoNotOptimize(deckplate::CheckBay(bay));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CheckBayFlatBar);

void BM_CheckBayAngle(benchmark::State& state) {
    const deckplate::BayInput bay{
        1, 2, 4.5, 3000, 600, true, deckplate::AngleValues{80, 62.83, 2.73, 9.87}};
    for (auto _ : state) benchmark::DoNotOptimize(deckplate::CheckBay(bay));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CheckBayAngle);

// The walkway's deck with the point load of 1.5 kN on 200 × 200 mm: eight checks.
void BM_CheckBayPointLoad(benchmark::State& state) {
    const deckplate::BayInput bay{1,
                                  2,
                                  4,
                                  2000,
                                  500,
                                  false,
                                  deckplate::FlatBar{60, 6},
                                  deckplate::DesignBasis::Current,
                                  deckplate::PointLoad{}};
    for (auto _ : state) benchmark::DoNotOptimize(deckplate::CheckBay(bay));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CheckBayPointLoad);

void BM_NumberText(benchmark::State& state) {
    double x = 1087613.33;
    for (auto _ : state) {
        benchmark::DoNotOptimize(deckplate::NumberText(x));
        x += 0.01;
    }
}
BENCHMARK(BM_NumberText);

}  // namespace
