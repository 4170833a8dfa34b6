#pragma once
// Printing a report as the plain-text document it is: its lines in a
// fixed-pitch font on the printer's pages, a line too long for the page
// continued on the next row, and a form feed starting a new page. Every
// viewer prints through here.

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

namespace kor::ui {

// The margins every report and chart is printed within, set before the
// print dialog so that the user may still change them.
void setPrintMargins(QPrinter& printer);

// How many characters fit across a page and how many rows down it.
struct PageGrid {
    int columns = 1;
    int rows = 1;
};
PageGrid pageGrid(QPrinter& printer, const QFont& font);

// The rows of each page: long lines wrapped at `grid.columns`, a new page
// after `grid.rows` rows and at every form feed. A form feed at the very top
// of a page starts no empty page.
QList<QStringList> paginate(const QStringList& lines, PageGrid grid);

// Prints `lines` on `printer`; the number of pages printed, or 0 when the
// printer could not be started.
int printLines(QPrinter& printer, const QStringList& lines, const QFont& font);

// The viewers' Print: a printer chosen through the print dialog (or, without
// `ask`, the default printer), the document named `document`, and a message
// when printing fails.
void printReport(QWidget* parent, const QStringList& lines, const QString& document,
                 const QFont& font, bool ask);

}  // namespace kor::ui
