// Time of the whole analysis (scoring, statistics, grades, bands, option
// counts; no report text) of synthetic data sets.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>

#include "core/VariablesUnit.h"
#include "core/analysis/Analysis.h"
#include "core/data/Loader.h"

namespace {

// A data set whose examinees differ in ability and whose items differ in
// difficulty, with option counts from 2 to 5; made with a fixed seed.
std::unique_ptr<kor::ProgramState> synthetic(int examinees, int items) {
    auto state = std::make_unique<kor::ProgramState>();
    std::mt19937 random(1804);
    std::normal_distribution<double> normal(0.0, 1.0);
    std::string key;
    std::string options;
    for (int j = 0; j < items; ++j) {
        const int count = 2 + j % 4;
        options += static_cast<char>('0' + count);
        key += static_cast<char>('1' + static_cast<int>(random() % static_cast<unsigned>(count)));
    }
    std::vector<double> difficulty;
    for (int j = 0; j < items; ++j) {
        difficulty.push_back(normal(random));
    }
    kor::EditorTexts& e = state->editor;
    e.txt_cases = std::to_string(examinees);
    e.txt_items = std::to_string(items);
    e.txt_label_length = "5";
    e.txt_answer_key = key;
    e.txt_options = options;
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    for (int i = 0; i < examinees; ++i) {
        const double ability = normal(random);
        std::string line = std::to_string(10000 + i).substr(1) + " ";
        for (int j = 0; j < items; ++j) {
            const double p = 1.0 / (1.0 + std::exp(-(ability - difficulty[static_cast<std::size_t>(j)] + 0.8)));
            const int count = options[static_cast<std::size_t>(j)] - '0';
            char response = key[static_cast<std::size_t>(j)];
            if (uniform(random) > p) {
                response = static_cast<char>('1' + static_cast<int>(random() % static_cast<unsigned>(count)));
            }
            line += response;
        }
        e.memo_data.push_back(line);
    }
    if (kor::load_test_data(*state).refused) {
        std::abort();
    }
    return state;
}

void analyse(benchmark::State& bench, int examinees, int items) {
    auto state = synthetic(examinees, items);
    for (auto _ : bench) {
        const kor::Outcome outcome = kor::run_analysis(*state);
        benchmark::DoNotOptimize(outcome.refused);
    }
}

void BM_Analysis_9999x100(benchmark::State& bench) { analyse(bench, 9999, 100); }
void BM_Analysis_1000x50(benchmark::State& bench) { analyse(bench, 1000, 50); }

BENCHMARK(BM_Analysis_9999x100)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_Analysis_1000x50)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
