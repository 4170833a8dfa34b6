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

std::string value_of(std::string_view line) {
    return line.size() > key_width ? std::string(line.substr(key_width)) : std::string();
}

bool starts_with(std::string_view line, std::string_view prefix) {
    return line.substr(0, prefix.size()) == prefix;
}

// A value as a message names it: a damaged file can hold a line of any length.
std::string shown_value(const std::string& text) {
    constexpr std::size_t longest_shown = 40;
    return text.size() > longest_shown ? cut(text, longest_shown) + "..." : text;
}

// The digit after the `nth` comma of an item line; 0 when there is none.
int digit_after_comma(const std::string& line, int nth) {
    std::size_t pos = std::string::npos;
    for (int k = 0; k < nth; ++k) {
        pos = line.find(',', pos == std::string::npos ? 0 : pos + 1);
        if (pos == std::string::npos) {
            return 0;
        }
    }
    if (pos + 1 >= line.size()) {
        return 0;
    }
    const char c = line[pos + 1];
    return (c >= '0' && c <= '9') ? c - '0' : 0;
}

// The minimum-percentage boxes that the grade lines of versions 3 and 4 fill,
// in line order, for a preset of `categories`: boxes 1 .. N-1, the ones OK
// stores the scale from. (Version 3's own dialog kept them in other boxes,
// 2, 5, 8, 11 for five categories; filling those would lose the file's
// minimums to the preset's, so both layouts fill the boxes in use now.)
std::vector<int> preset_grade_boxes(int categories) {
    std::vector<int> boxes;
    for (int k = 1; k < categories; ++k) {
        boxes.push_back(k);
    }
    return boxes;
}

bool is_grade_preset(int categories) {
    return categories == 0 || categories == 2 || categories == 5 || categories == 12;
}

// Reads the file line by line in the fixed order of the layout. Every step
// returns false when reading has to end; the outcome then carries the reason
// and is refused. Messages of the dialog steps the file drives are collected
// but do not end the reading.
class InputReader {
  public:
    InputReader(AnalysisState& state, std::string_view contents, InputLayout layout,
                InputFileForms& forms)
        : state_(state), forms_(forms), lines_(line_views(contents)), layout_(layout) {}

    Outcome run() {
        clear_count_boxes();
        if (has_signature() && !signature_matches()) {
            outcome_.refuse(wrong_signature_message);
            return outcome_;
        }
        if (read_counts() && read_settings_lines() && read_partial_credit()) {
            apply_groups();
            read_data_lines();
            if (read_grades() && read_alternatives() && read_table_of_specs()) {
                select_table_of_specs();
            }
        }
        return outcome_;
    }

  private:
    // ---- what the layout holds

    bool has_signature() const { return layout_ == InputLayout::version6; }
    bool has_group_lines() const { return layout_ != InputLayout::version3; }
    bool has_partial_credit_lines() const {
        return layout_ == InputLayout::version5 || layout_ == InputLayout::version6;
    }
    bool has_preset_grades() const {
        return layout_ == InputLayout::version3 || layout_ == InputLayout::version4;
    }
    // Version 3 has no alternatives and no cognitive levels.
    bool has_alternatives_and_levels() const { return layout_ != InputLayout::version3; }

    // ---- line access

    bool at_end() const { return next_ >= lines_.size(); }

    // 1-based number of the line read last.
    std::size_t line_number() const { return next_; }

    std::string_view take_line() { return lines_[next_++]; }

    // The next line, or a refusal naming the line the file lacks.
    std::optional<std::string> required_line(std::string_view what) {
        if (at_end()) {
            outcome_.refuse("The input file ends too early: line " + std::to_string(next_ + 1) +
                            " (" + std::string(what) + ") is missing.");
            return std::nullopt;
        }
        return std::string(take_line());
    }

    std::optional<std::string> required_value(std::string_view what) {
        auto line = required_line(what);
        if (!line) {
            return std::nullopt;
        }
        return value_of(*line);
    }

    std::string where() const {
        return " (line " + std::to_string(line_number()) + " of the file)";
    }

    std::optional<int> integer_of(const std::string& text) {
        auto value = parse_int(text);
        if (!value) {
            outcome_.refuse("'" + shown_value(text) + "' is not a valid integer value" + where());
        }
        return value;
    }

    std::optional<double> real_of(const std::string& text) {
        auto value = parse_real(text, file_separators(state_));
        if (!value) {
            outcome_.refuse("'" + shown_value(text) + "' is not a valid floating point value" +
                            where());
        }
        return value;
    }

    // An integer on the next line; nullopt when the line is missing or does not convert.
    std::optional<int> required_integer(std::string_view what) {
        auto text = required_value(what);
        return text ? integer_of(*text) : std::nullopt;
    }

    // A count of table-of-specifications categories; anything outside 0..6
    // could not be indexed, so it ends the reading.
    std::optional<int> category_count(std::string_view what, std::string_view name) {
        auto count = required_integer(what);
        if (count && (*count < 0 || *count > max_tos_categories)) {
            outcome_.refuse("The number of " + std::string(name) + " must be between 0 and " +
                            std::to_string(max_tos_categories) + ", not " + std::to_string(*count) +
                            where());
            return std::nullopt;
        }
        return count;
    }

    // The OK steps the file drives report through message boxes; reading goes
    // on whatever they answer.
    void take_messages(const Outcome& step) {
        for (const std::string& message : step.messages) {
            outcome_.show(message);
        }
    }

    // ---- the reading steps

    void clear_count_boxes() {
        EditorTexts& editor = state_.editor;
        editor.title.clear();
        editor.comments.clear();
        editor.cases.clear();
        editor.items.clear();
    }

    bool signature_matches() { return !at_end() && take_line() == input_file_signature; }

    bool read_counts() {
        EditorTexts& editor = state_.editor;
        auto title = required_value("Title");
        if (!title) {
            return false;
        }
        editor.title = std::move(*title);
        auto comments = required_value("Comments");
        if (!comments) {
            return false;
        }
        editor.comments = std::move(*comments);
        return read_count_box("# Examinees", editor.cases, state_.data.num_examinees) &&
               read_count_box("# Items", editor.items, state_.data.num_items);
    }

    // The box keeps the text as written, even when it does not convert.
    bool read_count_box(std::string_view what, std::string& box, int& count) {
        auto text = required_value(what);
        if (!text) {
            return false;
        }
        box = *text;
        auto value = integer_of(*text);
        if (!value) {
            return false;
        }
        count = *value;
        return true;
    }

    bool read_settings_lines() {
        EditorTexts& editor = state_.editor;
        AnalysisSettings& settings = state_.settings;
        std::vector<std::pair<std::string*, const char*>> fields = {
            {&editor.missing_data, "Missing Data"}, {nullptr, "Not reached"},
            {&editor.label_length, "Label Length"}, {&editor.answer_key, "Answer Key"},
            {&editor.options, "# Options"},         {&editor.include, "Item Analyzed"},
        };
        // Without group lines the group percentages stay as they are.
        if (has_group_lines()) {
            fields.emplace_back(&settings.upper_group_percent_text, "High Group D%");
            fields.emplace_back(&settings.lower_group_percent_text, "Low Group D%");
        }
        for (const auto& field : fields) {
            if (field.first != nullptr) {
                field.first->clear();
            }
        }
        for (const auto& [box, what] : fields) {
            auto value = required_value(what);
            if (!value) {
                return false;
            }
            if (box != nullptr) {
                *box = std::move(*value);
            }
        }
        return true;
    }

    // Layouts without these lines leave partial credit and MC points as they are.
    bool read_partial_credit() {
        if (!has_partial_credit_lines()) {
            return true;
        }
        TTestData& data = state_.data;
        auto pc_text = required_value("Partial Credit");
        if (!pc_text) {
            return false;
        }
        const bool pc_on = *pc_text != switched_off;
        if (pc_on) {
            auto total = integer_of(*pc_text);
            if (!total) {
                return false;
            }
            data.pc_total_points = *total;
        }
        data.partial_credit_on = pc_on;
        auto mc_text = required_value("MC Points");
        if (!mc_text) {
            return false;
        }
        data.mc_item_points = 1.0;
        if (*mc_text != switched_off) {
            auto points = mc_points_of(*mc_text);
            if (!points) {
                return false;
            }
            data.mc_item_points = *points;
        }
        if (pc_on) {
            run_partial_credit_ok();
        } else {
            turn_partial_credit_off();
        }
        return true;
    }

    // Version 5 wrote whole points only and read them back as an integer.
    std::optional<double> mc_points_of(const std::string& text) {
        if (layout_ != InputLayout::version5) {
            return real_of(text);
        }
        auto points = integer_of(text);
        return points ? std::optional<double>(*points) : std::nullopt;
    }

    // The dialog's OK checks the values and puts the total at the end of the
    // options line, as if the user had confirmed them.
    void run_partial_credit_ok() { take_messages(forms_.confirm_partial_credit()); }

    void turn_partial_credit_off() {
        forms_.clear_partial_credit();
        state_.data.pc_total_points = 0;
        state_.data.mc_item_points = 1.0;
        state_.data.partial_credit_on = false;
    }

    void apply_groups() {
        if (!has_group_lines()) {
            return;
        }
        const std::string top = state_.settings.upper_group_percent_text;
        const std::string bottom = state_.settings.lower_group_percent_text;
        take_messages(forms_.confirm_groups(top, bottom));
    }

    // The data lines run up to the "# Grades" line. The examinee count is what
    // the user typed, and the loader compares it with the lines; taking
    // exactly that many lines would shift every later section of a file
    // whose count is off, losing the data beyond the count.
    void read_data_lines() {
        std::vector<std::string>& memo = state_.editor.data_lines;
        memo.clear();
        memo.reserve(lines_.size() - next_);
        while (!at_end() && !starts_with(lines_[next_], key_grades)) {
            const std::string_view line = take_line();
            if (!line.empty()) {
                memo.emplace_back(line);
            }
        }
    }

    bool read_grades() {
        if (at_end()) {
            outcome_.refuse(
                "The input file ends too early: the \"# Grades\" line after the data "
                "lines is missing.");
            return false;
        }
        auto count = integer_of(value_of(take_line()));
        if (!count) {
            return false;
        }
        if (has_preset_grades()) {
            return read_preset_grades(*count);
        }
        if (*count <= 1) {
            forms_.select_no_grading();
            return true;
        }
        if (*count > max_grade_categories) {
            skip_lines(*count);
            outcome_.show("Number of Categories must be a whole number between 2-13");
            forms_.select_no_grading();
            return true;
        }
        return read_user_grades(*count);
    }

    // Passes over lines that cannot be used, so the next section is found in
    // its place; never beyond the end of the file.
    void skip_lines(int count) {
        const std::size_t left = lines_.size() - next_;
        next_ += std::min(left, static_cast<std::size_t>(count));
    }

    bool read_user_grades(int count) {
        take_messages(forms_.select_user_grades(count));
        for (int k = 1; k <= count; ++k) {
            auto line = required_line("grade category " + std::to_string(k));
            if (!line) {
                return false;
            }
            forms_.set_grade_label(k, cut(*line, grade_label_width));
            if (k == count) {
                break;
            }
            const std::string minimum = value_of(*line);
            if (!real_of(minimum)) {
                return false;
            }
            forms_.set_grade_minimum(k, with_user_separator(minimum, state_.decimal_separator));
        }
        take_messages(forms_.confirm_grades());
        return true;
    }

    // Versions 3 and 4: the count chooses a preset scale, and each grade line
    // holds one whole minimum, for boxes 1 .. N-1 in line order. Any other
    // count chooses nothing and has no grade lines.
    bool read_preset_grades(int count) {
        if (is_grade_preset(count)) {
            forms_.select_grade_preset(count);
        }
        for (int box : preset_grade_boxes(is_grade_preset(count) ? count : 0)) {
            auto minimum = required_integer("grade minimum for box " + std::to_string(box));
            if (!minimum) {
                return false;
            }
            forms_.set_grade_minimum(box, std::to_string(*minimum));
            state_.settings.grade_min_percent[at(box)] = *minimum;
        }
        take_messages(forms_.confirm_grades());
        return true;
    }

    // A file ends without error where a section after the grades would start.
    bool read_alternatives() {
        clear_alternatives();
        if (!has_alternatives_and_levels() || at_end()) {
            return true;
        }
        auto count = integer_of(value_of(take_line()));
        if (!count) {
            return false;
        }
        const int pairs = std::max(*count, 0);
        state_.data.num_alt_items = pairs;
        for (int k = 0; k < pairs; ++k) {
            if (!read_alternative_pair()) {
                return false;
            }
        }
        state_.data.show_alt_dialog = false;
        if (pairs > 0) {
            take_messages(prepare_alt_answer_table(state_));
        }
        state_.data.show_alt_dialog = true;
        take_messages(alt_answers_ok(state_));
        return true;
    }

    // The file holds the whole table: what a previous data set confirmed does
    // not belong to this one.
    void clear_alternatives() {
        state_.alt_table.rows.clear();
        state_.data.num_alt_items = 0;
        for (std::size_t j = 1; j <= max_items; ++j) {
            state_.data.alt_answer_cells[j].fill(std::string());
            state_.data.confirmed_alternatives[j].fill(0);
        }
    }

    bool read_alternative_pair() {
        auto item = required_integer("Item #");
        if (!item) {
            return false;
        }
        if (*item < 1 || *item > max_items) {
            outcome_.refuse("The item number of alternative answers must be between 1 and " +
                            std::to_string(max_items) + ", not " + std::to_string(*item) + where());
            return false;
        }
        auto line = required_line("Alternatives");
        if (!line) {
            return false;
        }
        AltAnswerRow row;
        row.cells[0] = std::to_string(*item);
        for (int s = 1; s <= alternative_entries; ++s) {
            auto cell = alternative_cell(*line, s);
            if (!cell) {
                return false;
            }
            row.cells[at(s + 1)] = *cell;
            state_.data.alt_answer_cells[at(*item)][at(s - 1)] = *cell;
        }
        state_.alt_table.rows.push_back(std::move(row));
        return true;
    }

    // Entry s stands alone in column 15 + 2s; "*" and a short line leave the
    // cell empty, anything else must be a digit.
    std::optional<std::string> alternative_cell(const std::string& line, int s) {
        const std::size_t index = key_width + 2 * at(s - 1);
        if (index >= line.size() || line[index] == '*') {
            return std::string();
        }
        const std::string entry(1, line[index]);
        if (!integer_of(entry)) {
            return std::nullopt;
        }
        return entry;
    }

    bool read_table_of_specs() {
        TTestData& data = state_.data;
        areas_ = 0;
        levels_ = 0;
        data.num_content_areas = 0;
        data.num_cognitive_levels = 0;
        for (std::size_t k = 1; k <= max_tos_categories; ++k) {
            data.content_area_names[k].clear();
            data.cognitive_level_names[k].clear();
        }
        for (std::size_t j = 1; j <= max_items; ++j) {
            data.item_tos[j] = ItemTos{};
        }
        const bool complete = read_areas_levels_and_items();
        if (complete && !has_alternatives_and_levels()) {
            set_standard_levels();
        }
        return complete;
    }

    bool read_areas_levels_and_items() {
        TTestData& data = state_.data;
        if (at_end()) {
            return true;
        }
        auto areas = category_count("#Content Areas", "content areas");
        if (!areas) {
            return false;
        }
        areas_ = *areas;
        data.num_content_areas = areas_;
        if (!read_category_names(areas_, data.content_area_names, "content area")) {
            return false;
        }
        // Version 3 follows its areas with one line per item, whatever their number.
        if (!has_alternatives_and_levels()) {
            return read_item_lines();
        }
        if (at_end()) {
            return true;
        }
        auto levels = category_count("#Cognitives", "cognitive levels");
        if (!levels) {
            return false;
        }
        levels_ = *levels;
        data.num_cognitive_levels = levels_;
        if (!read_category_names(levels_, data.cognitive_level_names, "cognitive level")) {
            return false;
        }
        return areas_ == 0 && levels_ == 0 ? true : read_item_lines();
    }

    // Version 3 classified every item as knowledge or beyond it.
    void set_standard_levels() {
        TTestData& data = state_.data;
        levels_ = static_cast<int>(std::size(standard_level_names));
        data.num_cognitive_levels = levels_;
        for (int k = 1; k <= levels_; ++k) {
            data.cognitive_level_names[at(k)] = standard_level_names[k - 1];
        }
    }

    bool read_category_names(int count, OneBased<std::string, max_tos_categories>& names,
                             std::string_view what) {
        for (int k = 1; k <= count; ++k) {
            auto name = required_value(std::string(what) + " " + std::to_string(k));
            if (!name) {
                return false;
            }
            names[at(k)] = cut(*name, tos_name_length);
        }
        return true;
    }

    // One line per item in item order; the number at its start is not read.
    bool read_item_lines() {
        const int items = clamped(state_.data.num_items, 0, max_items);
        for (int j = 1; j <= items; ++j) {
            auto line = required_line("table of specifications of item " + std::to_string(j));
            if (!line) {
                return false;
            }
            ItemTos& tos = state_.data.item_tos[at(j)];
            tos.content_area = digit_after_comma(*line, 1);
            tos.cognitive_level = digit_after_comma(*line, 2);
        }
        return true;
    }

    // The dialog shows the file's table the next time it opens.
    void select_table_of_specs() { take_messages(forms_.confirm_table_of_specs(areas_, levels_)); }

    AnalysisState& state_;
    InputFileForms& forms_;
    std::vector<std::string_view> lines_;  // views into the text being read
    InputLayout layout_;
    std::size_t next_ = 0;  // index of the next line to read
    int areas_ = 0;
    int levels_ = 0;
    Outcome outcome_;
};

// Reads a file's bytes as single-byte text, then as an input file. Bytes
// given up are used as they are when they are plain ASCII, as most files are.
Outcome read_input_bytes(AnalysisState& state, std::string bytes, InputLayout layout,
                         InputFileForms& forms) {
    Outcome refused;
    const std::optional<std::string> text = single_byte_text(std::move(bytes), refused);
    if (!text) {
        return refused;
    }
    state.data.forget_import_companions();  // another data set, whose labels are its own
    return InputReader(state, *text, layout, forms).run();
}

}  // namespace

Outcome read_input_text(AnalysisState& state, std::string_view contents, InputLayout layout,
                        InputFileForms& forms) {
    return read_input_bytes(state, std::string(contents), layout, forms);
}

Outcome read_input_file(AnalysisState& state, const std::string& path, InputLayout layout,
                        InputFileForms& forms) {
    std::string contents = read_file(path, input_file_max_bytes);
    state.data.opened_from_file = true;
    state.data.input_file_path = path;
    return read_input_bytes(state, std::move(contents), layout, forms);
}

}  // namespace kor
