#include "ui/ReportWindow.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QVBoxLayout>

#include "ui/NotYetAvailable.h"
#include "ui/ReportView.h"

namespace kor::ui {

namespace {

constexpr const char* print_note =
    "Note that you can print this screen from the File Menu, but the formatting will be better "
    "(e.g., page "
    "breaks) if you save the file and then print from a Text Editor (such as NotePad).  Any "
    "editing changes you "
    "make here WILL print, but will NOT be saved.";

}  // namespace

ReportWindow::ReportWindow(const char* name, const QString& caption, const char* box,
                           QWidget* parent)
    : QMainWindow(parent, Qt::Window) {
    setObjectName(QLatin1String(name));
    setWindowTitle(caption);
    auto* central = new QWidget(this);
    column_ = new QVBoxLayout(central);
    view_ = new ReportView(QLatin1String(box), central);
    setCentralWidget(central);
    resize(750, 560);
}

void ReportWindow::showReport(const std::vector<std::string>& lines, Caret caret) {
    view_->setLines(lines);
    if (caret == Caret::end) {
        view_->moveCursor(QTextCursor::End);
        view_->ensureCursorVisible();
    }
    show();
    raise();
    activateWindow();
}

QAction* ReportWindow::addCommand(QMenu* menu, const char* name, const QString& caption) {
    auto* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
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
    : ReportWindow("TResultsForm", QStringLiteral("View Results"), "results_box", parent) {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    connect(addCommand(file, "Save1", QStringLiteral("&Save")), &QAction::triggered, this,
            [this] { showNotYetAvailable(this); });
    connect(addCommand(file, "Print1", QStringLiteral("&Print")), &QAction::triggered, this,
            [this] { showNotYetAvailable(this); });
    connect(addCommand(file, "Exit1", QStringLiteral("E&xit")), &QAction::triggered, this,
            &QWidget::close);
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    for (const auto& [name, caption] :
         {std::pair{"Cut1", "Cu&t"}, {"Copy1", "&Copy"}, {"Paste1", "&Paste"}}) {
        connect(addCommand(edit, name, QLatin1String(caption)), &QAction::triggered, this,
                [this] { showNotYetAvailable(this); });
    }
    QMenu* format = menuBar()->addMenu(QStringLiteral("F&ormat"));
    connect(addCommand(format, "Font1", QStringLiteral("&Font")), &QAction::triggered, this,
            [this] { showNotYetAvailable(this); });

    addPrintNote();
    column().addWidget(&view());
    auto* buttons = new QHBoxLayout;
    for (const auto& [name, caption] : {std::pair{"btn_hist", "Histogram for Scores"},
                                        {"btn_bar", "Bar Chart for Scores"},
                                        {"btn_grades", "Bar Chart for Grades"}}) {
        auto* chart = new QPushButton(QLatin1String(caption), centralWidget());
        chart->setObjectName(QLatin1String(name));
        connect(chart, &QPushButton::clicked, this, [this] { showNotYetAvailable(this); });
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
    : ReportWindow("TQuickViewForm", QStringLiteral("Quick Results Viewer"), "RichEdit1", parent) {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    connect(addCommand(file, "Save1", QStringLiteral("&Save")), &QAction::triggered, this,
            [this] { showNotYetAvailable(this); });
    connect(addCommand(file, "Print1", QStringLiteral("&Print")), &QAction::triggered, this,
            [this] { showNotYetAvailable(this); });
    QMenu* font = menuBar()->addMenu(QStringLiteral("F&ont"));
    connect(addCommand(font, "N10pitchCourierNew1", QStringLiteral("10 pitch Courier New")),
            &QAction::triggered, this, [this] { showNotYetAvailable(this); });
    connect(addCommand(font, "N12pitchCourierNew1", QStringLiteral("12 pitch Courier New")),
            &QAction::triggered, this, [this] { showNotYetAvailable(this); });
    auto* close_item = menuBar()->addAction(QStringLiteral("&Close"));
    close_item->setObjectName(QStringLiteral("Close1"));
    connect(close_item, &QAction::triggered, this, &QWidget::close);
    column().addWidget(&view());
}

// ---------------------------------------------------------------- Grade Reports

GradeReportWindow::GradeReportWindow(QWidget* parent)
    : ReportWindow("TReportForm", QStringLiteral("Grade Reports"), "report_box", parent) {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    connect(addCommand(file, "Save1", QStringLiteral("&Save")), &QAction::triggered, this,
            [this] { showNotYetAvailable(this); });
    connect(addCommand(file, "Print1", QStringLiteral("&Print")), &QAction::triggered, this,
            [this] { showNotYetAvailable(this); });
    connect(addCommand(file, "Exit1", QStringLiteral("E&xit")), &QAction::triggered, this,
            &QWidget::close);
    addPrintNote();
    column().addWidget(&view());
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(addCloseButton());
    column().addLayout(buttons);
}

}  // namespace kor::ui
