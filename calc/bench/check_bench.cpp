// One full check of a bay (plate, stiffener, verdicts and every display text), as Verify does it.
#include <benchmark/benchmark.h>

#include "calc/angle_catalogue.h"
#include "calc/bay_check.h"
#include "calc/number_text.h"

namespace {

void BM_CheckBayFlatBar(benchmark::State& state) {
    const deckplate::BayInput bay{.dead = 1,
                                  .live = 2,
                                  .thickness = deckplate::ThicknessOf(6),
                                  .span = 2000,
                                  .spacing = 500,
                                  .stiffener = deckplate::FlatBar{80, 8}};
    for (auto _ : state) benchmark::DoNotOptimize(deckplate::CheckBay(bay));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CheckBayFlatBar);

void BM_CheckBayAngle(benchmark::State& state) {
    const deckplate::BayInput bay{
        .dead = 1,
        .live = 2,
        .thickness = deckplate::ThicknessOf(4.5),
        .span = 3000,
        .spacing = 600,
        .boundary = deckplate::BoundaryOf(true),
        .stiffener = deckplate::CatalogueAngle{*deckplate::FindAngle("L80x50x8")}};
    for (auto _ : state) benchmark::DoNotOptimize(deckplate::CheckBay(bay));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CheckBayAngle);

// The current basis in Q355: the uniform checks and the stiffener's shear and outstand.
void BM_CheckBayCurrentBasis(benchmark::State& state) {
    const deckplate::BayInput bay{.dead = 1,
                                  .live = 2,
                                  .thickness = deckplate::ThicknessOf(6),
                                  .span = 2000,
                                  .spacing = 500,
                                  .stiffener = deckplate::FlatBar{80, 8},
                                  .basis = deckplate::DesignBasis::Current,
                                  .steel = deckplate::SteelGrade::Q355};
    for (auto _ : state) benchmark::DoNotOptimize(deckplate::CheckBay(bay));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CheckBayCurrentBasis);

// The walkway's deck with the point load of 1.5 kN on 200 × 200 mm: eight checks.
void BM_CheckBayPointLoad(benchmark::State& state) {
    const deckplate::BayInput bay{.dead = 1,
                                  .live = 2,
                                  .thickness = deckplate::ThicknessOf(4),
                                  .span = 2000,
                                  .spacing = 500,
                                  .stiffener = deckplate::FlatBar{60, 6},
                                  .basis = deckplate::DesignBasis::Current,
                                  .pointLoad = deckplate::PointLoad{}};
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
