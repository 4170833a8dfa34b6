#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QList>

#include "app/Application.h"

namespace kor::ui {

namespace {

struct Recorder {
    bool recording = false;
    QStringList shown;
    QList<QMessageBox::Icon> icons;
    QList<QMessageBox::StandardButton> answers;
};

Recorder& recorder() {
    static Recorder instance;
    return instance;
}

QMessageBox::StandardButton recorded(const QString& text, QMessageBox::Icon icon,
                                     QMessageBox::StandardButton fallback) {
    Recorder& r = recorder();
    r.shown.append(text);
    r.icons.append(icon);
    return r.answers.isEmpty() ? fallback : r.answers.takeFirst();
}

}  // namespace

void MessageBoxes::inform(QWidget* parent, const QString& text) {
    if (recorder().recording) {
        recorded(text, QMessageBox::Information, QMessageBox::Ok);
        return;
    }
    QMessageBox::information(parent, QApplication::applicationName(), text);
}

void MessageBoxes::warn(QWidget* parent, const QString& text) {
    if (recorder().recording) {
        recorded(text, QMessageBox::Warning, QMessageBox::Ok);
        return;
    }
    QMessageBox::warning(parent, QApplication::applicationName(), text);
}

QMessageBox::StandardButton MessageBoxes::ask(QWidget* parent, const QString& text,
                                              QMessageBox::StandardButtons buttons,
                                              QMessageBox::StandardButton fallback) {
    if (recorder().recording) {
        return recorded(text, QMessageBox::Warning, fallback);
    }
    const QMessageBox::StandardButton answer =
        QMessageBox::warning(parent, QApplication::applicationName(), text, buttons, fallback);
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

const QList<QMessageBox::Icon>& MessageBoxes::shownIcons() {
    return recorder().icons;
}

void MessageBoxes::clearShown() {
    recorder().shown.clear();
    recorder().icons.clear();
}

bool askToDiscardChanges(QWidget* parent) {
    return MessageBoxes::ask(parent, QString::fromLatin1(discard_changes_question),
                             QMessageBox::Yes | QMessageBox::No,
                             QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace kor::ui
