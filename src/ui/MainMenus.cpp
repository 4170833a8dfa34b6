// The main window's menus: building them, their enabling through the work
// flow, the option commands and the Help menu.

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

#include "app/Application.h"
#include "app/ProgramState.h"
#include "app/forms/GradingScaleFile.h"
#include "ui/AppController.h"
#include "ui/Binding.h"
#include "ui/DataEditorWindow.h"
#include "ui/DifDialog.h"
#include "ui/GradeDialog.h"
#include "ui/GroupDialog.h"
#include "ui/HelpTexts.h"
#include "ui/ImportChooserWindow.h"
#include "ui/InfoWindows.h"
#include "ui/MainWindow.h"
#include "ui/MessageBoxes.h"
#include "ui/ModalWindows.h"
#include "ui/PrecisionWindow.h"
#include "ui/ProblemItemDialog.h"
#include "ui/SpearmanBrownDialog.h"
#include "ui/TextInsertHelpWindow.h"
#include "ui/WebPageReport.h"

namespace kor::ui {

namespace {

QKeySequence keys(QKeyCombination combination) {
    return QKeySequence(combination);
}

// The menu items of the Examples menu and the example each loads.
struct ExampleItem {
    const char* name;
    const char* caption;
    const char* example;
};
constexpr ExampleItem sample_items[] = {
    {"SampleDataSet11", "Sample Data Set #1", "set1"},
    {"SampleDataSet21", "Sample Data Set #2", "set2"},
    {"SampleDataSet31", "Sample Data Set #3", "set3"},
};
constexpr ExampleItem four_way_items[] = {
    {"as_numeric1", "    As Numeric Data (1, 2)", "numeric"},
    {"as_rightwrong1", "    As Right-Wrong (1, 0=wrong)", "rightwrong"},
    {"as_letter1", "    As Letter Data (A, B)", "letter"},
    {"as_truefalse1", "    As True-False (T, F)", "truefalse"},
    {"as_mixture1", "    As a Mixture", "mixture"},
};

}  // namespace

// ---------------------------------------------------------------- building

QAction* MainWindow::addCommand(QMenu* menu, const char* name, const QString& caption,
                                const QKeySequence& key) {
    return commands_.add(menu, name, caption, key);
}

QAction* MainWindow::addHiddenCommand(const char* name, const QString& caption,
                                      const QKeySequence& key) {
    return commands_.addHidden(name, caption, key);
}

QAction* MainWindow::addRadio(QMenu* menu, QActionGroup* group, const char* name,
                              const QString& caption, const QKeySequence& key) {
    QAction* action = addCommand(menu, name, caption, key);
    action->setCheckable(true);
    group->addAction(action);
    return action;
}

QAction* MainWindow::addToggle(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = addCommand(menu, name, caption);
    action->setCheckable(true);
    return action;
}

QAction* MainWindow::command(MenuCommand name) const {
    return commands_.at(name);
}

void MainWindow::buildMenus() {
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    buildFileMenu();
    buildAnalysisMenu();
    buildOptionsMenu();
    buildExamplesMenu();
    buildHelpMenu();
}

void MainWindow::buildFileMenu() {
    file_menu_ = menuBar()->addMenu(QStringLiteral("&File"));
    file_menu_->setObjectName(QStringLiteral("File1"));
    QMenu* m = file_menu_;
    connect(addCommand(m, "CreateNewDataFile1", QStringLiteral("Create New Data File"),
                       keys(Qt::CTRL | Qt::Key_N)),
            &QAction::triggered, this, [this] { goToDataEditorAs(rdo_enter_data_); });
    connect(addCommand(m, "OpenKORinputFile1",
                       QStringLiteral("Open KOR Version 6 (or later) Input File"),
                       keys(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, [this] { goToDataEditorAs(rdo_read_file_); });
    connect(addCommand(m, "OpenInputFilefromapreviousKORversion1",
                       QStringLiteral("Open KOR version 5 (or earlier) Input File")),
            &QAction::triggered, this, [this] {
                if (mayDiscardChanges()) {
                    editor_->importChooser().show();
                }
            });
    connect(addCommand(m, "ImportSpreadsheetCSVFile1",
                       QStringLiteral("Import Spreadsheet (CSV) File...")),
            &QAction::triggered, this, &MainWindow::importSpreadsheet);
    connect(addCommand(m, "SaveKORInputFile1", QStringLiteral("Save KOR Input File")),
            &QAction::triggered, this, &MainWindow::saveKorInputFile);
    addResultCommands(*m);
    addHiddenFileCommands();
    connect(addCommand(m, "Exit1", QStringLiteral("E&xit")), &QAction::triggered, this,
            &QWidget::close);
}

// The File menu's commands on the results of the last analysis.
void MainWindow::addResultCommands(QMenu& menu) {
    QMenu* m = &menu;
    connect(addCommand(m, "ViewResults1", QStringLiteral("View Full Results"), keys(Qt::Key_F2)),
            &QAction::triggered, this, &MainWindow::viewFullResults);
    connect(addCommand(m, "SaveResults1", QStringLiteral("&Save Full Results"), keys(Qt::Key_F3)),
            &QAction::triggered, this, &MainWindow::saveResults);
    connect(addCommand(m, "ViewExam1", QStringLiteral("View && Print Quick Examinee Results"),
                       keys(Qt::Key_F5)),
            &QAction::triggered, this, [this] { viewQuick(ReportKind::examinees); });
    connect(addCommand(m, "ViewItem1", QStringLiteral("View && Print Quick Item Analysis"),
                       keys(Qt::Key_F6)),
            &QAction::triggered, this, [this] { viewQuick(ReportKind::items); });
    connect(addCommand(m, "ViewOptions1", QStringLiteral("View && Print Quick Options Analysis"),
                       keys(Qt::Key_F7)),
            &QAction::triggered, this, [this] { viewQuick(ReportKind::options); });
    connect(addCommand(m, "ViewGradeReports1", QStringLiteral("View Grade Reports (if N<200)")),
            &QAction::triggered, this, &MainWindow::viewGradeReports);
    connect(addCommand(m, "SaveGradeReports1", QStringLiteral("Save &Grade Reports (if N<500)")),
            &QAction::triggered, this, &MainWindow::saveGradeReports);
    connect(addCommand(m, "SaveItemFile1", QStringLiteral("Save Item Statistics file")),
            &QAction::triggered, this, &MainWindow::saveItemStatistics);
    // The web page is built from the results: there is none before the first analysis.
    QAction* web_page = addCommand(m, "SaveReportasWebPageHTML1",
                                   QStringLiteral("Save Report as Web Page (HTML)..."));
    web_page->setEnabled(false);
    connect(&controller_, &AppController::analysed, web_page, [this, web_page] {
        web_page->setEnabled(controller_.application().can_save_web_page());
    });
    connect(web_page, &QAction::triggered, this,
            [this] { showWritten(saveReportAsWebPage(this, controller_).written); });
}

// The File menu's commands that are in no menu but have their shortcuts.
void MainWindow::addHiddenFileCommands() {
    connect(
        addHiddenCommand("SaveRightWrongData1", QStringLiteral("Save Comma-Delimited 01 Data"), {}),
        &QAction::triggered, this, &MainWindow::saveZeroOneData);
    connect(addHiddenCommand("SetALTfileOK1", QStringLiteral("Set ALT file OK"),
                             keys(Qt::CTRL | Qt::ALT | Qt::Key_I)),
            &QAction::triggered, this, [this] { controller_.allowAltFiles(); });
    connect(addHiddenCommand("SaveALTfile1", QStringLiteral("Save ALT file"),
                             keys(Qt::SHIFT | Qt::CTRL | Qt::Key_F11)),
            &QAction::triggered, this, &MainWindow::saveAltFiles);
    addHiddenCommand("N1", QString(), keys(Qt::Key_Minus));  // a shortcut that does nothing
    connect(addHiddenCommand("Generate1", QStringLiteral("Generate"), keys(Qt::SHIFT | Qt::Key_F4)),
            &QAction::triggered, this, &MainWindow::hiddenGenerate);
}

void MainWindow::buildAnalysisMenu() {
    run_menu_ = menuBar()->addMenu(QStringLiteral("&Analysis"));
    run_menu_->setObjectName(QStringLiteral("Run1"));
    connect(addCommand(run_menu_, "Analyze1", QStringLiteral("&Run Analysis"), keys(Qt::Key_F9)),
            &QAction::triggered, this, &MainWindow::analyze);
    connect(addCommand(run_menu_, "SpearmanBrownProphecy1",
                       QStringLiteral("&Spearman-Brown Prophecy"), keys(Qt::Key_F10)),
            &QAction::triggered, this, [this] { spearman_dialog_->run(); });
    connect(
        addCommand(run_menu_, "mnu_precision", QStringLiteral("&Precision and Missing Answers...")),
        &QAction::triggered, this, [this] { precision_->showFigures(); });
    // With the rest of the menu, only while there are data to analyse; the
    // groups chosen are compared by the analysis that follows.
    connect(addCommand(run_menu_, "mnu_dif", QStringLiteral("&Differential Item Functioning...")),
            &QAction::triggered, this, [this] {
                if (run_menu_->menuAction()->isEnabled() && DifDialog::choose(controller_, this)) {
                    analyze();
                }
            });
}

// The Options menu's commands in the order the user sees them.
void MainWindow::buildOptionsMenu() {
    options_menu_ = menuBar()->addMenu(QStringLiteral("&Options"));
    options_menu_->setObjectName(QStringLiteral("Options1"));
    QMenu* m = options_menu_;
    addCommand(m, "SETOPTIONSPRIORTOANALYSIS1",
               QStringLiteral("(RUN ANALYSIS AGAIN AFTER SETTING OPTIONS)"));
    addGradingAndGroupOptions(*m);
    addOrderOptions(*m);
    addBandOptions(*m);
    connect(addToggle(m, "ChangeSeedValueeverytimeGeneratorisCalled1",
                      QStringLiteral("Change Seed Value every time Data Generator is called")),
            &QAction::triggered, this,
            [this] { controller_.toggle(OptionToggle::change_seed_each_call); });
    connect(addToggle(m, "AutomaticallySaveKORfilewhensavingresults1",
                      QStringLiteral("Automatically Save KOR file when saving results")),
            &QAction::triggered, this,
            [this] { controller_.toggle(OptionToggle::auto_save_kor_file); });
}

// Every option command but the generator's seed and the automatic save first
// tells the analyse button that the next analysis uses new options.
void MainWindow::option(QAction* action, std::function<void()> step) {
    connect(action, &QAction::triggered, this, [this, step = std::move(step)] {
        markOptionsChanged();
        step();
    });
}

void MainWindow::addGradingAndGroupOptions(QMenu& menu) {
    QMenu* m = &menu;
    option(
        addCommand(m, "SetPercentagesforGrades1", QStringLiteral("Set Percentages for &Grades..."),
                   keys(Qt::SHIFT | Qt::Key_F2)),
        [this] { grade_dialog_->run(); });
    option(addToggle(m, "PrintGradesonIndividualReports1",
                     QStringLiteral("Print Grades on Individual Reports")),
           [this] { controller_.toggle(OptionToggle::print_grades_on_reports); });
    auto* rounding = new QActionGroup(this);
    option(addRadio(m, rounding, "RoundPercentageScoresforLetterGrades1",
                    QStringLiteral("Round Percentage Scores for Letter Grades")),
           [this] { controller_.chooseGradeRounding(true); });
    option(addRadio(m, rounding, "UseAbsolutePercentagesforLetterGrades1",
                    QStringLiteral("Use Absolute Percentages for Letter Grades")),
           [this] { controller_.chooseGradeRounding(false); });
    option(addCommand(m, "SetPercentagesforItemDiscrimination1",
                      QStringLiteral("Set &Percentages for Item Discrimination..."),
                      keys(Qt::SHIFT | Qt::Key_F3)),
           [this] { group_dialog_->run(); });
    option(addCommand(m, "SetCriteriaforProblemItems1",
                      QStringLiteral("Set Criteria for Problem Items")),
           [this] { problem_dialog_->run(); });
    option(addToggle(m, "ShowProblemItems1", QStringLiteral("Suggest Problem Items")),
           [this] { controller_.toggle(OptionToggle::suggest_problem_items); });
    // This one relabels the button after its own work.
    connect(addToggle(m, "International1", QStringLiteral("Use Problem-Item Criteria")),
            &QAction::triggered, this, [this] {
                controller_.toggle(OptionToggle::use_problem_criteria);
                markOptionsChanged();
            });
}

void MainWindow::addOrderOptions(QMenu& menu) {
    QMenu* m = &menu;
    auto* examinee_order = new QActionGroup(this);
    const std::pair<const char*, const char*> examinee_items[] = {
        {"rdo_sort_none", "Do &NOT Sort Examinees"},
        {"rdo_sort_name", "Sort Examinees by &Label"},
        {"rdo_sort_scor", "Sort Examinees by &Score"}};
    const ExamineeOrder examinee_orders[] = {ExamineeOrder::none, ExamineeOrder::label,
                                             ExamineeOrder::score};
    const Qt::Key examinee_keys[] = {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3};
    for (std::size_t k = 0; k < std::size(examinee_orders); ++k) {
        const ExamineeOrder order = examinee_orders[k];
        option(addRadio(m, examinee_order, examinee_items[k].first,
                        QLatin1String(examinee_items[k].second), keys(Qt::CTRL | examinee_keys[k])),
               [this, order] { controller_.chooseExamineeOrder(order); });
    }
    auto* item_order = new QActionGroup(this);
    const std::pair<const char*, const char*> item_items[] = {
        {"rdo_sort_numb", "Sort Items by &Item Number"},
        {"rdo_sort_diff", "Sort Items by Di&fficulty"},
        {"rdo_sort_disc", "Sort Items by &Discrimination"},
        {"rdo_sort_pbis", "Sort Items by Point &Biserial"},
        {"rdo_sort_adjp", "Sort Items by Adjusted Point Biserial"}};
    const ItemOrder item_orders[] = {ItemOrder::number, ItemOrder::difficulty,
                                     ItemOrder::discrimination, ItemOrder::point_biserial,
                                     ItemOrder::adjusted_point_biserial};
    const QKeySequence item_keys[] = {keys(Qt::CTRL | Qt::Key_F5),
                                      keys(Qt::CTRL | Qt::Key_F6),
                                      keys(Qt::CTRL | Qt::Key_F7),
                                      keys(Qt::CTRL | Qt::Key_F8),
                                      {}};
    for (std::size_t k = 0; k < std::size(item_orders); ++k) {
        const ItemOrder order = item_orders[k];
        option(addRadio(m, item_order, item_items[k].first, QLatin1String(item_items[k].second),
                        item_keys[k]),
               [this, order] { controller_.chooseItemOrder(order); });
    }
}

void MainWindow::addBandOptions(QMenu& menu) {
    QMenu* m = &menu;
    auto* bands = new QActionGroup(this);
    option(addRadio(m, bands, "rdo_use_raw", QStringLiteral("Use Raw Scores in Confidence Bands"),
                    keys(Qt::CTRL | Qt::Key_F9)),
           [this] { chooseBandUnit(BandUnit::raw_scores); });
    option(
        addRadio(m, bands, "rdo_use_percent", QStringLiteral("Use Percentages in Confidence Bands"),
                 keys(Qt::CTRL | Qt::Key_F10)),
        [this] { chooseBandUnit(BandUnit::percentages); });
    option(addRadio(m, bands, "rdo_use_letters",
                    QStringLiteral("Use Grade Letters in Confidence Bands"),
                    keys(Qt::CTRL | Qt::Key_F11)),
           [this] { chooseBandUnit(BandUnit::grade_letters); });
}

void MainWindow::buildExamplesMenu() {
    examples_menu_ = menuBar()->addMenu(QStringLiteral("Examples"));
    examples_menu_->setObjectName(QStringLiteral("Examples1"));
    for (const ExampleItem& item : sample_items) {
        connect(addCommand(examples_menu_, item.name, QLatin1String(item.caption)),
                &QAction::triggered, this, [this, example = item.example] { runExample(example); });
    }
    addCommand(examples_menu_, "ExampleDataDone4Ways1",
               QStringLiteral("EXAMPLE DATA SHOWN 4 WAYS:"));
    for (const ExampleItem& item : four_way_items) {
        connect(addCommand(examples_menu_, item.name, QLatin1String(item.caption)),
                &QAction::triggered, this, [this, example = item.example] { runExample(example); });
    }
    connect(addHiddenCommand("SecretSetupQXM11", QStringLiteral("Secret Setup QXM1"),
                             keys(Qt::CTRL | Qt::ALT | Qt::Key_B)),
            &QAction::triggered, this, [this] { runExample("qxm"); });
    // The editor has its own command of this name; here it does nothing.
    addHiddenCommand("SecretSetupRVW11", QStringLiteral("Secret Setup RVW1"),
                     keys(Qt::CTRL | Qt::ALT | Qt::Key_G));
}

void MainWindow::buildHelpMenu() {
    help_menu_ = menuBar()->addMenu(QStringLiteral("&Help"));
    help_menu_->setObjectName(QStringLiteral("Help1"));
    QMenu* m = help_menu_;
    connect(addCommand(
                m, "HowtoSpeciallsaveSPSSfiles1",
                QStringLiteral("FILE FORMAT (or how to insert a TEXT file or save an SPSS file)")),
            &QAction::triggered, this, [this] { text_help_->showFromStart(); });
    connect(addCommand(m, "Acknowledgements1", QStringLiteral("Acknowledgements")),
            &QAction::triggered, this, [this] { ModalWindows::exec(*acknowledgments_); });
    connect(addCommand(m, "License1", QStringLiteral("&User Agreement")), &QAction::triggered, this,
            [this] { ModalWindows::exec(*user_agreement_); });
    connect(addCommand(m, "QuickScreenHelp1", QStringLiteral("Opening Screen Introduction")),
            &QAction::triggered, this,
            [this] { MessageBoxes::inform(this, help::openingScreenIntroduction()); });
    connect(addCommand(m, "WhatsNew1", QStringLiteral("What's New")), &QAction::triggered, this,
            [this] { MessageBoxes::inform(this, help::whatsNew()); });
    connect(addCommand(m, "About1", QStringLiteral("&About")), &QAction::triggered, this,
            &MainWindow::showAbout);
}

// ---------------------------------------------------------------- enabling

void MainWindow::setStartState() {
    for (MenuCommand off :
         {MenuCommand::save_kor_input_file, MenuCommand::view_results, MenuCommand::save_results,
          MenuCommand::view_exam, MenuCommand::view_item, MenuCommand::view_options,
          MenuCommand::view_grade_reports, MenuCommand::save_grade_reports,
          MenuCommand::save_item_file, MenuCommand::save_right_wrong_data,
          MenuCommand::spearman_brown_prophecy}) {
        command(off)->setEnabled(false);
    }
    run_menu_->menuAction()->setEnabled(false);
    btn_analyze_->setEnabled(false);
    setViewButtonsEnabled(false);
    btn_saveresults_->setEnabled(false);
    const AnalysisSettings& s = controller_.state().settings;
    chk_save_score_file_->setChecked(s.save_exm_file);
    chk_save_item_file_->setChecked(s.save_itm_file);
    chk_save_opt_file_->setChecked(s.save_opt_file);
    chk_save_rpt_file_->setChecked(s.save_rpt_file);
    setMapName(unsaved_name);
    showIntroduction();
}

// The four menus as a whole. A disabled menu also silences the shortcuts of
// its items, so F9 does nothing while "&Analysis" is off.
void MainWindow::setMenusEnabled(bool on) {
    for (QMenu* menu : {file_menu_, run_menu_, options_menu_, help_menu_}) {
        menu->menuAction()->setEnabled(on);
    }
}

void MainWindow::setViewButtonsEnabled(bool on) {
    for (QPushButton* view : {btn_view_examinee_, btn_view_q_exam_, btn_view_q_item_,
                              btn_view_options_, btn_view_grades_}) {
        view->setEnabled(on);
    }
}

// ---------------------------------------------------------------- option commands

void MainWindow::markOptionsChanged() {
    if (btn_analyze_->isEnabled()) {
        btn_analyze_->setText(QStringLiteral("Analyze with NEW Options (F9)"));
        btn_analyze_->setFocus();
    } else {
        btn_analyze_->setText(QStringLiteral("Analyze (F9)"));
    }
}

// The check marks show the settings in force, whoever changed them.
void MainWindow::syncOptionChecks() {
    const AnalysisSettings& s = controller_.state().settings;
    const std::pair<MenuCommand, bool> checks[] = {
        {MenuCommand::print_grades_on_reports, s.print_grades_on_reports},
        {MenuCommand::round_percentages, s.grade_round_percent},
        {MenuCommand::absolute_percentages, !s.grade_round_percent},
        {MenuCommand::suggest_problem_items, s.suggest_problem_items},
        {MenuCommand::use_problem_criteria, !s.problem_criteria_off},
        {MenuCommand::sort_examinees_none, s.sort_exam_none},
        {MenuCommand::sort_examinees_label, s.sort_exam_label},
        {MenuCommand::sort_examinees_score, s.sort_exam_score},
        {MenuCommand::sort_items_number, s.sort_item_number},
        {MenuCommand::sort_items_difficulty, s.sort_item_diff},
        {MenuCommand::sort_items_discrimination, s.sort_item_disc},
        {MenuCommand::sort_items_pbis, s.sort_item_pbis},
        {MenuCommand::sort_items_adjusted_pbis, s.sort_item_adjp},
        {MenuCommand::bands_raw, s.band_use_raw},
        {MenuCommand::bands_percent, s.band_use_percent},
        {MenuCommand::change_seed_each_call, s.change_seed_each_call},
        {MenuCommand::auto_save_kor_file, s.auto_save_kor_file},
    };
    for (const auto& [name, checked] : checks) {
        command(name)->setChecked(checked);
    }
    // "No Grading Categories" clears the letters without moving the check
    // mark; only the band commands move it.
    if (s.band_use_letters) {
        command(MenuCommand::bands_letters)->setChecked(true);
    }
}

void MainWindow::chooseBandUnit(BandUnit unit) {
    const std::string scale_file = unit == BandUnit::grade_letters ? default_scale_file : "";
    const Outcome outcome = controller_.chooseBandUnit(unit, scale_file);
    showOutcome(*this, outcome);
}

// ---------------------------------------------------------------- help

void MainWindow::showAbout() {
    about_->setTitlePanel(windowTitle());
    ModalWindows::exec(*about_);
}

}  // namespace kor::ui
