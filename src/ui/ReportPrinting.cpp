#include "ui/ReportPrinting.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

#include "ui/MessageBoxes.h"
#include "ui/PrintDialogs.h"

namespace kor::ui {

namespace {

constexpr QChar form_feed = u'\f';
// Room for binding and for printers that cannot print to the paper's edge.
constexpr double margin_mm = 15.0;

// The font measured on the printer, whose resolution differs from the screen's.
QFontMetricsF printerMetrics(QPrinter& printer, const QFont& font) {
    return QFontMetricsF(font, &printer);
}

}  // namespace

void setPrintMargins(QPrinter& printer) {
    printer.setPageMargins(QMarginsF(margin_mm, margin_mm, margin_mm, margin_mm),
                           QPageLayout::Millimeter);
}

PageGrid pageGrid(QPrinter& printer, const QFont& font) {
    const QFontMetricsF metrics = printerMetrics(printer, font);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const double advance = std::max(metrics.horizontalAdvance(QLatin1Char('M')), 1.0);
    const double line = std::max(metrics.lineSpacing(), 1.0);
    return {std::max(static_cast<int>(std::floor(page.width() / advance)), 1),
            std::max(static_cast<int>(std::floor(page.height() / line)), 1)};
}

QList<QStringList> paginate(const QStringList& lines, PageGrid grid) {
    const int columns = std::max(grid.columns, 1);
    const int rows = std::max(grid.rows, 1);
    QList<QStringList> pages{QStringList{}};
    auto newPage = [&pages] { pages.append(QStringList{}); };
    auto addRow = [&](const QString& row) {
        if (pages.last().size() >= rows) {
            newPage();
        }
        pages.last().append(row);
    };
    for (const QString& line : lines) {
        // A form feed inside a line breaks the page where it stands.
        const QStringList parts = line.split(form_feed);
        for (qsizetype part = 0; part < parts.size(); ++part) {
            if (part > 0 && !pages.last().isEmpty()) {
                newPage();
            }
            const QString& text = parts[part];
            if (text.isEmpty()) {
                if (parts.size() == 1) {
                    addRow(QString());  // an empty line of the report
                }
                continue;
            }
            for (qsizetype from = 0; from < text.size(); from += columns) {
                addRow(text.mid(from, columns));
            }
        }
    }
    return pages;
}

int printLines(QPrinter& printer, const QStringList& lines, const QFont& font) {
    const PageGrid grid = pageGrid(printer, font);
    const QList<QStringList> pages = paginate(lines, grid);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return 0;
    }
    painter.setFont(font);
    const QFontMetricsF metrics = printerMetrics(printer, font);
    const double line = metrics.lineSpacing();
    for (qsizetype page = 0; page < pages.size(); ++page) {
        if (page > 0 && !printer.newPage()) {
            painter.end();
            return 0;
        }
        double baseline = metrics.ascent();
        for (const QString& row : pages[page]) {
            painter.drawText(QPointF(0.0, baseline), row);
            baseline += line;
        }
    }
    painter.end();
    return static_cast<int>(pages.size());
}

void printReport(QWidget* parent, const QStringList& lines, const QString& document,
                 const QFont& font, bool ask) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(document);
    setPrintMargins(printer);
    if (!PrintDialogs::choosePrinter(parent, printer, ask)) {
        return;
    }
    if (printLines(printer, lines, font) == 0) {
        MessageBoxes::inform(
            parent, QStringLiteral("The report could not be printed: the printer did not start."));
    }
}

}  // namespace kor::ui
