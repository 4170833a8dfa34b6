// The result viewers, the charts, printing and saving from the windows,
// driven through their real controls by name.

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFontDialog>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QPrinter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextCursor>
#include <algorithm>
#include <sstream>

#include "KorCli.h"
#include "PrintTestSupport.h"
#include "UiSession.h"
#include "app/ProgramState.h"
#include "ui/ChartWindow.h"
#include "ui/PrintDialogs.h"
#include "ui/ReportPrinting.h"
#include "ui/ReportView.h"
#include "ui/ReportWindow.h"

namespace kor::ui::testing {

namespace {

// Sample Data Set #1 from the Examples menu, left with "Close && Analyze".
void analyseSampleSet1(UiSession& s) {
    pressInEditor("btn_done");
    s.command("SampleDataSet11")->trigger();
}

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
}

// For the life of the object the process may not write where the folders'
// permissions forbid it, even as root (whose override of them is dropped
// from the effective set and given back afterwards).
class WithoutPermissionOverride {
  public:
    WithoutPermissionOverride() {
        header_.version = _LINUX_CAPABILITY_VERSION_3;
        header_.pid = 0;
        if (syscall(SYS_capget, &header_, saved_) != 0) {
            return;
        }
        __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
        reduced[0].effective &=
            ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
        dropped_ = syscall(SYS_capset, &header_, reduced) == 0;
    }
    ~WithoutPermissionOverride() {
        if (dropped_) {
            syscall(SYS_capset, &header_, saved_);
        }
    }
    WithoutPermissionOverride(const WithoutPermissionOverride&) = delete;
    WithoutPermissionOverride& operator=(const WithoutPermissionOverride&) = delete;

  private:
    __user_cap_header_struct header_{};
    __user_cap_data_struct saved_[2]{};
    bool dropped_ = false;
};

QBarSeries* barSeries(ChartWindow& graph) {
    const QList<QAbstractSeries*> series = graph.chart().series();
    return series.size() == 1 ? qobject_cast<QBarSeries*>(series.first()) : nullptr;
}

QStringList categories(ChartWindow& graph) {
    const QList<QAbstractAxis*> axes = graph.chart().axes(Qt::Horizontal);
    auto* axis = axes.isEmpty() ? nullptr : qobject_cast<QBarCategoryAxis*>(axes.first());
    return axis == nullptr ? QStringList() : axis->categories();
}

QList<double> barValues(ChartWindow& graph) {
    QList<double> values;
    QBarSet* set = barSeries(graph)->barSets().first();
    for (int k = 0; k < set->count(); ++k) {
        values.append(set->at(k));
    }
    return values;
}

}  // namespace

class ViewersTest : public QObject {
    Q_OBJECT

  private slots:
    void saveResultsWritesTheChosenFilesBesideItAsTheCommandLineDoes() {
        QTemporaryDir folder;
        UiSession s;
        analyseSampleSet1(s);
        s.find<QCheckBox>("chk_save_item_file")->setChecked(false);
        s.find<QCheckBox>("chk_save_rpt_file")->setChecked(true);
        const QString path = QDir(folder.path()).filePath(QStringLiteral("gui/midterm.txt"));
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        FileDialogs::setNextAnswer(path);
        s.command("SaveResults1")->trigger();
        QVERIFY2(messages().isEmpty(), qPrintable(messages().join(QLatin1Char('\n'))));

        QCOMPARE(FileDialogs::asked().size(), 1);
        const FileRequest asked = FileDialogs::asked().first();
        QCOMPARE(asked.filter, QStringLiteral("Text files (*.TXT)|*.txt"));
        QCOMPARE(asked.default_suffix, QStringLiteral("txt"));
        QCOMPARE(asked.proposed_name,
                 QStringLiteral("Results"));  // the example has no file name yet

        const QStringList written{"midterm.exm", "midterm.kor", "midterm.opt", "midterm.rpt",
                                  "midterm.txt"};
        QCOMPARE(filesIn(QFileInfo(path).path()), written);
        QVERIFY(filesIn(QDir::currentPath()).isEmpty());

        // The same files, byte for byte, as `kor analyze --save` with the same choices.
        const QString cli = QDir(folder.path()).filePath(QStringLiteral("cli"));
        QVERIFY(QDir().mkpath(cli));
        std::ostringstream out;
        std::ostringstream err;
        const int code = run_kor({"kor", "analyze", "--example", "set1", "--save",
                                  fromQt(cli + "/midterm.txt"), "--no-itm", "--rpt"},
                                 out, err);
        QVERIFY2(code == 0, err.str().c_str());
        QCOMPARE(filesIn(cli), written);
        for (const QString& name : written) {
            QVERIFY2(contents(QFileInfo(path).path() + QLatin1Char('/') + name) ==
                         contents(cli + QLatin1Char('/') + name),
                     qPrintable(name));
        }

        // The name fields follow the results file; the item file was not chosen.
        QCOMPARE(s.find<QLineEdit>("txt_results_name")->text(), QStringLiteral("midterm"));
        QCOMPARE(s.find<QLineEdit>("txt_map_name")->text(), QStringLiteral("midterm"));
        QCOMPARE(s.find<QLineEdit>("txt_score_filename")->text(), QStringLiteral("midterm"));
        QCOMPARE(s.find<QLineEdit>("txt_item_filename")->text(), QString());
        QVERIFY(s.find<QRadioButton>("rdo_edit_data")->isChecked());
        QCOMPARE(s.controller.state().data.editor_start_mode, int(start_nothing));

        // The next save proposes that name; F3 and the results viewer's Save are one command.
        s.command("ViewResults1")->trigger();
        s.find<ResultsWindow>("TResultsForm")
            ->findChild<QAction*>(QStringLiteral("Save1"))
            ->trigger();
        QCOMPARE(FileDialogs::asked().size(), 2);
        QCOMPARE(FileDialogs::asked().at(1).proposed_name, QStringLiteral("midterm"));
    }

    void cancellingTheSaveDialogWritesNothingAndKeepsTheNames() {
        UiSession s;
        analyseSampleSet1(s);
        const QString name = s.find<QLineEdit>("txt_results_name")->text();
        s.find<QRadioButton>("rdo_enter_data")->setChecked(true);
        s.command("SaveResults1")->trigger();  // no answer queued: cancelled
        QCOMPARE(FileDialogs::asked().size(), 1);
        QVERIFY(filesIn(QDir::currentPath()).isEmpty());
        QVERIFY(messages().isEmpty());
        QCOMPARE(s.find<QLineEdit>("txt_results_name")->text(), name);
        QVERIFY(s.find<QRadioButton>("rdo_edit_data")->isChecked());
    }

    void aFolderThatCannotBeWrittenShowsTheSystemsMessageAndKeepsTheOldFile() {
        QTemporaryDir folder;
        const QString path = QDir(folder.path()).filePath(QStringLiteral("results.txt"));
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("earlier results\r\n");
        }
        UiSession s;
        analyseSampleSet1(s);
        QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
        FileDialogs::setNextAnswer(path);
        {
            const WithoutPermissionOverride no_override;
            s.button("btn_saveresults")->click();
        }
        QVERIFY(QFile::setPermissions(folder.path(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QCOMPARE(messages().size(), 1);
        QVERIFY2(messages().first().contains(QStringLiteral("Permission denied")),
                 qPrintable(messages().first()));
        QVERIFY(messages().first().contains(path));
        QCOMPARE(contents(path), QByteArray("earlier results\r\n"));
        QCOMPARE(filesIn(folder.path()), QStringList{"results.txt"});
        QVERIFY(s.controller.resultsPath().empty());
    }

    void theQuickViewerSavesTheReportAsBuiltWithTheInputFileBesideIt() {
        QTemporaryDir folder;
        UiSession s;
        analyseSampleSet1(s);
        s.command("ViewItem1")->trigger();
        auto* quick = s.find<QuickViewWindow>("TQuickViewForm");
        QVERIFY(quick->isVisible());
        ReportView& view = quick->view();
        QVERIFY(!view.isReadOnly());
        const QStringList built = viewLines(view);
        view.moveCursor(QTextCursor::Start);
        view.insertPlainText(QStringLiteral("TYPED INTO THE VIEWER\n"));

        const QString path = QDir(folder.path()).filePath(QStringLiteral("items.txt"));
        FileDialogs::setNextAnswer(path);
        quick->findChild<QAction*>(QStringLiteral("Save1"))->trigger();
        QCOMPARE(FileDialogs::asked().size(), 1);
        QCOMPARE(FileDialogs::asked().first().filter, QStringLiteral("Text files (*.TXT)|*.txt"));
        QCOMPARE(FileDialogs::asked().first().proposed_name, QStringLiteral("Q_Items"));
        QCOMPARE(filesIn(folder.path()), (QStringList{"items.kor", "items.txt"}));
        QVERIFY(filesIn(QDir::currentPath()).isEmpty());
        const QString saved = QString::fromLatin1(contents(path));
        QVERIFY(!saved.contains(QStringLiteral("TYPED")));
        QVERIFY(saved.contains(built.at(built.size() / 2)));
        QVERIFY(messages().isEmpty());
    }

    void theQuickViewersPitchLastsUntilItIsClosed() {
        UiSession s;
        analyseSampleSet1(s);
        s.command("ViewExam1")->trigger();
        auto* quick = s.find<QuickViewWindow>("TQuickViewForm");
        QCOMPARE(quick->width(), 750);
        quick->findChild<QAction*>(QStringLiteral("N12pitchCourierNew1"))->trigger();
        QCOMPARE(quick->width(), 820);
        QCOMPARE(quick->view().font().pointSize(), 12);
        QVERIFY(quick->view().font().fixedPitch());
        quick->findChild<QAction*>(QStringLiteral("Close1"))->trigger();
        QVERIFY(!quick->isVisible());
        QCOMPARE(quick->width(), 750);
        QCOMPARE(quick->view().font().pointSize(), 10);
    }

    void editCommandsWorkOnTheClipboardAndFontOnTheSelection() {
        UiSession s;
        analyseSampleSet1(s);
        s.command("ViewResults1")->trigger();
        auto* results = s.find<ResultsWindow>("TResultsForm");
        ReportView& view = results->view();
        QCOMPARE(results->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("Note that you can print this screen from the File Menu, but the "
                                "formatting will be better (e.g., page breaks) if you save the "
                                "file and then print from a Text Editor (such as NotePad).  Any "
                                "editing changes you make here WILL print, but will NOT be "
                                "saved."));
        QTextCursor first = view.textCursor();
        first.movePosition(QTextCursor::Start);
        first.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        view.setTextCursor(first);
        const QString line = first.selectedText();
        results->findChild<QAction*>(QStringLiteral("Copy1"))->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), line);
        results->findChild<QAction*>(QStringLiteral("Cut1"))->trigger();
        QVERIFY(viewLines(view).first().isEmpty());
        results->findChild<QAction*>(QStringLiteral("Paste1"))->trigger();
        QCOMPARE(viewLines(view).first(), line);

        QFont preset;
        ModalWindows::setNextAction([&preset](QDialog& dialog) {
            auto& fonts = static_cast<QFontDialog&>(dialog);
            preset = fonts.currentFont();
            fonts.setCurrentFont(reportFont(14));
            fonts.accept();
        });
        view.selectAll();
        results->findChild<QAction*>(QStringLiteral("Font1"))->trigger();
        QCOMPARE(ModalWindows::shownWindows().last(), QStringLiteral("FontDialog1"));
        // "Courier New" 10, or the face that stands in for it on this system.
        QCOMPARE(preset.pointSize(), 10);
        QCOMPARE(preset.family(), QFontInfo(reportFont()).family());
        QVERIFY(QFontInfo(preset).fixedPitch());
        QCOMPARE(view.textCursor().charFormat().font().pointSize(), 14);
    }

    void paginationWrapsLongLinesAndStartsAPageAtAFormFeed() {
        const QList<QStringList> pages =
            paginate({"abcdefghij", "\f", "x", "", "z", "w"}, PageGrid{4, 3});
        // "z" and "w" stay together rather than leave "w" alone on a page.
        QCOMPARE(pages, (QList<QStringList>{{"abcd", "efgh", "ij"}, {"x", ""}, {"z", "w"}}));
        // A form feed on a fresh page starts no empty one.
        QCOMPARE(paginate({"\f", "a", "b", "\f", "c"}, PageGrid{10, 2}),
                 (QList<QStringList>{{"a", "b"}, {"c"}}));
        QCOMPARE(paginate({}, PageGrid{10, 2}).size(), 1);
    }

    void theHelpWindowPrintsItsSyntaxLines() {
        QTemporaryDir folder;
        const PrintRecording printing;
        UiSession s;
        s.command("HowtoSpeciallsaveSPSSfiles1")->trigger();
        auto* help = s.find<QDialog>("TSPSSform");
        const QString pdf = QDir(folder.path()).filePath(QStringLiteral("syntax.pdf"));
        PrintDialogs::setNextAnswer(pdf);
        child<QPushButton>(*help, "btn_print")->click();
        QCOMPARE(PrintDialogs::asked().size(), 1);
        QCOMPARE(PrintDialogs::asked().first().document, QStringLiteral("SPSS Syntax"));
        QVERIFY(messages().isEmpty());
        QCOMPARE(pdfPages(pdf), 1);
    }

    void printingTheFullReportGivesAPdfWithTheLaidOutPages() {
        QTemporaryDir folder;
        const PrintRecording printing;
        UiSession s;
        analyseSampleSet1(s);
        s.command("ViewResults1")->trigger();
        auto* results = s.find<ResultsWindow>("TResultsForm");
        const QString pdf = QDir(folder.path()).filePath(QStringLiteral("report.pdf"));
        PrintDialogs::setNextAnswer(pdf);
        results->findChild<QAction*>(QStringLiteral("Print1"))->trigger();
        QCOMPARE(PrintDialogs::asked().size(), 1);
        QCOMPARE(PrintDialogs::asked().first().document, QStringLiteral("KOR Output"));
        QVERIFY(PrintDialogs::asked().first().dialog);
        QVERIFY(messages().isEmpty());

        QPrinter same(QPrinter::HighResolution);
        same.setOutputFormat(QPrinter::PdfFormat);
        same.setOutputFileName(QDir(folder.path()).filePath(QStringLiteral("unused.pdf")));
        setPrintMargins(same);
        const QStringList lines = viewLines(results->view());
        const QList<QStringList> pages = paginate(lines, pageGrid(same, results->view().font()));
        QCOMPARE(pdfPages(pdf), static_cast<int>(pages.size()));
        // The page after the form feed starts with the heading that follows it.
        const qsizetype feed = lines.indexOf(QStringLiteral("\f"));
        QVERIFY(feed > 0);
        const QString heading = lines.at(feed + 1);
        QVERIFY(std::any_of(pages.begin() + 1, pages.end(), [&heading](const QStringList& page) {
            return page.first() == heading;
        }));
        QVERIFY(pages.size() >= 2);

        // A cancelled dialog prints nothing.
        QFile::remove(pdf);
        results->findChild<QAction*>(QStringLiteral("Print1"))->trigger();
        QVERIFY(!QFile::exists(pdf));
    }

    void theOtherViewersPrintUnderTheirNamesTheGradeReportsWithoutADialog() {
        QTemporaryDir folder;
        const PrintRecording printing;
        UiSession s;
        analyseSampleSet1(s);
        s.command("ViewOptions1")->trigger();
        const QString quick_pdf = QDir(folder.path()).filePath(QStringLiteral("quick.pdf"));
        PrintDialogs::setNextAnswer(quick_pdf);
        s.find<QuickViewWindow>("TQuickViewForm")
            ->findChild<QAction*>(QStringLiteral("Print1"))
            ->trigger();

        s.button("btn_view_grades")->click();
        auto* grades = s.find<GradeReportWindow>("TReportForm");
        QVERIFY(grades->isVisible());
        QVERIFY(viewLines(grades->view())
                    .first()
                    .startsWith(toQt(s.controller.state().data.test_title)));
        const QString grade_pdf = QDir(folder.path()).filePath(QStringLiteral("grades.pdf"));
        PrintDialogs::setNextAnswer(grade_pdf);
        grades->findChild<QAction*>(QStringLiteral("Print1"))->trigger();

        QCOMPARE(PrintDialogs::asked().size(), 2);
        QCOMPARE(PrintDialogs::asked().at(0).document, QStringLiteral("KOR Quick Results"));
        QVERIFY(PrintDialogs::asked().at(0).dialog);
        QCOMPARE(PrintDialogs::asked().at(1).document, QStringLiteral("Grade Reports"));
        QVERIFY(!PrintDialogs::asked().at(1).dialog);
        QVERIFY(pdfPages(quick_pdf) >= 1);
        // One page for the instructor list at least, then one per examinee.
        QVERIFY(pdfPages(grade_pdf) > s.controller.state().data.num_examinees);

        // The grade viewer's Save is "Save Grade Reports" with its dialog.
        const QString rpt = QDir(folder.path()).filePath(QStringLiteral("grades.rpt"));
        FileDialogs::setNextAnswer(rpt);
        grades->findChild<QAction*>(QStringLiteral("Save1"))->trigger();
        QCOMPARE(FileDialogs::asked().first().default_suffix, QStringLiteral("rpt"));
        QVERIFY(contents(rpt).contains("Instructor List of Scores and Wrong Answers (page 1)"));
    }

    void eachChartDrawsTheBarsAndLabelsOfItsData() {
        QTemporaryDir folder;
        UiSession s;
        analyseSampleSet1(s);
        s.command("ViewResults1")->trigger();
        auto* results = s.find<ResultsWindow>("TResultsForm");
        auto* graph = s.find<ChartWindow>("TGraph");

        results->findChild<QPushButton*>(QStringLiteral("btn_hist"))->click();
        QVERIFY(graph->isVisible());
        QCOMPARE(graph->windowTitle(), QStringLiteral("Graph"));
        QCOMPARE(graph->chart().title(), QStringLiteral("Histogram for Scores"));
        QCOMPARE(categories(*graph), (QStringList{"24", "27", "30", "33", "36", "39"}));
        QVERIFY(barSeries(*graph)->isLabelsVisible());
        QCOMPARE(barSeries(*graph)->barWidth(), 1.0);
        // The bars' colours and black marks hold against the chart's theme.
        QCOMPARE(barSeries(*graph)->barSets().first()->color(), QColor(0, 255, 255));
        QCOMPARE(barSeries(*graph)->barSets().first()->labelColor(), QColor(Qt::black));
        QCOMPARE(barSeries(*graph)->barSets().first()->borderColor(), QColor(Qt::black));
        QVERIFY(!graph->chart().legend()->isVisible());
        double examinees = 0;
        for (const double value : barValues(*graph)) {
            examinees += value;
        }
        QCOMPARE(examinees, 23.0);
        QVERIFY(!graph->image().isNull());

        results->findChild<QPushButton*>(QStringLiteral("btn_bar"))->click();
        QCOMPARE(graph->chart().title(), QStringLiteral("Bar Chart for Scores"));
        QCOMPARE(graph->chart().series().size(), 1);  // the histogram's bars are gone
        QCOMPARE(categories(*graph).size(), 18);
        QCOMPARE(categories(*graph).first(), QStringLiteral("23"));
        QCOMPARE(barValues(*graph).size(), 18);
        QVERIFY(!barSeries(*graph)->isLabelsVisible());
        QCOMPARE(barSeries(*graph)->barWidth(), 0.7);
        QVERIFY(!graph->image().isNull());

        // The example's five grades, from the lowest up; every examinee has one.
        QVERIFY(results->findChild<QPushButton*>(QStringLiteral("btn_grades"))->isEnabled());
        results->findChild<QPushButton*>(QStringLiteral("btn_grades"))->click();
        QCOMPARE(graph->chart().title(), QStringLiteral("Bar Chart for Letter Grades"));
        QCOMPARE(categories(*graph), (QStringList{"F   ", "D-  ", "C-  ", "B-  ", "A-  "}));
        double graded = 0;
        for (const double value : barValues(*graph)) {
            graded += value;
        }
        QCOMPARE(graded, 23.0);
        QVERIFY(barSeries(*graph)->isLabelsVisible());
        QCOMPARE(barSeries(*graph)->barWidth(), 0.7);
    }

    void theGradeChartIsDisabledWithoutGradingCategories() {
        UiSession s;
        ModalWindows::setNextAction([](QDialog& editor) {
            typeSmallSet(editor, 6);
            child<QPushButton>(editor, "btn_done")->click();
        });
        s.button("btn_gotodata")->click();
        QCOMPARE(s.controller.state().settings.num_grade_cats, 0);
        s.command("ViewResults1")->trigger();
        auto* results = s.find<ResultsWindow>("TResultsForm");
        QVERIFY(results->isVisible());
        QVERIFY(!results->findChild<QPushButton*>(QStringLiteral("btn_grades"))->isEnabled());
        QVERIFY(results->findChild<QPushButton*>(QStringLiteral("btn_hist"))->isEnabled());
    }

    void savingAChartWritesAReadableBitmapOrAPngPicture() {
        QTemporaryDir folder;
        UiSession s;
        analyseSampleSet1(s);
        s.command("ViewResults1")->trigger();
        s.find<ResultsWindow>("TResultsForm")
            ->findChild<QPushButton*>(QStringLiteral("btn_hist"))
            ->click();
        auto* graph = s.find<ChartWindow>("TGraph");
        const QString bmp = QDir(folder.path()).filePath(QStringLiteral("KOR_graph.BMP"));
        const QString png = QDir(folder.path()).filePath(QStringLiteral("chart.png"));
        FileDialogs::setNextAnswer(bmp);
        FileDialogs::setNextAnswer(png);
        graph->findChild<QAction*>(QStringLiteral("Save1"))->trigger();
        graph->findChild<QAction*>(QStringLiteral("Save1"))->trigger();
        QVERIFY2(messages().isEmpty(), qPrintable(messages().join(QLatin1Char('\n'))));
        const FileRequest asked = FileDialogs::asked().first();
        QCOMPARE(asked.filter, QStringLiteral("Bitmap files (*.bmp)|*.bmp"));
        QCOMPARE(asked.default_suffix, QStringLiteral("BMP"));
        QCOMPARE(asked.proposed_name, QStringLiteral("KOR_graph.BMP"));
        for (const auto& [path, format] :
             {std::pair{bmp, QByteArray("bmp")}, std::pair{png, QByteArray("png")}}) {
            QImageReader reader(path);
            QCOMPARE(reader.format(), format);
            const QImage image = reader.read();
            QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
            QCOMPARE(image.size(), graph->chartView().size());
        }

        // Printing the chart scales it onto one page.
        const PrintRecording printing;
        const QString pdf = QDir(folder.path()).filePath(QStringLiteral("chart.pdf"));
        PrintDialogs::setNextAnswer(pdf);
        graph->findChild<QAction*>(QStringLiteral("Print1"))->trigger();
        QCOMPARE(pdfPages(pdf), 1);
    }

    void anInputFileNamedAtStartOpensInTheEditorWithoutItsDialog() {
        UiSession s;
        QString title;
        ModalWindows::setNextAction([&title](QDialog& editor) {
            title = child<QLineEdit>(editor, "txt_title")->text();
            child<QPushButton>(editor, "btn_done")->click();
        });
        s.main().openInputFile(QStringLiteral(KOR_EXAMPLES_DIR "/quiz.kor"));
        QVERIFY(FileDialogs::asked().isEmpty());
        QCOMPARE(title, QStringLiteral("Biology 101 -- Quiz 3 (cells and membranes)"));
        QCOMPARE(s.find<QLineEdit>("txt_map_name")->text(), QStringLiteral("quiz"));
        QVERIFY(s.command("ViewResults1")->isEnabled());  // "Close && Analyze" analysed it
    }

    // Not a test: the README's pictures of the results viewer and the
    // histogram of Sample Data Set #1, taken by scripts/screenshots.sh into
    // the folder KOR_SCREENSHOT_DIR names.
    void screenshotsOfTheResultsViewerAndTheHistogram() {
        const QString folder = qEnvironmentVariable("KOR_SCREENSHOT_DIR");
        if (folder.isEmpty()) {
            QSKIP("KOR_SCREENSHOT_DIR names no folder");
        }
        QVERIFY(QDir().mkpath(folder));
        UiSession s;
        analyseSampleSet1(s);
        s.command("ViewResults1")->trigger();
        auto* results = s.find<ResultsWindow>("TResultsForm");
        results->resize(900, 640);
        QVERIFY(QTest::qWaitForWindowExposed(results));
        QVERIFY(results->grab().save(QDir(folder).filePath(QStringLiteral("results-viewer.png"))));
        results->findChild<QPushButton*>(QStringLiteral("btn_hist"))->click();
        auto* graph = s.find<ChartWindow>("TGraph");
        QVERIFY(QTest::qWaitForWindowExposed(graph));
        QVERIFY(graph->grab().save(QDir(folder).filePath(QStringLiteral("histogram.png"))));
    }
};

KOR_UI_TEST(ViewersTest);

}  // namespace kor::ui::testing

#include "ViewersTest.moc"
