// The main window's analysis flow: the data the editor accepted, and what
// the window does around each analysis.

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include "app/ProgramState.h"
#include "ui/AppController.h"
#include "ui/Binding.h"
#include "ui/BusyCursor.h"
#include "ui/MainWindow.h"
#include "ui/MessageBoxes.h"
#include "ui/ReportView.h"

namespace kor::ui {

// "Close && Analyze" or OK of the editor accepted the data.
void MainWindow::dataAccepted(const EditorCloseResult& result) {
    setMapName(result.data_set_box);
    run_menu_->menuAction()->setEnabled(result.enable_analyze);
    btn_analyze_->setEnabled(result.enable_analyze);
    showTitleRow(result.title_box);
    // Only OK shows the views of the last analysis again; "Close && Analyze"
    // analyses at once.
    for (QPushButton* view : {btn_view_examinee_, btn_view_q_exam_, btn_view_q_item_}) {
        view->setEnabled(result.enable_view_buttons);
    }
    rdo_edit_data_->setChecked(true);
    command(MenuCommand::save_kor_input_file)->setEnabled(true);
}

void MainWindow::editorCancelled() {
    txt_map_name_->hide();
    rdo_edit_data_->setChecked(true);
    command(MenuCommand::save_kor_input_file)->setEnabled(false);
}

void MainWindow::analyze() {
    if (!btn_analyze_->isEnabled() || !run_menu_->menuAction()->isEnabled()) {
        return;
    }
    beginAnalysis();
    Outcome outcome;
    {
        const BusyCursor busy;
        outcome = controller_.analyze();
    }
    showOutcome(*this, outcome);
    if (outcome.refused) {
        // Nothing was analysed: the window goes back to where it was before.
        setMenusEnabled(true);
        btn_analyze_->setEnabled(true);
        btn_analyze_->setText(QStringLiteral("Analyze (F9)"));
        showTitleRow(controller_.state().editor.title);
        return;
    }
    endAnalysis();
}

void MainWindow::beginAnalysis() {
    btn_analyze_->setEnabled(false);
    rich_edit_qe_->clear();
    rich_edit_qi_->clear();
    setQuickCaptions();
    if (const std::string patience = controller_.application().patience_message();
        !patience.empty()) {
        MessageBoxes::inform(this, QString::fromLatin1(patience));
    }
    hideTitleRow();
    btn_saveresults_->setEnabled(false);
    setViewButtonsEnabled(false);
    setMenusEnabled(false);
    const bool may_save_grades = controller_.application().can_save_grade_reports();
    command(MenuCommand::save_grade_reports)->setEnabled(may_save_grades);
    chk_save_rpt_file_->setEnabled(may_save_grades);
    const bool may_view_grades = controller_.application().can_view_grade_reports();
    command(MenuCommand::view_grade_reports)->setEnabled(may_view_grades);
    btn_view_grades_->setEnabled(may_view_grades);
}

void MainWindow::endAnalysis() {
    {
        const BusyCursor busy;
        rich_edit_qe_->setLines(controller_.examineePane());
        rich_edit_qi_->setLines(controller_.itemPane());
    }
    for (MenuCommand on :
         {MenuCommand::save_item_file, MenuCommand::save_results, MenuCommand::view_results,
          MenuCommand::view_exam, MenuCommand::view_item, MenuCommand::view_options,
          MenuCommand::save_right_wrong_data, MenuCommand::spearman_brown_prophecy}) {
        command(on)->setEnabled(true);
    }
    btn_saveresults_->setEnabled(true);
    setViewButtonsEnabled(true);
    btn_view_grades_->setEnabled(controller_.application().can_view_grade_reports());
    setMenusEnabled(true);
    btn_analyze_->setEnabled(true);
    btn_analyze_->setText(QStringLiteral("Analyze (F9)"));
    showTitleRow(controller_.state().editor.title);
    setQuickCaptions();
    const BusyCursor busy;  // the open viewers take the new texts
    refreshOpenViewers();
    btn_view_examinee_->setFocus();
}

}  // namespace kor::ui
