// Sizing one bay over every candidate, and checking a schedule file from disk end to end.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "cli/batch.h"
#include "sizing/design.h"

namespace {

// Argument 1: with the point load of a walkway, 1.5 kN on 200 × 200 mm; 2: under the current
// basis in Q355, with the shear, outstand and weld checks and the whole flat bar series, the
// self-weight added to the dead load (so the plate is checked again for every stiffener); 3: the
// current basis in Q235 with the point load.
void BM_DesignOneBay(benchmark::State& state) {
    deckplate::sizing::DesignRequest request;
    request.bay.dead = 1;
    request.bay.live = 2;
    request.bay.span = 2000;
    request.spacings = {500};
    if (state.range(0) == 1) request.bay.pointLoad = deckplate::PointLoad{};
    if (state.range(0) == 2) {
        request.bay.basis = deckplate::DesignBasis::Current;
        request.bay.steel = deckplate::SteelGrade::Q355;
    }
    if (state.range(0) == 3) {
        request.bay.basis = deckplate::DesignBasis::Current;
        request.bay.pointLoad = deckplate::PointLoad{};
    }
    for (auto _ : state) benchmark::DoNotOptimize(deckplate::sizing::Design(request));
}
BENCHMARK(BM_DesignOneBay)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

// Arguments: rows, and 1 for a point_load column (1.5 kN in every row).
void BM_BatchFromDisk(benchmark::State& state) {
    const std::string input = "/tmp/deckplate_bench_schedule.csv";
    const std::string output = "/tmp/deckplate_bench_results.csv";
    const long long rows = state.range(0);
    const bool pointLoad = state.range(1) == 1;
    {
        std::ofstream file(input);
        file << "name,dead,live,thickness,span,spacing,boundary,stiffener"
             << (pointLoad ? ",point_load\n" : "\n");
        const char* stiffeners[] = {"80x8", "L63x40x5", "L25x16x3", "100x10"};
        for (long long i = 0; i < rows; ++i) {
            file << "B" << i << ",1," << (1 + i % 5) << ",6," << (1500 + i % 7 * 100) << ","
                 << (400 + i % 4 * 100) << "," << (i % 2 ? "simple" : "continuous") << ","
                 << stiffeners[i % 4] << (pointLoad ? ",1.5\n" : "\n");
        }
    }
    std::ostringstream discard;
    for (auto _ : state)
        deckplate::cli::RunBatch({.schedule = input, .output = output}, discard, discard);
    state.SetItemsProcessed(state.iterations() * rows);
    std::remove(input.c_str());
    std::remove(output.c_str());
}
BENCHMARK(BM_BatchFromDisk)->Args({200000, 0})->Args({200000, 1})->Unit(benchmark::kMillisecond);

}  // namespace
