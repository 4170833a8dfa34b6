#include "app/Examples.h"

#include <array>
#include <cstddef>
#include <string>

#include "app/ProgramState.h"
#include "app/forms/GradeForm.h"
#include "app/forms/GroupForm.h"
#include "app/forms/MainCommands.h"
#include "app/forms/TosForm.h"
#include "core/TextUtil.h"
#include "core/data/AltAnswers.h"
#include "sample/ExampleData.h"

namespace kor {

namespace {

// ---------------------------------------------------------------- common steps

// The data set is replaced, so nothing of the previous one may remain: its
// original lines, partial credit, and where it came from. The editor is kept
// from asking for alternative answers while the example sets its own.
void begin_example(ProgramState& state) {
    TTestData& data = state.data;
    data.original_lines_saved = false;
    data.partial_credit_on = false;
    data.pc_total_points = 0;
    data.alt_answers_set = true;
    data.data_set_name.clear();
    data.opened_from_file = false;
    data.input_file_path.clear();
    data.forget_import_companions();
    data.editor_start_mode = start_nothing;
}

// The example's texts go into the editor's boxes and into the data set's
// copies of them, as typing and a later load would put them. An example
// without an include line leaves the current one.
void store_texts(ProgramState& state, const ExampleTexts& texts) {
    EditorTexts& editor = state.editor;
    TTestData& data = state.data;
    editor.title = texts.title;
    editor.comments = texts.comments;
    editor.cases = std::to_string(texts.examinees);
    editor.items = std::to_string(texts.items);
    editor.missing_data = "9";
    editor.label_length = std::to_string(texts.label_length);
    editor.answer_key = texts.key;
    editor.options = texts.options;
    if (!texts.include.empty()) {
        editor.include = texts.include;
        data.include_text = texts.include;
    }
    editor.data_lines = texts.lines;

    data.test_title = cut(texts.title, title_length);
    data.test_comments = cut(texts.comments, title_length);
    data.num_examinees = texts.examinees;
    data.num_items = texts.items;
    data.label_length = texts.label_length;
    data.missing_symbol_text = "9";
    data.key_text = texts.key;
    data.key_digits = texts.key;  // the loader rewrites it as code digits
    data.options_text = texts.options;
}

// Alternative answers belong to the data set they were confirmed for; left
// in place they would be saved with the example's input file.
void clear_alternatives(ProgramState& state) {
    state.alt_table.rows.clear();
    state.data.num_alt_items = 0;
    for (int j = 1; j <= max_items; ++j) {
        state.data.alt_answer_cells[at(j)].fill(std::string());
    }
}

void start_main_window_example(ProgramState& state, const ExampleTexts& texts, bool right_wrong) {
    begin_example(state);
    store_texts(state, texts);
    clear_alternatives(state);
    state.data.data_are_right_wrong = right_wrong;
}

// The editor may ask for alternative answers again, and the main window
// opens it on the example. That also puts the band unit back to raw scores.
void finish_main_window_example(ProgramState& state) {
    state.data.alt_answers_set = false;
    go_to_data_editor(state, InputMode::edit_data);
}

// ---------------------------------------------------------------- grading scales

// The five-category preset with the example's own minimums, confirmed.
Outcome five_categories_with_minimums(ProgramState& state) {
    select_grade_preset(state, 5);
    const std::array<const char*, 4> minimums = {"82", "72", "62", "52"};
    for (int k = 1; k <= 4; ++k) {
        state.grade_form.txt_grade[at(k)] = minimums[at(k - 1)];
    }
    return grade_scale_ok(state);
}

Outcome twelve_categories_by_default(ProgramState& state) {
    select_grade_preset(state, 12);
    use_program_defaults(state);
    return grade_scale_ok(state);
}

Outcome no_grading_categories(ProgramState& state) {
    select_no_grading(state);
    return grade_scale_ok(state);
}

// ---------------------------------------------------------------- table of specifications

// Content area and cognitive level per item of set 1 and the QXM set; "-"
// marks items 20 and 30, which the example does not assign.
constexpr const char* set_1_areas =
    "11111111111111"
    "22222-222222222-22222"
    "33333333333333";
constexpr const char* set_1_levels =
    "11121112121222"
    "11212-112221212-22112"
    "12211121211221";

Outcome set_1_table_of_specifications(ProgramState& state) {
    TosForm& form = state.tos_form;
    // Cells already there keep their values, so an item the example does not
    // assign keeps the assignment it had.
    tos_lay_out_grids(form, state.data.num_items);
    tos_select_areas(state, 3);
    tos_select_levels(state, 2);
    form.txt_content[1] = "Foundations";
    form.txt_content[2] = "Classroom Tests";
    form.txt_content[3] = "Standardized Tests";
    form.txt_skill[1] = "Knowledge";
    form.txt_skill[2] = "Application";
    const std::string areas = set_1_areas;
    const std::string levels = set_1_levels;
    for (std::size_t j = 1; j <= areas.size() && j < form.area_cells.size(); ++j) {
        if (areas[j - 1] != '-') {
            form.area_cells[j] = std::string(1, areas[j - 1]);
            form.level_cells[j] = std::string(1, levels[j - 1]);
        }
    }
    return tos_ok(state);
}

Outcome no_table_of_specifications(ProgramState& state) {
    tos_reset(state, state.data.num_items);
    return tos_ok(state);
}

// ---------------------------------------------------------------- alternative answers

// Item 1 accepts every option (3 is the key), item 16 both of its options.
// The table is built from the stored cells without showing it, then
// confirmed; building it first also codes the key that the confirmed slots
// are filled with.
Outcome set_1_alternatives(ProgramState& state) {
    TTestData& data = state.data;
    data.alt_answer_cells[1] = {"3", "1", "2", "4", "", "", "", "", ""};
    data.alt_answer_cells[16] = {"1", "2", "", "", "", "", "", "", ""};
    data.show_alt_dialog = false;
    Outcome outcome = prepare_alt_answer_table(state);
    data.show_alt_dialog = true;
    if (outcome.accepted()) {
        outcome.append(alt_answers_ok(state));
    }
    return outcome;
}

// ---------------------------------------------------------------- the examples

// Set 1 and the QXM set share every setting but the examinee order.
Outcome set_1_settings(ProgramState& state, ExamineeOrder examinees) {
    choose_band_unit(state, BandUnit::grade_letters);
    choose_item_order(state, ItemOrder::point_biserial);
    choose_examinee_order(state, examinees);
    Outcome outcome = five_categories_with_minimums(state);
    outcome.append(apply_group_percentages(state, "33", "27"));
    outcome.append(set_1_table_of_specifications(state));
    outcome.append(set_1_alternatives(state));
    return outcome;
}

Outcome four_way_example(ProgramState& state, FourWayCoding coding) {
    start_main_window_example(state, four_way_texts(coding), coding == FourWayCoding::right_wrong);
    choose_band_unit(state, BandUnit::grade_letters);
    Outcome outcome = twelve_categories_by_default(state);
    outcome.append(apply_group_percentages(state, "27", "27"));
    outcome.append(no_table_of_specifications(state));
    finish_main_window_example(state);
    return outcome;
}

}  // namespace

Outcome sample_data_set_1(ProgramState& state) {
    start_main_window_example(state, sample_set_1_texts(), false);
    Outcome outcome = set_1_settings(state, ExamineeOrder::score);
    finish_main_window_example(state);
    return outcome;
}

Outcome sample_data_set_2(ProgramState& state) {
    start_main_window_example(state, sample_set_2_texts(), false);
    choose_band_unit(state, BandUnit::grade_letters);
    Outcome outcome = twelve_categories_by_default(state);
    outcome.append(apply_group_percentages(state, "27", "25"));
    outcome.append(no_table_of_specifications(state));
    finish_main_window_example(state);
    return outcome;
}

// Set 3 leaves the group percentages as they are.
Outcome sample_data_set_3(ProgramState& state) {
    start_main_window_example(state, sample_set_3_texts(), false);
    choose_band_unit(state, BandUnit::raw_scores);
    choose_item_order(state, ItemOrder::difficulty);
    choose_examinee_order(state, ExamineeOrder::label);
    Outcome outcome = no_grading_categories(state);
    outcome.append(no_table_of_specifications(state));
    finish_main_window_example(state);
    return outcome;
}

Outcome secret_setup_qxm(ProgramState& state) {
    start_main_window_example(state, qxm_texts(), false);
    Outcome outcome = set_1_settings(state, ExamineeOrder::label);
    finish_main_window_example(state);
    return outcome;
}

Outcome as_numeric(ProgramState& state) {
    return four_way_example(state, FourWayCoding::numeric);
}

Outcome as_right_wrong(ProgramState& state) {
    return four_way_example(state, FourWayCoding::right_wrong);
}

Outcome as_letter(ProgramState& state) {
    return four_way_example(state, FourWayCoding::letter);
}

Outcome as_true_false(ProgramState& state) {
    return four_way_example(state, FourWayCoding::true_false);
}

Outcome as_mixture(ProgramState& state) {
    return four_way_example(state, FourWayCoding::mixture);
}

// Run inside the editor: the data set's other settings (partial credit, the
// include line, groups, ...) stay as they are.
Outcome secret_setup_rvw(ProgramState& state) {
    state.data.editor_start_mode = start_nothing;
    store_texts(state, rvw_texts());
    Outcome outcome = no_grading_categories(state);
    choose_band_unit(state, BandUnit::raw_scores);
    state.data.data_are_right_wrong = true;
    return outcome;
}

const std::vector<ExampleInfo>& example_list() {
    static const std::vector<ExampleInfo> list = {
        {"set1", &sample_data_set_1, sample_set_1_texts().title},
        {"set2", &sample_data_set_2, sample_set_2_texts().title},
        {"set3", &sample_data_set_3, sample_set_3_texts().title},
        {"numeric", &as_numeric, four_way_texts(FourWayCoding::numeric).title},
        {"rightwrong", &as_right_wrong, four_way_texts(FourWayCoding::right_wrong).title},
        {"letter", &as_letter, four_way_texts(FourWayCoding::letter).title},
        {"truefalse", &as_true_false, four_way_texts(FourWayCoding::true_false).title},
        {"mixture", &as_mixture, four_way_texts(FourWayCoding::mixture).title},
        {"qxm", &secret_setup_qxm, qxm_texts().title},
        {"rvw", &secret_setup_rvw, rvw_texts().title},
    };
    return list;
}

const ExampleInfo* find_example(std::string_view name) {
    for (const ExampleInfo& example : example_list()) {
        if (example.name == name) {
            return &example;
        }
    }
    return nullptr;
}

}  // namespace kor
