// The commands of the settings dialogs and of the data editor's dialogs: each
// runs the dialog's form model on the program state and says what changed.

#include "app/ProgramState.h"
#include "app/forms/PartialCreditForm.h"
#include "app/forms/GradingScaleFile.h"
#include "app/forms/GroupForm.h"
#include "app/forms/SpearmanBrownForm.h"
#include "app/forms/GenForm.h"
#include "ui/AppController.h"
#include "ui/Guarded.h"

namespace kor::ui {

namespace {

// kor.ini lives in the working folder.
constexpr const char* working_folder = ".";

}  // namespace

// ---------------------------------------------------------------- grades

Outcome AppController::openGradeDialog() {
    return announceSettings(
        guarded([&] { return open_grade_dialog(app_.state(), working_folder); }));
}

void AppController::setGradeForm(const GradeForm& form) {
    app_.state().grade_form = form;
}

Outcome AppController::chooseGradeScheme(GradeScheme scheme) {
    ProgramState& state = app_.state();
    Outcome outcome;
    switch (scheme) {
        case GradeScheme::none:
            select_no_grading(state);
            break;
        case GradeScheme::two:
            select_grade_preset(state, 2);
            break;
        case GradeScheme::five:
            select_grade_preset(state, 5);
            break;
        case GradeScheme::twelve:
            select_grade_preset(state, 12);
            break;
        case GradeScheme::user:
            outcome = select_user_scheme(state, std::to_string(state.settings.num_grade_cats));
            break;
    }
    return announceSettings(std::move(outcome));
}

Outcome AppController::gradeCountChanged(const std::string& text) {
    return announceSettings(grade_count_changed(app_.state(), text));
}

void AppController::useGradeProgramDefaults() {
    use_program_defaults(app_.state());
}

Outcome AppController::gradeOk() {
    return announceSettings(grade_scale_ok(app_.state()));
}

Outcome AppController::saveScaleFile(const std::string& path) {
    Outcome checked = app_.check_targets({path});
    if (checked.refused) {
        return checked;
    }
    return guarded([&] {
        write_scale_file(app_.state(), path);
        Outcome outcome;
        outcome.wrote(path);
        return outcome;
    });
}

Outcome AppController::readScaleFile(const std::string& path) {
    return announceSettings(guarded([&] { return load_scale_file(app_.state(), path, false); }));
}

void AppController::deleteSavedScale() {
    delete_saved_defaults(working_folder);
}

// ---------------------------------------------------------------- groups

void AppController::setGroupTexts(const std::string& top, const std::string& bottom) {
    app_.state().settings.upper_group_percent_text = top;
    app_.state().settings.lower_group_percent_text = bottom;
}

void AppController::groupDefaults() {
    group_defaults(app_.state());
}

Outcome AppController::groupOk() {
    return announceSettings(group_percentages_ok(app_.state()));
}

// ---------------------------------------------------------------- problem items

void AppController::openProblemDialog() {
    open_problem_dialog(app_.state());
}

void AppController::setProblemForm(const ProblemItemForm& form) {
    app_.state().problem_form = form;
}

void AppController::setCommonCriterion(Criterion criterion) {
    set_common_criterion(app_.state(), criterion);
    emit settingsChanged();  // the criteria are in use again: the menu's check mark
}

void AppController::setRemoveCriterion(Criterion criterion) {
    set_remove_criterion(app_.state(), criterion);
}

void AppController::setDefaultCriteria() {
    set_default_criteria(app_.state());
    emit settingsChanged();
}

Outcome AppController::problemCriteriaOk() {
    return announceSettings(problem_criteria_ok(app_.state()));
}

// ---------------------------------------------------------------- Spearman-Brown

void AppController::openSpearmanBrown() {
    open_spearman_brown(app_.state());
}

Outcome AppController::calculateSpearmanBrown(const std::string& desired) {
    app_.state().spearman_form.txt_sbrel = desired;
    return calculate_spearman_brown(app_.state());
}

// ---------------------------------------------------------------- alternative answers

Outcome AppController::prepareAltAnswers() {
    return announceData(prepare_alt_answer_table(app_.state()));
}

void AppController::setAltAnswerRows(const std::vector<AltAnswerRow>& rows) {
    app_.state().alt_table.rows = rows;
}

Outcome AppController::altAnswersOk() {
    return announceData(alt_answers_ok(app_.state()));
}

// ---------------------------------------------------------------- partial credit

void AppController::openPartialCredit() {
    open_partial_credit_dialog(app_.state());
}

void AppController::setPartialCreditTexts(const std::string& pc_points,
                                          const std::string& mc_points) {
    app_.state().pc_form.txt_pc_points = pc_points;
    app_.state().pc_form.txt_mc_points = mc_points;
}

void AppController::partialCreditDefaults() {
    partial_credit_defaults(app_.state());
}

Outcome AppController::partialCreditOk() {
    return announceData(partial_credit_dialog_ok(app_.state()));
}

Outcome AppController::turnOffPartialCredit() {
    return announceData(turn_off_partial_credit(app_.state()));
}

// ---------------------------------------------------------------- table of specifications

void AppController::openTableOfSpecs() {
    tos_open_dialog(app_.state());
}

void AppController::setTosForm(const TosForm& form) {
    app_.state().tos_form = form;
}

void AppController::tosSelectAreas(int count) {
    tos_select_areas(app_.state(), count);
    emit dataChanged();
}

void AppController::tosSelectLevels(int count) {
    tos_select_levels(app_.state(), count);
    emit dataChanged();
}

void AppController::tosUseTaxonomy(Taxonomy taxonomy) {
    tos_use_taxonomy(app_.state(), taxonomy);
    emit dataChanged();
}

void AppController::tosUseDefaultSet() {
    tos_use_default_set(app_.state());
    emit dataChanged();
}

void AppController::tosReset() {
    ProgramState& state = app_.state();
    tos_reset(state, static_cast<int>(state.tos_form.item_cells.size()) - 1);
    emit dataChanged();
}

Outcome AppController::tosOk() {
    return announceData(tos_ok(app_.state()));
}

void AppController::tosCancel() {
    tos_cancel(app_.state());
    emit dataChanged();
}

// ---------------------------------------------------------------- generator

void AppController::startGenerator() {
    app_.start_generator();
}

void AppController::setGeneratorForm(const GenForm& form) {
    app_.state().gen_form = form;
}

void AppController::newGeneratorSeed() {
    gen_new_seed_click(app_.state());
}

Outcome AppController::generate() {
    return announceData(app_.generate());
}

void AppController::cancelGenerator() {
    app_.cancel_generator();
    emit dataChanged();
}

}  // namespace kor::ui
