#pragma once
// Every modal window of the desktop program is shown through this one seam,
// so a test can act inside it (type, press its buttons) as a person would,
// instead of waiting in the window's own event loop.

#include <QStringList>
#include <functional>

class QDialog;

namespace kor::ui {

class ModalWindows {
  public:
    using Action = std::function<void(QDialog&)>;

    // Shows `window` modally until it is closed; returns its result
    // (QDialog::Accepted or QDialog::Rejected).
    static int exec(QDialog& window);

    // --- the test hook. While recording, a modal window is shown without
    // an event loop of its own and the next queued action runs inside it; a
    // window still open afterwards is rejected. A window shown with no
    // action queued is rejected at once and its object name kept in
    // unexpected().
    static void startRecording();
    static void stopRecording();
    static void setNextAction(Action action);
    static int pendingActions();
    static const QStringList& unexpected();
    // The object names of the modal windows shown, in order.
    static const QStringList& shownWindows();
};

}  // namespace kor::ui
