#pragma once
// Copies a form model's texts into a window's controls and back, found by
// object name; shows an Outcome's messages and moves the focus to the control
// it names. The core's texts are single-byte strings, shown as Latin-1.

#include <QString>
#include <string>
#include <vector>

#include "core/Outcome.h"

class QWidget;

namespace kor::ui {

QString toQt(const std::string& text);
// A character the single-byte text cannot hold becomes "?".
std::string fromQt(const QString& text);

// Lines of a multi-line box: joined by line ends, and split at them (a last
// line end starts an empty last line, as the box shows it).
QString joinLines(const std::vector<std::string>& lines);
std::vector<std::string> splitLines(const QString& text);

// One text of a form model and the control that shows it.
struct BoundText {
    const char* control;  // object name
    std::string text;
};

// Puts each text into its control (edit box, multi-line box, label or
// button) without announcing the change as typing.
void putTexts(QWidget& window, const std::vector<BoundText>& texts);

// The text of the named control; empty when there is no such control.
std::string textOf(const QWidget& window, const char* control);

// Moves the focus to the named control (selecting an edit box's text).
void focusControl(QWidget& window, const std::string& control);

// What a status bar says after a command wrote `written` (full paths);
// empty when it wrote nothing.
QString writtenText(const std::vector<std::string>& written);

// Shows the outcome's messages one after the other (a refusal's with the
// warning icon), then focuses the control of a refusal.
void showOutcome(QWidget& window, const Outcome& outcome);

}  // namespace kor::ui
