// The grade dialog driven through its real controls inside the running
// program: presets, the user's own scheme, the count box, the scale files.

#include <QLabel>

#include "DialogTestSupport.h"
#include "app/ProgramState.h"
#include "cli/CliRun.h"

namespace kor::ui::testing {

namespace {

// The five-category preset with its own minimums, one value per line.
const QByteArray five_category_file =
    "USER=NO\r\n5\r\nA-  =\r\n91\r\nB-  =\r\n81\r\nC-  =\r\n71\r\nD-  =\r\n61\r\nF   \r\n";

bool shown(QWidget& window, const char* name) {
    return child<QWidget>(window, name)->isVisibleTo(&window);
}

QColor baseColour(QWidget& window, const char* box) {
    return child<QLineEdit>(window, box)->palette().color(QPalette::Base);
}

// The grade dialog opens over the main window with `action` inside it.
void openGradeDialog(UiSession& s, ModalWindows::Action steps) {
    ModalWindows::setNextAction(std::move(steps));
    s.command("SetPercentagesforGrades1")->trigger();
}

}  // namespace

class GradeDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { QFile::remove(QStringLiteral("kor.ini")); }

    void theTwelveCategoryPresetStoresItsMinimumsAndLabels() {
        UiSession s;
        openGradeDialog(s, [](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Grade Percentages"));
            QVERIFY(child<QRadioButton>(d, "rdo_grade0")->isChecked());
            QVERIFY(!shown(d, "lbl_grade01"));
            choose(d, "rdo_grade12");
            QCOMPARE(child<QLabel>(d, "lbl_set")->text(),
                     QStringLiteral("Set the minimum percentages for each Grading Category:"));
            QVERIFY(shown(d, "lbl_grade12") && !shown(d, "lbl_grade13"));
            QVERIFY(shown(d, "txt_grade11") && !shown(d, "txt_grade12"));
            QVERIFY(!shown(d, "txt_num_cats"));
            QCOMPARE(textIn(d, "lbl_grade02"), QStringLiteral("A-  ="));
            QCOMPARE(textIn(d, "txt_grade11"), QStringLiteral("61"));
            // The preset's labels are shown but not typed into.
            QVERIFY(child<QLineEdit>(d, "lbl_grade01")->isReadOnly());
            QCOMPARE(baseColour(d, "lbl_grade01"), read_only_colour);
            QCOMPARE(baseColour(d, "txt_grade01"), editable_colour);
            keepScreenshot(d, QStringLiteral("grade-dialog"));
            press(d, "btn_grade_OK");
        });
        QVERIFY(ModalWindows::unexpected().isEmpty());
        QVERIFY(messages().isEmpty());
        const AnalysisSettings& settings = s.controller.state().settings;
        QCOMPARE(settings.num_grade_cats, 12);
        const double minimums[] = {94, 91, 87, 84, 81, 77, 74, 71, 67, 64, 61};
        const char* labels[] = {"A   ", "A-  ", "B+  ", "B   ", "B-  ", "C+  ",
                                "C   ", "C-  ", "D+  ", "D   ", "D-  ", "F   "};
        for (std::size_t k = 1; k <= 11; ++k) {
            QCOMPARE(settings.grade_min_percent[k], minimums[k - 1]);
        }
        for (std::size_t k = 1; k <= 12; ++k) {
            QCOMPARE(settings.grade_label[k], std::string(labels[k - 1]));
        }
        QVERIFY(settings.grade_values_set);
    }

    void equalMinimumsOfTheUsersSchemeAreRefusedAndComeBackAsTyped() {
        UiSession s;
        ModalWindows::setNextAction([](QDialog& d) {
            choose(d, "rdo_user");
            QCOMPARE(child<QLabel>(d, "lbl_set")->text(),
                     QStringLiteral("Name your Grading Categories and set the minimum percentages "
                                    "for each category:"));
            QVERIFY(shown(d, "txt_num_cats"));
            typeInto(d, "txt_num_cats", QStringLiteral("3"));
            QVERIFY(shown(d, "lbl_grade03") && !shown(d, "lbl_grade04") &&
                    !shown(d, "txt_grade03"));
            QCOMPARE(textIn(d, "lbl_grade03"), QStringLiteral("Fail"));
            QCOMPARE(baseColour(d, "lbl_grade01"), editable_colour);
            typeInto(d, "lbl_grade01", QStringLiteral("Good"));
            typeInto(d, "txt_grade01", QStringLiteral("80"));
            typeInto(d, "lbl_grade02", QStringLiteral("Ok"));
            typeInto(d, "txt_grade02", QStringLiteral("80"));
            press(d, "btn_grade_OK");
        });
        ModalWindows::setNextAction([](QDialog& d) {
            QCOMPARE(focusIn(d), QStringLiteral("txt_grade02"));
            QVERIFY(child<QRadioButton>(d, "rdo_user")->isChecked());
            QCOMPARE(textIn(d, "txt_num_cats"), QStringLiteral("3"));
            QCOMPARE(textIn(d, "lbl_grade01"), QStringLiteral("Good"));
            QCOMPARE(textIn(d, "txt_grade01"), QStringLiteral("80"));
            QCOMPARE(textIn(d, "txt_grade02"), QStringLiteral("80"));
            typeInto(d, "txt_grade02", QStringLiteral("79.5"));
            press(d, "btn_grade_OK");
        });
        s.command("SetPercentagesforGrades1")->trigger();
        QCOMPARE(messages(), QStringList{QStringLiteral(
                                 "Grades are not in numerical order (check Category 1 or 2")});
        QCOMPARE(ModalWindows::shownWindows(), (QStringList{"TGradeForm", "TGradeForm"}));
        QCOMPARE(ModalWindows::pendingActions(), 0);
        const AnalysisSettings& settings = s.controller.state().settings;
        QCOMPARE(settings.num_grade_cats, 3);
        QCOMPARE(settings.grade_label[1], std::string("Good"));
        QCOMPARE(settings.grade_label[2], std::string("Ok  "));
        QCOMPARE(settings.grade_label[3], std::string("Fail"));
        QCOMPARE(settings.grade_min_percent[2], 79.5);
        QVERIFY(settings.grade_user_defined);
    }

    void theCountBoxAnswersEveryChangeOfItsText() {
        UiSession s;
        openGradeDialog(s, [](QDialog& d) {
            choose(d, "rdo_user");
            typeInto(d, "txt_num_cats", QStringLiteral("4"));
            QVERIFY(shown(d, "lbl_grade04"));
            // "14" passes "1" on its way, which hides the rows without a word.
            typeInto(d, "txt_num_cats", QStringLiteral("14"));
            QCOMPARE(messages(), QStringList{QStringLiteral(
                                     "Number of Categories must be a whole number between 2-13")});
            QCOMPARE(focusIn(d), QStringLiteral("txt_num_cats"));
            QVERIFY(!shown(d, "lbl_grade01"));
            MessageBoxes::clearShown();
            typeInto(d, "txt_num_cats", QStringLiteral("1"));
            QVERIFY(messages().isEmpty());
            QVERIFY(!shown(d, "lbl_grade01"));
            press(d, "btn_cancel");
        });
        QCOMPARE(s.controller.state().settings.num_grade_cats, 4);  // what the box took last
        QCOMPARE(ModalWindows::shownWindows(), QStringList{"TGradeForm"});
    }

    void programDefaultsAndNoGrading() {
        UiSession s;
        s.controller.chooseBandUnit(BandUnit::grade_letters, {});
        openGradeDialog(s, [](QDialog& d) {
            choose(d, "rdo_grade2");
            typeInto(d, "txt_grade01", QStringLiteral("65"));
            press(d, "btn_defaults");
            QCOMPARE(textIn(d, "txt_grade01"), QStringLiteral("70"));
            QCOMPARE(textIn(d, "lbl_grade01"), QStringLiteral("Pass = "));
            choose(d, "rdo_grade0");
            QVERIFY(!shown(d, "lbl_grade01") && !shown(d, "lbl_grade") && !shown(d, "lbl_percent"));
            QCOMPARE(child<QLabel>(d, "lbl_set")->text(), QString());
            press(d, "btn_grade_OK");
        });
        QCOMPARE(s.controller.state().settings.num_grade_cats, 0);
        QVERIFY(!s.controller.state().settings.band_use_letters);
        QVERIFY(messages().isEmpty());
    }

    void scaleFilesAreWrittenAndReadThroughTheFileDialogs() {
        const QString path = QDir::current().filePath(QStringLiteral("term.ini"));
        {
            UiSession s;
            FileDialogs::setNextAnswer(path);
            openGradeDialog(s, [](QDialog& d) {
                choose(d, "rdo_grade5");
                press(d, "Button2");
                press(d, "btn_save_ini");
                press(d, "btn_cancel");
            });
            QCOMPARE(FileDialogs::asked().size(), 1);
            QCOMPARE(FileDialogs::asked().at(0).filter, QStringLiteral("INI files (*.INI)|*.ini"));
            QCOMPARE(FileDialogs::asked().at(0).default_suffix, QStringLiteral("ini"));
            QCOMPARE(fileBytes(path), five_category_file);
            QCOMPARE(fileBytes(QStringLiteral("kor.ini")), five_category_file);
        }
        // The command line reads what the dialog wrote.
        const auto run = kor::testing::kor(
            {"analyze", "--example", "set1", "--grading", fromQt(path), "--report", "full"});
        QCOMPARE(run.code, 0);
        QVERIFY(run.out.find("Bar Chart for Letter Grades") != std::string::npos);
        {
            // kor.ini is loaded, and stored, each time the dialog opens.
            UiSession s;
            openGradeDialog(s, [](QDialog& d) {
                QVERIFY(child<QRadioButton>(d, "rdo_grade5")->isChecked());
                QCOMPARE(textIn(d, "txt_grade04"), QStringLiteral("61"));
                press(d, "Button1");  // "Delete Saved Defaults"
                press(d, "btn_cancel");
            });
            QCOMPARE(s.controller.state().settings.num_grade_cats, 5);
            QVERIFY(s.controller.state().settings.grade_values_set);
            QVERIFY(!QFile::exists(QStringLiteral("kor.ini")));
        }
        {
            UiSession s;
            FileDialogs::setNextAnswer(path);
            openGradeDialog(s, [](QDialog& d) {
                QVERIFY(child<QRadioButton>(d, "rdo_grade0")->isChecked());
                press(d, "btn_read_ini");
                QVERIFY(child<QRadioButton>(d, "rdo_grade5")->isChecked());
                QCOMPARE(textIn(d, "lbl_grade01"), QStringLiteral("A-  ="));
                QCOMPARE(textIn(d, "txt_grade01"), QStringLiteral("91"));
                QCOMPARE(textIn(d, "lbl_grade05"), QStringLiteral("F   "));
                press(d, "btn_grade_OK");
            });
            QCOMPARE(FileDialogs::asked().at(0).proposed_name, QStringLiteral("KOR"));
            QCOMPARE(s.controller.state().settings.grade_min_percent[4], 61.0);
        }
        QFile::remove(path);
    }

    void theFivePresetPutsGradesIntoTheNextAnalysis() {
        UiSession s;
        pressInEditor("btn_done");
        s.command("SampleDataSet31")->trigger();
        const auto fullReport = [&s] {
            return joinLines(s.controller.state().report_texts.results_box);
        };
        const auto examinees = [&s] {
            return joinLines(s.controller.state().report_texts.examinees);
        };
        QVERIFY(!fullReport().contains(QStringLiteral("Bar Chart for Letter Grades")));
        const QString ungraded = examinees();
        openGradeDialog(s, [](QDialog& d) {
            choose(d, "rdo_grade5");
            press(d, "btn_grade_OK");
        });
        QCOMPARE(s.button("btn_analyze")->text(), QStringLiteral("Analyze with NEW Options (F9)"));
        s.button("btn_analyze")->click();
        QVERIFY(fullReport().contains(QStringLiteral("Bar Chart for Letter Grades")));
        QVERIFY(examinees() != ungraded);  // each examinee's grade column is filled
        int graded = 0;
        for (std::size_t c = 1; c <= 5; ++c) {
            graded += s.controller.state().results.grade_count[c];
        }
        QCOMPARE(graded, s.controller.state().data.num_examinees);
    }
};

KOR_UI_TEST(GradeDialogTest);

}  // namespace kor::ui::testing

#include "GradeDialogTest.moc"
