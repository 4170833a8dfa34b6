#include "ui/ReportView.h"

#include <QTextCursor>

#include "ui/Binding.h"

namespace kor::ui {

QFont reportFont(int point_size) {
    QFont font(QStringLiteral("Courier New"), point_size);
    // Where "Courier New" and its metric twin are missing, any fixed-pitch face.
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

ReportView::ReportView(const QString& object_name, QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(object_name);
    setReadOnly(true);
    setFont(reportFont());
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Read-only text is still selectable and reachable from the keyboard.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void ReportView::setLines(const std::vector<std::string>& lines) {
    setPlainText(joinLines(lines));
    moveCursor(QTextCursor::Start);
    ensureCursorVisible();
}

std::vector<std::string> ReportView::lines() const {
    return splitLines(toPlainText());
}

}  // namespace kor::ui
