#pragma once
// Printing a report as the plain-text document it is: its lines in a
// fixed-pitch font on the printer's pages, a line too long for the page
// continued on the next row, a form feed starting a new page, and a footer
// with the data set's name and the page number on every page. Every viewer
// prints through here.

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

class QFontMetricsF;
class QPainter;
class QPrinter;
class QRectF;
class QSizeF;
class QWidget;

namespace kor {
struct ProgramState;
}

namespace kor::ui {

// The margins every report and chart is printed within, set before the
// print dialog so that the user may still change them.
void setPrintMargins(QPrinter& printer);

// How many characters fit across a page and how many rows of the report
// fit down it above the footer.
struct PageGrid {
    int columns = 1;
    int rows = 1;
};
PageGrid pageGrid(const QFontMetricsF& metrics, const QSizeF& page);
PageGrid pageGrid(QPrinter& printer, const QFont& font);

// The rows of each page: long lines wrapped at `grid.columns`, a new page
// at every form feed and where `grid.rows` rows are full. A form feed at the
// very top of a page starts no empty page. Where the next lines fit, a page
// ends earlier rather than with a heading whose first rows go over to the
// next page, or so that a block's first or last line does not stand alone
// on either side of the break.
QList<QStringList> paginate(const QStringList& lines, PageGrid grid);

// The footer row of page `page` of `pages`, `columns` wide: the data set's
// name on the left (cut to leave room), "page N of M" on the right.
QString pageFooter(const QString& name, int page, int pages, int columns);

// The pages as printed: their rows, and their footers naming `footer_name`.
struct PrintedPage {
    QStringList rows;
    QString footer;
};
QList<PrintedPage> layOutPages(const QStringList& lines, PageGrid grid, const QString& footer_name);

// Draws a page's rows from the top of `area` and its footer on the area's
// bottom line.
void paintPage(QPainter& painter, const QRectF& area, const QFont& font, const PrintedPage& page);

// What a printout is named after. The footer name and the proposed file are
// empty for a text that belongs to no data set.
struct PrintJob {
    QString document;      // the name printers and print queues list it under
    QString footer_name;   // on every page
    QString proposed_pdf;  // the PDF file the print dialog proposes
    QString data_file;     // the file the data were read from: never printed over
};

// The job for a printout of the data set in `state`, proposed as a PDF file
// in the folder of the file the data were read from, named after the data
// set with `suffix` ("exam_full.pdf"); a data set without a file is proposed
// in the folder last chosen, as "KOR" with the suffix. Without a state, a
// job of the document's name only.
PrintJob dataSetPrintJob(const ProgramState* state, const QString& document, const QString& suffix);

// The printer chosen for `job`: through the print dialog (or, without
// `ask`, the default printer), false when the user cancelled or chose a file
// that may not be written (which is then said).
bool choosePrinterFor(QWidget* parent, QPrinter& printer, const PrintJob& job, bool ask);

// The PDF file `printer` prints into; empty for a printer.
QString printedFile(const QPrinter& printer);

// Prints `lines` on `printer` with `footer_name` in each page's footer; the
// number of pages printed, or 0 when the printer could not be started.
int printLines(QPrinter& printer, const QStringList& lines, const QFont& font,
               const QString& footer_name = {});

// The viewers' Print: the printer chosen for `job`, and a message when
// printing fails. The PDF file written, else an empty text.
QString printReport(QWidget* parent, const QStringList& lines, const PrintJob& job,
                    const QFont& font, bool ask);

}  // namespace kor::ui
