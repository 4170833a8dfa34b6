#include "ui/ModalWindows.h"

#include <QApplication>
#include <QDialog>
#include <QList>
#include <QPointer>

namespace kor::ui {

namespace {

struct Recorder {
    bool recording = false;
    QList<ModalWindows::Action> actions;
    QStringList unexpected;
    QStringList shown;
};

Recorder& recorder() {
    static Recorder instance;
    return instance;
}

int run_action(QDialog& window, Recorder& r) {
    r.shown.append(window.objectName());
    const QPointer<QWidget> previous = QApplication::activeWindow();
    window.setResult(QDialog::Rejected);
    window.show();
    // What the window queued for when it is shown (a file dialog over a
    // freshly opened editor) runs before the action, as it would in its loop.
    QCoreApplication::processEvents();
    if (r.actions.isEmpty()) {
        r.unexpected.append(window.objectName());
    } else {
        const ModalWindows::Action action = r.actions.takeFirst();
        action(window);
    }
    if (window.isVisible()) {
        window.reject();
    }
    // As after a modal window's own loop, the window below takes the keys again.
    if (previous != nullptr && previous != &window) {
        previous->activateWindow();
        QCoreApplication::processEvents();
    }
    return window.result();
}

}  // namespace

int ModalWindows::exec(QDialog& window) {
    Recorder& r = recorder();
    if (r.recording) {
        return run_action(window, r);
    }
    return window.exec();
}

void ModalWindows::startRecording() {
    recorder() = Recorder{};
    recorder().recording = true;
}

void ModalWindows::stopRecording() {
    recorder() = Recorder{};
}

void ModalWindows::setNextAction(Action action) {
    recorder().actions.append(std::move(action));
}

int ModalWindows::pendingActions() {
    return static_cast<int>(recorder().actions.size());
}

const QStringList& ModalWindows::unexpected() {
    return recorder().unexpected;
}

const QStringList& ModalWindows::shownWindows() {
    return recorder().shown;
}

}  // namespace kor::ui
