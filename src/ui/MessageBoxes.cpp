#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QList>

namespace kor::ui {

namespace {

struct Recorder {
    bool recording = false;
    QStringList shown;
    QList<QMessageBox::StandardButton> answers;
};

Recorder& recorder() {
    static Recorder instance;
    return instance;
}

QMessageBox::StandardButton recorded(const QString& text, QMessageBox::StandardButton fallback) {
    Recorder& r = recorder();
    r.shown.append(text);
    return r.answers.isEmpty() ? fallback : r.answers.takeFirst();
}

}  // namespace

void MessageBoxes::inform(QWidget* parent, const QString& text) {
    if (recorder().recording) {
        recorded(text, QMessageBox::Ok);
        return;
    }
    QMessageBox::information(parent, QApplication::applicationName(), text);
}

QMessageBox::StandardButton MessageBoxes::ask(QWidget* parent, const QString& text,
                                              QMessageBox::StandardButtons buttons,
                                              QMessageBox::StandardButton fallback) {
    if (recorder().recording) {
        return recorded(text, fallback);
    }
    const QMessageBox::StandardButton answer =
        QMessageBox::question(parent, QApplication::applicationName(), text, buttons, fallback);
    return answer == QMessageBox::NoButton ? fallback : answer;
}

void MessageBoxes::startRecording() {
    recorder() = Recorder{};
    recorder().recording = true;
}

void MessageBoxes::stopRecording() {
    recorder() = Recorder{};
}

void MessageBoxes::setNextAnswer(QMessageBox::StandardButton answer) {
    recorder().answers.append(answer);
}

const QStringList& MessageBoxes::shown() {
    return recorder().shown;
}

void MessageBoxes::clearShown() {
    recorder().shown.clear();
}

}  // namespace kor::ui
