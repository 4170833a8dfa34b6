// Printing from the viewers: where a page ends, the footer on every page,
// the PDF file proposed beside the data and confirmed in the status bar.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QStatusBar>
#include <QTemporaryDir>

#include "PrintTestSupport.h"
#include "UiSession.h"
#include "ui/ChartWindow.h"
#include "ui/PrintDialogs.h"
#include "ui/ReportPrinting.h"
#include "ui/ReportView.h"
#include "ui/ReportWindow.h"

namespace kor::ui::testing {

namespace {

// The example quiz opened as `exam.kor` from `folder` and analysed.
void openAndAnalyseExam(UiSession& s, const QString& folder) {
    const QString exam = QDir(folder).filePath(QStringLiteral("exam.kor"));
    QVERIFY(QFile::copy(QStringLiteral(KOR_EXAMPLES_DIR "/quiz.kor"), exam));
    pressInEditor("btn_done");
    s.main().openInputFile(exam);
    QVERIFY(s.command("ViewResults1")->isEnabled());
}

}  // namespace

class PrintingTest : public QObject {
    Q_OBJECT

  private slots:
    void aPageEndsBeforeALoneHeadingOrALoneRow() {
        struct Case {
            const char* what;
            QStringList lines;
            int rows;
            QList<QStringList> pages;
        };
        const QString rule = QStringLiteral("=====");
        const QList<Case> cases = {
            {"a heading goes over with its first rows, the rest of its table too",
             {"x1", "x2", "x3", "", rule, "Title", rule, "", "r1", "r2", "r3", "r4"},
             7,
             {{"x1", "x2", "x3", ""}, {rule, "Title", rule, "", "r1", "r2"}, {"r3", "r4"}}},
            {"column headings stay over their rows",
             {"a", "b", "", "Item  Key", "----  ---", "1     2", "2     3"},
             5,
             {{"a", "b", ""}, {"Item  Key", "----  ---", "1     2", "2     3"}}},
            {"no lone last row at a page top",
             {"a", "b", "c", "d", "e"},
             4,
             {{"a", "b", "c"}, {"d", "e"}}},
            {"no lone first row at a page end",
             {"p", "", "a", "b", "c"},
             3,
             {{"p", ""}, {"a", "b", "c"}}},
            {"a block longer than a page breaks where the page is full",
             {"a", "b", "c", "d", "e", "f", "g"},
             3,
             {{"a", "b", "c"}, {"d", "e"}, {"f", "g"}}},
            {"a heading with more lines than a page takes is cut",
             {rule, "T", rule, "r1", "r2"},
             2,
             {{rule, "T"}, {rule, "r1"}, {"r2"}}},
        };
        for (const Case& c : cases) {
            QCOMPARE(paginate(c.lines, PageGrid{20, c.rows}), c.pages);
        }
    }

    void everyPageCarriesTheDataSetAndItsNumber() {
        QCOMPARE(pageFooter(QStringLiteral("exam"), 2, 17, 30),
                 QStringLiteral("exam              page 2 of 17"));
        QCOMPARE(pageFooter(QStringLiteral("a long data set name"), 1, 2, 20),
                 QStringLiteral("a long   page 1 of 2"));
        QCOMPARE(pageFooter(QString(), 1, 1, 14), QStringLiteral("   page 1 of 1"));

        QTemporaryDir folder;
        const PrintRecording printing;
        UiSession s;
        openAndAnalyseExam(s, folder.path());
        s.command("ViewResults1")->trigger();
        auto* results = s.find<ResultsWindow>("TResultsForm");
        const QString pdf = QDir(folder.path()).filePath(QStringLiteral("printed.pdf"));
        PrintDialogs::setNextAnswer(pdf);
        results->findChild<QAction*>(QStringLiteral("Print1"))->trigger();
        QVERIFY(messages().isEmpty());

        QPrinter same(QPrinter::HighResolution);
        same.setOutputFormat(QPrinter::PdfFormat);
        same.setOutputFileName(QDir(folder.path()).filePath(QStringLiteral("unused.pdf")));
        setPrintMargins(same);
        const PageGrid grid = pageGrid(same, results->view().font());
        const QList<PrintedPage> pages =
            layOutPages(viewLines(results->view()), grid, QStringLiteral("exam"));
        QVERIFY(pages.size() >= 2);
        QCOMPARE(pdfPages(pdf), static_cast<int>(pages.size()));
        for (qsizetype page = 0; page < pages.size(); ++page) {
            const QString& footer = pages[page].footer;
            QVERIFY(footer.startsWith(QStringLiteral("exam ")));
            QVERIFY(
                footer.endsWith(QStringLiteral("page %1 of %2").arg(page + 1).arg(pages.size())));
            QCOMPARE(footer.size(), grid.columns);
        }

        // Painted (on an A4 page at 100 dpi inside 15 mm margins), the footer
        // is the ink on the page's last line.
        const QRectF area(59, 59, 709, 1051);
        const QString shots = qEnvironmentVariable("KOR_SCREENSHOT_MORE_DIR");
        QImage image(QSize(827, 1169), QImage::Format_RGB32);
        const QFont& font = results->view().font();
        const QList<PrintedPage> shown =
            layOutPages(viewLines(results->view()),
                        pageGrid(QFontMetricsF(font, &image), area.size()), QStringLiteral("exam"));
        for (qsizetype page = 0; page < shown.size(); ++page) {
            image.fill(Qt::white);
            QPainter painter(&image);
            paintPage(painter, area, font, shown[page]);
            painter.end();
            bool ink = false;
            for (int x = 59; x < 768 && !ink; ++x) {
                ink = qGray(image.pixel(x, static_cast<int>(area.bottom()) - 4)) < 128;
            }
            QVERIFY(ink);
            if (!shots.isEmpty()) {
                QVERIFY(QDir().mkpath(shots));
                QVERIFY(image.save(
                    QDir(shots).filePath(QStringLiteral("printed-page-%1.png").arg(page + 1))));
            }
        }
    }

    void eachViewerProposesAPdfBesideTheDataAndTheStatusBarSaysItWasWritten() {
        QTemporaryDir folder;
        const PrintRecording printing;
        UiSession s;
        openAndAnalyseExam(s, folder.path());
        struct Case {
            const char* command;  // the main window's command that opens the viewer
            const char* window;
            const char* suffix;
        };
        const Case cases[] = {
            {"ViewResults1", "TResultsForm", "_full"},
            {"ViewExam1", "TQuickViewForm", "_examinees"},
            {"ViewItem1", "TQuickViewForm", "_items"},
            {"ViewOptions1", "TQuickViewForm", "_options"},
        };
        for (const Case& c : cases) {
            s.command(c.command)->trigger();
            const QString pdf = QDir(folder.path()).filePath(QLatin1String(c.suffix) + ".pdf");
            PrintDialogs::setNextAnswer(pdf);
            child<QAction>(*s.find<QMainWindow>(c.window), "Print1")->trigger();
            QCOMPARE(PrintDialogs::asked().last().proposed_pdf,
                     QDir(folder.path()).filePath(QStringLiteral("exam") + c.suffix + ".pdf"));
            QVERIFY(QFile::exists(pdf));
            QCOMPARE(s.main().statusBar()->currentMessage(),
                     QStringLiteral("Written: ") + QFileInfo(pdf).absoluteFilePath());
        }
        child<QPushButton>(*s.find<ResultsWindow>("TResultsForm"), "btn_hist")->click();
        PrintDialogs::setNextAnswer(QString());  // cancelled: nothing written, nothing said
        const QString before = s.main().statusBar()->currentMessage();
        child<QAction>(*s.find<ChartWindow>("TGraph"), "Print1")->trigger();
        QCOMPARE(PrintDialogs::asked().last().proposed_pdf,
                 QDir(folder.path()).filePath(QStringLiteral("exam_chart.pdf")));
        QCOMPARE(s.main().statusBar()->currentMessage(), before);
    }

    void aDataSetFromNoFileIsProposedInTheFolderLastChosen() {
        const PrintRecording printing;
        UiSession s;
        pressInEditor("btn_done");
        s.command("SampleDataSet11")->trigger();
        s.button("btn_view_grades")->click();
        child<QAction>(*s.find<QMainWindow>("TReportForm"), "Print1")->trigger();
        QCOMPARE(PrintDialogs::asked().last().proposed_pdf,
                 FileDialogs::inLastFolder(QStringLiteral("KOR_grades.pdf")));
    }

    void aPrintoutNeverReplacesTheFileTheDataCameFrom() {
        QTemporaryDir folder;
        const PrintRecording printing;
        UiSession s;
        openAndAnalyseExam(s, folder.path());
        const QString exam = QDir(folder.path()).filePath(QStringLiteral("exam.kor"));
        const QByteArray data = contents(exam);
        s.command("ViewResults1")->trigger();
        PrintDialogs::setNextAnswer(exam);
        child<QAction>(*s.find<ResultsWindow>("TResultsForm"), "Print1")->trigger();
        QCOMPARE(contents(exam), data);
        QCOMPARE(messages().size(), 1);
        QVERIFY(messages().first().startsWith(QStringLiteral("Nothing was written: ")));
        QVERIFY(messages().first().contains(QStringLiteral("is the file the data were read from")));
    }
};

KOR_UI_TEST(PrintingTest);

}  // namespace kor::ui::testing

#include "PrintingTest.moc"
