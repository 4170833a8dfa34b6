// The data editor: its boxes, rulers, typing checks, menus and the ways out,
// driven through the real controls inside the modal window.

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>

#include "UiSession.h"
#include "app/Application.h"
#include "app/ProgramState.h"
#include "app/forms/EditorModel.h"

namespace kor::ui::testing {

namespace {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString boxText(QDialog& editor, const char* name) {
    return child<QLineEdit>(editor, name)->text();
}

}  // namespace

class DataEditorTest : public QObject {
    Q_OBJECT

  private slots:
    void everyBoxHasItsCaptionAsBuddyAndTheTabKeyReadsInOrder() {
        UiSession s;
        DataEditorWindow& editor = s.editor();
        QCOMPARE(editor.windowTitle(), QStringLiteral("Data Editor"));
        const std::pair<const char*, const char*> captions[] = {
            {"lbl_title", "txt_title"},
            {"lbl_comments", "txt_comments"},
            {"lbl_cases", "txt_cases"},
            {"lbl_items", "txt_items"},
            {"lbl_label_length", "txt_label_length"},
            {"lbl_key", "txt_answer_key"},
            {"lbl_options", "txt_options"},
            {"lbl_include", "txt_include"},
            {"lbl_data", "MemoData"}};
        for (const auto& [label, box] : captions) {
            QCOMPARE(child<QLabel>(editor, label)->buddy(), child<QWidget>(editor, box));
        }
        QCOMPARE(child<QLabel>(editor, "lbl_key")->text().remove(QLatin1Char('&')),
                 QStringLiteral("Key:"));
        QCOMPARE(child<QLabel>(editor, "lbl_hint")->text(), QString::fromLatin1(data_window_hint));
        QVERIFY(child<QLineEdit>(editor, "txt_missing_data")->isHidden());
        auto* data = child<QPlainTextEdit>(editor, "MemoData");
        QCOMPARE(data->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(data->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(child<QLineEdit>(editor, "txt_answer_key")->font().family(),
                 QStringLiteral("Courier New"));

        QWidget* next = child<QWidget>(editor, "txt_title");
        QStringList order;
        for (int k = 0; k < 9; ++k) {
            order.append(next->objectName());
            next = next->nextInFocusChain();
            while (!next->isVisibleTo(&editor) || next->focusPolicy() == Qt::NoFocus) {
                next = next->nextInFocusChain();
            }
        }
        QCOMPARE(order, (QStringList{"txt_title", "txt_comments", "txt_cases", "txt_items",
                                     "txt_label_length", "txt_answer_key", "txt_options",
                                     "txt_include", "MemoData"}));
    }

    void rulersFollowTheCountsAsTheyAreTyped() {
        UiSession s;
        ModalWindows::setNextAction([](QDialog& editor) {
            QTest::keyClicks(child<QLineEdit>(editor, "txt_label_length"), QStringLiteral("3"));
            QTest::keyClicks(child<QLineEdit>(editor, "txt_items"), QStringLiteral("12"));
            QCOMPARE(child<QLabel>(editor, "lbl_key_scale1")->text(),
                     QStringLiteral("Item#    1 1"));
            QCOMPARE(child<QLabel>(editor, "lbl_key_scale2")->text(),
                     QStringLiteral("1...5....0.2"));
            QCOMPARE(child<QLabel>(editor, "lbl_key_scale3")->text(),
                     child<QLabel>(editor, "lbl_key_scale1")->text());
            QCOMPARE(child<QLabel>(editor, "lbl_scale1")->text(),
                     QStringLiteral("ID|Item#    1 1"));
            QCOMPARE(child<QLabel>(editor, "lbl_scale2")->text(),
                     QStringLiteral("--|1...5....0.2"));
            QVERIFY(action(editor, "SetTableofSpecifications1")->isEnabled());
            editor.reject();
        });
        s.button("btn_gotodata")->click();
        QVERIFY(messages().isEmpty());
    }

    void typingZeroItemsIsRefusedAndKeepsTheTableOfSpecificationsOff() {
        UiSession s;
        ModalWindows::setNextAction([](QDialog& editor) {
            QTest::keyClicks(child<QLineEdit>(editor, "txt_items"), QStringLiteral("0"));
            QCOMPARE(messages(), QStringList{"Number of Items must be between 1 and 100"});
            QCOMPARE(editor.focusWidget(), child<QWidget>(editor, "txt_items"));
            QVERIFY(!action(editor, "SetTableofSpecifications1")->isEnabled());
            editor.reject();
        });
        s.button("btn_gotodata")->click();
    }

    void aShortKeyIsRefusedAndTheEditorComesBackWithTheFocusInTheKeyBox() {
        UiSession s;
        ModalWindows::setNextAction([](QDialog& editor) {
            typeSmallSet(editor, 5, QStringLiteral("123"));
            child<QPushButton>(editor, "btn_done")->click();
        });
        QWidget* focused = nullptr;
        ModalWindows::setNextAction([&focused](QDialog& editor) {
            focused = editor.focusWidget();
            QCOMPARE(boxText(editor, "txt_answer_key"),
                     QStringLiteral("123"));  // what was typed stays
            child<QLineEdit>(editor, "txt_answer_key")->setText(QStringLiteral("12345"));
            child<QPushButton>(editor, "btn_done")->click();
        });
        s.button("btn_gotodata")->click();
        QCOMPARE(
            messages(),
            QStringList{"The ANSWER KEY is shorter than the Number of Items -- check Item #4"});
        QCOMPARE(ModalWindows::shownWindows(), (QStringList{"TEditForm", "TEditForm"}));
        QCOMPARE(focused, child<QWidget>(s.editor(), "txt_answer_key"));
        QVERIFY(s.command("ViewResults1")->isEnabled());  // the corrected data were analysed
    }

    void aLoaderRefusalShowsItsExactMessage() {
        UiSession s;
        ModalWindows::setNextAction([](QDialog& editor) {
            typeSmallSet(editor, 6);  // five data lines for six examinees
            child<QPlainTextEdit>(editor, "MemoData")->setPlainText(smallSetLines(5));
            child<QPushButton>(editor, "BitBtn1")->click();
        });
        pressInEditor("Cancel");
        s.button("btn_gotodata")->click();
        QCOMPARE(messages(), QStringList{"Number of Data Lines less than Number of Examinees"});
        QCOMPARE(s.editor().focusWidget(), child<QWidget>(s.editor(), "txt_cases"));
        // An empty include and options line were filled in and shown.
        QCOMPARE(boxText(s.editor(), "txt_include"), QStringLiteral("YYYYY"));
    }

    void aFileOpenedThroughTheDialogSavesBackByteIdentical() {
        UiSession s;
        const QString source = QStringLiteral(KOR_EXAMPLES_DIR "/quiz.kor");
        QVERIFY(QFile::exists(source));
        const QString copy = QDir::current().filePath(QStringLiteral("copy.kor"));
        FileDialogs::setNextAnswer(source);
        FileDialogs::setNextAnswer(copy);
        ModalWindows::setNextAction([](QDialog& editor) {
            QCOMPARE(boxText(editor, "txt_items"), QStringLiteral("10"));
            child<QPushButton>(editor, "btn_save_map")->click();
            editor.reject();
        });
        s.find<QRadioButton>("rdo_read_file")->click();
        s.button("btn_gotodata")->click();
        QVERIFY2(messages().isEmpty(), qPrintable(messages().join(QLatin1Char('\n'))));
        QCOMPARE(FileDialogs::asked().size(), 2);
        QCOMPARE(FileDialogs::asked().at(1).default_suffix, QStringLiteral("kor"));
        QCOMPARE(bytesOf(copy), bytesOf(source));
        QFile::remove(copy);
    }

    void openingACancelledFileLeavesAnEmptyEditor() {
        UiSession s;
        pressInEditor("Cancel");
        s.command("SampleDataSet31")->trigger();
        ModalWindows::setNextAction([](QDialog& editor) {
            QVERIFY(boxText(editor, "txt_title").isEmpty());
            QVERIFY(child<QPlainTextEdit>(editor, "MemoData")->toPlainText().isEmpty());
            editor.reject();
        });
        s.command("OpenKORinputFile1")->trigger();
        QCOMPARE(FileDialogs::asked().size(), 1);
    }

    void aConversionToRightWrongAndBack() {
        UiSession s;
        ModalWindows::setNextAction([](QDialog& editor) {
            QTest::keyClicks(child<QLineEdit>(editor, "txt_title"), QStringLiteral("Four items"));
            QTest::keyClicks(child<QLineEdit>(editor, "txt_cases"), QStringLiteral("1"));
            QTest::keyClicks(child<QLineEdit>(editor, "txt_items"), QStringLiteral("4"));
            QTest::keyClicks(child<QLineEdit>(editor, "txt_label_length"), QStringLiteral("3"));
            QTest::keyClicks(child<QLineEdit>(editor, "txt_answer_key"), QStringLiteral("ABCD"));
            child<QPlainTextEdit>(editor, "MemoData")->setPlainText(QStringLiteral("S01ABDA"));
            QVERIFY(!action(editor, "ConvertBacktoOriginalData1")->isEnabled());
            action(editor, "ConvertDatatoRightWrongData1")->trigger();
            QCOMPARE(child<QPlainTextEdit>(editor, "MemoData")->toPlainText(),
                     QStringLiteral("S011100"));
            QCOMPARE(boxText(editor, "txt_answer_key"), QStringLiteral("1111"));
            QCOMPARE(boxText(editor, "txt_options"), QStringLiteral("2222"));
            QCOMPARE(action(editor, "convert_heading1")->text(),
                     QStringLiteral("DATA are CODED as RIGHT-WRONG"));
            QVERIFY(action(editor, "ConvertBacktoOriginalData1")->isEnabled());
            QVERIFY(!action(editor, "ConvertDatatoLetters1")->isEnabled());
            QVERIFY(action(editor, "DataareRightWrongData1")->isChecked());

            action(editor, "ConvertBacktoOriginalData1")->trigger();
            QCOMPARE(child<QPlainTextEdit>(editor, "MemoData")->toPlainText(),
                     QStringLiteral("S01ABDA"));
            QCOMPARE(boxText(editor, "txt_answer_key"), QStringLiteral("ABCD"));
            QCOMPARE(action(editor, "convert_heading1")->text(),
                     QStringLiteral("DATA are in ORIGINAL FORMAT"));
            action(editor, "ConvertDatatoNumbers1")->trigger();
            QCOMPARE(child<QPlainTextEdit>(editor, "MemoData")->toPlainText(),
                     QStringLiteral("S011241"));
            QCOMPARE(action(editor, "convert_heading1")->text(),
                     QStringLiteral("DATA are in NUMERIC FORMAT"));
            editor.reject();
        });
        s.button("btn_gotodata")->click();
        QVERIFY2(messages().isEmpty(), qPrintable(messages().join(QLatin1Char('\n'))));
    }

    void smallCommandsOfTheMenus() {
        UiSession s;
        ModalWindows::setNextAction([](QDialog& editor) {
            action(editor, "SHOWEXAMPLEDATA1")->trigger();
            QCOMPARE(boxText(editor, "txt_answer_key"), QStringLiteral("12432B1a2d"));
            QCOMPARE(child<QLabel>(editor, "lbl_key_scale2")->text(), QStringLiteral("1...5....0"));
            auto* data = child<QPlainTextEdit>(editor, "MemoData");
            data->appendPlainText(QString());  // a trailing empty line counts
            action(editor, "CountlinesofdataasExaminees1")->trigger();
            QCOMPARE(boxText(editor, "txt_cases"), QStringLiteral("11"));
            ModalWindows::setNextAction([](QDialog& help) {
                QCOMPARE(help.windowTitle(),
                         QStringLiteral("Help for Data, Answer Key, and Include Codes"));
                QVERIFY(child<QLabel>(help, "Panel2_text")
                            ->text()
                            .endsWith(QStringLiteral("      CORRECT")));
                child<QPushButton>(help, "btn_close")->click();
            });
            action(editor, "Codes1")->trigger();
            MessageBoxes::setNextAnswer(QMessageBox::Yes);  // the counted lines are a change
            action(editor, "New1")->trigger();
            QVERIFY(boxText(editor, "txt_answer_key").isEmpty());
            QVERIFY(data->toPlainText().isEmpty());
            action(editor, "ChangeMaxOptionsto51")->trigger();
            action(editor, "HowToImportVZTestscoreData1")->trigger();
            editor.reject();
        });
        s.button("btn_gotodata")->click();
        QCOMPARE(s.controller.state().data.max_options, 5);
        QCOMPARE(messages().size(), 2);
        QCOMPARE(messages().at(0), QString::fromLatin1(discard_changes_question));
        QVERIFY(messages().at(1).startsWith(
            QStringLiteral("PLEASE NOTE THAT THIS HAS NOT BEEN UPDATED")));
        QCOMPARE(ModalWindows::shownWindows(), (QStringList{"TEditForm", "TCodeForm"}));
    }

    void closeOnlyKeepsTheNameWhileCancelForgetsTheSaveCommand() {
        UiSession s;
        ModalWindows::setNextAction([](QDialog& editor) {
            typeSmallSet(editor, 5);
            child<QPushButton>(editor, "BitBtn1")->click();
        });
        s.button("btn_gotodata")->click();
        QVERIFY(s.command("SaveKORInputFile1")->isEnabled());
        ModalWindows::setNextAction([](QDialog& editor) { action(editor, "Close1")->trigger(); });
        s.button("btn_gotodata")->click();
        QVERIFY(s.command("SaveKORInputFile1")->isEnabled());
        QCOMPARE(s.controller.state().editor.title, std::string("Small set"));  // kept
        pressInEditor("Cancel");
        s.button("btn_gotodata")->click();
        QVERIFY(!s.command("SaveKORInputFile1")->isEnabled());
    }

    void theHiddenExampleOfTheEditor() {
        UiSession s;
        QVERIFY(s.activate());
        ModalWindows::setNextAction([](QDialog& editor) {
            QVERIFY(QTest::qWaitForWindowActive(&editor));
            QTest::keyClick(&editor, Qt::Key_G, Qt::ControlModifier | Qt::AltModifier);
            QCOMPARE(boxText(editor, "txt_cases"), QStringLiteral("200"));
            QVERIFY(action(editor, "DataareRightWrongData1")->isChecked());
            child<QPushButton>(editor, "btn_done")->click();
        });
        s.button("btn_gotodata")->click();
        QVERIFY(s.find<QRadioButton>("rdo_edit_data")->isChecked());
        QVERIFY(s.command("ViewResults1")->isEnabled());
    }

    void theOldFileChooserStartsTheEditorOnItsReader() {
        UiSession s;
        s.command("OpenInputFilefromapreviousKORversion1")->trigger();
        auto* chooser = child<QDialog>(s.editor(), "TImportForm");
        QVERIFY(chooser->isVisible());
        QVERIFY(child<QRadioButton>(*chooser, "rdo_v6")->isChecked());
        QVERIFY(child<QRadioButton>(*chooser, "rdo_v7")->isHidden());
        child<QRadioButton>(*chooser, "rdo_v5")->setChecked(true);
        ModalWindows::setNextAction([](QDialog& editor) { editor.reject(); });
        child<QPushButton>(*chooser, "btn_ok")->click();  // no file chosen
        QVERIFY(!chooser->isVisible());
        QCOMPARE(ModalWindows::shownWindows(), QStringList{"TEditForm"});
        QCOMPARE(FileDialogs::asked().size(), 1);
        QCOMPARE(FileDialogs::asked().at(0).filter, QStringLiteral("KOR files (*.kor)|*.kor"));
    }
};

KOR_UI_TEST(DataEditorTest);

}  // namespace kor::ui::testing

#include "DataEditorTest.moc"
