#include <algorithm>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/AnalysisState.h"
#include "core/Encoding.h"
#include "core/FileIO.h"
#include "core/TextUtil.h"
#include "core/data/AltAnswers.h"
#include "core/data/InputFile.h"
#include "core/data/InputFileKeys.h"

namespace kor {

namespace {

using namespace input_file;

// ---------------------------------------------------------------- writing

// "07" for item 7, "100" for item 100.
std::string item_number_text(int item) {
    std::string digits = std::to_string(item);
    return digits.size() < 2 ? "0" + digits : digits;
}

// The header; `with_groups` leaves out the group percentages, which are
// analysis settings rather than part of the data set.
void add_header_lines(const AnalysisState& state, std::vector<std::string>& lines,
                      bool with_groups) {
    const EditorTexts& editor = state.editor;
    const TTestData& data = state.data;
    lines.emplace_back(input_file_signature);
    lines.push_back(key_title + editor.title);
    lines.push_back(key_comments + editor.comments);
    lines.push_back(key_cases + editor.cases);
    lines.push_back(key_items + editor.items);
    lines.push_back(key_missing + editor.missing_data);
    lines.emplace_back(line_not_reached);
    lines.push_back(key_label_length + editor.label_length);
    lines.push_back(key_answer_key + editor.answer_key);
    lines.push_back(key_options + editor.options);
    lines.push_back(key_include + editor.include);
    if (with_groups) {
        lines.push_back(key_disc_top + state.settings.upper_group_percent_text);
        lines.push_back(key_disc_bottom + state.settings.lower_group_percent_text);
    }
    if (data.partial_credit_on) {
        lines.push_back(key_partial_credit + std::to_string(data.pc_total_points));
        lines.push_back(key_mc_points + shortest_real(data.mc_item_points));
    } else {
        lines.push_back(std::string(key_partial_credit) + switched_off);
        lines.push_back(std::string(key_mc_points) + switched_off);
    }
}

// Labels are written exactly four characters wide so that every minimum
// starts in column 17, where the reader looks for it.
std::string grade_label_column(const std::string& label) {
    return pad_right(cut(label, grade_label_width), grade_label_width);
}

void add_grade_lines(const AnalysisSettings& settings, std::vector<std::string>& lines) {
    const int count = clamped(settings.num_grade_cats, 0, max_grade_categories);
    lines.push_back(key_grades + std::to_string(count));
    if (count < 2) {
        return;
    }
    for (int k = 1; k < count; ++k) {
        lines.push_back(grade_label_column(settings.grade_label[at(k)]) + grade_separator +
                        settings.grade_min_percent_text[at(k)]);
    }
    lines.push_back(grade_label_column(settings.grade_label[at(count)]) + last_grade_tail);
}

// Nine entries, each followed by one blank: the confirmed cell or "*".
std::string alternative_entries_text(const TTestData& data, std::optional<int> item) {
    std::string text;
    const bool known_item = item && *item >= 1 && *item <= max_items;
    for (int s = 0; s < alternative_entries; ++s) {
        const std::string* cell = known_item ? &data.alt_answer_cells[at(*item)][at(s)] : nullptr;
        text += (cell == nullptr || cell->empty()) ? std::string(empty_alt_cell) : *cell;
        text += ' ';
    }
    return text;
}

// One pair per row of the alternative-answers table, so the count written
// always matches the pairs that follow it.
void add_alternative_lines(const AnalysisState& state, std::vector<std::string>& lines) {
    const auto& rows = state.alt_table.rows;
    lines.push_back(key_alternatives_count + std::to_string(rows.size()));
    for (const AltAnswerRow& row : rows) {
        const std::string& item_text = row.cells[0];
        lines.push_back(key_alt_item + item_text);
        lines.push_back(key_alt_entries +
                        alternative_entries_text(state.data, parse_int(item_text)));
    }
}

// The reader takes one item line per item of the "# Items" line, so the
// writer counts the items the same way; the loaded count stands in when the
// box holds no usable number.
int items_in_item_box(const AnalysisState& state) {
    const auto typed = parse_int(state.editor.items);
    return clamped(typed ? *typed : state.data.num_items, 0, max_items);
}

void add_table_of_specs_lines(const AnalysisState& state, std::vector<std::string>& lines) {
    const TTestData& data = state.data;
    const int areas = clamped(data.num_content_areas, 0, max_tos_categories);
    const int levels = clamped(data.num_cognitive_levels, 0, max_tos_categories);
    lines.push_back(key_areas + std::to_string(areas));
    for (int k = 1; k <= areas; ++k) {
        lines.push_back("Content Area " + std::to_string(k) + "= " +
                        data.content_area_names[at(k)]);
    }
    lines.push_back(key_levels + std::to_string(levels));
    for (int k = 1; k <= levels; ++k) {
        lines.push_back("Cognitive Lvl" + std::to_string(k) + "= " +
                        data.cognitive_level_names[at(k)]);
    }
    if (areas == 0 && levels == 0) {
        return;
    }
    const int items = items_in_item_box(state);
    for (int j = 1; j <= items; ++j) {
        const ItemTos& tos = data.item_tos[at(j)];
        lines.push_back(item_number_text(j) + "," + std::to_string(tos.content_area) + "," +
                        std::to_string(tos.cognitive_level));
    }
}

// ---------------------------------------------------------------- reading

}  // namespace

std::vector<std::string> input_file_lines(const AnalysisState& state) {
    std::vector<std::string> lines;
    add_header_lines(state, lines, true);
    lines.insert(lines.end(), state.editor.data_lines.begin(), state.editor.data_lines.end());
    add_grade_lines(state.settings, lines);
    add_alternative_lines(state, lines);
    add_table_of_specs_lines(state, lines);
    return lines;
}

void visit_data_set_lines(const AnalysisState& state,
                          const std::function<void(std::string_view)>& visit) {
    std::vector<std::string> lines;
    add_header_lines(state, lines, false);
    for (const std::string& line : lines) {
        visit(line);
    }
    for (const std::string& line : state.editor.data_lines) {
        visit(line);
    }
    lines.clear();
    add_alternative_lines(state, lines);
    add_table_of_specs_lines(state, lines);
    for (const std::string& line : lines) {
        visit(line);
    }
}

void write_input_file(const AnalysisState& state, const std::string& path) {
    write_lines_atomic(path, input_file_lines(state));
}

}  // namespace kor
