#pragma once
// The read-only text view every report is shown in: "Courier New" so that
// the report's columns line up, no line wrapping, both scroll bars.

#include <QPlainTextEdit>
#include <string>
#include <vector>

namespace kor::ui {

// The fixed-pitch font of the reports and the data editor's columns.
QFont reportFont(int point_size = 10);

class ReportView : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit ReportView(const QString& object_name, QWidget* parent = nullptr);

    // Shows `lines`, one per row, with the caret at the start.
    void setLines(const std::vector<std::string>& lines);
    // The rows as shown.
    std::vector<std::string> lines() const;
};

}  // namespace kor::ui
