#include "app/forms/EditorModel.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "app/ProgramState.h"
#include "app/forms/GradeForm.h"
#include "app/forms/TosForm.h"
#include "core/FileIO.h"
#include "core/TextUtil.h"
#include "core/data/AltAnswers.h"
#include "core/data/CsvImport.h"
#include "core/data/TextImport.h"

namespace kor {

namespace {

using std::to_string;
namespace control = editor_control;

constexpr int unknown = -1;
constexpr const char* item_heading = "Item#";  // over positions 1..5 of the tens line
constexpr const char* partial_credit_mark = "PC";

// Writes `text` into `line` so that it ends in column `column` (1-based):
// a tens count of two digits ("10" at item 100) stays within the item part.
void put_ending_at(std::string& line, int column, const std::string& text) {
    const auto end = static_cast<std::size_t>(column);
    const std::size_t start = end >= text.size() ? end - text.size() : 0;
    line.replace(start, end - start, text.substr(text.size() - (end - start)));
}

char units_mark(int p) {
    if (p == 1) {
        return '1';
    }
    if (p % 10 == 0) {
        return '0';
    }
    return p % 5 == 0 ? '5' : '.';
}

void item_part(int positions, int item_count, std::string& tens, std::string& units) {
    tens.assign(static_cast<std::size_t>(positions), ' ');
    units.assign(static_cast<std::size_t>(positions), '.');
    for (int p = 1; p <= positions; ++p) {
        units[static_cast<std::size_t>(p - 1)] = units_mark(p);
        if (p <= 5) {
            tens[static_cast<std::size_t>(p - 1)] = item_heading[p - 1];
        } else if (p % 5 == 0) {
            put_ending_at(tens, p, to_string(p / 10));
        }
    }
    // The last item's column reads the item count downwards: its tens over its units.
    if (item_count >= 1 && item_count <= positions) {
        put_ending_at(tens, item_count, to_string(item_count / 10));
        units[static_cast<std::size_t>(item_count - 1)] = static_cast<char>('0' + item_count % 10);
    }
}

std::string label_heading(int label_length) {
    if (label_length >= 12) {
        return "Examinee ID";
    }
    if (label_length >= 9) {
        return "Examinee";
    }
    return label_length >= 3 ? "ID" : "";
}

void label_part(int label_length, std::string& tens, std::string& units) {
    tens.clear();
    units.clear();
    if (label_length <= 0) {
        return;
    }
    tens = pad_right(label_heading(label_length), static_cast<std::size_t>(label_length));
    units.assign(static_cast<std::size_t>(label_length), '-');
    tens.back() = '|';
    units.back() = '|';
}

std::optional<int> typed_count(const std::string& text) {
    return text.empty() ? std::nullopt : parse_int(text);
}

// Counts the typing checks would refuse draw nothing: the rulers stay as they
// were, as after a refused entry. Other commands (partial credit, a file's
// counts) redraw without those checks, and a label length near the largest
// int would otherwise ask for a ruler of that many columns.
bool rulers_can_show(const std::optional<int>& items, const std::optional<int>& label) {
    if (items && (*items < 1 || *items > max_items)) {
        return false;
    }
    if (label && (*label < 0 || *label > max_label_plus_items)) {
        return false;
    }
    return !(items && label && *items + *label > max_label_plus_items);
}

}  // namespace

Rulers make_rulers(int num_items, int label_length) {
    int positions = num_items;
    if (positions <= 0) {
        // No item count yet: as many items as the line can hold.
        positions = max_items;
        if (label_length >= 0) {
            positions = std::min(positions, max_label_plus_items - label_length);
        }
    }
    positions = std::max(positions, 0);
    Rulers rulers;
    item_part(positions, num_items, rulers.key_tens, rulers.key_units);
    std::string label_tens;
    std::string label_units;
    label_part(label_length, label_tens, label_units);
    rulers.data_tens = label_tens + rulers.key_tens;
    rulers.data_units = label_units + rulers.key_units;
    return rulers;
}

void redraw_rulers(ProgramState& state) {
    const auto items = typed_count(state.editor.items);
    const auto label = typed_count(state.editor.label_length);
    if (!rulers_can_show(items, label)) {
        return;
    }
    const Rulers rulers = make_rulers(items.value_or(0), label.value_or(unknown));
    EditorForm& form = state.editor_form;
    form.key_units_plain = rulers.key_units;
    form.key_units_pc = rulers.key_units + partial_credit_mark;
    form.data_units_plain = rulers.data_units;
    form.data_units_pc = rulers.data_units + partial_credit_mark;
    const bool points = state.data.partial_credit_on;
    form.lbl_key_scale1 = rulers.key_tens;
    form.lbl_key_scale2 = points ? form.key_units_pc : form.key_units_plain;
    form.lbl_scale1 = rulers.data_tens;
    form.lbl_scale2 = points ? form.data_units_pc : form.data_units_plain;
}

namespace {

// With both boxes filled, the label and the items must fit in 105 columns.
bool check_line_width(const ProgramState& state, Outcome& outcome, const char* focus) {
    const auto items = typed_count(state.editor.items);
    const auto label = typed_count(state.editor.label_length);
    // Summed wide: either box may hold a number near the largest int.
    if (items && label && static_cast<long long>(*items) + *label >= max_label_plus_items + 1) {
        outcome.refuse(
            "Length of Examinee ID Label plus data must be less than 105 -- maximum label length "
            "here must be < " +
                to_string(max_label_plus_items - *items),
            focus);
        return false;
    }
    return true;
}

}  // namespace

Outcome label_length_changed(ProgramState& state) {
    Outcome outcome;
    const std::string& text = state.editor.label_length;
    if (!text.empty()) {
        const auto label = parse_int(text);
        if (!label) {
            outcome.refuse("Length of Examinee ID Label must be an integer", control::label_length);
            return outcome;
        }
        if (*label < 0) {
            outcome.refuse("Length of Examinee ID Label must be positive value",
                           control::label_length);
            return outcome;
        }
        if (*label > max_label_plus_items) {
            outcome.refuse("Length of Examinee ID Label plus data must be less than " +
                               to_string(max_label_plus_items) +
                               " (even smaller if you want any data)",
                           control::label_length);
            return outcome;
        }
    }
    if (check_line_width(state, outcome, control::label_length)) {
        redraw_rulers(state);
    }
    return outcome;
}

Outcome items_changed(ProgramState& state) {
    Outcome outcome;
    EditorForm& form = state.editor_form;
    form.set_tos_enabled = false;
    const std::string& text = state.editor.items;
    if (!text.empty()) {
        const auto items = parse_int(text);
        if (!items) {
            outcome.refuse("Number of Items must be an integer", control::items);
            return outcome;
        }
        if (*items < 1 || *items > max_items) {
            outcome.refuse("Number of Items must be between 1 and " + to_string(max_items),
                           control::items);
            return outcome;
        }
    }
    if (!check_line_width(state, outcome, control::items)) {
        return outcome;
    }
    form.set_tos_enabled = !text.empty();
    redraw_rulers(state);
    return outcome;
}

void include_changed(ProgramState& state) {
    state.data.include_changed = true;
}

void new_data_set(ProgramState& state) {
    state.data.partial_credit_on = false;
    state.data.forget_import_companions();
    EditorTexts& e = state.editor;
    e.title.clear();
    e.comments.clear();
    e.answer_key.clear();
    e.cases.clear();
    e.items.clear();
    e.label_length.clear();
    e.options.clear();
    e.include.clear();
    e.missing_data = "9";
    e.data_lines.clear();
    state.data.num_content_areas = 0;
    tos_reset(state, 0);
    select_no_grading(state);
    state.editor_form.set_tos_enabled = false;
    redraw_rulers(state);
}

void count_lines_as_examinees(ProgramState& state) {
    state.editor.cases = to_string(state.editor.data_lines.size());
}

void show_example_data(ProgramState& state) {
    EditorTexts& e = state.editor;
    e.title = "Sample Data (select NEW/reset under FILE MENU to clear)";
    e.comments = "Note that both LETTERS and NUMBERS are allowed in answer key and data";
    e.cases = "10";
    e.items = "10";
    e.missing_data = "9";
    e.label_length = "12";
    e.answer_key = "12432B1a2d";
    e.options = "4243242325";
    e.include = "YYYYYYYYYY";
    e.data_lines = {"Person_001  124c121124", "Person_002  424312132d", "Person_003  1223231124",
                    "Person_004  A243142122", "Person_005  12D32b2114", "Person_006  4243112315",
                    "Person_007  1143121C23", "Person_008  12d3121124", "Person_009  a243141A22",
                    "Person_010  11431d2314"};
    items_changed(state);
}

void change_max_options(ProgramState& state, int maximum) {
    state.data.max_options = maximum;
}

EditorStartAction editor_startup(ProgramState& state) {
    state.data.editor_load_failed = false;
    switch (state.data.editor_start_mode) {
        case start_new:
            new_data_set(state);
            return EditorStartAction::nothing;
        case start_open_file:
            new_data_set(state);
            return EditorStartAction::open_file;
        case start_insert_text:
            new_data_set(state);
            return EditorStartAction::insert_data_and_key;
        case start_generate:
        case start_generate_fixed:
            new_data_set(state);
            return EditorStartAction::generate;
        default:
            return EditorStartAction::nothing;
    }
}

void cancel_editor(ProgramState& state) {
    state.data.editor_start_mode = start_nothing;
    state.data.editor_load_failed = false;
}

void close_editor_without_loading(ProgramState& state) {
    state.data.editor_load_failed = false;
}

const std::vector<std::string>& data_code_help() {
    static const std::vector<std::string> lines = {
        "For up to 8 options",      "------------------------",    "",
        " 1,A,a,T,t = Option 1",    " 2,B,b,F,f = Option 2",       " 3,C,c     = Option 3",
        " 4,D,d     = Option 4",    " 5,E,e     = Option 5",       " 6,F,f     = Option 6",
        " 7,G,g     = Option 7",    " 8,H,h     = Option 8",       "",
        "------------------------", "Any other value is treated ", "as MISSING DATA"};
    return lines;
}

const std::vector<std::string>& include_code_help() {
    static const std::vector<std::string> lines = {"INCLUDE Codes",
                                                   "------------------------",
                                                   "",
                                                   "  Y = Item is INCLUDED",
                                                   "      in Analysis",
                                                   "",
                                                   "  N = Item is EXCLUDED",
                                                   "      from Analysis",
                                                   "",
                                                   "  A = Alternative Correct",
                                                   "      Answers Provided",
                                                   "      for Item (use OPTIONS",
                                                   "      menu)",
                                                   "",
                                                   "  9 = All Answers makrked",
                                                   "      CORRECT"};
    return lines;
}

void fill_editor_from_csv(ProgramState& state, const CsvMapping& mapping, const std::string& path) {
    // A new data set: nothing of the previous one (partial credit, table of
    // specifications, grading scale) may apply to it unseen.
    new_data_set(state);
    state.editor = mapping.texts;
    redraw_rulers(state);
    TTestData& data = state.data;
    data.full_ids = mapping.full_ids;
    data.version_label = mapping.version_label;
    data.input_file_path = path;
    data.opened_from_file = false;
    data.data_set_name = file_name_of(path);
    data.original_lines_saved = false;
    data.data_are_right_wrong = false;
}

EditorCloseResult close_editor(ProgramState& state, EditorExit how) {
    EditorLoad load = load_editor_data(state, how);
    EditorCloseResult result;
    result.outcome = on_editor_boxes(std::move(load.outcome));
    if (load.show_editor_again) {
        result.show_editor_again = true;
        return result;
    }
    if (how == EditorExit::close_and_analyze) {
        state.analyze_on_return = true;
    }
    result.key_warnings = std::move(load.key_warnings);
    result.enable_analyze = true;
    result.enable_view_buttons = how == EditorExit::ok;
    result.start_analysis = state.data.data_loaded && state.analyze_on_return;
    result.data_set_box = shown_data_set_name(state);
    result.title_box = state.editor.title;
    return result;
}

Outcome on_editor_boxes(Outcome outcome) {
    static constexpr std::pair<const char*, const char*> boxes[] = {
        {editor_field::title, editor_control::title},
        {editor_field::cases, editor_control::cases},
        {editor_field::items, editor_control::items},
        {editor_field::label_length, editor_control::label_length},
        {editor_field::answer_key, editor_control::answer_key},
        {editor_field::options, editor_control::options},
        {editor_field::include, editor_control::include},
        {editor_field::data, editor_control::data},
    };
    for (const auto& [field, box] : boxes) {
        if (outcome.focus == field) {
            outcome.focus = box;
            break;
        }
    }
    return outcome;
}

Outcome load_test_data(ProgramState& state) {
    return on_editor_boxes(load_test_data(static_cast<AnalysisState&>(state)));
}

Outcome code_options_line(ProgramState& state) {
    return on_editor_boxes(code_options_line(static_cast<AnalysisState&>(state)));
}

Outcome code_key_line(ProgramState& state, bool show_both_messages) {
    return on_editor_boxes(code_key_line(static_cast<AnalysisState&>(state), show_both_messages));
}

Outcome import_testscore_data(ProgramState& state) {
    return on_editor_boxes(import_testscore_data(static_cast<AnalysisState&>(state)));
}

Outcome prepare_alt_answer_table(ProgramState& state) {
    return on_editor_boxes(prepare_alt_answer_table(static_cast<AnalysisState&>(state)));
}

Outcome alt_answers_ok(ProgramState& state) {
    return on_editor_boxes(alt_answers_ok(static_cast<AnalysisState&>(state)));
}

}  // namespace kor
