// Not a test: pictures of the real windows for the README, taken by
// scripts/screenshots.sh (kor_ui_tests Screenshots with KOR_SCREENSHOT_DIR
// naming the folder).

#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QPushButton>

#include "UiTestSupport.h"
#include "ui/AppController.h"
#include "ui/DataEditorWindow.h"
#include "ui/MainWindow.h"
#include "ui/ReportWindow.h"

namespace kor::ui::testing {

class Screenshots : public QObject {
    Q_OBJECT

  private slots:
    void mainWindowAndEditorAfterSampleSet1() {
        const QString folder = qEnvironmentVariable("KOR_SCREENSHOT_DIR");
        if (folder.isEmpty()) {
            QSKIP("KOR_SCREENSHOT_DIR names no folder");
        }
        QDir().mkpath(folder);
        const Recording recording;
        AppController controller;
        MainWindow window(controller);  // at the size it opens with
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        ModalWindows::setNextAction([&](QDialog& editor) {
            QVERIFY(QTest::qWaitForWindowExposed(&editor));
            QVERIFY(editor.grab().save(QDir(folder).filePath(QStringLiteral("data-editor.png"))));
            window.editor().closeAndAnalyze();
        });
        action(window, "SampleDataSet11")->trigger();
        QVERIFY(window.grab().save(QDir(folder).filePath(QStringLiteral("main-window.png"))));
        QVERIFY(ModalWindows::unexpected().isEmpty());
    }

    // Every other window, for a look before a change is called done
    // (KOR_SCREENSHOT_MORE_DIR names the folder; nothing goes into docs/).
    void otherWindows() {
        const QString folder = qEnvironmentVariable("KOR_SCREENSHOT_MORE_DIR");
        if (folder.isEmpty()) {
            QSKIP("KOR_SCREENSHOT_MORE_DIR names no folder");
        }
        QDir().mkpath(folder);
        const Recording recording;
        AppController controller;
        MainWindow window(controller);
        window.show();
        window.runExample("set1", true);
        auto save = [&folder](QWidget& shown, const char* name) {
            QVERIFY(QTest::qWaitForWindowExposed(&shown));
            QVERIFY(shown.grab().save(
                QDir(folder).filePath(QLatin1String(name) + QStringLiteral(".png"))));
        };
        action(window, "ViewExam1")->trigger();
        save(*window.viewers().quick, "quick-viewer");
        action(window, "ViewResults1")->trigger();
        save(*window.viewers().results, "results-viewer");
        action(window, "ViewGradeReports1")->trigger();
        save(*window.viewers().grades, "grade-viewer");
        action(window, "HowtoSpeciallsaveSPSSfiles1")->trigger();
        save(*window.findChild<QDialog*>(QStringLiteral("TSPSSform")), "text-help");
        action(window, "OpenInputFilefromapreviousKORversion1")->trigger();
        save(*window.findChild<QDialog*>(QStringLiteral("TImportForm")), "import-chooser");
        for (const char* command : {"About1", "Acknowledgements1", "License1"}) {
            ModalWindows::setNextAction([&save, command](QDialog& shown) {
                save(shown, command);
                shown.accept();
            });
            action(window, command)->trigger();
        }
        ModalWindows::setNextAction([&](QDialog& editor) {
            ModalWindows::setNextAction([&save](QDialog& shown) {
                save(shown, "code-help");
                shown.accept();
            });
            action(editor, "Codes1")->trigger();
            editor.reject();
        });
        child<QPushButton>(window, "btn_gotodata")->click();

        // The spreadsheet preview over a small export with a key row.
        const QString csv = QDir(folder).filePath(QStringLiteral("class.csv"));
        QFile file(csv);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            "Student ID;Last Name;First Name;Q1;Q2;Q3;Q4;Q5\r\n"
            "KEY;;;B;D;A;C;A\r\n"
            "1001;\"M\xC3\xBCller, Jr.\";Anna;B;D;A;C;A\r\n"
            "1002;Weber;Jonas;B;;A;c;B\r\n"
            "1003;Roth;Lea;A;D;A;C;A\r\n");
        file.close();
        FileDialogs::setNextAnswer(csv);
        ModalWindows::setNextAction([&](QDialog& editor) {
            ModalWindows::setNextAction([&save](QDialog& preview) {
                save(preview, "csv-preview");
                preview.reject();
            });
            action(editor, "ImportSpreadsheetCSVFile1")->trigger();
            editor.reject();
        });
        child<QPushButton>(window, "btn_gotodata")->click();
    }
};

KOR_UI_TEST(Screenshots);

}  // namespace kor::ui::testing

#include "Screenshots.moc"
