#pragma once
// Every message box of the desktop program goes through this one seam, so a
// test can read what the program said and answer as a person would.

#include <QMessageBox>
#include <QString>
#include <QStringList>

class QWidget;

namespace kor::ui {

class MessageBoxes {
  public:
    // A message with an OK button, as every message of the program is.
    static void inform(QWidget* parent, const QString& text);
    // A question; returns the button pressed (`fallback` when the box is
    // closed without a choice).
    static QMessageBox::StandardButton ask(QWidget* parent, const QString& text,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton fallback);

    // --- the test hook. While recording, no box is shown: each keeps its
    // text and takes the next queued answer, or its default button.
    static void startRecording();
    static void stopRecording();
    static void setNextAnswer(QMessageBox::StandardButton answer);
    static const QStringList& shown();
    static void clearShown();
};

}  // namespace kor::ui
