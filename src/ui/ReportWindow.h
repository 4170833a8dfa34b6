#pragma once
// What the three report viewers share: a window of its own holding one
// report in an editable fixed-pitch view, File/Edit/Format commands, a close
// button. A viewer's edits print but are never saved: its Save asks the main
// window, which writes the report from the program's own data.

#include <QMainWindow>
#include <string>
#include <vector>

#include "core/analysis/ChartData.h"
#include "reports/ViewerText.h"

class QAction;
class QMenu;
class QPushButton;
class QVBoxLayout;

namespace kor {
struct ProgramState;
}

namespace kor::ui {

class ChartWindow;
class ReportView;

class ReportWindow : public QMainWindow {
    Q_OBJECT
  public:
    // `box` is the object name of the text view; `document` the name the
    // report is printed under.
    ReportWindow(const char* name, const QString& caption, const char* box, const QString& document,
                 QWidget* parent);

    ReportView& view() { return *view_; }
    // Shows `lines` and the window, with the caret at the start or the end.
    enum class Caret { start, end };
    void showReport(const std::vector<std::string>& lines, Caret caret);
    // Puts `lines` in place of the report shown, from the top, without
    // raising the window: an open viewer following a new analysis.
    void replaceReport(const std::vector<std::string>& lines);

    // File "Print": the text as it stands, edits included, named after the
    // data set `data_set` (when given) holds.
    void print();
    void setDataSet(const ProgramState& data_set) { data_set_ = &data_set; }

  signals:
    // File "Save".
    void saveRequested();
    // A printout went into the PDF file `path`.
    void printedToFile(const QString& path);

  protected:
    // A menu command; `name` is its object name.
    QAction* addCommand(QMenu* menu, const char* name, const QString& caption);
    // File with Save, Print and (`with_exit`) Exit.
    QMenu* addFileMenu(bool with_exit);
    // Edit with Cut, Copy and Paste on the view and the clipboard.
    void addEditMenu();
    // Format "Font": the font dialog, preset to the reports' font, for the
    // selected text.
    void addFormatMenu();
    // The note over the text that tells how printing and saving differ.
    void addPrintNote();
    // The close button `BitBtn1` at the bottom.
    QPushButton* addCloseButton();
    QVBoxLayout& column() { return *column_; }
    // Whether Print first asks for a printer.
    void printWithoutDialog() { print_asks_ = false; }
    // What the proposed PDF file's name adds to the data set's ("_full").
    void setPrintSuffix(const QString& suffix) { print_suffix_ = suffix; }

  private:
    void chooseFont();

    ReportView* view_ = nullptr;
    QVBoxLayout* column_ = nullptr;
    QString document_;
    bool print_asks_ = true;
    const ProgramState* data_set_ = nullptr;
    QString print_suffix_;
};

// "View Results": the full results report, with the chart buttons.
class ResultsWindow : public ReportWindow {
    Q_OBJECT
  public:
    explicit ResultsWindow(QWidget* parent);
    // "Bar Chart for Grades" only with grading categories.
    void setGradeChartEnabled(bool on);

  signals:
    void chartRequested(kor::ChartKind kind);
};

// "Quick Results Viewer": one of the quick reports.
class QuickViewWindow : public ReportWindow {
    Q_OBJECT
  public:
    explicit QuickViewWindow(QWidget* parent);

    // Shows the quick report `report` as `lines` were built, from the top.
    void showQuickReport(QuickReport report, const std::vector<std::string>& lines);
    // The same report as built anew, in place of the one shown.
    void replaceQuickReport(const std::vector<std::string>& lines);
    QuickReport report() const { return report_; }
    // The report as it was built, without the edits made since.
    const std::vector<std::string>& builtLines() const { return built_lines_; }

    // "10 pitch Courier New" and "12 pitch Courier New".
    void setPitch(int point_size);

  private:
    QuickReport report_ = QuickReport::examinees;
    std::vector<std::string> built_lines_;
};

// "Grade Reports": the individual grade reports.
class GradeReportWindow : public ReportWindow {
    Q_OBJECT
  public:
    explicit GradeReportWindow(QWidget* parent);
};

// The three viewers and the chart window of the main window; their
// printouts are named after the data set in `data_set`.
struct Viewers {
    Viewers(QWidget* parent, const ProgramState& data_set);
    ResultsWindow* results;
    QuickViewWindow* quick;
    GradeReportWindow* grades;
    ChartWindow* graph;
};

}  // namespace kor::ui
