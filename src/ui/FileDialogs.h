#pragma once
// Every file dialog of the desktop program goes through this one seam, so a
// test can choose a file name (or cancel) as a person would. It also keeps
// the folder the user last chose, where the commands that name their file
// themselves write.

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

namespace kor::ui {

// What a command asks its file dialog for; the filter is written the way the
// commands name it ("Text files (*.txt)|*.txt|All Files (*.*)|*.*").
struct FileRequest {
    QString filter;
    QString default_suffix;  // without the dot; empty for none
    QString proposed_name;   // file name the dialog starts with; empty for none
    QString title = {};      // what the dialog opens or saves; empty for the system's own
};

class FileDialogs {
  public:
    // The chosen file, or an empty text when the user cancelled. A save
    // dialog asks before it lets the user pick an existing file.
    static QString openFile(QWidget* parent, const FileRequest& request);
    static QString saveFile(QWidget* parent, const FileRequest& request);

    // The folder of the last file chosen; the working folder until then.
    static QString lastFolder();
    // `name` in that folder.
    static QString inLastFolder(const QString& name);

    // "Text files (*.txt)|*.txt|All Files (*.*)" as the dialog's filter list.
    static QString qtFilter(const QString& filter);

    // --- the test hook. While recording, no dialog is shown: each takes the
    // next queued answer (an empty text cancels; none queued cancels too)
    // and keeps what it was asked.
    static void startRecording();
    static void stopRecording();
    static void setNextAnswer(const QString& path);
    static const QList<FileRequest>& asked();
};

}  // namespace kor::ui
