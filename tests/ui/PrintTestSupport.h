#pragma once
// What the tests of printing share: the print dialog answered for a person,
// and the pages of the PDF files printed.

#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <string>

#include "ui/Binding.h"
#include "ui/PrintDialogs.h"
#include "ui/ReportView.h"

namespace kor::ui::testing {

// The print dialog answers for a person while the object lives.
struct PrintRecording {
    PrintRecording() { PrintDialogs::startRecording(); }
    ~PrintRecording() { PrintDialogs::stopRecording(); }
    PrintRecording(const PrintRecording&) = delete;
    PrintRecording& operator=(const PrintRecording&) = delete;
};

inline QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The pages of a PDF file: its page objects (not the page tree's "/Pages").
inline int pdfPages(const QString& path) {
    const QByteArray pdf = contents(path);
    if (!pdf.startsWith("%PDF-") || !pdf.trimmed().endsWith("%%EOF")) {
        return -1;
    }
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

inline QStringList viewLines(ReportView& view) {
    QStringList lines;
    for (const std::string& line : view.lines()) {
        lines.append(toQt(line));
    }
    return lines;
}

}  // namespace kor::ui::testing
