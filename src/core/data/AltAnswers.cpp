#include "core/data/AltAnswers.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "core/AnalysisState.h"
#include "core/TextUtil.h"
#include "core/data/Codes.h"
#include "core/data/Loader.h"

namespace kor {

namespace {

constexpr int item_column = 0;
constexpr int options_column = 1;
constexpr int key_column = 2;  // table column c holds correct-answer slot c - 2
constexpr int first_alt_column = 3;
constexpr int last_answer_column = alt_table_columns_max - 1;

// Column j of a line as a one-character cell; empty beyond the line's end.
std::string column_text(const std::string& line, int j) {
    const std::size_t index = at(j - 1);
    return index < line.size() ? std::string(1, line[index]) : std::string();
}

// Item count from the editor's box; every array below is sized for 100 items.
bool read_item_count(AnalysisState& state, Outcome& outcome) {
    std::optional<int> items = parse_int(state.editor.items);
    if (!items) {
        outcome.refuse("Number of Items must be an integer", editor_field::items);
        return false;
    }
    if (*items < 1 || *items > max_items) {
        outcome.refuse("Number of Items must be between 1 and " + std::to_string(max_items),
                       editor_field::items);
        return false;
    }
    state.data.num_items = *items;
    return true;
}

// An empty include or options line gets its default, shown in the editor too.
void fill_empty_line(std::string& box, std::string& loaded, char fill, int items) {
    if (box.empty()) {
        box.assign(at(items), fill);
    }
    loaded = box;
}

// The loader's coding of the include, options and key lines. The options come
// before the key because a key character's code depends on its item's option
// count ("T" and "F" on a two-option item).
bool code_editor_lines(AnalysisState& state, Outcome& outcome) {
    EditorTexts& editor = state.editor;
    TTestData& data = state.data;
    fill_empty_line(editor.include, data.include_text, 'Y', data.num_items);
    code_include_line(state);

    fill_empty_line(editor.options, data.options_text, '5', data.num_items);
    Outcome options = code_options_line(state);
    outcome.append(options);
    if (options.refused) {
        return false;
    }
    Outcome key = code_key_line(state, false);
    outcome.append(key);
    return !key.refused;
}

AltAnswerRow make_row(const TTestData& data, int item, int column_count) {
    AltAnswerRow row;
    row.cells[at(item_column)] = std::to_string(item);
    row.cells[at(options_column)] = column_text(data.options_text, item);
    row.cells[at(key_column)] = column_text(data.key_digits, item);
    // Only the columns the table has are shown; a hidden cell could neither
    // be seen nor mended, so stored answers beyond them are not brought back.
    for (int c = first_alt_column; c < std::min(column_count, alt_table_columns_max); ++c) {
        row.cells[at(c)] = data.alt_answer_cells[at(item)][at(c - key_column)];
    }
    return row;
}

void write_headings(AltAnswerTable& table, int max_item_options) {
    for (auto& heading : table.headings) {
        heading = {};
    }
    if (max_item_options < 2) {
        return;
    }
    table.headings[at(item_column)] = {"", "Item", "Number"};
    table.headings[at(options_column)] = {"Number", "of", "Options"};
    table.headings[at(key_column)] = {"Correct", "Answer", "in Key"};
    static constexpr const char* ordinals[] = {"2nd", "3rd", "4th", "5th",
                                               "6th", "7th", "8th", "9th"};
    for (int c = first_alt_column; c < std::min(table.column_count, alt_table_columns_max); ++c) {
        table.headings[at(c)] = {ordinals[c - first_alt_column], "Correct", "Answer"};
    }
}

std::string not_valid_message(const std::string& item) {
    return "One of your alternative correct answers is not valid -- check item #" + item;
}

// A row's item number, when it names an item the arrays hold.
std::optional<int> row_item(const AltAnswerRow& row) {
    std::optional<int> item = parse_int(row.cells[at(item_column)]);
    if (!item || *item < 1 || *item > max_items) {
        return std::nullopt;
    }
    return item;
}

// One filled answer cell: a single digit from 1 to the item's option count.
bool check_answer_cell(const std::string& cell, int options, int item, Outcome& outcome) {
    std::optional<int> answer = parse_int(cell);
    if (!answer) {
        outcome.refuse(not_valid_message(std::to_string(item)));
        return false;
    }
    if (*answer > options || *answer <= 0) {
        outcome.refuse(
            "One of your alternative correct answers is not a value between 1 and the number of "
            "options for "
            "that item -- check item #" +
            std::to_string(item));
        return false;
    }
    if (cell.size() != 1 || cell[0] < '1' || cell[0] > '8') {
        outcome.refuse(not_valid_message(std::to_string(item)));
        return false;
    }
    return true;
}

bool check_row(const AltAnswerRow& row, Outcome& outcome) {
    std::optional<int> item = row_item(row);
    if (!item) {
        outcome.refuse(not_valid_message(row.cells[at(item_column)]));
        return false;
    }
    const int options = parse_int(row.cells[at(options_column)]).value_or(0);
    for (int c = key_column; c <= last_answer_column; ++c) {
        const std::string& cell = row.cells[at(c)];
        if (!cell.empty() && !check_answer_cell(cell, options, *item, outcome)) {
            return false;
        }
    }
    return true;
}

// The cells are kept as typed, empty ones too, so that an answer the user
// removed stays removed; the filled answer cells become the item's confirmed
// alternatives. The key column is checked with the others but confirms
// nothing: slot 0 is the key itself, whatever the key is at the next load.
void store_row(TTestData& data, const AltAnswerRow& row) {
    const auto item = at(*row_item(row));
    for (int c = key_column; c <= last_answer_column; ++c) {
        const std::string& cell = row.cells[at(c)];
        const std::size_t slot = at(c - key_column);
        data.alt_answer_cells[item][slot] = cell;
        if (c != key_column) {
            data.confirmed_alternatives[item][slot] =
                cell.empty() ? std::uint8_t{0} : static_cast<std::uint8_t>(cell[0] - '0');
        }
    }
}

}  // namespace

Outcome prepare_alt_answer_table(AnalysisState& state) {
    Outcome outcome;
    TTestData& data = state.data;
    data.key_text = state.editor.answer_key;
    data.options_text = state.editor.options;
    data.include_text = state.editor.include;
    if (!read_item_count(state, outcome)) {
        return outcome;
    }
    if (data.key_text.empty()) {
        outcome.refuse(
            "You must provide answer key before you can indicate items with alternative correct "
            "answers");
        return outcome;
    }
    if (!code_editor_lines(state, outcome)) {
        return outcome;
    }
    // Cancel keeps what was confirmed before, so the "A" items keep theirs.
    set_correct_answers(data);

    AltAnswerTable& table = state.alt_table;
    table.rows.clear();
    table.column_count = data.max_item_options + 2;
    for (int j = 1; j <= data.num_items; ++j) {
        if (data.item_include[at(j)] == include_alternatives) {
            table.rows.push_back(make_row(data, j, table.column_count));
        }
    }
    data.num_alt_items = static_cast<int>(table.rows.size());
    if (table.rows.empty()) {
        outcome.refuse("No items were flagged with an 'A' or 'a' in the INCLUDE line");
        return outcome;
    }
    write_headings(table, data.max_item_options);
    return outcome;
}

// Every row is checked before anything is stored, so a refused table leaves
// the correct answers as they were and Cancel after it changes nothing.
Outcome alt_answers_ok(AnalysisState& state) {
    Outcome outcome;
    for (const AltAnswerRow& row : state.alt_table.rows) {
        if (!check_row(row, outcome)) {
            return outcome;
        }
    }
    for (const AltAnswerRow& row : state.alt_table.rows) {
        store_row(state.data, row);
    }
    set_correct_answers(state.data);
    state.data.include_changed = false;
    return outcome;
}

}  // namespace kor
