// The windows' side of showing a large analysis: the texts of 9999 x 100 set
// into the main window's examinee pane and into a viewer as the desktop
// program sets them, the window shown and its events (layout, painting)
// processed, on the offscreen platform.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <chrono>
#include <memory>
#include <vector>

#include "BenchData.h"
#include "app/Application.h"
#include "ui/AppController.h"
#include "ui/Binding.h"
#include "ui/MainWindow.h"
#include "ui/MessageBoxes.h"
#include "ui/ModalWindows.h"
#include "ui/ReportView.h"

namespace {

using kor::Application;

struct Texts {
    std::vector<std::string> pane;
    std::vector<std::string> examinees;
};

const Texts& texts() {
    static const Texts made = [] {
        Application app;
        app.set_editor_texts(kor::bench::generated(9999, 100)->editor);
        app.close_editor(kor::EditorExit::close_and_analyze);
        app.analyze();
        kor::Outcome messages;
        return Texts{app.examinee_pane(), app.report_lines(kor::ReportKind::examinees, messages)};
    }();
    return made;
}

// A view in a shown window of the main window's size.
void set_lines(benchmark::State& bench, const std::vector<std::string>& lines) {
    QMainWindow window;
    auto* view = new kor::ui::ReportView(QStringLiteral("view"), &window);
    window.setCentralWidget(view);
    window.resize(1000, 700);
    window.show();
    QApplication::processEvents();
    bool other = false;
    for (auto _ : bench) {
        // Every other time a short text, so that each setting replaces a long one.
        view->setLines(lines);
        QApplication::processEvents();
        bench.PauseTiming();
        other = !other;
        view->setLines({"cleared"});
        QApplication::processEvents();
        bench.ResumeTiming();
    }
    benchmark::DoNotOptimize(other);
}

void BM_Window_ExamineePane_9999x100(benchmark::State& bench) {
    set_lines(bench, texts().pane);
}
void BM_Window_ExamineeViewer_9999x100(benchmark::State& bench) {
    set_lines(bench, texts().examinees);
}

// The whole of "Close && Analyze" in the windows: from the button of the
// data editor, whose boxes hold the data set, to the main window showing the
// panes, as a person waits for it.
void BM_Window_CloseAndAnalyze_9999x100(benchmark::State& bench) {
    const kor::EditorTexts editor_texts = kor::bench::generated(9999, 100)->editor;
    const QString lines = kor::ui::joinLines(editor_texts.data_lines);
    // Message boxes (the patience notice of a large set) answer at once.
    kor::ui::MessageBoxes::startRecording();
    kor::ui::ModalWindows::startRecording();
    for (auto _ : bench) {
        kor::ui::AppController controller;
        kor::ui::MainWindow window(controller);
        window.show();
        QApplication::processEvents();
        std::chrono::steady_clock::time_point start;
        kor::ui::ModalWindows::setNextAction([&](QDialog& editor) {
            const auto type = [&](const char* name, const std::string& text) {
                editor.findChild<QLineEdit*>(QLatin1String(name))->setText(kor::ui::toQt(text));
            };
            type("txt_cases", editor_texts.cases);
            type("txt_items", editor_texts.items);
            type("txt_label_length", editor_texts.label_length);
            type("txt_answer_key", editor_texts.answer_key);
            type("txt_options", editor_texts.options);
            type("txt_include", editor_texts.include);
            editor.findChild<QPlainTextEdit*>(QStringLiteral("MemoData"))->setPlainText(lines);
            start = std::chrono::steady_clock::now();
            editor.findChild<QPushButton*>(QStringLiteral("btn_done"))->click();
        });
        window.findChild<QPushButton*>(QStringLiteral("btn_gotodata"))->click();
        QApplication::processEvents();
        const std::chrono::duration<double> taken = std::chrono::steady_clock::now() - start;
        bench.SetIterationTime(taken.count());
        if (controller.state().report_texts.examinee_pane.empty()) {
            bench.SkipWithError("nothing was analysed");
            break;
        }
    }
    kor::ui::ModalWindows::stopRecording();
    kor::ui::MessageBoxes::stopRecording();
}

BENCHMARK(BM_Window_CloseAndAnalyze_9999x100)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Window_ExamineePane_9999x100)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Window_ExamineeViewer_9999x100)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
