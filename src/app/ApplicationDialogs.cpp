// The application's settings and dialog workflows: each runs the command's
// form model on the program state, as a menu command, a dialog's button or a
// command-line flag asks.

#include <cmath>
#include <utility>

#include "app/Application.h"
#include "app/Guarded.h"
#include "app/forms/GradingScaleFile.h"
#include "app/forms/GroupForm.h"
#include "core/FileIO.h"
#include "core/Format.h"
#include "core/analysis/Analysis.h"
#include "core/analysis/GroupSummary.h"
#include "core/data/AltAnswers.h"
#include "core/data/TextImport.h"
#include "reports/GradeReports.h"

namespace kor {

// ---------------------------------------------------------------- settings

void Application::set_decimal_separator(char16_t separator) {
    // A separator outside the single-byte range cannot be typed into the
    // boxes the core reads; "." stays then.
    state_->decimal_separator =
        separator > 0 && separator < 0x100 ? static_cast<char>(separator) : '.';
}

Outcome Application::choose_examinee_order(ExamineeOrder order) {
    kor::choose_examinee_order(*state_, order);
    return changed_settings({});
}

Outcome Application::choose_item_order(ItemOrder order) {
    kor::choose_item_order(*state_, order);
    return changed_settings({});
}

Outcome Application::set_grade_rounding(bool round_percent) {
    state_->settings.grade_round_percent = round_percent;
    return changed_settings({});
}

Outcome Application::toggle(OptionToggle option) {
    AnalysisSettings& s = state_->settings;
    switch (option) {
        case OptionToggle::print_grades_on_reports:
            s.print_grades_on_reports = !s.print_grades_on_reports;
            break;
        case OptionToggle::suggest_problem_items:
            toggle_suggest_problem_items(*state_);
            break;
        case OptionToggle::use_problem_criteria:
            toggle_problem_criteria(*state_);
            break;
        case OptionToggle::change_seed_each_call:
            s.change_seed_each_call = !s.change_seed_each_call;
            break;
        case OptionToggle::auto_save_kor_file:
            s.auto_save_kor_file = !s.auto_save_kor_file;
            break;
    }
    return changed_settings({});
}

Outcome Application::choose_band_unit(BandUnit unit, const std::string& scale_file) {
    if (unit == BandUnit::grade_letters) {
        return changed_settings(guarded([&] { return use_grade_letters(*state_, scale_file); }));
    }
    kor::choose_band_unit(*state_, unit);
    return changed_settings({});
}

void Application::set_band_unit(BandUnit unit) {
    kor::choose_band_unit(*state_, unit);
}

Outcome Application::set_ci_level(double level) {
    for (const double allowed : ci_levels) {
        if (std::abs(level - allowed) < 1e-12) {
            state_->settings.ci_level = allowed;
            return changed_settings({});
        }
    }
    Outcome outcome;
    outcome.refuse("The confidence level of the KR20 interval must be 0.90, 0.95 or 0.99, not " +
                   general(level));
    return outcome;
}

Outcome Application::set_bands_error(BandsError error) {
    state_->settings.bands_error = error;
    return changed_settings({});
}

Outcome Application::set_not_reached(NotReached use) {
    state_->settings.not_reached = use;
    return changed_settings({});
}

Outcome Application::use_grading_file(const std::string& path) {
    return changed_settings(guarded([&] {
        read_file(path, 64 * 1024);  // a file that cannot be read is reported as such
        return use_grade_letters(*state_, path);
    }));
}

void Application::set_save_choice(SaveChoice choice, bool on) {
    AnalysisSettings& s = state_->settings;
    switch (choice) {
        case SaveChoice::exm:
            s.save_exm_file = on;
            break;
        case SaveChoice::itm:
            s.save_itm_file = on;
            break;
        case SaveChoice::opt:
            s.save_opt_file = on;
            break;
        case SaveChoice::rpt:
            s.save_rpt_file = on;
            break;
    }
}

void Application::set_problem_item_suggestions(bool on) {
    state_->settings.suggest_problem_items = on;
    state_->problem_form.chk_suggest = on;
}

Outcome Application::set_problem_criteria(const ProblemItemForm& form) {
    state_->problem_form = form;
    return changed_settings(kor::problem_criteria_ok(*state_));
}

Outcome Application::set_groups(const std::string& upper, const std::string& lower) {
    return changed_settings(apply_group_percentages(*state_, upper, lower));
}

namespace {

// The label columns `columns` names become the data set's `label` (the
// version's or the group's); a refusal leaves it as it was.
Outcome set_label_columns(TTestData& data, const std::string& columns, const std::string& what,
                          std::optional<LabelColumns>& label) {
    LabelColumns read;
    Outcome outcome = read_label_columns(columns, data.label_length, what, read);
    if (outcome.accepted()) {
        label = read;
    }
    return outcome;
}

}  // namespace

Outcome Application::set_version_label(const std::string& columns) {
    TTestData& data = state_->data;
    return changed_data(set_label_columns(data, columns, "exam version", data.version_label));
}

Outcome Application::set_group_label(const std::string& columns) {
    TTestData& data = state_->data;
    return changed_data(set_label_columns(data, columns, "group", data.group_label));
}

std::vector<std::string> Application::group_names() const {
    const TTestData& data = state_->data;
    return data.group_label ? kor::group_names(*state_, *data.group_label)
                            : std::vector<std::string>{};
}

Outcome Application::set_dif_groups(const std::string& reference, const std::string& focal) {
    Outcome outcome = dif_choice_refusal(group_names(), reference, focal);
    if (outcome.accepted()) {
        state_->data.dif_groups = DifChoice{reference, focal};
    }
    return changed_data(outcome);
}

// ---------------------------------------------------------------- the data editor

Outcome Application::go_to_data_editor(InputMode mode) {
    kor::go_to_data_editor(*state_, mode);
    return changed_data_and_settings({});
}

void Application::set_editor_texts(const EditorTexts& texts) {
    state_->editor = texts;
}

Outcome Application::items_changed() {
    return kor::items_changed(*state_);
}

Outcome Application::label_length_changed() {
    return kor::label_length_changed(*state_);
}

Outcome Application::counts_filled() {
    Outcome outcome = kor::items_changed(*state_);
    if (outcome.accepted()) {
        outcome.append(kor::label_length_changed(*state_));
    }
    return outcome;
}

void Application::include_changed() {
    kor::include_changed(*state_);
}

Outcome Application::count_lines_as_examinees() {
    kor::count_lines_as_examinees(*state_);
    return changed_data({});
}

void Application::change_max_options(int maximum) {
    kor::change_max_options(*state_, maximum);
}

void Application::cancel_editor() {
    kor::cancel_editor(*state_);
}

void Application::close_editor_without_loading() {
    kor::close_editor_without_loading(*state_);
}

void Application::finish_save_results() {
    state_->data.editor_start_mode = start_nothing;
}

ConvertMenuView Application::convert_menu_view() const {
    return kor::convert_menu_view(*state_, convert_menu_);
}

Outcome Application::save_spss_syntax(const std::string& path) {
    Outcome checked = check_targets({path});
    if (checked.refused) {
        return checked;
    }
    return guarded([&] {
        kor::save_spss_syntax(path);
        Outcome outcome;
        outcome.wrote(path);
        return outcome;
    });
}

bool Application::can_view_grade_reports() const {
    return state_->data.num_examinees <= grade_view_max_examinees;
}

bool Application::can_save_grade_reports() const {
    return state_->data.num_examinees <= grade_save_max_examinees;
}

std::string Application::patience_message() const {
    return kor::patience_message(*state_);
}

// ---------------------------------------------------------------- grades

Outcome Application::open_grade_dialog(const std::string& folder) {
    return changed_settings(guarded([&] { return kor::open_grade_dialog(*state_, folder); }));
}

void Application::set_grade_form(const GradeForm& form) {
    state_->grade_form = form;
}

Outcome Application::choose_grade_scheme(GradeScheme scheme) {
    switch (scheme) {
        case GradeScheme::none:
            select_no_grading(*state_);
            break;
        case GradeScheme::two:
            select_grade_preset(*state_, 2);
            break;
        case GradeScheme::five:
            select_grade_preset(*state_, 5);
            break;
        case GradeScheme::twelve:
            select_grade_preset(*state_, 12);
            break;
        case GradeScheme::user:
            return changed_settings(
                select_user_scheme(*state_, std::to_string(state_->settings.num_grade_cats)));
    }
    return changed_settings({});
}

Outcome Application::grade_count_changed(const std::string& text) {
    return changed_settings(kor::grade_count_changed(*state_, text));
}

void Application::use_grade_program_defaults() {
    use_program_defaults(*state_);
}

Outcome Application::grade_ok() {
    return changed_settings(grade_scale_ok(*state_));
}

Outcome Application::save_scale_file(const std::string& path) {
    Outcome checked = check_targets({path});
    if (checked.refused) {
        return checked;
    }
    return guarded([&] {
        write_scale_file(*state_, path);
        Outcome outcome;
        outcome.wrote(path);
        return outcome;
    });
}

Outcome Application::read_scale_file(const std::string& path) {
    return changed_settings(guarded([&] { return load_scale_file(*state_, path, false); }));
}

// ---------------------------------------------------------------- groups

void Application::set_group_texts(const std::string& upper, const std::string& lower) {
    state_->settings.upper_group_percent_text = upper;
    state_->settings.lower_group_percent_text = lower;
}

void Application::group_defaults() {
    kor::group_defaults(*state_);
}

Outcome Application::group_ok() {
    return changed_settings(group_percentages_ok(*state_));
}

// ---------------------------------------------------------------- problem items

void Application::open_problem_dialog() {
    kor::open_problem_dialog(*state_);
}

void Application::set_problem_form(const ProblemItemForm& form) {
    state_->problem_form = form;
}

Outcome Application::set_common_criterion(Criterion criterion) {
    kor::set_common_criterion(*state_, criterion);
    return changed_settings({});
}

void Application::set_remove_criterion(Criterion criterion) {
    kor::set_remove_criterion(*state_, criterion);
}

Outcome Application::set_default_criteria() {
    kor::set_default_criteria(*state_);
    return changed_settings({});
}

Outcome Application::problem_criteria_ok() {
    return changed_settings(kor::problem_criteria_ok(*state_));
}

// ---------------------------------------------------------------- Spearman-Brown

void Application::open_spearman_brown() {
    kor::open_spearman_brown(*state_);
}

Outcome Application::calculate_spearman_brown(const std::string& desired) {
    state_->spearman_form.txt_sbrel = desired;
    return kor::calculate_spearman_brown(*state_);
}

Application::SpearmanBrownAnswer Application::spearman_brown(double reliability, int items,
                                                             const std::string& desired) {
    constexpr double usual_desired = 0.8;
    const SpearmanBrownTest test{reliability, items, '.'};
    double wanted = usual_desired;
    SpearmanBrownAnswer answer;
    kor::open_spearman_brown(answer.answer, test, wanted);
    if (!desired.empty()) {
        answer.answer.txt_sbrel = desired;
    }
    answer.outcome = kor::calculate_spearman_brown(answer.answer, test, wanted);
    return answer;
}

// ---------------------------------------------------------------- alternative answers

Outcome Application::prepare_alt_answers() {
    return changed_data(prepare_alt_answer_table(*state_));
}

void Application::set_alt_answer_rows(const std::vector<AltAnswerRow>& rows) {
    state_->alt_table.rows = rows;
}

Outcome Application::alt_answers_ok() {
    return changed_data(kor::alt_answers_ok(*state_));
}

// ---------------------------------------------------------------- partial credit

void Application::open_partial_credit() {
    open_partial_credit_dialog(*state_);
}

void Application::set_partial_credit_texts(const std::string& pc_points,
                                           const std::string& mc_points) {
    state_->pc_form.txt_pc_points = pc_points;
    state_->pc_form.txt_mc_points = mc_points;
}

void Application::partial_credit_defaults() {
    kor::partial_credit_defaults(*state_);
}

Outcome Application::partial_credit_ok() {
    return changed_data(partial_credit_dialog_ok(*state_));
}

Outcome Application::turn_off_partial_credit() {
    return changed_data(kor::turn_off_partial_credit(*state_));
}

// ---------------------------------------------------------------- table of specifications

void Application::open_table_of_specs() {
    tos_open_dialog(*state_);
}

void Application::set_tos_form(const TosForm& form) {
    state_->tos_form = form;
}

Outcome Application::tos_select_areas(int count) {
    kor::tos_select_areas(*state_, count);
    return changed_data({});
}

Outcome Application::tos_select_levels(int count) {
    kor::tos_select_levels(*state_, count);
    return changed_data({});
}

Outcome Application::tos_use_taxonomy(Taxonomy taxonomy) {
    kor::tos_use_taxonomy(*state_, taxonomy);
    return changed_data({});
}

Outcome Application::tos_use_default_set() {
    kor::tos_use_default_set(*state_);
    return changed_data({});
}

Outcome Application::tos_reset() {
    kor::tos_reset(*state_, static_cast<int>(state_->tos_form.item_cells.size()) - 1);
    return changed_data({});
}

Outcome Application::tos_ok() {
    return changed_data(kor::tos_ok(*state_));
}

Outcome Application::tos_cancel() {
    kor::tos_cancel(*state_);
    return changed_data({});
}

// ---------------------------------------------------------------- generator

void Application::set_generator_form(const GenForm& form) {
    state_->gen_form = form;
}

void Application::new_generator_seed() {
    gen_new_seed_click(*state_);
}

void Application::start_fixed_generator() {
    state_->data.editor_start_mode = start_generate_fixed;
    start_generator();
}

}  // namespace kor
