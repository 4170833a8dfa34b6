// The commands of the settings dialogs and of the data editor's dialogs: each
// runs the application's dialog workflow and says what changed.

#include "app/forms/GradingScaleFile.h"
#include "ui/AppController.h"

namespace kor::ui {

namespace {

// kor.ini lives in the working folder.
constexpr const char* working_folder = ".";

}  // namespace

// ---------------------------------------------------------------- grades

Outcome AppController::openGradeDialog() {
    return announce(app_.open_grade_dialog(working_folder));
}

void AppController::setGradeForm(const GradeForm& form) {
    app_.set_grade_form(form);
}

Outcome AppController::chooseGradeScheme(GradeScheme scheme) {
    return announce(app_.choose_grade_scheme(scheme));
}

Outcome AppController::gradeCountChanged(const std::string& text) {
    return announce(app_.grade_count_changed(text));
}

void AppController::useGradeProgramDefaults() {
    app_.use_grade_program_defaults();
}

Outcome AppController::gradeOk() {
    return announce(app_.grade_ok());
}

Outcome AppController::saveScaleFile(const std::string& path) {
    return app_.save_scale_file(path);
}

Outcome AppController::readScaleFile(const std::string& path) {
    return announce(app_.read_scale_file(path));
}

void AppController::deleteSavedScale() {
    delete_saved_defaults(working_folder);
}

// ---------------------------------------------------------------- groups

void AppController::setGroupTexts(const std::string& top, const std::string& bottom) {
    app_.set_group_texts(top, bottom);
}

void AppController::groupDefaults() {
    app_.group_defaults();
}

Outcome AppController::groupOk() {
    return announce(app_.group_ok());
}

// ---------------------------------------------------------------- differential item functioning

Outcome AppController::setGroupLabel(const std::string& columns) {
    return announce(app_.set_group_label(columns));
}

Outcome AppController::setDifGroups(const std::string& reference, const std::string& focal) {
    return announce(app_.set_dif_groups(reference, focal));
}

// ---------------------------------------------------------------- precision

Outcome AppController::setCiLevel(double level) {
    return announce(app_.set_ci_level(level));
}

Outcome AppController::setBandsError(BandsError error) {
    return announce(app_.set_bands_error(error));
}

Outcome AppController::setNotReached(NotReached use) {
    return announce(app_.set_not_reached(use));
}

// ---------------------------------------------------------------- problem items

void AppController::openProblemDialog() {
    app_.open_problem_dialog();
}

void AppController::setProblemForm(const ProblemItemForm& form) {
    app_.set_problem_form(form);
}

void AppController::setCommonCriterion(Criterion criterion) {
    announce(app_.set_common_criterion(
        criterion));  // the criteria are in use again: the menu's check mark
}

void AppController::setRemoveCriterion(Criterion criterion) {
    app_.set_remove_criterion(criterion);
}

void AppController::setDefaultCriteria() {
    announce(app_.set_default_criteria());
}

Outcome AppController::problemCriteriaOk() {
    return announce(app_.problem_criteria_ok());
}

// ---------------------------------------------------------------- Spearman-Brown

void AppController::openSpearmanBrown() {
    app_.open_spearman_brown();
}

Outcome AppController::calculateSpearmanBrown(const std::string& desired) {
    return app_.calculate_spearman_brown(desired);
}

// ---------------------------------------------------------------- alternative answers

Outcome AppController::prepareAltAnswers() {
    return announce(app_.prepare_alt_answers());
}

void AppController::setAltAnswerRows(const std::vector<AltAnswerRow>& rows) {
    app_.set_alt_answer_rows(rows);
}

Outcome AppController::altAnswersOk() {
    return announce(app_.alt_answers_ok());
}

// ---------------------------------------------------------------- partial credit

void AppController::openPartialCredit() {
    app_.open_partial_credit();
}

void AppController::setPartialCreditTexts(const std::string& pc_points,
                                          const std::string& mc_points) {
    app_.set_partial_credit_texts(pc_points, mc_points);
}

void AppController::partialCreditDefaults() {
    app_.partial_credit_defaults();
}

Outcome AppController::partialCreditOk() {
    return announce(app_.partial_credit_ok());
}

Outcome AppController::turnOffPartialCredit() {
    return announce(app_.turn_off_partial_credit());
}

// ---------------------------------------------------------------- table of specifications

void AppController::openTableOfSpecs() {
    app_.open_table_of_specs();
}

void AppController::setTosForm(const TosForm& form) {
    app_.set_tos_form(form);
}

void AppController::tosSelectAreas(int count) {
    announce(app_.tos_select_areas(count));
}

void AppController::tosSelectLevels(int count) {
    announce(app_.tos_select_levels(count));
}

void AppController::tosUseTaxonomy(Taxonomy taxonomy) {
    announce(app_.tos_use_taxonomy(taxonomy));
}

void AppController::tosUseDefaultSet() {
    announce(app_.tos_use_default_set());
}

void AppController::tosReset() {
    announce(app_.tos_reset());
}

Outcome AppController::tosOk() {
    return announce(app_.tos_ok());
}

void AppController::tosCancel() {
    announce(app_.tos_cancel());
}

// ---------------------------------------------------------------- generator

void AppController::startGenerator() {
    app_.start_generator();
}

void AppController::setGeneratorForm(const GenForm& form) {
    app_.set_generator_form(form);
}

void AppController::newGeneratorSeed() {
    app_.new_generator_seed();
}

Outcome AppController::generate() {
    return announce(app_.generate());
}

void AppController::cancelGenerator() {
    announce(app_.cancel_generator());
}

}  // namespace kor::ui
