#include "core/data/Conversions.h"

#include <algorithm>

#include "core/AnalysisState.h"
#include "core/Format.h"
#include "core/TextUtil.h"
#include "core/data/Codes.h"
#include "core/data/Loader.h"

namespace kor {

namespace {

const char* const heading_right_wrong = "DATA are CODED as RIGHT-WRONG";
const char* const heading_original = "DATA are in ORIGINAL FORMAT";
const char* const heading_letters = "DATA are in LETTER FORMAT";
const char* const heading_numbers = "DATA are in NUMERIC FORMAT";

void enter_right_wrong_state(AnalysisState& state, ConvertMenu& menu) {
    state.data.data_are_right_wrong = true;
    menu.heading = heading_right_wrong;
}

void enter_original_state(AnalysisState& state, ConvertMenu& menu, const char* heading) {
    state.data.data_are_right_wrong = false;
    menu.heading = heading;
}

std::string label_of(const AnalysisState& state, int examinee) {
    return cut(state.editor.data_lines[at(examinee - 1)], at(state.data.label_length));
}

void keep_for_the_way_back(TTestData& data) {
    for (int j = 1; j <= data.num_items; ++j) {
        data.saved_item_key[at(j)] = data.item_key[at(j)];
        data.saved_item_options[at(j)] = data.item_options[at(j)];
        for (int i = 1; i <= data.num_examinees; ++i) {
            data.saved_responses(i, j) = data.responses(i, j);
        }
    }
}

// Keeps the options line as loaded (a load of the converted data replaces
// it) and takes the alternatives away. The conversion folds every accepted
// answer into "1", and in 0/1 data an alternative would name "right" (1) or
// "wrong" (2): so the converted data set has none. Its "A" items become "Y"
// and the table is emptied.
void keep_lines_and_take_away_alternatives(AnalysisState& state) {
    TTestData& data = state.data;
    RightWrongKept& kept = data.right_wrong_kept;
    kept.held = true;
    kept.options_text = data.options_text;
    kept.include_text = data.include_text;
    kept.item_include = data.item_include;
    kept.item_correct_answers = data.item_correct_answers;
    kept.alt_answer_cells = data.alt_answer_cells;
    kept.confirmed_alternatives = data.confirmed_alternatives;
    kept.num_alt_items = data.num_alt_items;
    kept.table = state.alt_table;

    for (int j = 1; j <= data.num_items; ++j) {
        if (data.item_include[at(j)] == include_alternatives) {
            data.item_include[at(j)] = include_plain;
            data.include_text[at(j - 1)] = 'Y';
        }
        data.alt_answer_cells[at(j)].fill(std::string());
        data.confirmed_alternatives[at(j)].fill(0);
    }
    data.num_alt_items = 0;
    state.alt_table = AltAnswerTable{};
    state.editor.include = data.include_text;
}

// The options and include lines and the alternatives as they were before the
// conversion, once; nothing when no conversion kept them.
void give_back_lines_and_alternatives(AnalysisState& state) {
    TTestData& data = state.data;
    RightWrongKept& kept = data.right_wrong_kept;
    if (!kept.held) {
        return;
    }
    kept.held = false;
    data.options_text = kept.options_text;
    data.include_text = kept.include_text;
    data.item_include = kept.item_include;
    data.item_correct_answers = kept.item_correct_answers;
    data.alt_answer_cells = kept.alt_answer_cells;
    data.confirmed_alternatives = kept.confirmed_alternatives;
    data.num_alt_items = kept.num_alt_items;
    state.alt_table = kept.table;
    state.editor.options = kept.options_text;
    state.editor.include = kept.include_text;
}

// Scores every response first (the rule reads the key), then turns every
// item into a two-option item keyed 1.
void recode_as_right_wrong(TTestData& data) {
    for (int i = 1; i <= data.num_examinees; ++i) {
        for (int j = 1; j <= data.num_items; ++j) {
            data.responses(i, j) = static_cast<std::uint8_t>(right_wrong_code(data, i, j));
        }
    }
    for (int j = 1; j <= data.num_items; ++j) {
        data.item_key[at(j)] = 1;
        data.item_options[at(j)] = 2;
    }
    set_correct_answers(data);
}

void restore_first_load_lines(AnalysisState& state) {
    const TTestData& data = state.data;
    state.editor.data_lines.clear();
    for (int i = 1; i <= data.num_examinees; ++i) {
        state.editor.data_lines.emplace_back(data.original_lines[at(i)]);
    }
}

enum class Characters { letters, numbers };

char key_character(std::uint8_t code, Characters form) {
    if (form == Characters::letters && code >= 1 && code <= 8) {
        return static_cast<char>('A' + code - 1);
    }
    return code_digit(code);
}

char response_character(std::uint8_t code, Characters form) {
    return code == missing_code ? '.' : key_character(code, form);
}

Outcome convert_characters(AnalysisState& state, ConvertMenu& menu, Characters form) {
    enter_original_state(state, menu,
                         form == Characters::letters ? heading_letters : heading_numbers);
    Outcome loaded = load_test_data(state);
    if (loaded.refused) {
        return loaded;
    }
    const TTestData& data = state.data;
    std::string key;
    for (int j = 1; j <= data.num_items; ++j) {
        key += key_character(data.item_key[at(j)], form);
    }
    if (data.partial_credit_on) {
        key += whole(data.pc_total_points);
    }
    std::vector<std::string> lines;
    for (int i = 1; i <= data.num_examinees; ++i) {
        std::string line = left(label_of(state, i), at(data.label_length));
        for (int j = 1; j <= data.num_items; ++j) {
            line += response_character(data.responses(i, j), form);
        }
        if (data.partial_credit_on) {
            line += whole(data.pc_points[at(i)]);
        }
        lines.push_back(line);
    }
    state.editor.answer_key = key;
    state.editor.data_lines = lines;
    return loaded;
}

}  // namespace

ConvertMenuView convert_menu_view(const AnalysisState& state, const ConvertMenu& menu) {
    const bool rw = state.data.data_are_right_wrong;
    ConvertMenuView view;
    view.heading = menu.heading;
    view.toggle_checked = rw;
    view.toggle_caption = rw ? "DATA ARE CODED AS RIGHT-WRONG" : "RECODE data as RIGHT-WRONG";
    view.to_right_wrong = !rw;
    view.back_from_right_wrong = rw;
    view.to_numbers = !rw;
    view.to_letters = !rw;
    view.back_to_original_lines = !rw;
    return view;
}

void toggle_right_wrong(AnalysisState& state, ConvertMenu& menu) {
    if (state.data.data_are_right_wrong) {
        enter_original_state(state, menu, heading_original);
    } else {
        enter_right_wrong_state(state, menu);
    }
}

int right_wrong_code(const TTestData& data, int examinee, int item) {
    if (data.item_key[at(item)] == missing_code) {
        return 1;
    }
    const std::uint8_t response = data.responses(examinee, item);
    // The loader keeps the accepted answers of included items only; an
    // excluded item is judged by its key.
    if (data.item_include[at(item)] == include_excluded) {
        return response == data.item_key[at(item)] ? 1 : 0;
    }
    const auto& accepted = data.item_correct_answers[at(item)];
    return std::find(accepted.begin(), accepted.end(), response) != accepted.end() ? 1 : 0;
}

Outcome convert_to_right_wrong(AnalysisState& state, ConvertMenu& menu) {
    Outcome loaded = load_test_data(state);
    if (loaded.refused || state.data.data_are_right_wrong) {
        return loaded;
    }
    enter_right_wrong_state(state, menu);
    TTestData& data = state.data;
    keep_for_the_way_back(data);
    keep_lines_and_take_away_alternatives(
        state);  // the recoding then gives every item the key 1 alone
    recode_as_right_wrong(data);
    std::vector<std::string> lines;
    for (int i = 1; i <= data.num_examinees; ++i) {
        std::string line = label_of(state, i);
        for (int j = 1; j <= data.num_items; ++j) {
            line += code_digit(data.responses(i, j));
        }
        lines.push_back(line);
    }
    state.editor.data_lines = lines;
    state.editor.answer_key.assign(at(data.num_items), '1');
    state.editor.options.assign(at(data.num_items), '2');
    return loaded;
}

void convert_back_from_right_wrong(AnalysisState& state, ConvertMenu& menu) {
    if (!state.data.data_are_right_wrong) {
        return;
    }
    enter_original_state(state, menu, heading_original);
    TTestData& data = state.data;
    for (int j = 1; j <= data.num_items; ++j) {
        data.item_key[at(j)] = data.saved_item_key[at(j)];
        data.item_options[at(j)] = data.saved_item_options[at(j)];
        for (int i = 1; i <= data.num_examinees; ++i) {
            data.responses(i, j) = data.saved_responses(i, j);
        }
    }
    state.editor.options = data.options_text;
    give_back_lines_and_alternatives(state);
    restore_first_load_lines(state);
    state.editor.answer_key = data.original_key_text;
}

Outcome convert_to_letters(AnalysisState& state, ConvertMenu& menu) {
    return convert_characters(state, menu, Characters::letters);
}

Outcome convert_to_numbers(AnalysisState& state, ConvertMenu& menu) {
    return convert_characters(state, menu, Characters::numbers);
}

void convert_back_to_original_lines(AnalysisState& state, ConvertMenu& menu) {
    enter_original_state(state, menu, heading_original);
    const TTestData& data = state.data;
    if (!data.original_lines_saved || !data.keeps_original_lines) {
        return;
    }
    state.editor.answer_key = data.original_key_text;
    state.editor.options = data.options_text;
    state.editor.include = data.include_text;
    // Right-wrong data left by the hidden toggle still hold the options line
    // and the alternatives of these lines.
    give_back_lines_and_alternatives(state);
    restore_first_load_lines(state);
}

}  // namespace kor
