#include "ui/PrintDialogs.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "ui/ModalWindows.h"

namespace kor::ui {

namespace {

struct Recorder {
    bool recording = false;
    QStringList answers;
    QList<PrintDialogs::Asked> asked;
};

Recorder& recorder() {
    static Recorder instance;
    return instance;
}

void printIntoPdf(QPrinter& printer, const QString& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
}

}  // namespace

bool PrintDialogs::choosePrinter(QWidget* parent, QPrinter& printer, bool ask,
                                 const QString& proposed_pdf) {
    Recorder& r = recorder();
    if (r.recording) {
        r.asked.append({printer.docName(), ask, proposed_pdf});
        const QString answer = r.answers.isEmpty() ? QString() : r.answers.takeFirst();
        if (answer.isEmpty()) {
            return false;
        }
        printIntoPdf(printer, answer);
        return true;
    }
    if (!ask && !QPrinterInfo::defaultPrinter().isNull()) {
        printer.setPrinterName(QPrinterInfo::defaultPrinter().printerName());
        return true;
    }
    // The dialog opens on "Print to File (PDF)" with this file; the printers
    // stay in its list.
    if (!proposed_pdf.isEmpty()) {
        printIntoPdf(printer, proposed_pdf);
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("PrintDialog1"));
    return ModalWindows::exec(dialog) == QDialog::Accepted;
}

void PrintDialogs::startRecording() {
    recorder() = Recorder{};
    recorder().recording = true;
}

void PrintDialogs::stopRecording() {
    recorder() = Recorder{};
}

void PrintDialogs::setNextAnswer(const QString& pdf_path) {
    recorder().answers.append(pdf_path);
}

const QList<PrintDialogs::Asked>& PrintDialogs::asked() {
    return recorder().asked;
}

}  // namespace kor::ui
