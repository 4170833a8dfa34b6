// Time of the whole analysis (scoring, statistics, grades, bands, option
// counts; no report text) of generated data sets, and of the command line's
// `kor analyze` on a generated file from reading to the printed panes.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "BenchData.h"
#include "KorCli.h"
#include "app/ProgramState.h"
#include "core/analysis/Analysis.h"
#include "core/data/InputFile.h"
#include "core/data/Loader.h"

namespace {

using kor::bench::generated;

void analyse(benchmark::State& bench, int cases, int items) {
    auto state = generated(cases, items);
    for (auto _ : bench) {
        const kor::Outcome outcome = kor::run_analysis(*state);
        benchmark::DoNotOptimize(outcome.refused);
    }
}

void BM_Analysis_9999x100(benchmark::State& bench) {
    analyse(bench, 9999, 100);
}
void BM_Analysis_1000x50(benchmark::State& bench) {
    analyse(bench, 1000, 50);
}

// `kor analyze FILE` in-process: read, load, analyse, write every report.
void BM_KorAnalyze_9999x100(benchmark::State& bench) {
    const auto path = (std::filesystem::temp_directory_path() / "kor_bench_9999x100.kor").string();
    kor::write_input_file(*generated(9999, 100), path);
    for (auto _ : bench) {
        std::ostringstream out;
        std::ostringstream err;
        const int code = kor::run_kor({"kor", "analyze", path}, out, err);
        benchmark::DoNotOptimize(code);
    }
    std::filesystem::remove(path);
}

BENCHMARK(BM_Analysis_9999x100)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Analysis_1000x50)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_KorAnalyze_9999x100)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
