#include "ui/FileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace kor::ui {

namespace {

struct Recorder {
    bool recording = false;
    QStringList answers;
    QList<FileRequest> asked;
};

Recorder& recorder() {
    static Recorder instance;
    return instance;
}

QString& last_folder() {
    static QString folder;
    return folder;
}

void remember(const QString& path) {
    if (!path.isEmpty()) {
        last_folder() = QFileInfo(path).absolutePath();
    }
}

QString choose(QWidget* parent, const FileRequest& request, QFileDialog::AcceptMode mode) {
    Recorder& r = recorder();
    if (r.recording) {
        r.asked.append(request);
        const QString answer = r.answers.isEmpty() ? QString() : r.answers.takeFirst();
        remember(answer);
        return answer;
    }
    QFileDialog dialog(parent);
    if (!request.title.isEmpty()) {
        dialog.setWindowTitle(request.title);
    }
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setNameFilter(FileDialogs::qtFilter(request.filter));
    dialog.setDefaultSuffix(request.default_suffix);
    dialog.setDirectory(FileDialogs::lastFolder());
    if (!request.proposed_name.isEmpty()) {
        dialog.selectFile(request.proposed_name);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    const QString path = dialog.selectedFiles().first();
    remember(path);
    return path;
}

}  // namespace

QString FileDialogs::openFile(QWidget* parent, const FileRequest& request) {
    return choose(parent, request, QFileDialog::AcceptOpen);
}

QString FileDialogs::saveFile(QWidget* parent, const FileRequest& request) {
    return choose(parent, request, QFileDialog::AcceptSave);
}

QString FileDialogs::lastFolder() {
    return last_folder().isEmpty() ? QDir::currentPath() : last_folder();
}

QString FileDialogs::inLastFolder(const QString& name) {
    return QDir(lastFolder()).filePath(name);
}

QString FileDialogs::qtFilter(const QString& filter) {
    // Pairs of a description and its patterns; the dialog reads the patterns
    // from the last parentheses of each entry, separated by blanks.
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype k = 0; k + 1 < parts.size(); k += 2) {
        QString description = parts[k];
        const qsizetype open = description.lastIndexOf(QLatin1String(" ("));
        if (open > 0 && description.endsWith(QLatin1Char(')'))) {
            description.truncate(open);
        }
        QString patterns = parts[k + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        entries.append(description + QLatin1String(" (") + patterns + QLatin1Char(')'));
    }
    return entries.join(QLatin1String(";;"));
}

void FileDialogs::startRecording() {
    recorder() = Recorder{};
    recorder().recording = true;
    last_folder().clear();
}

void FileDialogs::stopRecording() {
    recorder() = Recorder{};
    last_folder().clear();
}

void FileDialogs::setNextAnswer(const QString& path) {
    recorder().answers.append(path);
}

const QList<FileRequest>& FileDialogs::asked() {
    return recorder().asked;
}

}  // namespace kor::ui
