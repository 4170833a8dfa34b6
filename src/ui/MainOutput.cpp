// The main window's output commands: the viewers and the files written from
// the last analysis.

#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <utility>

#include "app/ProgramState.h"
#include "reports/Exports.h"
#include "reports/GradeReports.h"
#include "ui/AppController.h"
#include "ui/Binding.h"
#include "ui/ChartWindow.h"
#include "ui/DataEditorWindow.h"
#include "ui/FileDialogs.h"
#include "ui/MainWindow.h"
#include "ui/MessageBoxes.h"
#include "ui/ReportWindow.h"

namespace kor::ui {

namespace {

const char* const grade_report_filter =
    "Report files (*.rpt,*.txt,*.out,*.dat,*.csv)|*.rpt;*.txt;*.out;*.dat;*.csv|All Files "
    "(*.*)|*.*";
const char* const text_filter = "Text files (*.TXT)|*.txt";
const char* const bitmap_filter = "Bitmap files (*.bmp)|*.bmp";

// The quick reports and the report kinds that build them; any other kind
// stands for the examinee report.
constexpr std::pair<QuickReport, ReportKind> quick_reports[] = {
    {QuickReport::examinees, ReportKind::examinees},
    {QuickReport::items, ReportKind::items},
    {QuickReport::options, ReportKind::options},
};

ReportKind reportKindOf(QuickReport report) {
    for (const auto& [quick, kind] : quick_reports) {
        if (quick == report) {
            return kind;
        }
    }
    return ReportKind::examinees;
}

QuickReport quickReportOf(ReportKind kind) {
    for (const auto& [quick, report_kind] : quick_reports) {
        if (report_kind == kind) {
            return quick;
        }
    }
    return QuickReport::examinees;
}

// A file's name without its folder and extension.
QString baseName(const std::string& path) {
    return QFileInfo(toQt(path)).completeBaseName();
}

}  // namespace

// ---------------------------------------------------------------- viewers

void MainWindow::viewFullResults() {
    btn_saveresults_->setFocus();
    viewers_->results->setGradeChartEnabled(controller_.state().settings.num_grade_cats > 0);
    Outcome messages;
    viewers_->results->showReport(controller_.reportLines(ReportKind::full, messages),
                                  ReportWindow::Caret::start);
    showOutcome(*this, messages);
}

void MainWindow::viewQuick(ReportKind kind) {
    Outcome messages;
    const std::vector<std::string> lines = controller_.reportLines(kind, messages);
    showOutcome(*this, messages);
    viewers_->quick->showQuickReport(quickReportOf(kind), lines);
}

void MainWindow::viewGradeReports() {
    Outcome messages;
    const std::vector<std::string> lines = controller_.reportLines(ReportKind::grades, messages);
    showOutcome(*this, messages);
    if (messages.refused) {
        return;
    }
    viewers_->grades->showReport(lines, ReportWindow::Caret::start);
}

void MainWindow::showChart(ChartKind kind) {
    shown_chart_ = kind;
    viewers_->graph->showChart(controller_.chart(kind));
}

// After an analysis every open viewer and chart shows the new results, as
// pressing its button again would; one whose button the new results leave
// disabled (grade reports of too many examinees, a grade chart without
// grades) closes.
void MainWindow::refreshOpenViewers() {
    Viewers& v = *viewers_;
    const bool grades = controller_.state().settings.num_grade_cats > 0;
    v.results->setGradeChartEnabled(grades);
    Outcome ignored;
    if (v.results->isVisible()) {
        v.results->replaceReport(controller_.reportLines(ReportKind::full, ignored));
    }
    if (v.quick->isVisible()) {
        v.quick->replaceQuickReport(
            controller_.reportLines(reportKindOf(v.quick->report()), ignored));
    }
    if (v.grades->isVisible()) {
        Outcome refused;
        const std::vector<std::string> lines = controller_.reportLines(ReportKind::grades, refused);
        if (refused.refused) {
            v.grades->close();
        } else {
            v.grades->replaceReport(lines);
        }
    }
    if (v.graph->isVisible() && shown_chart_) {
        if (*shown_chart_ == ChartKind::grade_bars && !grades) {
            v.graph->close();
        } else {
            v.graph->showChart(controller_.chart(*shown_chart_));
        }
    }
}

// ---------------------------------------------------------------- files

// The name the result files are proposed under; "UNSAVED" stands for none.
std::string MainWindow::resultsName() const {
    const std::string name = fromQt(txt_results_name_->text());
    return name == unsaved_name ? std::string() : name;
}

// "Save Results (F3)", also the results viewer's Save.
void MainWindow::saveResults() {
    if (!resultsMayBeSaved(this)) {
        return;
    }
    const std::string name = resultsName();
    const QString proposed = name.empty() ? QStringLiteral("Results") : toQt(name);
    const QString path = FileDialogs::saveFile(
        this, {QString::fromLatin1(text_filter), QStringLiteral("txt"), proposed});
    if (!path.isEmpty()) {
        const Outcome outcome = controller_.saveResults(fromQt(path));
        showWritten(outcome.written);
        showOutcome(*this, outcome);
    }
    // The name fields follow the last results file written. Before the
    // first one (a first dialog cancelled or refused) they keep the data
    // set's name rather than losing it.
    const std::string& saved = controller_.resultsPath();
    if (!saved.empty()) {
        const QString saved_name = baseName(saved);
        txt_results_name_->setText(saved_name);
        txt_map_name_->setText(saved_name);
        if (controller_.state().settings.save_exm_file) {
            txt_score_filename_->setText(saved_name);
        }
        if (controller_.state().settings.save_itm_file) {
            txt_item_filename_->setText(saved_name);
        }
    }
    rdo_edit_data_->setChecked(true);
    controller_.finishSaveResults();
}

// The quick viewer's Save: the report as it was built, not as edited.
void MainWindow::saveQuickReport() {
    if (!resultsMayBeSaved(viewers_->quick)) {
        return;
    }
    const QuickViewWindow& quick = *viewers_->quick;
    const QString path = FileDialogs::saveFile(
        viewers_->quick, {QString::fromLatin1(text_filter), QStringLiteral("txt"),
                          toQt(viewer_file_name(resultsName(), quick.report()))});
    if (path.isEmpty()) {
        return;
    }
    const Outcome outcome =
        controller_.saveViewerFile(quick.report(), quick.builtLines(), fromQt(path));
    showWritten(outcome.written, viewers_->quick);
    showOutcome(*viewers_->quick, outcome);
}

// The chart window's Save: a bitmap, or a PNG picture for a ".png" name.
void MainWindow::saveChart() {
    if (!resultsMayBeSaved(viewers_->graph)) {
        return;
    }
    const QString path = FileDialogs::saveFile(
        viewers_->graph, {QString::fromLatin1(bitmap_filter), QStringLiteral("BMP"),
                          QStringLiteral("KOR_graph.BMP")});
    if (path.isEmpty()) {
        return;
    }
    Outcome outcome = controller_.checkTargets({fromQt(path)});
    if (outcome.accepted()) {
        const QString failure = viewers_->graph->writeImage(path);
        if (failure.isEmpty()) {
            outcome.wrote(fromQt(path));
        } else {
            outcome.refuse(fromQt(failure));
        }
    }
    showWritten(outcome.written, viewers_->graph);
    showOutcome(*viewers_->graph, outcome);
}

void MainWindow::saveKorInputFile() {
    editor_->saveKorFile();
}

void MainWindow::saveGradeReports() {
    if (!resultsMayBeSaved(this)) {
        return;
    }
    const QString path = FileDialogs::saveFile(
        this, {QString::fromLatin1(grade_report_filter), QStringLiteral("rpt"),
               toQt(grade_report_file_name(controller_.state()))});
    if (path.isEmpty()) {
        return;
    }
    const Outcome outcome = controller_.saveGradeReports(fromQt(path));
    showWritten(outcome.written);
    showOutcome(*this, outcome);
}

// Results are saved only while they are those of the data as they are now;
// otherwise the user is told to analyse again before any dialog opens.
bool MainWindow::resultsMayBeSaved(QWidget* over) {
    const Outcome current = controller_.checkResultsCurrent();
    showOutcome(*over, current);
    return current.accepted();
}

// The exports name their file themselves and write it into the folder the
// user last chose. A file already there is replaced only when the user says so.
bool MainWindow::mayWrite(const QString& path) {
    if (!QFileInfo::exists(path)) {
        return true;
    }
    return MessageBoxes::ask(
               this, path + QStringLiteral(" already exists.\nDo you want to replace it?"),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

// In the main window's status bar, and in that of the viewer whose Save wrote
// the files, which may hide the main window.
void MainWindow::showWritten(const std::vector<std::string>& written, QMainWindow* viewer) {
    const QString text = writtenText(written);
    if (text.isEmpty()) {
        return;
    }
    statusBar()->showMessage(text);
    if (viewer != nullptr) {
        viewer->statusBar()->showMessage(text);
    }
}

void MainWindow::saveItemStatistics() {
    if (!resultsMayBeSaved(this)) {
        return;
    }
    const QString path =
        FileDialogs::inLastFolder(toQt(item_stats_file_name(fromQt(txt_map_name_->text()))));
    if (!mayWrite(path)) {
        return;
    }
    const Outcome outcome = controller_.saveItemStats(fromQt(path));
    showWritten(outcome.written);
    showOutcome(*this, outcome);
}

void MainWindow::saveZeroOneData() {
    if (!resultsMayBeSaved(this)) {
        return;
    }
    const QString path =
        FileDialogs::inLastFolder(toQt(zero_one_file_name(fromQt(txt_map_name_->text()))));
    if (!mayWrite(path)) {
        return;
    }
    const Outcome outcome = controller_.exportZeroOneData(fromQt(path), ZeroOneLayout::main_window);
    showWritten(outcome.written);
    showOutcome(*this, outcome);
}

void MainWindow::saveAltFiles() {
    if (!controller_.altFilesAllowed() || !resultsMayBeSaved(this)) {
        return;
    }
    const QString base =
        FileDialogs::inLastFolder(toQt(alt_base_name(fromQt(txt_map_name_->text()))));
    for (const std::string& path : alt_file_paths(fromQt(base))) {
        if (!mayWrite(toQt(path))) {
            return;
        }
    }
    const Outcome outcome = controller_.saveAltFiles(fromQt(base));
    showWritten(outcome.written);
    showOutcome(*this, outcome);
}

}  // namespace kor::ui
