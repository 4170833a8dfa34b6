// A spreadsheet export brought into the data editor through its preview
// window, changed there, and analysed as the command line analyses the file.

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableWidget>

#include "CliRun.h"
#include "DialogTestSupport.h"
#include "UiSession.h"
#include "core/data/LabelColumns.h"
#include "ui/CsvImportWindow.h"
#include "ui/ReportView.h"
#include "ui/ReportWindow.h"

namespace kor::ui::testing {

namespace {

const QString scanner_key = QStringLiteral("BDACABCDDA");

// A scanner's export: a header, three id columns, ten items and the key as
// a row of its own, with blanks and a lower-case answer as real sheets have.
QString scannerExport() {
    QStringList rows{
        QStringLiteral("Student ID,Last Name,First Name,Q1,Q2,Q3,Q4,Q5,Q6,Q7,Q8,Q9,Q10")};
    QString key_row = QStringLiteral("KEY,,");
    for (const QChar c : scanner_key) {
        key_row += QLatin1Char(',') + c;
    }
    rows.append(key_row);
    const char* answers[] = {"BDACABCDDA", "BDACABCDDB", "BDAC.BCDCA", "ADACABCDBA", "bDBCABCADA",
                             "BCACDBCDDA", "CDACABADDC", "BDDCABCDDA", "ABCDABCDAB", "BDACAB DDA"};
    int id = 1001;
    for (const char* line : answers) {
        QString row = QStringLiteral("%1,Name%2,First").arg(id).arg(id - 1000);
        for (const char c : std::string(line)) {
            row += QLatin1Char(',') + (c == '.' || c == ' ' ? QString() : QString(QChar(c)));
        }
        rows.append(row);
        ++id;
    }
    return rows.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QString writeFile(const QString& name, const QString& text) {
    const QString path = QDir::current().filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0) {
        QTest::qFail("cannot write the test's spreadsheet file", __FILE__, __LINE__);
    }
    return path;
}

// An exam handed out in three versions of four questions: A in the master
// order, B in reverse, C shifted by one. Each student answered the master
// answers below in the order of his version; each version has its key row.
const QString master_key = QStringLiteral("BDAC");
struct VersionedStudent {
    const char* name;
    const char* version;
    const char* master_answers;
    const char* answers;  // in the version's order
};
const VersionedStudent versioned_students[] = {
    {"Ann", "A", "BDAC", "BDAC"}, {"Ben", "B", "BDAA", "AADB"}, {"Cat", "C", "ADAC", "DACA"},
    {"Dan", "A", "CDAC", "CDAC"}, {"Eve", "B", "BBAC", "CABB"}, {"Fay", "C", "BDBC", "DBCB"},
};

QString versionedExport() {
    QStringList rows{QStringLiteral("Student,Version,Q1,Q2,Q3,Q4"), QStringLiteral("KEY,A,B,D,A,C"),
                     QStringLiteral("KEY,B,C,A,D,B"), QStringLiteral("KEY,C,D,A,C,B")};
    for (const VersionedStudent& s : versioned_students) {
        QString row = QStringLiteral("%1,%2").arg(QLatin1String(s.name), QLatin1String(s.version));
        for (const char c : std::string(s.answers)) {
            row += QLatin1Char(',') + QChar(c);
        }
        rows.append(row);
    }
    return rows.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

// Which master item each version's question is.
QString versionsMap() {
    const int master_of[3][4] = {{1, 2, 3, 4}, {4, 3, 2, 1}, {2, 3, 4, 1}};
    QStringList rows{QStringLiteral("version,question,master_item")};
    for (int v = 0; v < 3; ++v) {
        for (int q = 0; q < 4; ++q) {
            rows.append(
                QStringLiteral("%1,%2,%3").arg(QChar(u'A' + v)).arg(q + 1).arg(master_of[v][q]));
        }
    }
    return rows.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

// Two sections of one class, the section in a column of its own beside the
// student's name, and the key as the first row after the header.
QString sectionedExport() {
    QStringList rows{QStringLiteral("Student,Section,Q1,Q2,Q3,Q4"), QStringLiteral("KEY,,A,B,C,D")};
    const char* students[][3] = {{"Ann", "Mon", "ABCD"}, {"Ben", "Tue", "ABCA"},
                                 {"Cat", "Mon", "ABDD"}, {"Dan", "Tue", "BBCD"},
                                 {"Eve", "Mon", "ACCD"}, {"Fay", "Tue", "ABCD"}};
    for (const auto& [name, section, answers] : students) {
        QString row = QStringLiteral("%1,%2").arg(QLatin1String(name), QLatin1String(section));
        for (const char c : std::string(answers)) {
            row += QLatin1Char(',') + QChar(c);
        }
        rows.append(row);
    }
    return rows.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QString summaryOf(QDialog& preview) {
    return child<QPlainTextEdit>(preview, "memo_summary")->toPlainText();
}

// Twenty-five students; the one in row 26, past the rows the preview shows
// first, lost the empty answers at the end of the row.
QString shortRowExport() {
    QStringList rows{QStringLiteral("id,Q1,Q2,Q3"), QStringLiteral("key,A,B,C")};
    for (int s = 1; s <= 25; ++s) {
        rows.append(s == 24 ? QStringLiteral("s24,A") : QStringLiteral("s%1,A,B,C").arg(s));
    }
    return rows.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

}  // namespace

class CsvImportTest : public QObject {
    Q_OBJECT

  private slots:
    void aScannerExportIsPreviewedLoadedAndAnalysedAsTheCommandLineDoes() {
        UiSession s;
        const QString path = writeFile(QStringLiteral("scanner.csv"), scannerExport());
        FileDialogs::setNextAnswer(path);
        ModalWindows::setNextAction([](QDialog& editor) {
            action(editor, "ImportSpreadsheetCSVFile1")->trigger();
            QCOMPARE(child<QLineEdit>(editor, "txt_cases")->text(), QStringLiteral("10"));
            QCOMPARE(child<QLineEdit>(editor, "txt_items")->text(), QStringLiteral("10"));
            QCOMPARE(child<QLineEdit>(editor, "txt_answer_key")->text(), scanner_key);
            const QStringList lines =
                child<QPlainTextEdit>(editor, "MemoData")->toPlainText().split(QLatin1Char('\n'));
            QCOMPARE(lines.size(), 10);  // the header and the key row are no students
            QVERIFY2(lines.first().startsWith(QStringLiteral("1001 Name1 First")),
                     qPrintable(lines.first()));
            child<QPushButton>(editor, "btn_done")->click();
        });
        ModalWindows::setNextAction([](QDialog& preview) {
            QCOMPARE(preview.objectName(), QStringLiteral("TCsvImportForm"));
            auto* table = child<QTableWidget>(preview, "grd_rows");
            QCOMPARE(table->rowCount(), 12);
            QCOMPARE(table->columnCount(), 13);
            QCOMPARE(table->item(0, 3)->text(), QStringLiteral("Q1"));
            QCOMPARE(child<QComboBox>(preview, "cmb_delimiter")->currentText(),
                     QStringLiteral("Comma"));
            QVERIFY(child<QCheckBox>(preview, "chk_header")->isChecked());
            QCOMPARE(child<QLineEdit>(preview, "txt_ids")->text(), QStringLiteral("1-3"));
            QCOMPARE(child<QLineEdit>(preview, "txt_items")->text(), QStringLiteral("4-13"));
            QCOMPARE(child<QLineEdit>(preview, "txt_key_row")->text(), QStringLiteral("2"));
            QVERIFY2(summaryOf(preview).contains(QStringLiteral("Students: 10, rows 3-12")),
                     qPrintable(summaryOf(preview)));
            child<QPushButton>(preview, "btn_ok")->click();
        });
        s.command("CreateNewDataFile1")->trigger();
        QVERIFY(ModalWindows::unexpected().isEmpty());
        QVERIFY(s.command("ViewResults1")->isEnabled());

        s.command("ViewExam1")->trigger();
        const auto cli = kor::testing::kor({"analyze", fromQt(path), "--report", "examinees"});
        QCOMPARE(cli.code, 0);
        QCOMPARE(s.main().viewers().quick->view().toPlainText() + QLatin1Char('\n'), toQt(cli.out));
    }

    void aChangedChoiceIsPlannedAgainAndARefusalKeepsThePreviewOpen() {
        UiSession s;
        const QString path = writeFile(QStringLiteral("changed.csv"), scannerExport());
        FileDialogs::setNextAnswer(path);
        ModalWindows::setNextAction([](QDialog& editor) {
            action(editor, "ImportSpreadsheetCSVFile1")->trigger();
            // Only the first five items were taken.
            QCOMPARE(child<QLineEdit>(editor, "txt_items")->text(), QStringLiteral("5"));
            QCOMPARE(child<QLineEdit>(editor, "txt_answer_key")->text(), scanner_key.left(5));
            editor.reject();
        });
        ModalWindows::setNextAction([](QDialog& preview) {
            auto* items = child<QLineEdit>(preview, "txt_items");
            items->selectAll();
            QTest::keyClicks(items, QStringLiteral("Q1..Q99"));
            child<QPushButton>(preview, "btn_ok")->click();
            // Refused: the message names the column, and the window stays.
            QVERIFY(!messages().isEmpty());
            QVERIFY2(messages().last().contains(QStringLiteral("Q99")),
                     qPrintable(messages().last()));
            QVERIFY(preview.result() != QDialog::Accepted);
            QCOMPARE(items->text(), QStringLiteral("Q1..Q99"));  // kept to be corrected

            items->selectAll();
            QTest::keyClicks(items, QStringLiteral("Q1..Q5"));
            child<QPushButton>(preview, "btn_preview")->click();
            QCOMPARE(items->text(), QStringLiteral("4-8"));
            QVERIFY2(summaryOf(preview).contains(QStringLiteral("Items: 5")),
                     qPrintable(summaryOf(preview)));
            // Changing the delimiter plans again at once: one column, nothing to read.
            auto* delimiter = child<QComboBox>(preview, "cmb_delimiter");
            delimiter->setCurrentIndex(1);
            emit delimiter->activated(1);
            QVERIFY(child<QTableWidget>(preview, "grd_rows")->columnCount() == 1);
            delimiter->setCurrentIndex(0);
            emit delimiter->activated(0);
            QCOMPARE(child<QTableWidget>(preview, "grd_rows")->columnCount(), 13);
            QCOMPARE(items->text(), QStringLiteral("4-8"));  // the items given stay given
            child<QPushButton>(preview, "btn_ok")->click();
        });
        s.command("CreateNewDataFile1")->trigger();
        QVERIFY(ModalWindows::unexpected().isEmpty());
    }

    void aRefusedRowIsShownSelectedAndShadedWithTheChoicesKept() {
        UiSession s;
        FileDialogs::setNextAnswer(writeFile(QStringLiteral("short.csv"), shortRowExport()));
        ModalWindows::setNextAction([](QDialog& editor) {
            action(editor, "ImportSpreadsheetCSVFile1")->trigger();
            QVERIFY(child<QPlainTextEdit>(editor, "MemoData")->toPlainText().isEmpty());
            editor.reject();
        });
        ModalWindows::setNextAction([](QDialog& preview) {
            QVERIFY2(summaryOf(preview).startsWith(QStringLiteral("Row 26 has 2 columns")),
                     qPrintable(summaryOf(preview)));
            auto* table = child<QTableWidget>(preview, "grd_rows");
            QCOMPARE(table->rowCount(), CsvImportWindow::preview_rows + 1);
            const int last = CsvImportWindow::preview_rows;
            QCOMPARE(table->verticalHeaderItem(last)->text(), QStringLiteral("26"));
            QVERIFY(table->selectionModel()->isRowSelected(last, QModelIndex()));
            QCOMPARE(table->item(last, 0)->background().color(), QColor(255, 215, 215));
            QCOMPARE(child<QComboBox>(preview, "cmb_short_rows")->currentText(),
                     QStringLiteral("refuse"));
            // The choices are shown beside the refusal, and a changed one stays.
            auto* items = child<QLineEdit>(preview, "txt_items");
            QCOMPARE(items->text(), QStringLiteral("2-4"));
            QCOMPARE(child<QLineEdit>(preview, "txt_key_row")->text(), QStringLiteral("2"));
            items->selectAll();
            QTest::keyClicks(items, QStringLiteral("2-3"));
            child<QPushButton>(preview, "btn_preview")->click();
            QVERIFY(summaryOf(preview).startsWith(QStringLiteral("Row 26 has 2 columns")));
            QCOMPARE(items->text(), QStringLiteral("2-3"));
            QVERIFY(preview.isVisible());
            preview.reject();
        });
        s.command("CreateNewDataFile1")->trigger();
        QVERIFY(ModalWindows::unexpected().isEmpty());
    }

    void shortRowsFilledWithBlanksReachTheEditor() {
        UiSession s;
        FileDialogs::setNextAnswer(writeFile(QStringLiteral("short.csv"), shortRowExport()));
        ModalWindows::setNextAction([](QDialog& editor) {
            action(editor, "ImportSpreadsheetCSVFile1")->trigger();
            QCOMPARE(child<QLineEdit>(editor, "txt_cases")->text(), QStringLiteral("25"));
            const QStringList lines =
                child<QPlainTextEdit>(editor, "MemoData")->toPlainText().split(QLatin1Char('\n'));
            QCOMPARE(lines.value(23), QStringLiteral("s24A.."));
            editor.reject();
        });
        ModalWindows::setNextAction([](QDialog& preview) {
            auto* short_rows = child<QComboBox>(preview, "cmb_short_rows");
            short_rows->setCurrentIndex(1);
            emit short_rows->activated(1);
            QCOMPARE(short_rows->currentText(), QStringLiteral("fill with blanks"));
            QVERIFY2(summaryOf(preview).contains(
                         QStringLiteral("Short rows filled with blanks: 1 (row 26)")),
                     qPrintable(summaryOf(preview)));
            QCOMPARE(child<QTableWidget>(preview, "grd_rows")->rowCount(),
                     CsvImportWindow::preview_rows);
            child<QPushButton>(preview, "btn_ok")->click();
        });
        s.command("CreateNewDataFile1")->trigger();
        QVERIFY(ModalWindows::unexpected().isEmpty());
    }

    // The version column typed, the map chosen through its dialog: the
    // summary names the versions, the table shades the column, and the
    // editor receives every student's answers in the master order with the
    // master key, analysed as the command line analyses the same files.
    void threeVersionsArePreviewedAndAnalysedInTheMasterOrder() {
        UiSession s;
        const QString path = writeFile(QStringLiteral("versions.csv"), versionedExport());
        const QString map = writeFile(QStringLiteral("versions-map.csv"), versionsMap());
        FileDialogs::setNextAnswer(path);
        ModalWindows::setNextAction([](QDialog& editor) {
            action(editor, "ImportSpreadsheetCSVFile1")->trigger();
            QCOMPARE(child<QLineEdit>(editor, "txt_cases")->text(), QStringLiteral("6"));
            QCOMPARE(child<QLineEdit>(editor, "txt_items")->text(), QStringLiteral("4"));
            QCOMPARE(child<QLineEdit>(editor, "txt_answer_key")->text(), master_key);
            const QStringList lines =
                child<QPlainTextEdit>(editor, "MemoData")->toPlainText().split(QLatin1Char('\n'));
            QCOMPARE(lines.size(), static_cast<qsizetype>(std::size(versioned_students)));
            for (std::size_t i = 0; i < std::size(versioned_students); ++i) {
                const VersionedStudent& student = versioned_students[i];
                const QString& line = lines[static_cast<qsizetype>(i)];
                QVERIFY2(line.startsWith(QLatin1String(student.name)) &&
                             line.endsWith(QLatin1String(student.master_answers)),
                         qPrintable(line));
            }
            child<QPushButton>(editor, "btn_done")->click();
        });
        ModalWindows::setNextAction([map](QDialog& preview) {
            auto* column = child<QLineEdit>(preview, "txt_version_column");
            QVERIFY(column->text().isEmpty());  // no versions until the user names the column
            QTest::keyClicks(column, QStringLiteral("Version"));
            FileDialogs::setNextAnswer(map);
            child<QPushButton>(preview, "btn_versions_map")->click();
            QCOMPARE(FileDialogs::asked().last().title, QStringLiteral("Versions Map"));
            QCOMPARE(child<QLabel>(preview, "lbl_versions_map")->text(),
                     QStringLiteral("versions-map.csv"));
            child<QPushButton>(preview, "btn_preview")->click();
            const QStringList summary = summaryOf(preview).split(QLatin1Char('\n'));
            const char* version_lines[] = {
                "Versions: 3 (A, B, C), column B (Version), map versions-map.csv; the answers "
                "are put into the master order",
                "Version A: 2 students, key from row 2", "Version B: 2 students, key from row 3",
                "Version C: 2 students, key from row 4"};
            for (const char* line : version_lines) {
                QVERIFY2(summary.contains(QLatin1String(line)), line);
            }
            keepScreenshot(preview, QStringLiteral("csv-preview-versions"));
            QCOMPARE(column->text(), QStringLiteral("2"));
            auto* table = child<QTableWidget>(preview, "grd_rows");
            const QColor version_shade = table->item(4, 1)->background().color();
            QVERIFY(version_shade != table->item(4, 0)->background().color());
            QVERIFY(version_shade != table->item(4, 2)->background().color());
            QCOMPARE(table->item(9, 1)->background().color(), version_shade);
            child<QPushButton>(preview, "btn_ok")->click();
        });
        s.command("CreateNewDataFile1")->trigger();
        QVERIFY2(ModalWindows::unexpected().isEmpty(),
                 qPrintable(ModalWindows::unexpected().join(QLatin1Char('\n'))));
        QVERIFY(s.command("ViewResults1")->isEnabled());

        s.command("ViewExam1")->trigger();
        const auto cli = kor::testing::kor({"analyze", fromQt(path), "--version-column", "Version",
                                            "--versions", fromQt(map), "--report", "examinees"});
        QCOMPARE(cli.code, 0);
        QCOMPARE(s.main().viewers().quick->view().toPlainText() + QLatin1Char('\n'), toQt(cli.out));
    }

    // The group column typed by its header name: the summary names the
    // groups, the box shows the column's number, the table shades it, and
    // the analysis summarises each section; the groups are then listed for
    // a comparison without asking for the label columns again.
    void aGroupColumnIsPreviewedShadedAndSummarisedPerGroup() {
        UiSession s;
        FileDialogs::setNextAnswer(writeFile(QStringLiteral("sections.csv"), sectionedExport()));
        ModalWindows::setNextAction([](QDialog& editor) {
            action(editor, "ImportSpreadsheetCSVFile1")->trigger();
            QCOMPARE(child<QLineEdit>(editor, "txt_cases")->text(), QStringLiteral("6"));
            QCOMPARE(child<QLineEdit>(editor, "txt_items")->text(), QStringLiteral("4"));
            child<QPushButton>(editor, "btn_done")->click();
        });
        ModalWindows::setNextAction([](QDialog& preview) {
            auto* column = child<QLineEdit>(preview, "txt_group_column");
            QVERIFY(column->text().isEmpty());  // no groups until the user names the column
            QTest::keyClicks(column, QStringLiteral("Section"));
            child<QPushButton>(preview, "btn_preview")->click();
            const QStringList summary = summaryOf(preview).split(QLatin1Char('\n'));
            QVERIFY2(summary.contains(QStringLiteral("Groups: 2 (Mon, Tue), column B (Section)")),
                     qPrintable(summaryOf(preview)));
            QCOMPARE(column->text(), QStringLiteral("2"));
            keepScreenshot(preview, QStringLiteral("csv-preview-groups"));
            auto* table = child<QTableWidget>(preview, "grd_rows");
            const QColor group_shade = table->item(2, 1)->background().color();
            for (int other : {0, 2}) {
                QVERIFY(group_shade != table->item(2, other)->background().color());
            }
            QCOMPARE(table->item(7, 1)->background().color(), group_shade);
            QVERIFY(table->item(0, 1)->background().color() != group_shade);  // the header
            child<QPushButton>(preview, "btn_ok")->click();
        });
        s.command("CreateNewDataFile1")->trigger();
        QVERIFY2(ModalWindows::unexpected().isEmpty(),
                 qPrintable(ModalWindows::unexpected().join(QLatin1Char('\n'))));

        const ProgramState& state = s.controller.state();
        QVERIFY(state.results.analysed);
        QCOMPARE(state.results.groups.size(), std::size_t{2});
        QCOMPARE(state.results.groups[0].name, std::string("Mon"));
        QCOMPARE(state.results.groups[1].examinees, 3);
        QVERIFY(state.data.group_label.has_value());
        const QString label = toQt(label_columns_text(*state.data.group_label));
        ModalWindows::setNextAction([label](QDialog& dialog) {
            QCOMPARE(child<QLineEdit>(dialog, "txt_group_label")->text(), label);
            auto* reference = child<QComboBox>(dialog, "cmb_reference");
            QCOMPARE(reference->count(), 2);
            QCOMPARE(reference->currentText(), QStringLiteral("Mon"));
            QCOMPARE(child<QComboBox>(dialog, "cmb_focal")->currentText(), QStringLiteral("Tue"));
            dialog.reject();
        });
        s.command("mnu_dif")->trigger();
        QVERIFY(ModalWindows::unexpected().isEmpty());
    }

    // The map is asked for through the program's file dialog; a cancelled
    // dialog keeps the map chosen before, a new one replaces it.
    void theVersionsMapChosenIsKeptAndNamedBesideItsButton() {
        UiSession s;
        const QString path = writeFile(QStringLiteral("versions.csv"), versionedExport());
        const QString first = writeFile(QStringLiteral("first-map.csv"), versionsMap());
        const QString second = writeFile(QStringLiteral("second-map.csv"), versionsMap());
        FileDialogs::setNextAnswer(path);
        ModalWindows::setNextAction([](QDialog& editor) {
            action(editor, "ImportSpreadsheetCSVFile1")->trigger();
            editor.reject();
        });
        ModalWindows::setNextAction([&](QDialog& preview) {
            auto* button = child<QPushButton>(preview, "btn_versions_map");
            auto* name = child<QLabel>(preview, "lbl_versions_map");
            QCOMPARE(button->text(), QStringLiteral("Versions Map..."));
            QVERIFY(name->text().isEmpty());
            struct Step {
                QString answer;  // empty: the dialog is cancelled
                QString shown;
            };
            const Step steps[] = {{{}, {}},
                                  {first, QStringLiteral("first-map.csv")},
                                  {{}, QStringLiteral("first-map.csv")},
                                  {second, QStringLiteral("second-map.csv")}};
            for (const Step& step : steps) {
                FileDialogs::setNextAnswer(step.answer);
                const qsizetype asked = FileDialogs::asked().size();
                button->click();
                QCOMPARE(FileDialogs::asked().size(), asked + 1);
                QCOMPARE(name->text(), step.shown);
            }
            QCOMPARE(name->toolTip(), QDir::toNativeSeparators(second));
            preview.reject();
        });
        s.command("CreateNewDataFile1")->trigger();
        QVERIFY(ModalWindows::unexpected().isEmpty());
    }
};

KOR_UI_TEST(CsvImportTest);

}  // namespace kor::ui::testing

#include "CsvImportTest.moc"
