#include "ui/ChartWindow.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "ui/Binding.h"
#include "ui/DialogParts.h"
#include "ui/MessageBoxes.h"
#include "ui/ReportPrinting.h"

namespace kor::ui {

namespace {

const QColor aqua(0, 255, 255);

// The value axis runs from 0 to a whole number a little above the tallest
// bar, so the marks above the bars stay inside the chart.
int axisTop(const ChartData& data) {
    int tallest = 0;
    for (const ChartBar& bar : data.bars) {
        tallest = std::max(tallest, bar.value);
    }
    return std::max(tallest + std::max(tallest / 10, 1), 1);
}

}  // namespace

ChartWindow::ChartWindow(QWidget* parent) : QMainWindow(parent, Qt::Window) {
    setObjectName(QStringLiteral("TGraph"));
    setWindowTitle(QStringLiteral("Graph"));
    auto* chart = new QChart;
    chart->setObjectName(QStringLiteral("Chart1"));
    chart->legend()->hide();
    view_ = new QChartView(chart);
    view_->setObjectName(QStringLiteral("ChartView1"));
    view_->setRenderHint(QPainter::Antialiasing);

    auto* save = menuBar()->addAction(QStringLiteral("&Save"));
    save->setObjectName(QStringLiteral("Save1"));
    connect(save, &QAction::triggered, this, &ChartWindow::saveRequested);
    auto* print_item = menuBar()->addAction(QStringLiteral("&Print"));
    print_item->setObjectName(QStringLiteral("Print1"));
    connect(print_item, &QAction::triggered, this, &ChartWindow::print);
    auto* close_item = menuBar()->addAction(QStringLiteral("&Close"));
    close_item->setObjectName(QStringLiteral("Close1"));
    connect(close_item, &QAction::triggered, this, &QWidget::close);

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->addWidget(view_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* close_button = new QPushButton(QStringLiteral("&Close"), central);
    close_button->setObjectName(QStringLiteral("BitBtn1"));
    connect(close_button, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(close_button);
    column->addLayout(buttons);
    setCentralWidget(central);
    resizeWithinScreen(*this, {760, 520});
}

QChart& ChartWindow::chart() {
    return *view_->chart();
}

void ChartWindow::showChart(const ChartData& chart_data) {
    QChart& c = chart();
    // The previous chart's bars and axes go first.
    c.removeAllSeries();
    for (QAbstractAxis* axis : c.axes()) {
        c.removeAxis(axis);
        delete axis;
    }
    c.setTitle(toQt(chart_data.title));

    auto* bars = new QBarSet(QStringLiteral("Series1"));
    QStringList labels;
    for (const ChartBar& bar : chart_data.bars) {
        bars->append(bar.value);
        labels.append(toQt(bar.label));
    }
    auto* series = new QBarSeries;
    series->setObjectName(QStringLiteral("Series1"));
    series->append(bars);
    series->setBarWidth(chart_data.bar_width_percent / 100.0);
    c.addSeries(series);
    // The chart's theme colours a series as it is added: the bars' own
    // colours and marks are set after that.
    bars->setColor(aqua);
    bars->setBorderColor(Qt::black);
    bars->setLabelColor(Qt::black);
    series->setLabelsVisible(chart_data.marks_visible);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    series->setLabelsPrecision(9);

    auto* categories = new QBarCategoryAxis;
    categories->append(labels);
    c.addAxis(categories, Qt::AlignBottom);
    series->attachAxis(categories);
    auto* counts = new QValueAxis;
    counts->setRange(0, axisTop(chart_data));
    counts->setLabelFormat(QStringLiteral("%d"));
    counts->applyNiceNumbers();
    c.addAxis(counts, Qt::AlignLeft);
    series->attachAxis(counts);

    show();
    raise();
    activateWindow();
}

QImage ChartWindow::image() const {
    return view_->grab().toImage();
}

QString ChartWindow::writeImage(const QString& path) const {
    const bool png = path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    if (!image().save(&file, png ? "PNG" : "BMP")) {
        file.cancelWriting();
        return file.errorString().isEmpty() ? QStringLiteral("The picture could not be written.")
                                            : file.errorString();
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}

bool ChartWindow::printChart(QPrinter& printer) const {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    // The chart keeps its proportions and fills the page's width or height.
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const QSizeF shown = view_->size();
    const QSizeF fitted = shown.scaled(page.size(), Qt::KeepAspectRatio);
    const QRectF target(QPointF(0.0, 0.0), fitted);
    view_->render(&painter, target, view_->rect(), Qt::KeepAspectRatio);
    painter.end();
    return true;
}

void ChartWindow::print() {
    QPrinter printer(QPrinter::HighResolution);
    // The document is named after the chart it shows.
    const QString document =
        chart().title().isEmpty() ? QStringLiteral("KOR Graph") : chart().title();
    const PrintJob job = dataSetPrintJob(data_set_, document, QStringLiteral("_chart"));
    if (!choosePrinterFor(this, printer, job, true)) {
        return;
    }
    if (!printChart(printer)) {
        MessageBoxes::warn(
            this, QStringLiteral("The chart could not be printed: the printer did not start."));
        return;
    }
    if (const QString pdf = printedFile(printer); !pdf.isEmpty()) {
        emit printedToFile(pdf);
    }
}

}  // namespace kor::ui
