#pragma once
// Every printer the desktop program prints on is chosen through this one
// seam, so a test can print into a PDF file of its own (or cancel) as a
// person would in the print dialog.

#include <QList>
#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

namespace kor::ui {

class PrintDialogs {
  public:
    // Sets `printer` up for printing. With `ask` the print dialog lets the
    // user choose a printer, a PDF file or cancel (false); without it the
    // default printer is taken at once, and where there is none the dialog
    // is shown after all, so that nothing is silently lost. The dialog
    // proposes printing into the PDF file `proposed_pdf` unless it is empty.
    static bool choosePrinter(QWidget* parent, QPrinter& printer, bool ask,
                              const QString& proposed_pdf = {});

    // --- the test hook. While recording, no dialog is shown: each choice
    // takes the next queued answer, a PDF file to print into (an empty text
    // cancels; none queued cancels too), and keeps the document's name,
    // whether the dialog was asked for and the PDF file it would propose.
    static void startRecording();
    static void stopRecording();
    static void setNextAnswer(const QString& pdf_path);
    struct Asked {
        QString document;
        bool dialog = false;
        QString proposed_pdf;
    };
    static const QList<Asked>& asked();
};

}  // namespace kor::ui
