// Not a test: pictures of the real windows for the README, taken by
// scripts/screenshots.sh (kor_ui_tests Screenshots with KOR_SCREENSHOT_DIR
// naming the folder).

#include <QDir>
#include <QPixmap>

#include "UiTestSupport.h"
#include "ui/AppController.h"
#include "ui/DataEditorWindow.h"
#include "ui/MainWindow.h"

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
        MainWindow window(controller);
        window.resize(1180, 820);
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
};

KOR_UI_TEST(Screenshots);

}  // namespace kor::ui::testing

#include "Screenshots.moc"
