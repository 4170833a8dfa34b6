// What an instructor meets in the first hour with the desktop program:
// saving the opened file back in place, results that are no longer those of
// the data, viewers that follow each analysis, a typo in the key, data that
// would be lost unsaved, the editor's Edit menu and the spreadsheet import
// from the main window.

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QStatusBar>

#include "DialogTestSupport.h"
#include "app/Application.h"
#include "ui/ReportView.h"
#include "ui/ReportWindow.h"

namespace kor::ui::testing {

namespace {

QString pathHere(const char* name) {
    return QDir::current().filePath(QLatin1String(name));
}

// The data window's first line with its last answer changed.
void changeOneAnswer(QDialog& editor) {
    auto* data = child<QPlainTextEdit>(editor, "MemoData");
    QStringList lines = data->toPlainText().split(QLatin1Char('\n'));
    QString& first = lines.first();
    first.back() = first.back() == QLatin1Char('A') ? QLatin1Char('B') : QLatin1Char('A');
    data->setPlainText(lines.join(QLatin1Char('\n')));
}

QString viewerText(ReportWindow& viewer) {
    return viewer.view().toPlainText();
}

QString reportText(UiSession& s, ReportKind kind) {
    Outcome ignored;
    return joinLines(s.controller.reportLines(kind, ignored));
}

void analyseSmallSet(UiSession& s, const QString& key = QStringLiteral("12345")) {
    ModalWindows::setNextAction([key](QDialog& editor) {
        typeSmallSet(editor, 8, key);
        child<QPushButton>(editor, "btn_done")->click();
    });
    s.button("btn_gotodata")->click();
}

}  // namespace

class FirstHourTest : public QObject {
    Q_OBJECT

  private slots:
    void theOpenedFileIsSavedBackInPlaceOnceTheUserConfirms() {
        UiSession s;
        const QString path = pathHere("exam.kor");
        QFile::remove(path);
        QVERIFY(QFile::copy(QStringLiteral(KOR_EXAMPLES_DIR "/quiz.kor"), path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        QString changed;
        QString status;
        for (int k = 0; k < 3; ++k) {
            FileDialogs::setNextAnswer(path);  // open, save, and save again
        }
        ModalWindows::setNextAction([&](QDialog& editor) {
            QVERIFY(QTest::qWaitForWindowActive(&editor));
            changeOneAnswer(editor);
            changed = child<QPlainTextEdit>(editor, "MemoData")->toPlainText().section('\n', 0, 0);
            QTest::keyClick(&editor, Qt::Key_S, Qt::ControlModifier);
            QTest::keyClick(&editor, Qt::Key_S, Qt::ControlModifier);
            status = child<QStatusBar>(editor, "editor_status_bar")->currentMessage();
            editor.reject();
        });
        QVERIFY(s.activate());
        s.find<QRadioButton>("rdo_read_file")->click();
        s.button("btn_gotodata")->click();
        QVERIFY2(messages().isEmpty(), qPrintable(messages().join(QLatin1Char('\n'))));
        QCOMPARE(FileDialogs::asked().size(), 3);
        const QString proposed = QDir::current().filePath(QStringLiteral("exam"));
        QCOMPARE(FileDialogs::asked().at(1).proposed_name, proposed);
        QCOMPARE(FileDialogs::asked().at(2).proposed_name, proposed);
        QCOMPARE(status, QStringLiteral("Written: ") + QFileInfo(path).absoluteFilePath());

        Application reread;
        QVERIFY(!reread.open_input_file(fromQt(path)).refused);
        QCOMPARE(toQt(reread.state().editor.data_lines.front()), changed);
        QFile::remove(path);
    }

    // Cancel keeps what was typed in the editor: the old results would be
    // written beside a data set that analyses to other figures.
    void resultsOfChangedDataAreNotSaved() {
        UiSession s;
        pressInEditor("btn_done");
        s.command("SampleDataSet11")->trigger();
        ModalWindows::setNextAction([](QDialog& editor) {
            changeOneAnswer(editor);
            child<QPushButton>(editor, "Cancel")->click();
        });
        s.button("btn_gotodata")->click();
        MessageBoxes::clearShown();
        const QStringList files_before = QDir::current().entryList(QDir::Files);
        const char* saves[] = {"SaveResults1", "SaveGradeReports1", "SaveItemFile1",
                               "SaveReportasWebPageHTML1"};
        for (const char* save : saves) {
            s.command(save)->trigger();
        }
        s.main().viewers().quick->showQuickReport(QuickReport::items, {"stale"});
        action(*s.main().viewers().quick, "Save1")->trigger();
        QCOMPARE(messages().size(), static_cast<qsizetype>(std::size(saves)) + 1);
        for (qsizetype k = 0; k < messages().size(); ++k) {
            QCOMPARE(messages().at(k), QString::fromLatin1(stale_results_refusal));
            QCOMPARE(MessageBoxes::shownIcons().at(k), QMessageBox::Warning);
        }
        QVERIFY(FileDialogs::asked().isEmpty());
        QCOMPARE(QDir::current().entryList(QDir::Files), files_before);

        // Analysed again, the results are theirs and are saved.
        pressInEditor("btn_done");
        s.button("btn_gotodata")->click();
        MessageBoxes::clearShown();
        FileDialogs::setNextAnswer(pathHere("again.txt"));
        s.command("SaveResults1")->trigger();
        QVERIFY2(messages().isEmpty(), qPrintable(messages().join(QLatin1Char('\n'))));
        QVERIFY(QFile::exists(pathHere("again.txt")));
        for (const QString& name : QDir::current().entryList(QDir::Files)) {
            if (!files_before.contains(name)) {
                QFile::remove(name);
            }
        }
    }

    void openViewersFollowEachAnalysis() {
        UiSession s;
        analyseSmallSet(s);
        Viewers& v = s.main().viewers();
        s.button("btn_view_examinee")->click();
        s.button("btn_view_q_item")->click();
        QCOMPARE(v.quick->view().textCursor().position(), 0);  // opened at the top
        auto* grade_chart = child<QPushButton>(*v.results, "btn_grades");
        QVERIFY(!grade_chart->isEnabled());

        // A grading scale, then F9: the open viewer shows the new report and
        // offers its grade chart.
        ModalWindows::setNextAction([](QDialog& d) {
            child<QRadioButton>(d, "rdo_grade5")->click();
            child<QPushButton>(d, "btn_grade_OK")->click();
        });
        s.command("SetPercentagesforGrades1")->trigger();
        const QString before = viewerText(*v.results);
        s.command("Analyze1")->trigger();
        QVERIFY(grade_chart->isEnabled());
        QVERIFY(viewerText(*v.results) != before);
        QCOMPARE(viewerText(*v.results), reportText(s, ReportKind::full));

        // Another key, analysed again: the quick viewer shows its item lines.
        const QString old_items = viewerText(*v.quick);
        ModalWindows::setNextAction([](QDialog& editor) {
            auto* key = child<QLineEdit>(editor, "txt_answer_key");
            key->selectAll();
            QTest::keyClicks(key, QStringLiteral("54321"));
            child<QPushButton>(editor, "btn_done")->click();
        });
        s.button("btn_gotodata")->click();
        QVERIFY(viewerText(*v.quick) != old_items);
        QCOMPARE(viewerText(*v.quick), reportText(s, ReportKind::items));
        QCOMPARE(v.quick->view().textCursor().position(), 0);
    }

    void aKeyTypoIsAQuestionAndNoGoesBackToItsColumn() {
        UiSession s;
        QString focused;
        QString selected;
        int selection_start = -1;
        MessageBoxes::setNextAnswer(QMessageBox::No);
        ModalWindows::setNextAction([](QDialog& editor) {
            typeSmallSet(editor, 8, QStringLiteral("1Z345"));
            child<QPushButton>(editor, "btn_done")->click();
        });
        ModalWindows::setNextAction([&](QDialog& editor) {
            focused = focusIn(editor);
            auto* key = child<QLineEdit>(editor, "txt_answer_key");
            selected = key->selectedText();
            selection_start = key->selectionStart();
            MessageBoxes::setNextAnswer(QMessageBox::Yes);
            child<QPushButton>(editor, "btn_done")->click();
        });
        s.button("btn_gotodata")->click();
        QVERIFY(ModalWindows::unexpected().isEmpty());
        QCOMPARE(focused, QStringLiteral("txt_answer_key"));
        QCOMPARE(selected, QStringLiteral("Z"));
        QCOMPARE(selection_start, 1);
        // Asked twice, with the warning icon, naming the character typed.
        QCOMPARE(messages().size(), 2);
        const QString question = messages().first();
        QVERIFY2(question.contains(QStringLiteral("Item #2: the ANSWER KEY character 'Z'")),
                 qPrintable(question));
        QVERIFY(question.endsWith(QStringLiteral("\n\nAnalyze anyway?")));
        QCOMPARE(MessageBoxes::shownIcons().first(), QMessageBox::Warning);
        // Yes went on as before: item 2 counts as right for everybody.
        QVERIFY(s.command("ViewResults1")->isEnabled());
        QVERIFY(s.controller.state().results.analysed);
    }

    void replacingUnsavedDataAsksFirst() {
        UiSession s;
        const QString question = QString::fromLatin1(discard_changes_question);
        ModalWindows::setNextAction([](QDialog& editor) {
            typeSmallSet(editor, 5);
            child<QPushButton>(editor, "Cancel")->click();
        });
        s.button("btn_gotodata")->click();
        MessageBoxes::clearShown();

        // No keeps the data: nothing opens and the program stays.
        const int shown = static_cast<int>(ModalWindows::shownWindows().size());
        for (const char* command : {"OpenKORinputFile1", "SampleDataSet11", "CreateNewDataFile1",
                                    "ImportSpreadsheetCSVFile1"}) {
            MessageBoxes::setNextAnswer(QMessageBox::No);
            s.command(command)->trigger();
        }
        MessageBoxes::setNextAnswer(QMessageBox::No);
        QVERIFY(!s.window->close());
        QCOMPARE(messages(), QStringList(5, question));
        QCOMPARE(ModalWindows::shownWindows().size(), shown);
        QVERIFY(FileDialogs::asked().isEmpty());
        QCOMPARE(s.controller.state().editor.title, std::string("Small set"));

        // Inside the editor "New (reset)" asks too; Yes replaces the data.
        ModalWindows::setNextAction([](QDialog& editor) {
            MessageBoxes::setNextAnswer(QMessageBox::No);
            action(editor, "New1")->trigger();
            QCOMPARE(child<QLineEdit>(editor, "txt_title")->text(), QStringLiteral("Small set"));
            MessageBoxes::setNextAnswer(QMessageBox::Yes);
            action(editor, "New1")->trigger();
            QVERIFY(child<QLineEdit>(editor, "txt_title")->text().isEmpty());
            editor.reject();
        });
        s.button("btn_gotodata")->click();
        QCOMPARE(messages().size(), 7);

        // Data just opened (here an example) are not unsaved.
        MessageBoxes::clearShown();
        pressInEditor("Cancel");
        s.command("SampleDataSet11")->trigger();
        QVERIFY(s.window->close());
        QVERIFY(messages().isEmpty());
    }

    void theEditMenuWorksOnTheBoxInFocus() {
        UiSession s;
        ModalWindows::setNextAction([](QDialog& editor) {
            QCOMPARE(child<QMenu>(editor, "Edit1")->title(), QStringLiteral("&Edit"));
            typeInto(editor, "txt_title", QStringLiteral("Quiz"));
            action(editor, "Undo1")->trigger();
            QVERIFY(textIn(editor, "txt_title") != QStringLiteral("Quiz"));
            action(editor, "Redo1")->trigger();
            QCOMPARE(textIn(editor, "txt_title"), QStringLiteral("Quiz"));
            child<QLineEdit>(editor, "txt_title")->selectAll();
            action(editor, "Cut1")->trigger();
            QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Quiz"));
            QVERIFY(textIn(editor, "txt_title").isEmpty());
            auto* data = child<QPlainTextEdit>(editor, "MemoData");
            data->setFocus();
            action(editor, "Paste1")->trigger();
            QCOMPARE(data->toPlainText(), QStringLiteral("Quiz"));
            data->selectAll();
            action(editor, "Copy1")->trigger();
            QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Quiz"));
            editor.reject();
        });
        s.button("btn_gotodata")->click();
        QVERIFY(ModalWindows::unexpected().isEmpty());
    }

    void aSpreadsheetOpensFromTheMainWindowIntoTheEditor() {
        UiSession s;
        const QString path = pathHere("marks.csv");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Student,Q1,Q2,Q3\r\nKEY,A,B,C\r\nAnn,A,B,C\r\nBen,A,C,C\r\nCid,B,B,A\r\n");
        file.close();
        FileDialogs::setNextAnswer(path);
        ModalWindows::setNextAction([](QDialog& preview) {
            QCOMPARE(preview.objectName(), QStringLiteral("TCsvImportForm"));
            child<QPushButton>(preview, "btn_ok")->click();
        });
        ModalWindows::setNextAction([](QDialog& editor) {
            QCOMPARE(textIn(editor, "txt_cases"), QStringLiteral("3"));
            QCOMPARE(textIn(editor, "txt_answer_key"), QStringLiteral("ABC"));
            child<QPushButton>(editor, "btn_done")->click();
        });
        s.command("ImportSpreadsheetCSVFile1")->trigger();
        QVERIFY(ModalWindows::unexpected().isEmpty());
        QCOMPARE(FileDialogs::asked().first().title,
                 QStringLiteral("Import Spreadsheet (CSV) File"));
        QVERIFY(s.command("ViewResults1")->isEnabled());
        QVERIFY(s.find<QRadioButton>("rdo_edit_data")->isChecked());
        QFile::remove(path);
    }

    // A name is a label: letters without a single-byte form become their
    // base letters, with one warning, instead of stopping the import.
    void namesBeyondTheSingleByteSetImportAsTheirBaseLetters() {
        UiSession s;
        const QString path = pathHere("names.csv");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            QStringLiteral("Name,Q1,Q2\r\nKEY,A,B\r\nTom\u00e1\u0161,A,B\r\n\u0141ukasz,B,B\r\n"
                           "Ann,A,A\r\n")
                .toUtf8());
        file.close();
        QString summary;
        QStringList lines;
        FileDialogs::setNextAnswer(path);
        ModalWindows::setNextAction([&](QDialog& preview) {
            summary = child<QPlainTextEdit>(preview, "memo_summary")->toPlainText();
            child<QPushButton>(preview, "btn_ok")->click();
        });
        ModalWindows::setNextAction([&](QDialog& editor) {
            lines =
                child<QPlainTextEdit>(editor, "MemoData")->toPlainText().split(QLatin1Char('\n'));
            editor.reject();
        });
        s.command("ImportSpreadsheetCSVFile1")->trigger();
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines[0].startsWith(QStringLiteral("Tomas ")), qPrintable(lines[0]));
        QVERIFY2(lines[1].startsWith(QStringLiteral("Lukasz")), qPrintable(lines[1]));
        QCOMPARE(summary.count(QStringLiteral("cannot store in single bytes")), 1);
        QVERIFY2(summary.contains(QStringLiteral("Rows 3 and 4: the ids hold characters")),
                 qPrintable(summary));
        QFile::remove(path);
    }
};

KOR_UI_TEST(FirstHourTest);

}  // namespace kor::ui::testing

#include "FirstHourTest.moc"
