#include "ui/ReportPrinting.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "app/ProgramState.h"
#include "core/FileIO.h"
#include "ui/Binding.h"
#include "ui/FileDialogs.h"
#include "ui/MessageBoxes.h"
#include "ui/PrintDialogs.h"

namespace kor::ui {

namespace {

constexpr QChar form_feed = u'\f';
// Room for binding and for printers that cannot print to the paper's edge.
constexpr double margin_mm = 15.0;
// Below the text of every page: a blank row, then the footer.
constexpr int footer_rows = 2;
// How many lines a heading keeps on its page.
constexpr int rows_kept_with_heading = 2;
// A longer run of lines above a rule is a table's body, not its heading.
constexpr qsizetype longest_heading = 3;

bool isBlank(const QString& line) {
    return line.trimmed().isEmpty();
}

// A line drawn of "=", "-", "*" or "_" (blanks between): above or below a
// heading, under column headings, around a table.
bool isRule(const QString& line) {
    int marks = 0;
    for (const QChar c : line) {
        if (c == u'=' || c == u'-' || c == u'*' || c == u'_') {
            ++marks;
        } else if (c != u' ') {
            return false;
        }
    }
    return marks >= 3;
}

// Where a page may end within the lines between two form feeds: before
// which line. The reports mark their headings with rules ("====" above and
// below a title, "-----" under column headings); a short run of lines with
// a rule under it is a heading.
class BreakRules {
  public:
    explicit BreakRules(const QStringList& lines)
        : lines_(lines), good_(at(lines.size()), true), heading_(at(lines.size()), false) {
        keepHeadingsWithTheirRows();
        keepBlocksTogether();
    }

    bool goodBreakBefore(qsizetype line) const { return good_[at(line)]; }

  private:
    static std::size_t at(qsizetype line) { return static_cast<std::size_t>(line); }
    bool isText(qsizetype line) const { return !isBlank(lines_[line]) && !isRule(lines_[line]); }
    // A line of a block's own text: neither blank nor part of a heading.
    bool isBody(qsizetype line) const { return !isBlank(lines_[line]) && !heading_[at(line)]; }
    // The last line of the run of lines from `first` that `belongs` accepts,
    // at most `longest` lines.
    template <typename Belongs>
    qsizetype runEnd(qsizetype first, Belongs belongs, qsizetype longest) const {
        qsizetype last = first;
        while (last - first + 1 < longest && last + 1 < lines_.size() && belongs(last + 1)) {
            ++last;
        }
        return last;
    }
    void forbid(qsizetype from, qsizetype to) {
        for (qsizetype b = std::max<qsizetype>(from, 1); b <= to && b < lines_.size(); ++b) {
            good_[at(b)] = false;
        }
    }

    // Each heading stays together and with the first lines after it.
    void keepHeadingsWithTheirRows() {
        struct Span {
            qsizetype first, last;
        };
        std::vector<Span> spans;
        const auto text = [this](qsizetype l) { return isText(l); };
        for (qsizetype line = 0; line < lines_.size(); ++line) {
            if (!isText(line)) {
                continue;
            }
            const qsizetype last = runEnd(line, text, lines_.size());
            const bool underlined = last + 1 < lines_.size() && isRule(lines_[last + 1]);
            if (underlined && last - line + 1 <= longest_heading) {
                const bool overlined = line > 0 && isRule(lines_[line - 1]);
                spans.push_back({overlined ? line - 1 : line, last + 1});
            }
            line = last;
        }
        for (const Span& span : spans) {
            std::fill(heading_.begin() + span.first, heading_.begin() + span.last + 1, true);
        }
        const auto body = [this](qsizetype l) { return isBody(l); };
        for (const Span& span : spans) {
            qsizetype kept = span.last;
            for (qsizetype l = span.last + 1; l < lines_.size(); ++l) {
                if (isBody(l)) {
                    kept = runEnd(l, body, rows_kept_with_heading);
                    break;
                }
            }
            forbid(span.first + 1, kept);
        }
    }

    // Neither the first nor the last line of a block is left alone.
    void keepBlocksTogether() {
        const auto body = [this](qsizetype l) { return isBody(l); };
        for (qsizetype line = 0; line < lines_.size(); ++line) {
            if (!isBody(line)) {
                continue;
            }
            const qsizetype last = runEnd(line, body, lines_.size());
            if (last > line) {
                forbid(line + 1, line + 1);
                forbid(last, last);
            }
            line = last;
        }
    }

    const QStringList& lines_;
    std::vector<bool> good_;
    std::vector<bool> heading_;
};

// The lines between form feeds; a form feed inside a line breaks the page
// where it stands.
QList<QStringList> sectionsOf(const QStringList& lines) {
    QList<QStringList> sections{QStringList{}};
    for (const QString& line : lines) {
        const QStringList parts = line.split(form_feed);
        for (qsizetype part = 0; part < parts.size(); ++part) {
            if (part > 0) {
                sections.append(QStringList{});
            }
            if (!parts[part].isEmpty() || parts.size() == 1) {
                sections.last().append(parts[part]);
            }
        }
    }
    return sections;
}

struct Row {
    QString text;
    qsizetype line;
    bool starts_line;
};

std::vector<Row> rowsOf(const QStringList& lines, int columns) {
    std::vector<Row> rows;
    for (qsizetype line = 0; line < lines.size(); ++line) {
        const QString& text = lines[line];
        if (text.isEmpty()) {
            rows.push_back({QString(), line, true});
        }
        for (qsizetype from = 0; from < text.size(); from += columns) {
            rows.push_back({text.mid(from, columns), line, from == 0});
        }
    }
    return rows;
}

void paginateSection(const QStringList& lines, PageGrid grid, QList<QStringList>& pages) {
    const BreakRules rules(lines);
    const std::vector<Row> rows = rowsOf(lines, std::max(grid.columns, 1));
    const auto capacity = static_cast<std::size_t>(std::max(grid.rows, 1));
    std::size_t start = 0;
    while (start < rows.size()) {
        std::size_t end = std::min(start + capacity, rows.size());
        if (end < rows.size()) {
            std::size_t b = end;
            while (b > start && !(rows[b].starts_line && rules.goodBreakBefore(rows[b].line))) {
                --b;
            }
            // Where no break is good the page is cut where it is full.
            end = b > start ? b : end;
        }
        QStringList page;
        for (std::size_t r = start; r < end; ++r) {
            page.append(rows[r].text);
        }
        pages.append(page);
        start = end;
    }
}

}  // namespace

void setPrintMargins(QPrinter& printer) {
    printer.setPageMargins(QMarginsF(margin_mm, margin_mm, margin_mm, margin_mm),
                           QPageLayout::Millimeter);
}

PageGrid pageGrid(const QFontMetricsF& metrics, const QSizeF& page) {
    const double advance = std::max(metrics.horizontalAdvance(QLatin1Char('M')), 1.0);
    const double line = std::max(metrics.lineSpacing(), 1.0);
    const int rows = static_cast<int>(std::floor(page.height() / line)) - footer_rows;
    return {std::max(static_cast<int>(std::floor(page.width() / advance)), 1), std::max(rows, 1)};
}

PageGrid pageGrid(QPrinter& printer, const QFont& font) {
    // The font measured on the printer, whose resolution differs from the screen's.
    return pageGrid(QFontMetricsF(font, &printer), printer.pageRect(QPrinter::DevicePixel).size());
}

QList<QStringList> paginate(const QStringList& lines, PageGrid grid) {
    QList<QStringList> pages;
    for (const QStringList& section : sectionsOf(lines)) {
        paginateSection(section, grid, pages);
    }
    if (pages.isEmpty()) {
        pages.append(QStringList{});
    }
    return pages;
}

QString pageFooter(const QString& name, int page, int pages, int columns) {
    const QString number = QStringLiteral("page %1 of %2").arg(page).arg(pages);
    const qsizetype room = columns - number.size() - 2;
    if (name.isEmpty() || room <= 0) {
        return number.rightJustified(columns);
    }
    const QString shown = name.left(room);
    return shown + QString(columns - shown.size() - number.size(), u' ') + number;
}

QList<PrintedPage> layOutPages(const QStringList& lines, PageGrid grid,
                               const QString& footer_name) {
    const QList<QStringList> rows = paginate(lines, grid);
    const auto count = static_cast<int>(rows.size());
    QList<PrintedPage> pages;
    for (int page = 0; page < count; ++page) {
        pages.append({rows[page], pageFooter(footer_name, page + 1, count, grid.columns)});
    }
    return pages;
}

void paintPage(QPainter& painter, const QRectF& area, const QFont& font, const PrintedPage& page) {
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    double baseline = area.top() + metrics.ascent();
    for (const QString& row : page.rows) {
        painter.drawText(QPointF(area.left(), baseline), row);
        baseline += metrics.lineSpacing();
    }
    painter.drawText(QPointF(area.left(), area.bottom() - metrics.descent()), page.footer);
}

PrintJob dataSetPrintJob(const ProgramState* state, const QString& document,
                         const QString& suffix) {
    if (state == nullptr) {
        return {document, {}, {}, {}};
    }
    const TTestData& data = state->data;
    const std::string name = shown_data_set_name(*state);
    const bool named = name != unsaved_name;
    const QString folder = named && !data.input_file_path.empty()
                               ? QFileInfo(toQt(data.input_file_path)).absolutePath()
                               : FileDialogs::lastFolder();
    PrintJob job;
    job.document = document;
    job.footer_name = named ? toQt(name) : toQt(data.test_title).trimmed();
    job.proposed_pdf =
        QDir(folder).filePath((named ? toQt(name) : QStringLiteral("KOR")) + suffix + ".pdf");
    job.data_file = toQt(data.input_file_path);
    return job;
}

bool choosePrinterFor(QWidget* parent, QPrinter& printer, const PrintJob& job, bool ask) {
    printer.setDocName(job.document);
    setPrintMargins(printer);
    if (!PrintDialogs::choosePrinter(parent, printer, ask, job.proposed_pdf)) {
        return false;
    }
    // A printout never replaces the data's own file, as no report does.
    const QString file = printedFile(printer);
    if (file.isEmpty()) {
        return true;
    }
    const std::optional<std::string> refusal =
        write_targets_refusal({fromQt(file)}, fromQt(job.data_file));
    if (refusal) {
        MessageBoxes::warn(parent, toQt(*refusal));
    }
    return !refusal;
}

QString printedFile(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
}

int printLines(QPrinter& printer, const QStringList& lines, const QFont& font,
               const QString& footer_name) {
    const QList<PrintedPage> pages = layOutPages(lines, pageGrid(printer, font), footer_name);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return 0;
    }
    const QRectF area(QPointF(0.0, 0.0), printer.pageRect(QPrinter::DevicePixel).size());
    for (qsizetype page = 0; page < pages.size(); ++page) {
        if (page > 0 && !printer.newPage()) {
            painter.end();
            return 0;
        }
        paintPage(painter, area, font, pages[page]);
    }
    painter.end();
    return static_cast<int>(pages.size());
}

QString printReport(QWidget* parent, const QStringList& lines, const PrintJob& job,
                    const QFont& font, bool ask) {
    QPrinter printer(QPrinter::HighResolution);
    if (!choosePrinterFor(parent, printer, job, ask)) {
        return {};
    }
    if (printLines(printer, lines, font, job.footer_name) == 0) {
        MessageBoxes::warn(
            parent, QStringLiteral("The report could not be printed: the printer did not start."));
        return {};
    }
    return printedFile(printer);
}

}  // namespace kor::ui
