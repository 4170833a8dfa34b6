// The main job from the keyboard alone, and the viewers' texts against what
// `kor analyze --report` prints for the same data.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <optional>

#include "CliRun.h"
#include "UiSession.h"
#include "ui/ReportView.h"
#include "ui/ReportWindow.h"

namespace kor::ui::testing {

namespace {

// Types `text` where the focus is and moves on with Tab.
void typeAndTab(QDialog& editor, const QString& text) {
    QTest::keyClicks(editor.focusWidget(), text);
    QTest::keyClick(editor.focusWidget(), Qt::Key_Tab);
}

QString cliReport(const QString& path, const char* report) {
    const auto run = kor::testing::kor({"analyze", fromQt(path), "--report", report});
    if (run.code != 0) {
        QTest::qFail(run.err.c_str(), __FILE__, __LINE__);
    }
    return toQt(run.out);
}

}  // namespace

class AcceptanceTest : public QObject {
    Q_OBJECT

  private slots:
    void aKeyboardOnlyWalkGivesTheCommandLinesReports() {
        UiSession s;
        QVERIFY(s.activate());
        const QString path = QDir::current().filePath(QStringLiteral("walk.kor"));
        FileDialogs::setNextAnswer(path);
        ModalWindows::setNextAction([](QDialog& editor) {
            QVERIFY(QTest::qWaitForWindowActive(&editor));
            QCOMPARE(editor.focusWidget()->objectName(), QStringLiteral("txt_title"));
            typeAndTab(editor, QStringLiteral("Keyboard walk"));
            typeAndTab(editor, QStringLiteral("typed without a mouse"));
            typeAndTab(editor, QStringLiteral("6"));
            typeAndTab(editor, QStringLiteral("5"));
            typeAndTab(editor, QStringLiteral("5"));
            typeAndTab(editor, QStringLiteral("12345"));
            typeAndTab(editor, QStringLiteral("55555"));
            typeAndTab(editor, QString());  // the include line is left empty
            QCOMPARE(editor.focusWidget()->objectName(), QStringLiteral("MemoData"));
            const QStringList lines = smallSetLines(6).split(QLatin1Char('\n'));
            for (qsizetype k = 0; k < lines.size(); ++k) {
                if (k > 0) {
                    QTest::keyClick(editor.focusWidget(), Qt::Key_Return);
                }
                QTest::keyClicks(editor.focusWidget(), lines[k]);
            }
            QTest::keyClick(&editor, Qt::Key_S, Qt::ControlModifier);  // "&Save KOR File"
            // Tab on to "Close && Analyze" and press it.
            QTest::keyClick(editor.focusWidget(), Qt::Key_Tab);
            while (editor.focusWidget()->objectName() != QStringLiteral("btn_done")) {
                QTest::keyClick(editor.focusWidget(), Qt::Key_Tab);
            }
            QTest::keyClick(editor.focusWidget(), Qt::Key_Space);
        });
        QTest::keyClick(s.window.get(), Qt::Key_N, Qt::ControlModifier);
        QVERIFY2(messages().isEmpty(), qPrintable(messages().join(QLatin1Char('\n'))));
        QVERIFY(ModalWindows::unexpected().isEmpty());
        QVERIFY(QFile::exists(path));
        QVERIFY(s.command("ViewResults1")->isEnabled());

        Viewers& viewers = s.main().viewers();
        const std::pair<Qt::Key, const char*> quick[] = {
            {Qt::Key_F5, "examinees"}, {Qt::Key_F6, "items"}, {Qt::Key_F7, "options"}};
        for (const auto& [key, report] : quick) {
            QTest::keyClick(s.window.get(), key);
            QVERIFY(viewers.quick->isVisible());
            QCOMPARE(viewers.quick->windowTitle(), QStringLiteral("Quick Results Viewer"));
            QCOMPARE(viewers.quick->view().toPlainText() + QLatin1Char('\n'),
                     cliReport(path, report));
        }
        QVERIFY(s.activate());
        QTest::keyClick(s.window.get(), Qt::Key_F2);
        QVERIFY(viewers.results->isVisible());
        QVERIFY(viewers.results->isWindow());
        QCOMPARE(viewers.results->windowTitle(), QStringLiteral("View Results"));
        QCOMPARE(viewers.results->view().toPlainText() + QLatin1Char('\n'),
                 cliReport(path, "full"));
        QCOMPARE(viewers.results->view().textCursor().position(), 0);

        s.button("btn_view_grades")->click();
        QVERIFY(viewers.grades->isVisible());
        QCOMPARE(viewers.grades->windowTitle(), QStringLiteral("Grade Reports"));
        QCOMPARE(viewers.grades->view().toPlainText() + QLatin1Char('\n'),
                 cliReport(path, "grades"));
        QFile::remove(path);
    }

    // The largest data set the program takes: the panes, opened first, and
    // every viewer show what the command line prints for the same file.
    void aLargeSetShowsInEveryPaneAndViewerWhatTheCommandLinePrints() {
        const QString path = QDir::current().filePath(QStringLiteral("large.kor"));
        QCOMPARE(
            kor::testing::kor({"generate", "--cases", "9999", "--items", "100", "-o", fromQt(path)})
                .code,
            0);
        UiSession s;
        // The analysis runs under the wait cursor, which goes when it is done.
        std::optional<Qt::CursorShape> cursor_while_analysing;
        QObject::connect(&s.controller, &AppController::analysed, [&cursor_while_analysing] {
            if (const QCursor* cursor = QGuiApplication::overrideCursor()) {
                cursor_while_analysing = cursor->shape();
            }
        });
        ModalWindows::setNextAction(
            [](QDialog& editor) { child<QPushButton>(editor, "btn_done")->click(); });
        s.main().openInputFile(path);
        QCOMPARE(cursor_while_analysing, std::optional<Qt::CursorShape>(Qt::WaitCursor));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QVERIFY(ModalWindows::unexpected().isEmpty());
        QVERIFY(s.command("ViewResults1")->isEnabled());
        const auto panes = kor::testing::kor({"analyze", fromQt(path)});
        QCOMPARE(s.find<ReportView>("RichEditQE")->toPlainText() + QStringLiteral("\n\n") +
                     s.find<ReportView>("RichEditQI")->toPlainText() + QLatin1Char('\n'),
                 toQt(panes.out));

        Viewers& viewers = s.main().viewers();
        const std::pair<const char*, const char*> quick[] = {
            {"ViewExam1", "examinees"}, {"ViewItem1", "items"}, {"ViewOptions1", "options"}};
        for (const auto& [command, report] : quick) {
            s.command(command)->trigger();
            QVERIFY(viewers.quick->isVisible());
            QCOMPARE(viewers.quick->view().toPlainText() + QLatin1Char('\n'),
                     cliReport(path, report));
        }
        s.command("ViewResults1")->trigger();
        QCOMPARE(viewers.results->view().toPlainText() + QLatin1Char('\n'),
                 cliReport(path, "full"));
        QFile::remove(path);
    }

    void startingWithAnExampleLeavesItAnalysed() {
        UiSession s;
        s.main().runExample("set1", true);
        QVERIFY(ModalWindows::shownWindows().isEmpty());
        QVERIFY(messages().isEmpty());
        QVERIFY(s.command("ViewResults1")->isEnabled());
        QVERIFY(
            s.find<QLineEdit>("txt_t")->text().startsWith(QStringLiteral("Sample Data #1: 23,")));
        QVERIFY(s.find<ReportView>("RichEditQE")
                    ->toPlainText()
                    .contains(QStringLiteral("Mean Score          = 32.130")));
        // The grade chart button follows the example's grading scale.
        s.button("btn_view_examinee")->click();
        QVERIFY(child<QPushButton>(*s.main().viewers().results, "btn_grades")->isEnabled());
    }
};

KOR_UI_TEST(AcceptanceTest);

}  // namespace kor::ui::testing

#include "AcceptanceTest.moc"
