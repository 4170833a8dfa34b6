#include "ui/WebPageReport.h"

#include <QDesktopServices>
#include <QFileInfo>

#include "ui/AppController.h"
#include "ui/Binding.h"
#include "ui/FileDialogs.h"

namespace kor::ui {

namespace {

const char* const web_page_filter = "Web pages (*.html,*.htm)|*.html;*.htm|All Files (*.*)|*.*";

struct Recorder {
    bool recording = false;
    QList<QUrl> opened;
};

Recorder& recorder() {
    static Recorder instance;
    return instance;
}

}  // namespace

bool BrowserLauncher::open(const QUrl& url) {
    Recorder& r = recorder();
    if (r.recording) {
        r.opened.append(url);
        return true;
    }
    return QDesktopServices::openUrl(url);
}

void BrowserLauncher::startRecording() {
    recorder().recording = true;
    recorder().opened.clear();
}

void BrowserLauncher::stopRecording() {
    recorder().recording = false;
}

const QList<QUrl>& BrowserLauncher::opened() {
    return recorder().opened;
}

Outcome saveReportAsWebPage(QWidget* parent, AppController& controller) {
    // Stale results are refused before a file is asked for.
    if (Outcome current = controller.checkResultsCurrent(); current.refused) {
        if (parent != nullptr) {
            showOutcome(*parent, current);
        }
        return current;
    }
    const QString path =
        FileDialogs::saveFile(parent, {QString::fromLatin1(web_page_filter), QStringLiteral("html"),
                                       toQt(controller.proposedInputFileName())});
    if (path.isEmpty()) {
        return {};
    }
    Outcome outcome = controller.saveHtmlReport(fromQt(path));
    // The page is saved whether or not a browser takes it; saying so is enough.
    if (outcome.accepted() &&
        !BrowserLauncher::open(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()))) {
        outcome.show("The report was saved as " + fromQt(path) +
                     ", but no browser could be started to show it.");
    }
    if (parent != nullptr) {
        showOutcome(*parent, outcome);
    }
    return outcome;
}

}  // namespace kor::ui
