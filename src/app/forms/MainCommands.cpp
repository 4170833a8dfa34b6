#include "app/forms/MainCommands.h"

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

}  // namespace kor
