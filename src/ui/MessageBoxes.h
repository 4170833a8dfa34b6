#pragma once
// Every message box of the desktop program goes through this one seam, so a
// test can read what the program said and answer as a person would.

#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>

class QWidget;

namespace kor::ui {

class MessageBoxes {
  public:
    // A message with an OK button, as every message of the program is.
    static void inform(QWidget* parent, const QString& text);
    // The same with the warning icon: a refusal, a file that was not written.
    static void warn(QWidget* parent, const QString& text);
    // A question, with the warning icon since every question of the program
    // asks before something may go wrong; returns the button pressed
    // (`fallback` when the box is closed without a choice).
    static QMessageBox::StandardButton ask(QWidget* parent, const QString& text,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton fallback);

    // --- the test hook. While recording, no box is shown: each keeps its
    // text and takes the next queued answer, or its default button.
    static void startRecording();
    static void stopRecording();
    static void setNextAnswer(QMessageBox::StandardButton answer);
    static const QStringList& shown();
    // The icon of each box shown, in the same order.
    static const QList<QMessageBox::Icon>& shownIcons();
    static void clearShown();
};

// Asks before a command replaces data that were not saved; true when the
// user agrees to lose them (No is the default).
bool askToDiscardChanges(QWidget* parent);

}  // namespace kor::ui
