#include "ui/ReportWindow.h"

#include <QAction>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QVBoxLayout>
#include <tuple>

#include "ui/Binding.h"
#include "ui/ChartWindow.h"
#include "ui/DialogParts.h"
#include "ui/ModalWindows.h"
#include "ui/ReportPrinting.h"
#include "ui/ReportView.h"

namespace kor::ui {

namespace {

constexpr const char* print_note =
    "Note that you can print this screen from the File Menu, but the formatting will be better "
    "(e.g., page breaks) if you save the file and then print from a Text Editor (such as "
    "NotePad).  Any editing changes you make here WILL print, but will NOT be saved.";

// The quick viewer's two pitches: font size and window width.
constexpr int narrow_pitch = 10;
constexpr int narrow_width = 750;
constexpr int wide_pitch = 12;
constexpr int wide_width = 820;

QString printSuffixOf(QuickReport report) {
    switch (report) {
        case QuickReport::examinees:
            break;
        case QuickReport::items:
            return QStringLiteral("_items");
        case QuickReport::options:
            return QStringLiteral("_options");
    }
    return QStringLiteral("_examinees");
}

QStringList qtLines(const std::vector<std::string>& lines) {
    QStringList converted;
    for (const std::string& line : lines) {
        converted.append(toQt(line));
    }
    return converted;
}

}  // namespace

ReportWindow::ReportWindow(const char* name, const QString& caption, const char* box,
                           const QString& document, QWidget* parent)
    : QMainWindow(parent, Qt::Window), document_(document) {
    setObjectName(QLatin1String(name));
    setWindowTitle(caption);
    auto* central = new QWidget(this);
    column_ = new QVBoxLayout(central);
    view_ = new ReportView(QLatin1String(box), central);
    // The viewers may be typed into: what is typed prints but is not saved.
    view_->setReadOnly(false);
    view_->setTextInteractionFlags(Qt::TextEditorInteraction);
    setCentralWidget(central);
    resizeWithinScreen(*this, {narrow_width, 560});
}

void ReportWindow::showReport(const std::vector<std::string>& lines, Caret caret) {
    view_->setLines(lines);
    view_->moveCursor(caret == Caret::end ? QTextCursor::End : QTextCursor::Start);
    view_->ensureCursorVisible();
    show();
    raise();
    activateWindow();
}

void ReportWindow::replaceReport(const std::vector<std::string>& lines) {
    view_->setLines(lines);
    view_->moveCursor(QTextCursor::Start);
    view_->ensureCursorVisible();
}

void ReportWindow::print() {
    const PrintJob job = dataSetPrintJob(data_set_, document_, print_suffix_);
    const QString pdf = printReport(this, qtLines(view_->lines()), job, view_->font(), print_asks_);
    if (!pdf.isEmpty()) {
        emit printedToFile(pdf);
    }
}

QAction* ReportWindow::addCommand(QMenu* menu, const char* name, const QString& caption) {
    auto* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

QMenu* ReportWindow::addFileMenu(bool with_exit) {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    connect(addCommand(file, "Save1", QStringLiteral("&Save")), &QAction::triggered, this,
            &ReportWindow::saveRequested);
    connect(addCommand(file, "Print1", QStringLiteral("&Print")), &QAction::triggered, this,
            &ReportWindow::print);
    if (with_exit) {
        connect(addCommand(file, "Exit1", QStringLiteral("E&xit")), &QAction::triggered, this,
                &QWidget::close);
    }
    return file;
}

void ReportWindow::addEditMenu() {
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    connect(addCommand(edit, "Cut1", QStringLiteral("Cu&t")), &QAction::triggered, view_,
            &ReportView::cut);
    connect(addCommand(edit, "Copy1", QStringLiteral("&Copy")), &QAction::triggered, view_,
            &ReportView::copy);
    connect(addCommand(edit, "Paste1", QStringLiteral("&Paste")), &QAction::triggered, view_,
            &ReportView::paste);
}

void ReportWindow::addFormatMenu() {
    QMenu* format = menuBar()->addMenu(QStringLiteral("F&ormat"));
    connect(addCommand(format, "Font1", QStringLiteral("&Font")), &QAction::triggered, this,
            &ReportWindow::chooseFont);
}

void ReportWindow::chooseFont() {
    // The dialog lists the installed faces: it is preset to the one that
    // shows "Courier New" here (itself, or its metric twin).
    QFont preset = reportFont(narrow_pitch);
    preset.setFamily(QFontInfo(preset).family());
    QFontDialog dialog(preset, this);
    dialog.setObjectName(QStringLiteral("FontDialog1"));
    if (ModalWindows::exec(dialog) != QDialog::Accepted) {
        return;
    }
    QTextCharFormat format;
    format.setFont(dialog.selectedFont());
    view_->mergeCurrentCharFormat(format);
}

void ReportWindow::addPrintNote() {
    auto* note = new QLabel(QString::fromLatin1(print_note), centralWidget());
    note->setObjectName(QStringLiteral("Label1"));
    note->setWordWrap(true);
    column_->addWidget(note);
}

QPushButton* ReportWindow::addCloseButton() {
    auto* close_button = new QPushButton(QStringLiteral("&Close"), centralWidget());
    close_button->setObjectName(QStringLiteral("BitBtn1"));
    connect(close_button, &QPushButton::clicked, this, &QWidget::close);
    return close_button;
}

// ---------------------------------------------------------------- View Results

ResultsWindow::ResultsWindow(QWidget* parent)
    : ReportWindow("TResultsForm", QStringLiteral("View Results"), "results_box",
                   QStringLiteral("KOR Output"), parent) {
    setPrintSuffix(QStringLiteral("_full"));
    addFileMenu(true);
    addEditMenu();
    addFormatMenu();

    addPrintNote();
    column().addWidget(&view());
    auto* buttons = new QHBoxLayout;
    const std::tuple<const char*, const char*, ChartKind> charts[] = {
        {"btn_hist", "Histogram for Scores", ChartKind::histogram},
        {"btn_bar", "Bar Chart for Scores", ChartKind::score_bars},
        {"btn_grades", "Bar Chart for Grades", ChartKind::grade_bars}};
    for (const auto& [name, caption, kind] : charts) {
        auto* chart = new QPushButton(QLatin1String(caption), centralWidget());
        chart->setObjectName(QLatin1String(name));
        connect(chart, &QPushButton::clicked, this,
                [this, kind = kind] { emit chartRequested(kind); });
        buttons->addWidget(chart);
    }
    buttons->addStretch();
    buttons->addWidget(addCloseButton());
    column().addLayout(buttons);
}

void ResultsWindow::setGradeChartEnabled(bool on) {
    findChild<QPushButton*>(QStringLiteral("btn_grades"))->setEnabled(on);
}

// ---------------------------------------------------------------- Quick Results Viewer

QuickViewWindow::QuickViewWindow(QWidget* parent)
    : ReportWindow("TQuickViewForm", QStringLiteral("Quick Results Viewer"), "RichEdit1",
                   QStringLiteral("KOR Quick Results"), parent) {
    addFileMenu(false);
    QMenu* font = menuBar()->addMenu(QStringLiteral("F&ont"));
    connect(addCommand(font, "N10pitchCourierNew1", QStringLiteral("10 pitch Courier New")),
            &QAction::triggered, this, [this] { setPitch(narrow_pitch); });
    connect(addCommand(font, "N12pitchCourierNew1", QStringLiteral("12 pitch Courier New")),
            &QAction::triggered, this, [this] { setPitch(wide_pitch); });
    auto* close_item = menuBar()->addAction(QStringLiteral("&Close"));
    close_item->setObjectName(QStringLiteral("Close1"));
    // The pitch lasts until the viewer is closed.
    connect(close_item, &QAction::triggered, this, [this] {
        setPitch(narrow_pitch);
        close();
    });
    column().addWidget(&view());
}

void QuickViewWindow::showQuickReport(QuickReport report, const std::vector<std::string>& lines) {
    report_ = report;
    built_lines_ = lines;
    setPrintSuffix(printSuffixOf(report));
    showReport(lines, Caret::start);
}

void QuickViewWindow::replaceQuickReport(const std::vector<std::string>& lines) {
    built_lines_ = lines;
    replaceReport(lines);
}

void QuickViewWindow::setPitch(int point_size) {
    view().setFont(reportFont(point_size));
    resize(point_size == wide_pitch ? wide_width : narrow_width, height());
}

// ---------------------------------------------------------------- Grade Reports

GradeReportWindow::GradeReportWindow(QWidget* parent)
    : ReportWindow("TReportForm", QStringLiteral("Grade Reports"), "report_box",
                   QStringLiteral("Grade Reports"), parent) {
    // The grade reports go to the printer at once.
    printWithoutDialog();
    setPrintSuffix(QStringLiteral("_grades"));
    addFileMenu(true);
    addEditMenu();
    addFormatMenu();
    addPrintNote();
    column().addWidget(&view());
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(addCloseButton());
    column().addLayout(buttons);
}

// ---------------------------------------------------------------- all of them

Viewers::Viewers(QWidget* parent, const ProgramState& data_set)
    : results(new ResultsWindow(parent)),
      quick(new QuickViewWindow(parent)),
      grades(new GradeReportWindow(parent)),
      graph(new ChartWindow(parent)) {
    results->setDataSet(data_set);
    quick->setDataSet(data_set);
    grades->setDataSet(data_set);
    graph->setDataSet(data_set);
}

}  // namespace kor::ui
