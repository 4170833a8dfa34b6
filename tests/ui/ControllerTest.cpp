// The Qt object around the application: it changes the state only through
// the core's steps and says what changed.

#include <QFile>
#include <QSignalSpy>

#include "UiTestSupport.h"
#include "app/ProgramState.h"
#include "ui/AppController.h"

namespace kor::ui::testing {

class ControllerTest : public QObject {
    Q_OBJECT

  private slots:
    void settingsCommandsAnnounceTheChange() {
        AppController controller;
        QSignalSpy settings(&controller, &AppController::settingsChanged);
        controller.chooseItemOrder(ItemOrder::difficulty);
        controller.toggle(OptionToggle::print_grades_on_reports);
        QCOMPARE(settings.count(), 2);
        QVERIFY(controller.state().settings.sort_item_diff);
        QVERIFY(!controller.state().settings.sort_item_number);
        QVERIFY(!controller.state().settings.print_grades_on_reports);
    }

    void gradeLettersReadTheSavedScaleAndAMalformedOneChangesNothing() {
        AppController controller;
        QFile file(QStringLiteral("bad.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("USER=NO\r\nfive\r\n");
        file.close();
        const Outcome refused = controller.chooseBandUnit(BandUnit::grade_letters, "bad.ini");
        QVERIFY(refused.refused);
        QVERIFY(!refused.messages.empty());
        QVERIFY(controller.state().settings.band_use_raw);
        QVERIFY(!controller.state().settings.band_use_letters);

        // Without a file the scale in force stays and the bands are in letters.
        QVERIFY(controller.chooseBandUnit(BandUnit::grade_letters, "missing.ini").accepted());
        QVERIFY(controller.state().settings.band_use_letters);
        QVERIFY(!controller.state().settings.band_use_raw);
    }

    void theHiddenGenerateStartsNewDataFromFixedValues() {
        AppController controller;
        controller.toggle(OptionToggle::change_seed_each_call);
        controller.toggleRightWrong();
        QVERIFY(controller.state().data.data_are_right_wrong);
        QCOMPARE(controller.convertMenuView().heading,
                 std::string("DATA are CODED as RIGHT-WRONG"));
        controller.startHiddenGenerate();
        const ProgramState& state = controller.state();
        QCOMPARE(state.data.editor_start_mode, int(start_generate_fixed));
        QVERIFY(state.data.editor_load_failed);
        QVERIFY(!state.data.data_are_right_wrong);
        QVERIFY(!state.settings.change_seed_each_call);
        QCOMPARE(controller.convertMenuView().heading, std::string("DATA are in ORIGINAL FORMAT"));
    }

    void theConvertMenuFollowsTheFlagWhenTheEditorOpens() {
        AppController controller;
        controller.showExampleData();
        QVERIFY(controller.convert(Conversion::letters).accepted());
        QCOMPARE(controller.convertMenuView().heading, std::string("DATA are in LETTER FORMAT"));
        controller.goToDataEditor(InputMode::edit_data);
        controller.editorStartup();
        QCOMPARE(controller.convertMenuView().heading, std::string("DATA are in ORIGINAL FORMAT"));
        QVERIFY(!controller.state().data.editor_load_failed);
    }

    void theAltFilesNeedPermissionAgainAfterEachAnalysis() {
        AppController controller;
        QVERIFY(controller.openExample("set3").accepted());
        QVERIFY(controller.closeEditor(EditorExit::close_and_analyze).start_analysis);
        QVERIFY(controller.analyze().accepted());
        QVERIFY(controller.saveAltFiles("first").written.empty());
        controller.allowAltFiles();
        QVERIFY(!controller.saveAltFiles("second").written.empty());
        QVERIFY(QFile::exists(QStringLiteral("second.alt")));
        QVERIFY(controller.analyze().accepted());
        QVERIFY(!controller.altFilesAllowed());
    }

    void theLocalesDecimalSeparatorReachesTheCore() {
        AppController controller;
        controller.setDecimalSeparator(QLatin1Char(','));
        QCOMPARE(controller.state().decimal_separator, ',');
        controller.setDecimalSeparator(QChar(0x066B));  // a separator no single-byte text holds
        QCOMPARE(controller.state().decimal_separator, '.');
    }
};

KOR_UI_TEST(ControllerTest);

}  // namespace kor::ui::testing

#include "ControllerTest.moc"
