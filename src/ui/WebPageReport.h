#pragma once
// "Save Report as Web Page (HTML)...": a save dialog, the page written by the
// application, then the page opened in the user's browser. Opening goes
// through one seam, so tests can see what would have been opened without a
// browser starting.

#include <QList>
#include <QUrl>

#include "core/Outcome.h"

class QWidget;

namespace kor::ui {

class AppController;

class BrowserLauncher {
  public:
    // Opens `url` with the desktop's handler for it; false when none took it.
    static bool open(const QUrl& url);

    // --- the test hook: while recording nothing is opened; each call is
    // kept and counts as opened.
    static void startRecording();
    static void stopRecording();
    static const QList<QUrl>& opened();
};

// Asks for the file, saves the page and opens it. Shows every message of
// the outcome it returns (nothing written when the dialog was cancelled).
Outcome saveReportAsWebPage(QWidget* parent, AppController& controller);

}  // namespace kor::ui
