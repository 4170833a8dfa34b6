#pragma once
// The chart window `TGraph`: one bar chart at a time, drawn from the bars
// the core computed for it (title, labels, values, marks and bar width). It
// only draws: which bars a chart has is decided in the core.

#include <QMainWindow>

#include "core/analysis/ChartData.h"

class QChart;
class QChartView;
class QPrinter;

namespace kor {
struct ProgramState;
}

namespace kor::ui {

class ChartWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit ChartWindow(QWidget* parent);

    // Replaces the bars of the chart with those of `chart_data` and shows the window.
    void showChart(const ChartData& chart_data);
    QChart& chart();
    QChartView& chartView() { return *view_; }

    // The chart as a picture of the window's size.
    QImage image() const;
    // Writes the picture to `path`: PNG when the name ends in ".png", else
    // BMP. The file is replaced only once the whole picture is written; an
    // empty text on success, else the system's message.
    QString writeImage(const QString& path) const;
    // Draws the chart on `printer`'s page, scaled to fit; false when the
    // printer could not be started.
    bool printChart(QPrinter& printer) const;
    // Printouts are proposed as PDF files named after this data set.
    void setDataSet(const ProgramState& data_set) { data_set_ = &data_set; }

  signals:
    // "Save": the main window asks for the file and checks it may be written.
    void saveRequested();
    // A printout went into the PDF file `path`.
    void printedToFile(const QString& path);

  private:
    void print();

    QChartView* view_ = nullptr;
    const ProgramState* data_set_ = nullptr;
};

}  // namespace kor::ui
