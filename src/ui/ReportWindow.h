#pragma once
// What the three report viewers share: a window of its own holding one
// report in the fixed-pitch view, a File menu and a close button.

#include <QMainWindow>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QPushButton;
class QVBoxLayout;

namespace kor::ui {

class ReportView;

class ReportWindow : public QMainWindow {
    Q_OBJECT
  public:
    // `box` is the object name of the text view.
    ReportWindow(const char* name, const QString& caption, const char* box, QWidget* parent);

    ReportView& view() { return *view_; }
    // Shows `lines` and the window, with the caret at the start or the end.
    enum class Caret { start, end };
    void showReport(const std::vector<std::string>& lines, Caret caret);

  protected:
    // A menu command; `name` is its object name.
    QAction* addCommand(QMenu* menu, const char* name, const QString& caption);
    // The note over the text that tells how printing and saving differ.
    void addPrintNote();
    // The close button `BitBtn1` at the bottom.
    QPushButton* addCloseButton();
    QVBoxLayout& column() { return *column_; }

  private:
    ReportView* view_ = nullptr;
    QVBoxLayout* column_ = nullptr;
};

// "View Results": the full results report, with the chart buttons.
class ResultsWindow : public ReportWindow {
    Q_OBJECT
  public:
    explicit ResultsWindow(QWidget* parent);
    // "Bar Chart for Grades" only with grading categories.
    void setGradeChartEnabled(bool on);
};

// "Quick Results Viewer": one of the quick reports.
class QuickViewWindow : public ReportWindow {
    Q_OBJECT
  public:
    explicit QuickViewWindow(QWidget* parent);
};

// "Grade Reports": the individual grade reports.
class GradeReportWindow : public ReportWindow {
    Q_OBJECT
  public:
    explicit GradeReportWindow(QWidget* parent);
};

// The three viewers of the main window.
struct Viewers {
    explicit Viewers(QWidget* parent)
        : results(new ResultsWindow(parent)),
          quick(new QuickViewWindow(parent)),
          grades(new GradeReportWindow(parent)) {}
    ResultsWindow* results;
    QuickViewWindow* quick;
    GradeReportWindow* grades;
};

}  // namespace kor::ui
