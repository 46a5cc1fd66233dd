// Saving and opening a bay file as the window does: the text made and the file replaced in one
// step (flushed to the disk), then the file read and taken apart. The target is under 10 ms each.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "os/file_replacement.h"
#include "project/bay_file.h"

namespace {

const deckplate::project::BayFile kFile{
    .programVersion = "1.1.0",
    .project = {.name = "某厂 3# 平台", .number = "2026-017", .calculatedBy = "张三"},
    .bay = {.texts = {{deckplate::BayField::Dead, "1.5"},
                      {deckplate::BayField::Live, "4"},
                      {deckplate::BayField::Thickness, "6"},
                      {deckplate::BayField::Span, "2000"},
                      {deckplate::BayField::Spacing, "500"}},
            .stiffener = deckplate::project::StiffenerKind::FlatBar,
            .flatBarHeight = "80",
            .flatBarThickness = "8",
            .pointLoadChecked = true}};

const std::filesystem::path kPath =
    std::filesystem::temp_directory_path() / "project_bench.deckplate";

void BM_SaveBayFile(benchmark::State& state) {
    for (auto _ : state)
        deckplate::os::ReplaceTextFile(kPath, deckplate::project::BayFileText(kFile),
                                       deckplate::os::TextEncoding::Utf8);
}
BENCHMARK(BM_SaveBayFile)->Unit(benchmark::kMillisecond);

void BM_OpenBayFile(benchmark::State& state) {
    deckplate::os::ReplaceTextFile(kPath, deckplate::project::BayFileText(kFile),
                                   deckplate::os::TextEncoding::Utf8);
    for (auto _ : state) benchmark::DoNotOptimize(deckplate::project::ReadBayFile(kPath.string()));
    std::filesystem::remove(kPath);
}
BENCHMARK(BM_OpenBayFile)->Unit(benchmark::kMillisecond);

}  // namespace
