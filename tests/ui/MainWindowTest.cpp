// The main window's work flow, driven through its real controls by name.

#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QStatusBar>

#include "UiSession.h"
#include "app/ProgramState.h"
#include "ui/Binding.h"
#include "ui/ReportView.h"
#include "ui/ReportWindow.h"

namespace kor::ui::testing {

namespace {

QString paneText(const UiSession& s, const char* name) {
    return s.find<ReportView>(name)->toPlainText();
}

bool enabled(const UiSession& s, const char* name) {
    if (QAction* a = s.window->findChild<QAction*>(QLatin1String(name))) {
        return a->isEnabled();
    }
    return s.find<QWidget>(name)->isEnabled();
}

bool menuEnabled(const UiSession& s, const char* name) {
    return s.find<QMenu>(name)->menuAction()->isEnabled();
}

// Types a small data set into the editor the next time it shows and leaves
// it with "Close && Analyze".
void analyseSmallSetNext(int examinees) {
    ModalWindows::setNextAction([examinees](QDialog& editor) {
        typeSmallSet(editor, examinees);
        child<QPushButton>(editor, "btn_done")->click();
    });
}

const char* const patience =
    "Please be patient... You have a large number of cases. \n\nYou need to click OK on this "
    "message for the "
    "Analysis to run.";

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void startsWithOnlyTheInputCommandsEnabled() {
        UiSession s;
        QVERIFY(s.activate());
        QCOMPARE(s.window->windowTitle(),
                 QStringLiteral("KOR: Korvath (version 14.7.4) N<10K version"));
        for (const char* on :
             {"rdo_enter_data", "rdo_read_file", "rdo_spss_file", "rdo_generate", "rdo_edit_data",
              "btn_gotodata", "CreateNewDataFile1", "OpenKORinputFile1",
              "OpenInputFilefromapreviousKORversion1", "Exit1", "chk_save_score_file"}) {
            QVERIFY2(enabled(s, on), on);
        }
        for (const char* off :
             {"btn_analyze", "btn_view_grades", "btn_view_q_exam", "btn_view_options",
              "btn_view_q_item", "btn_view_examinee", "btn_saveresults", "SaveKORInputFile1",
              "ViewResults1", "SaveResults1", "ViewExam1", "ViewItem1", "ViewOptions1",
              "ViewGradeReports1", "SaveGradeReports1", "SaveItemFile1", "SaveRightWrongData1",
              "SpearmanBrownProphecy1"}) {
            QVERIFY2(!enabled(s, off), off);
        }
        QVERIFY(!menuEnabled(s, "Run1"));
        for (const char* menu : {"File1", "Options1", "Examples1", "Help1"}) {
            QVERIFY2(menuEnabled(s, menu), menu);
        }
        QVERIFY(s.find<QRadioButton>("rdo_enter_data")->isChecked());
        QCOMPARE(s.button("btn_analyze")->text(), QStringLiteral("Analyze (F9)"));
        QVERIFY(s.find<QLabel>("lbl_t")->isHidden());
        QCOMPARE(s.find<QGroupBox>("GroupBox3")->title(),
                 QStringLiteral("This introduction is also available in the HELP Menu"));
        QVERIFY(!paneText(s, "RichEditQE").isEmpty());
        QCOMPARE(s.find<QLineEdit>("txt_map_name")->text(), QStringLiteral("UNSAVED"));

        // F9 does nothing while "&Analysis" is off.
        const QString before = paneText(s, "RichEditQE");
        QTest::keyClick(s.window.get(), Qt::Key_F9);
        QVERIFY(messages().isEmpty());
        QCOMPARE(paneText(s, "RichEditQE"), before);
        QVERIFY(ModalWindows::shownWindows().isEmpty());
    }

    void menuItemsCarryTheirCaptionsAndKeys() {
        UiSession s;
        QCOMPARE(s.command("ViewExam1")->text(),
                 QStringLiteral("View && Print Quick Examinee Results"));
        QCOMPARE(s.command("ViewExam1")->shortcut(), QKeySequence(Qt::Key_F5));
        QCOMPARE(s.command("Analyze1")->shortcut(), QKeySequence(Qt::Key_F9));
        QCOMPARE(s.command("rdo_sort_pbis")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F8));
        QCOMPARE(s.command("SaveALTfile1")->shortcut(),
                 QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F11));
        QCOMPARE(s.command("as_rightwrong1")->text(),
                 QStringLiteral("    As Right-Wrong (1, 0=wrong)"));
        // Hidden commands are in no menu but in the window, so their keys work.
        for (const char* hidden :
             {"Generate1", "SecretSetupQXM11", "SetALTfileOK1", "SaveALTfile1"}) {
            QVERIFY2(s.window->actions().contains(s.command(hidden)), hidden);
            for (QMenu* menu : s.window->findChildren<QMenu*>()) {
                QVERIFY2(!menu->actions().contains(s.command(hidden)), hidden);
            }
        }
        QVERIFY(s.command("rdo_sort_none")->isChecked());
        QVERIFY(s.command("rdo_sort_numb")->isChecked());
        QVERIFY(s.command("rdo_use_raw")->isChecked());
        QVERIFY(s.command("RoundPercentageScoresforLetterGrades1")->isChecked());
        QVERIFY(s.command("AutomaticallySaveKORfilewhensavingresults1")->isChecked());
        QVERIFY(!s.command("ChangeSeedValueeverytimeGeneratorisCalled1")->isChecked());
        // Every command a window changes later is an action of the main
        // window or of the data editor under the name it is kept by.
        for (int k = 0; k <= static_cast<int>(MenuCommand::set_table_of_specs); ++k) {
            const char* name = command_name(static_cast<MenuCommand>(k));
            const QString object = QLatin1String(name);
            QVERIFY2(!object.isEmpty(), "a menu command without its object name");
            QVERIFY2(s.window->findChild<QAction*>(object) != nullptr ||
                         s.editor().findChild<QAction*>(object) != nullptr,
                     name);
        }
    }

    void sampleSetsOneAndTwoShowTheirTitlesNumbersInTheQuickPanes() {
        for (const char* item : {"SampleDataSet11", "SampleDataSet21"}) {
            UiSession s;
            pressInEditor("btn_done");
            s.command(item)->trigger();
            QVERIFY(ModalWindows::unexpected().isEmpty());
            const ProgramState& state = s.controller.state();
            const QString title = toQt(state.editor.title);
            QCOMPARE(s.find<QLineEdit>("txt_t")->text(), title);
            QVERIFY(!s.find<QLabel>("lbl_t")->isHidden());
            // The title and comment list the figures the analysis must give.
            const QString figures = title.mid(title.indexOf(QLatin1Char(':')) + 1) +
                                    QLatin1Char(',') + toQt(state.editor.comments);
            const QString panes = paneText(s, "RichEditQE") + paneText(s, "RichEditQI");
            for (QString figure : figures.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
                figure = figure.trimmed();
                if (figure.endsWith(QLatin1Char('.'))) {
                    figure.chop(1);
                }
                QVERIFY2(panes.contains(figure),
                         qPrintable(QStringLiteral("%1 lacks %2").arg(item, figure)));
            }
            QCOMPARE(s.find<QGroupBox>("GroupBox3")->title(),
                     QStringLiteral("QUICK EXAMINEE RESULTS"));
            QCOMPARE(s.find<QGroupBox>("GroupBox4")->title(),
                     QStringLiteral("QUICK TEST/ITEM RESULTS"));
            QVERIFY(enabled(s, "btn_view_examinee"));
            QCOMPARE(s.window->focusWidget(), s.button("btn_view_examinee"));
        }
    }

    void everyExampleCommandRunsThroughTheEditorToAnAnalysis() {
        for (const char* item : {"SampleDataSet31", "as_numeric1", "as_rightwrong1", "as_letter1",
                                 "as_truefalse1", "as_mixture1"}) {
            UiSession s;
            pressInEditor("btn_done");
            s.command(item)->trigger();
            QVERIFY2(ModalWindows::shownWindows() == QStringList{"TEditForm"}, item);
            QVERIFY2(messages().isEmpty(), qPrintable(messages().join(QLatin1Char('\n'))));
            QVERIFY2(enabled(s, "ViewResults1"), item);
            QVERIFY(s.find<QRadioButton>("rdo_edit_data")->isChecked());
            QVERIFY(paneText(s, "RichEditQE").contains(QStringLiteral("Number of Examinees")));
        }
    }

    void gradeReportsAreViewedUpTo200AndSavedUpTo500Examinees() {
        const std::tuple<int, bool, bool> cases[] = {
            {200, true, true}, {201, false, true}, {500, false, true}, {501, false, false}};
        for (const auto& [examinees, view, save] : cases) {
            UiSession s;
            analyseSmallSetNext(examinees);
            s.button("btn_gotodata")->click();
            QVERIFY2(enabled(s, "ViewResults1"), qPrintable(messages().join(QLatin1Char('\n'))));
            QCOMPARE(enabled(s, "btn_view_grades"), view);
            QCOMPARE(enabled(s, "ViewGradeReports1"), view);
            QCOMPARE(enabled(s, "SaveGradeReports1"), save);
            QCOMPARE(enabled(s, "chk_save_rpt_file"), save);
        }
    }

    void aLargeSetAsksForPatienceFirst() {
        for (const int examinees : {4000, 4001}) {
            UiSession s;
            analyseSmallSetNext(examinees);
            s.button("btn_gotodata")->click();
            QCOMPARE(messages().contains(QString::fromLatin1(patience)), examinees > 4000);
            QVERIFY(enabled(s, "ViewResults1"));
        }
    }

    void anOptionCommandRelabelsTheAnalyseButtonUntilTheNextAnalysis() {
        UiSession s;
        QVERIFY(s.activate());
        // Before any data the button only keeps its plain caption.
        s.command("rdo_sort_diff")->trigger();
        QCOMPARE(s.button("btn_analyze")->text(), QStringLiteral("Analyze (F9)"));

        analyseSmallSetNext(5);
        s.button("btn_gotodata")->click();
        s.command("rdo_sort_scor")->trigger();
        QCOMPARE(s.button("btn_analyze")->text(), QStringLiteral("Analyze with NEW Options (F9)"));
        QVERIFY(s.controller.state().settings.sort_exam_score);
        QCOMPARE(s.window->focusWidget(), s.button("btn_analyze"));
        QTest::keyClick(s.window.get(), Qt::Key_F9);
        QCOMPARE(s.button("btn_analyze")->text(), QStringLiteral("Analyze (F9)"));
        QCOMPARE(s.window->focusWidget(), s.button("btn_view_examinee"));

        // The generator's seed and the automatic save are no analysis options.
        s.command("ChangeSeedValueeverytimeGeneratorisCalled1")->trigger();
        s.command("AutomaticallySaveKORfilewhensavingresults1")->trigger();
        QCOMPARE(s.button("btn_analyze")->text(), QStringLiteral("Analyze (F9)"));
        QVERIFY(s.controller.state().settings.change_seed_each_call);
        QVERIFY(!s.controller.state().settings.auto_save_kor_file);
    }

    void leavingTheEditorByCancelOkOrCloseAndAnalyze() {
        {
            UiSession s;
            ModalWindows::setNextAction([](QDialog& editor) {
                typeSmallSet(editor, 5);
                child<QPushButton>(editor, "Cancel")->click();
            });
            s.button("btn_gotodata")->click();
            QVERIFY(!enabled(s, "btn_analyze"));
            QVERIFY(!menuEnabled(s, "Run1"));
            QVERIFY(!enabled(s, "SaveKORInputFile1"));
            QVERIFY(s.find<QRadioButton>("rdo_edit_data")->isChecked());
            QVERIFY(!enabled(s, "ViewResults1"));
        }
        {
            UiSession s;
            ModalWindows::setNextAction([](QDialog& editor) {
                typeSmallSet(editor, 5);
                child<QPushButton>(editor, "BitBtn1")->click();
            });
            s.button("btn_gotodata")->click();
            QVERIFY(enabled(s, "btn_analyze"));
            QVERIFY(menuEnabled(s, "Run1"));
            QVERIFY(enabled(s, "SaveKORInputFile1"));
            QVERIFY(!enabled(s, "ViewResults1"));  // no analysis ran
            QCOMPARE(s.find<QLineEdit>("txt_t")->text(), QStringLiteral("Small set"));
            QVERIFY(!s.controller.state().data.data_loaded);
        }
        {
            UiSession s;
            analyseSmallSetNext(5);
            s.button("btn_gotodata")->click();
            QVERIFY(enabled(s, "ViewResults1"));
            QVERIFY(enabled(s, "btn_view_examinee"));
            QVERIFY(enabled(s, "SaveKORInputFile1"));
            QVERIFY(enabled(s, "SpearmanBrownProphecy1"));
            // Back into the editor: no analysis and no view buttons, while the
            // File menu's view items keep their state.
            pressInEditor("Cancel");
            s.button("btn_gotodata")->click();
            QVERIFY(!enabled(s, "btn_analyze"));
            QVERIFY(!enabled(s, "btn_view_examinee"));
            QVERIFY(enabled(s, "ViewResults1"));
        }
    }

    void goToDataEditorResetsTheBandsAndOnlyEditingKeepsTheRightWrongState() {
        UiSession s;
        pressInEditor("Cancel");
        s.command("as_rightwrong1")->trigger();
        QVERIFY(s.controller.state().data.data_are_right_wrong);
        s.command("rdo_use_percent")->trigger();
        QVERIFY(s.controller.state().settings.band_use_percent);

        pressInEditor("Cancel");
        s.find<QRadioButton>("rdo_edit_data")->click();
        s.button("btn_gotodata")->click();
        QVERIFY(s.controller.state().settings.band_use_raw);
        QVERIFY(s.command("rdo_use_raw")->isChecked());
        QVERIFY(s.controller.state().data.data_are_right_wrong);
        QVERIFY(!s.controller.state().editor.data_lines.empty());

        pressInEditor("Cancel");
        s.find<QRadioButton>("rdo_enter_data")->click();
        s.button("btn_gotodata")->click();
        QVERIFY(!s.controller.state().data.data_are_right_wrong);
        QVERIFY(s.controller.state().editor.data_lines.empty());  // new data
    }

    void hiddenShortcutsFire() {
        {
            UiSession s;
            QVERIFY(s.activate());
            s.controller.toggle(OptionToggle::change_seed_each_call);
            // The generator opens over the editor as the editor shows.
            ModalWindows::setNextAction(
                [](QDialog& generator) { child<QPushButton>(generator, "btn_cancel")->click(); });
            pressInEditor("Cancel");
            QTest::keyClick(s.window.get(), Qt::Key_F4, Qt::ShiftModifier);
            QCOMPARE(ModalWindows::shownWindows(), (QStringList{"TEditForm", "TGenForm"}));
            QCOMPARE(s.controller.state().data.editor_start_mode, int(start_nothing));
            QVERIFY(!s.controller.state().settings.change_seed_each_call);
            QVERIFY(!s.command("ChangeSeedValueeverytimeGeneratorisCalled1")->isChecked());
            QCOMPARE(s.find<QLineEdit>("txt_map_name")->text(), QStringLiteral("UNSAVED"));
            QVERIFY(messages().isEmpty());
        }
        {
            UiSession s;
            QVERIFY(s.activate());
            pressInEditor("btn_done");
            QTest::keyClick(s.window.get(), Qt::Key_B, Qt::ControlModifier | Qt::AltModifier);
            QCOMPARE(ModalWindows::shownWindows(), QStringList{"TEditForm"});
            QVERIFY(s.find<QLineEdit>("txt_t")->text().startsWith(
                QStringLiteral("Sample Data Set #1: 23, 22.0")));
            QVERIFY(enabled(s, "ViewResults1"));
        }
    }

    void theBandUnitInLettersReadsTheSavedScale() {
        UiSession s;
        {
            QFile scale(QStringLiteral("kor.ini"));
            QVERIFY(scale.open(QIODevice::WriteOnly));
            scale.write("USER=NO\r\nnot a count\r\n");
        }
        s.command("rdo_use_letters")->trigger();
        QCOMPARE(messages().size(), 1);
        QVERIFY(
            s.command("rdo_use_raw")->isChecked());  // a scale that does not read changes nothing
        QVERIFY(s.controller.state().settings.band_use_raw);
        QFile::remove(QStringLiteral("kor.ini"));
        s.command("rdo_use_letters")->trigger();
        QVERIFY(s.command("rdo_use_letters")->isChecked());
        QVERIFY(s.controller.state().settings.band_use_letters);
    }

    void helpCommandsShowTheirTexts() {
        UiSession s;
        s.command("QuickScreenHelp1")->trigger();
        s.command("WhatsNew1")->trigger();
        QCOMPARE(messages().size(), 2);
        QVERIFY(messages().at(0).startsWith(
            QStringLiteral("HELP FROM THE OPENING SCREEN\n\nLeft Side\n\n")));
        QVERIFY(messages().at(0).endsWith(QStringLiteral("to impact the output.\n")));
        const QStringList history = messages().at(1).split(QLatin1Char('\n'));
        QCOMPARE(history.at(0),
                 QStringLiteral("Major Changes (in addition to minor fixes and improvements):"));
        for (const char* heading :
             {"Version 14.x:", "Version 6.x:", "Version 5.x:", "Version 4.x:"}) {
            const qsizetype at = history.indexOf(QLatin1String(heading));
            QVERIFY2(at > 0 && history.at(at - 1).isEmpty() &&
                         history.at(at + 1).startsWith(QStringLiteral("---- ")),
                     heading);
        }
        QString title_panel;
        ModalWindows::setNextAction([&title_panel](QDialog& about) {
            title_panel = child<QLabel>(about, "Panel1")->text();
            about.accept();
        });
        s.command("About1")->trigger();
        QCOMPARE(title_panel, s.window->windowTitle());
        ModalWindows::setNextAction(
            [](QDialog& window) { child<QPushButton>(window, "btn_close")->click(); });
        s.command("License1")->trigger();
        ModalWindows::setNextAction(
            [](QDialog& window) { child<QPushButton>(window, "btn_close")->click(); });
        s.command("Acknowledgements1")->trigger();
        QCOMPARE(ModalWindows::shownWindows(),
                 (QStringList{"TAboutForm", "TUserForm", "TAckForm"}));
        QVERIFY(ModalWindows::unexpected().isEmpty());
        s.command("HowtoSpeciallsaveSPSSfiles1")->trigger();
        QVERIFY(s.find<QDialog>("TSPSSform")->isVisible());
    }

    void exportsWriteIntoTheLastChosenFolderAndAskBeforeReplacing() {
        UiSession s;
        pressInEditor("btn_done");
        s.command("SampleDataSet31")->trigger();
        // Set 3 has no grading scale: no grade chart in the results viewer.
        s.button("btn_view_examinee")->click();
        QVERIFY(!child<QPushButton>(*s.main().viewers().results, "btn_grades")->isEnabled());
        QCOMPARE(s.window->focusWidget(), s.button("btn_saveresults"));
        s.command("SaveItemFile1")->trigger();
        const QString path = QDir::current().filePath(QStringLiteral("item_stats.txt"));
        QVERIFY(QFile::exists(path));
        QVERIFY(s.window->statusBar()->currentMessage().contains(path));
        const QDateTime written = QFileInfo(path).lastModified();
        MessageBoxes::setNextAnswer(QMessageBox::No);
        s.command("SaveItemFile1")->trigger();
        QCOMPARE(messages().size(), 1);
        QVERIFY(messages().at(0).startsWith(path));
        QCOMPARE(QFileInfo(path).lastModified(), written);
        QFile::remove(path);
    }
};

KOR_UI_TEST(MainWindowTest);

}  // namespace kor::ui::testing

#include "MainWindowTest.moc"
