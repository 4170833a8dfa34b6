// The pieces every window test stands on: the seams answer for a person,
// the binding helper copies texts and focuses by name, the report view is
// fixed-pitch.

#include <QDialog>
#include <QDialogButtonBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "UiTestSupport.h"
#include "ui/Binding.h"
#include "ui/DialogAgain.h"
#include "ui/ReportView.h"

namespace kor::ui::testing {

namespace {

// A window with two edit boxes, as a form's dialog has them.
struct TwoBoxWindow : QDialog {
    QLineEdit* first = new QLineEdit(this);
    QLineEdit* second = new QLineEdit(this);
    TwoBoxWindow() {
        setObjectName(QStringLiteral("TTwoBoxForm"));
        first->setObjectName(QStringLiteral("txt_first"));
        second->setObjectName(QStringLiteral("txt_second"));
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(first);
        layout->addWidget(second);
    }
};

}  // namespace

class HarnessTest : public QObject {
    Q_OBJECT

  private slots:
    void messageBoxesAreAnsweredAndRecorded() {
        const Recording recording;
        MessageBoxes::inform(nullptr, QStringLiteral("first"));
        MessageBoxes::setNextAnswer(QMessageBox::No);
        const auto answer = MessageBoxes::ask(nullptr, QStringLiteral("second?"),
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        QCOMPARE(answer, QMessageBox::No);
        // Without an answer queued the box takes its default.
        QCOMPARE(MessageBoxes::ask(nullptr, QStringLiteral("third?"),
                                   QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes),
                 QMessageBox::Yes);
        QCOMPARE(messages(), (QStringList{"first", "second?", "third?"}));
    }

    void fileDialogsTakeTheNextAnswerAndRememberItsFolder() {
        const Recording recording;
        FileDialogs::setNextAnswer(QStringLiteral("/some/folder/data.kor"));
        QCOMPARE(
            FileDialogs::openFile(nullptr, {QStringLiteral("KOR files (*.kor)|*.kor"), "kor", {}}),
            QStringLiteral("/some/folder/data.kor"));
        QCOMPARE(FileDialogs::lastFolder(), QStringLiteral("/some/folder"));
        QCOMPARE(FileDialogs::inLastFolder(QStringLiteral("item_stats.txt")),
                 QStringLiteral("/some/folder/item_stats.txt"));
        // No answer queued is a cancelled dialog; the folder stays.
        QVERIFY(
            FileDialogs::saveFile(nullptr, {QStringLiteral("Text (*.txt)|*.txt"), "txt", "x.txt"})
                .isEmpty());
        QCOMPARE(FileDialogs::asked().size(), 2);
        QCOMPARE(FileDialogs::asked().at(1).proposed_name, QStringLiteral("x.txt"));
        QCOMPARE(FileDialogs::lastFolder(), QStringLiteral("/some/folder"));
    }

    void filtersBecomeTheDialogsPatternLists() {
        QCOMPARE(FileDialogs::qtFilter(QStringLiteral(
                     "Text files (*.txt,*.out,*.dat,*.csv)|*.txt;*.out;*.dat;*.csv|All Files "
                     "(*.*)|*.*")),
                 QStringLiteral("Text files (*.txt *.out *.dat *.csv);;All Files (*.*)"));
        QCOMPARE(FileDialogs::qtFilter(QStringLiteral("KOR files (*.kor)|*.kor")),
                 QStringLiteral("KOR files (*.kor)"));
    }

    void aModalWindowRunsTheQueuedActionInsideIt() {
        const Recording recording;
        TwoBoxWindow window;
        ModalWindows::setNextAction([](QDialog& shown) {
            QVERIFY(shown.isVisible());
            QTest::keyClicks(child<QLineEdit>(shown, "txt_first"), QStringLiteral("typed"));
            shown.accept();
        });
        QCOMPARE(ModalWindows::exec(window), int(QDialog::Accepted));
        QCOMPARE(window.first->text(), QStringLiteral("typed"));
        QVERIFY(!window.isVisible());
        // Shown with nothing queued: rejected at once and reported.
        QCOMPARE(ModalWindows::exec(window), int(QDialog::Rejected));
        QCOMPARE(ModalWindows::unexpected(), QStringList{"TTwoBoxForm"});
    }

    void aSettingsDialogComesBackWhileItsOkIsRefused() {
        const Recording recording;
        TwoBoxWindow window;
        DialogAgain again(window);
        // The OK of this dialog refuses an empty first box.
        auto ok = [&again](QDialog& shown) {
            again.ok(child<QLineEdit>(shown, "txt_first")->text().isEmpty());
        };
        ModalWindows::setNextAction(ok);
        ModalWindows::setNextAction([&](QDialog& shown) {
            // The refused input is still there when the dialog comes back.
            QCOMPARE(child<QLineEdit>(shown, "txt_second")->text(), QStringLiteral("kept"));
            child<QLineEdit>(shown, "txt_first")->setText(QStringLiteral("now"));
            ok(shown);
        });
        window.second->setText(QStringLiteral("kept"));
        QVERIFY(again.show());
        QCOMPARE(ModalWindows::shownWindows().size(), 2);
        QVERIFY(!again.again());

        // Cancel, and a window closed by its frame, end the showing without OK.
        ModalWindows::setNextAction([&again](QDialog&) { again.cancel(); });
        QVERIFY(!again.show());
        ModalWindows::setNextAction([](QDialog& shown) { shown.close(); });
        QVERIFY(!again.show());
        QVERIFY(ModalWindows::unexpected().isEmpty());
    }

    void textsGoInAndOutByControlName() {
        TwoBoxWindow window;
        putTexts(window, {{"txt_first", "K\xE9y"}, {"txt_second", "12"}, {"txt_missing", "x"}});
        QCOMPARE(window.first->text(),
                 QStringLiteral("K\u00E9y"));  // single-byte text shown as Latin-1
        QCOMPARE(textOf(window, "txt_first"), std::string("K\xE9y"));
        QCOMPARE(textOf(window, "txt_second"), std::string("12"));
        QCOMPARE(textOf(window, "txt_missing"), std::string());
    }

    void aRefusalShowsItsMessagesAndFocusesItsControl() {
        const Recording recording;
        TwoBoxWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.first->setFocus();
        window.second->setText(QStringLiteral("bad"));
        Outcome outcome;
        outcome.show("a warning");
        outcome.refuse("Number of Items must be an integer", "txt_second");
        showOutcome(window, outcome);
        QCOMPARE(messages(), (QStringList{"a warning", "Number of Items must be an integer"}));
        QCOMPARE(QApplication::focusWidget(), window.second);
        QCOMPARE(window.second->selectedText(), QStringLiteral("bad"));
    }

    void linesSplitAsTheBoxShowsThem() {
        QCOMPARE(splitLines(QString()), std::vector<std::string>{});
        QCOMPARE(splitLines(QStringLiteral("a\nb\n")), (std::vector<std::string>{"a", "b", ""}));
        QCOMPARE(joinLines({"a", "", "b"}), QStringLiteral("a\n\nb"));
    }

    void reportsShowInAFixedPitchReadOnlyView() {
        ReportView view(QStringLiteral("results_box"));
        view.setLines({"Item  Diff", "   1  .500", ""});
        QVERIFY(view.isReadOnly());
        QCOMPARE(view.lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(view.lines(), (std::vector<std::string>{"Item  Diff", "   1  .500", ""}));
        QCOMPARE(view.textCursor().position(), 0);
        const QFontInfo info(view.font());
        QVERIFY2(info.fixedPitch(), qPrintable(info.family()));
        QCOMPARE(view.font().family(), QStringLiteral("Courier New"));
    }
};

KOR_UI_TEST(HarnessTest);

}  // namespace kor::ui::testing

#include "HarnessTest.moc"
