// The main window's output commands: the viewers and the files written from
// the last analysis.

#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

#include "core/VariablesUnit.h"
#include "reports/Exports.h"
#include "reports/GradeReports.h"
#include "ui/AppController.h"
#include "ui/Binding.h"
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
    viewers_->quick->showReport(lines, ReportWindow::Caret::end);
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

// ---------------------------------------------------------------- files

void MainWindow::saveKorInputFile() {
    editor_->saveKorFile();
}

void MainWindow::saveGradeReports() {
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

void MainWindow::showWritten(const std::vector<std::string>& written) {
    QStringList paths;
    for (const std::string& path : written) {
        paths.append(QFileInfo(toQt(path)).absoluteFilePath());
    }
    if (!paths.isEmpty()) {
        statusBar()->showMessage(QStringLiteral("Written: ") + paths.join(QStringLiteral(", ")));
    }
}

void MainWindow::saveItemStatistics() {
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
    if (!controller_.altFilesAllowed()) {
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
