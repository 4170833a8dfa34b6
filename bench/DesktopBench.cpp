// What the desktop program does between "Close && Analyze" (or F9 after an
// option changed) and the results in its windows: the application object's
// work and every text the windows are given, without a window drawn. The
// panes are what the main window shows at once; the viewers' texts are
// what the results, examinee, item and options viewers show when opened.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "BenchData.h"
#include "app/Application.h"

namespace {

using kor::Application;
using kor::ReportKind;

std::size_t pane_lines(Application& app) {
    return app.examinee_pane().size() + app.item_pane().size();
}

std::size_t viewer_lines(Application& app) {
    std::size_t lines = 0;
    kor::Outcome messages;
    for (const ReportKind kind :
         {ReportKind::full, ReportKind::examinees, ReportKind::items, ReportKind::options}) {
        lines += app.report_lines(kind, messages).size();
    }
    return lines;
}

// From the editor's texts: the load, the analysis and the panes, and with
// `viewers` every viewer's text as well.
void close_and_analyze(benchmark::State& bench, int cases, int items, bool viewers) {
    const kor::EditorTexts texts = kor::bench::generated(cases, items)->editor;
    for (auto _ : bench) {
        bench.PauseTiming();
        auto app = std::make_unique<Application>();
        app->set_editor_texts(texts);
        bench.ResumeTiming();
        const kor::EditorCloseResult closed = app->close_editor(kor::EditorExit::close_and_analyze);
        const kor::Outcome analysed = app->analyze();
        std::size_t lines = pane_lines(*app);
        if (viewers) {
            lines += viewer_lines(*app);
        }
        benchmark::DoNotOptimize(closed.outcome.refused || analysed.refused);
        benchmark::DoNotOptimize(lines);
        bench.PauseTiming();
        app.reset();
        bench.ResumeTiming();
    }
}

void BM_Desktop_CloseAndAnalyze_Panes_9999x100(benchmark::State& bench) {
    close_and_analyze(bench, 9999, 100, false);
}
void BM_Desktop_CloseAndAnalyze_AllViewers_9999x100(benchmark::State& bench) {
    close_and_analyze(bench, 9999, 100, true);
}
void BM_Desktop_CloseAndAnalyze_Panes_1000x50(benchmark::State& bench) {
    close_and_analyze(bench, 1000, 50, false);
}

// F9 after an option changed: the item order, one way and back.
void BM_Desktop_Reanalyse_9999x100(benchmark::State& bench) {
    Application app;
    app.set_editor_texts(kor::bench::generated(9999, 100)->editor);
    app.close_editor(kor::EditorExit::close_and_analyze);
    app.analyze();
    bool by_difficulty = false;
    for (auto _ : bench) {
        by_difficulty = !by_difficulty;
        app.choose_item_order(by_difficulty ? kor::ItemOrder::difficulty : kor::ItemOrder::number);
        const kor::Outcome analysed = app.analyze();
        benchmark::DoNotOptimize(analysed.refused);
        benchmark::DoNotOptimize(pane_lines(app));
    }
}

BENCHMARK(BM_Desktop_CloseAndAnalyze_Panes_9999x100)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Desktop_CloseAndAnalyze_AllViewers_9999x100)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Desktop_CloseAndAnalyze_Panes_1000x50)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Desktop_Reanalyse_9999x100)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
