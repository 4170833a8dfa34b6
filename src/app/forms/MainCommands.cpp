#include "app/forms/MainCommands.h"

#include <utility>

#include "app/ProgramState.h"

namespace kor {

namespace {

EditorStartMode start_mode_of(InputMode mode) {
    switch (mode) {
        case InputMode::edit_data:
            return start_nothing;
        case InputMode::enter_new_data:
            return start_new;
        case InputMode::insert_text_file:
            return start_insert_text;
        case InputMode::open_kor_file:
            return start_open_file;
        case InputMode::generate_data:
            return start_generate;
    }
    return start_nothing;
}

}  // namespace

void choose_band_unit(ProgramState& state, BandUnit unit) {
    AnalysisSettings& s = state.settings;
    s.band_use_raw = unit == BandUnit::raw_scores;
    s.band_use_percent = unit == BandUnit::percentages;
    s.band_use_letters = unit == BandUnit::grade_letters;
}

void choose_examinee_order(ProgramState& state, ExamineeOrder order) {
    AnalysisSettings& s = state.settings;
    s.sort_exam_none = order == ExamineeOrder::none;
    s.sort_exam_label = order == ExamineeOrder::label;
    s.sort_exam_score = order == ExamineeOrder::score;
}

void choose_item_order(ProgramState& state, ItemOrder order) {
    AnalysisSettings& s = state.settings;
    s.sort_item_number = order == ItemOrder::number;
    s.sort_item_diff = order == ItemOrder::difficulty;
    s.sort_item_disc = order == ItemOrder::discrimination;
    s.sort_item_pbis = order == ItemOrder::point_biserial;
    s.sort_item_adjp = order == ItemOrder::adjusted_point_biserial;
}

void go_to_data_editor(ProgramState& state, InputMode mode) {
    TTestData& data = state.data;
    data.alt_answers_set = false;
    data.include_changed = false;
    choose_band_unit(state, BandUnit::raw_scores);
    state.analyze_on_return = false;

    const EditorStartMode start = start_mode_of(mode);
    data.editor_start_mode = start;
    if (start != start_nothing) {
        data.original_lines_saved = false;
        data.data_are_right_wrong = false;
        data.opened_from_file = false;
        data.data_set_name.clear();
    }
    data.data_loaded = false;
    data.editor_load_failed = true;
}

const char* command_name(MenuCommand command) {
    static constexpr std::pair<MenuCommand, const char*> names[] = {
        {MenuCommand::save_kor_input_file, "SaveKORInputFile1"},
        {MenuCommand::view_results, "ViewResults1"},
        {MenuCommand::save_results, "SaveResults1"},
        {MenuCommand::view_exam, "ViewExam1"},
        {MenuCommand::view_item, "ViewItem1"},
        {MenuCommand::view_options, "ViewOptions1"},
        {MenuCommand::view_grade_reports, "ViewGradeReports1"},
        {MenuCommand::save_grade_reports, "SaveGradeReports1"},
        {MenuCommand::save_item_file, "SaveItemFile1"},
        {MenuCommand::save_right_wrong_data, "SaveRightWrongData1"},
        {MenuCommand::spearman_brown_prophecy, "SpearmanBrownProphecy1"},
        {MenuCommand::print_grades_on_reports, "PrintGradesonIndividualReports1"},
        {MenuCommand::round_percentages, "RoundPercentageScoresforLetterGrades1"},
        {MenuCommand::absolute_percentages, "UseAbsolutePercentagesforLetterGrades1"},
        {MenuCommand::suggest_problem_items, "ShowProblemItems1"},
        {MenuCommand::use_problem_criteria, "International1"},
        {MenuCommand::sort_examinees_none, "rdo_sort_none"},
        {MenuCommand::sort_examinees_label, "rdo_sort_name"},
        {MenuCommand::sort_examinees_score, "rdo_sort_scor"},
        {MenuCommand::sort_items_number, "rdo_sort_numb"},
        {MenuCommand::sort_items_difficulty, "rdo_sort_diff"},
        {MenuCommand::sort_items_discrimination, "rdo_sort_disc"},
        {MenuCommand::sort_items_pbis, "rdo_sort_pbis"},
        {MenuCommand::sort_items_adjusted_pbis, "rdo_sort_adjp"},
        {MenuCommand::bands_raw, "rdo_use_raw"},
        {MenuCommand::bands_percent, "rdo_use_percent"},
        {MenuCommand::bands_letters, "rdo_use_letters"},
        {MenuCommand::change_seed_each_call, "ChangeSeedValueeverytimeGeneratorisCalled1"},
        {MenuCommand::auto_save_kor_file, "AutomaticallySaveKORfilewhensavingresults1"},
        {MenuCommand::data_are_right_wrong, "DataareRightWrongData1"},
        {MenuCommand::convert_heading, "convert_heading1"},
        {MenuCommand::convert_to_right_wrong, "ConvertDatatoRightWrongData1"},
        {MenuCommand::convert_back_to_original, "ConvertBacktoOriginalData1"},
        {MenuCommand::convert_to_numbers, "ConvertDatatoNumbers1"},
        {MenuCommand::convert_to_letters, "ConvertDatatoLetters1"},
        {MenuCommand::convert_back_to_original_lines, "ConvertDatabacktoOriginalLines1"},
        {MenuCommand::set_table_of_specs, "SetTableofSpecifications1"},
    };
    for (const auto& [each, name] : names) {
        if (each == command) {
            return name;
        }
    }
    return "";
}

}  // namespace kor
