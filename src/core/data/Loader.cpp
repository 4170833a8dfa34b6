#include "core/data/Loader.h"

#include <algorithm>
#include <array>
#include <string>

#include "core/AnalysisState.h"
#include "core/FileIO.h"
#include "core/TextUtil.h"
#include "core/data/Codes.h"

namespace kor {

namespace {

using std::to_string;
namespace control = editor_field;

std::size_t column(int j) {
    return static_cast<std::size_t>(j - 1);
}

// Examinee and item counts as read in the first checks; nothing later reads
// beyond them.
struct Counts {
    int examinees = 0;
    int items = 0;
};

bool read_counts(AnalysisState& state, Outcome& outcome) {
    TTestData& data = state.data;
    const EditorTexts& editor = state.editor;

    auto examinees = parse_int(editor.cases);
    if (!examinees) {
        outcome.refuse("Number of Examinees must be an integer", control::cases);
        return false;
    }
    data.num_examinees = *examinees;
    if (data.num_examinees < 1 || data.num_examinees > data.max_examinees) {
        outcome.refuse("Number of Examinees must be between 1 and " + to_string(data.max_examinees),
                       control::cases);
        return false;
    }

    auto items = parse_int(editor.items);
    if (!items) {
        outcome.refuse("Number of Items must be an integer", control::items);
        return false;
    }
    data.num_items = *items;
    if (data.num_items < 1 || data.num_items > max_items) {
        outcome.refuse("Number of Items must be between 1 and " + to_string(max_items),
                       control::items);
        return false;
    }

    auto label = parse_int(editor.label_length);
    if (!label) {
        outcome.refuse("Length of Examinee ID Label must be an integer", control::label_length);
        return false;
    }
    data.label_length = *label;
    // A negative length stops here: the sum check below would only repeat
    // the complaint with a misleading maximum.
    if (data.label_length < 0) {
        outcome.refuse("Length of Examinee ID Label must be positive value", control::label_length);
        return false;
    }
    // Compared without adding: a typed length near the largest int must not overflow.
    if (data.label_length > max_label_plus_items - data.num_items) {
        outcome.refuse(
            "Length of Examinee ID Label plus data must be less than 105 -- maximum label length "
            "here must be < " +
                to_string(max_label_plus_items - data.num_items),
            control::label_length);
        return false;
    }
    return true;
}

// An empty include line means every item is included, an empty options line
// five options everywhere; the filled line is shown in the editor.
void fill_empty_include_line(AnalysisState& state) {
    if (state.data.include_text.empty()) {
        state.data.include_text.assign(static_cast<std::size_t>(state.data.num_items), 'Y');
        state.editor.include = state.data.include_text;
    }
}

void fill_empty_options_line(AnalysisState& state) {
    if (state.data.options_text.empty()) {
        state.data.options_text.assign(static_cast<std::size_t>(state.data.num_items), '5');
        state.editor.options = state.data.options_text;
    }
}

void clear_examinees(AnalysisState& state) {
    for (int i = 1; i <= state.data.num_examinees; ++i) {
        state.results.examinee_records[static_cast<std::size_t>(i)].Name.clear();
        for (int j = 1; j <= state.data.num_items; ++j) {
            state.data.responses(i, j) = 0;
        }
    }
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// One digit of points becomes two: "7" -> "07" at the end of the text.
std::string with_zero_before_last(const std::string& text) {
    return text.substr(0, text.size() - 1) + '0' + text.back();
}

// Two characters read as points; a character that is not a digit counts as 0.
int two_digit_points(char tens, char units) {
    return (is_digit(tens) ? tens - '0' : 0) * 10 + (is_digit(units) ? units - '0' : 0);
}

// With partial credit the options line ends in two digits of total points:
// one digit gets a leading "0", none gets "00".
void normalize_partial_credit_options(AnalysisState& state, Outcome& outcome) {
    TTestData& data = state.data;
    if (!data.partial_credit_on) {
        data.pc_total_points = 0;
        return;
    }
    const auto n = static_cast<std::size_t>(data.num_items);
    std::string& options = data.options_text;
    if (options.size() > n + 2) {
        outcome.show(
            "You may have some extra blank spaces after your OPTIONS information.  Check and "
            "remove blanks, if "
            "necessary.");
    } else if (options.size() == n + 1) {
        options = with_zero_before_last(options);
    } else if (options.size() < n + 2) {
        options += "00";
    }
    state.editor.options = options;
    data.pc_total_points = two_digit_points(options[n], options[n + 1]);
}

bool check_line_count(AnalysisState& state, Outcome& outcome) {
    const auto lines = state.editor.data_lines.size();
    const auto wanted = static_cast<std::size_t>(state.data.num_examinees);
    if (lines > wanted) {
        outcome.refuse(
            "Number of Data Lines greater than Number of Examinees -- you might also check for "
            "blank lines at the "
            "end of the data.",
            control::cases);
        return false;
    }
    if (lines < wanted) {
        outcome.refuse("Number of Data Lines less than Number of Examinees", control::cases);
        return false;
    }
    return true;
}

// The examinee's partial-credit points from the two characters after the
// responses, read from a copy of the line (the data window keeps it as typed).
bool read_partial_credit_points(AnalysisState& state, int i, const std::string& line,
                                Outcome& outcome) {
    TTestData& data = state.data;
    if (!data.partial_credit_on) {
        data.pc_points[static_cast<std::size_t>(i)] = 0;
        return true;
    }
    const auto m = static_cast<std::size_t>(data.label_length + data.num_items);
    if (line.size() > m + 2) {
        outcome.refuse(
            "You may have some extra blank spaces after your Partial Credit data (see case # " +
                state.results.examinee_records[static_cast<std::size_t>(i)].Name +
                ").  Check and remove blanks, if necessary.",
            control::data);
        return false;
    }
    std::string copy = line;
    if (copy.size() == m + 1) {
        copy = with_zero_before_last(copy);
    } else if (copy.size() == m) {
        copy += "00";
    }
    data.pc_points[static_cast<std::size_t>(i)] = two_digit_points(copy[m], copy[m + 1]);
    return true;
}

// A tab shows as several columns but counts as one, so responses that look
// lined up after it are read under other items. The line is read as it
// stands; the user is told where to look.
void warn_about_tab(const std::string& line, int i, Outcome& outcome) {
    if (line.find('\t') != std::string::npos) {
        outcome.show(
            "Data line " + to_string(i) +
            " holds a tab character: a tab counts as one column, not as a separator, so check that "
            "the responses after it stand under their items");
    }
}

bool read_data_lines(AnalysisState& state, Outcome& outcome) {
    TTestData& data = state.data;
    auto& records = state.results.examinee_records;
    const auto label_length = static_cast<std::size_t>(data.label_length);
    // Each item's code table, looked up once rather than once per response.
    std::array<const CodeTable*, max_items + 1> codes{};
    for (int j = 1; j <= data.num_items; ++j) {
        codes[static_cast<std::size_t>(j)] =
            &response_codes(data.item_options[static_cast<std::size_t>(j)]);
    }
    for (int i = 1; i <= data.num_examinees; ++i) {
        const std::string& line = state.editor.data_lines[static_cast<std::size_t>(i - 1)];
        if (line.size() < 2) {
            const std::string previous_label =
                i > 1 ? records[static_cast<std::size_t>(i - 1)].Name : "";
            outcome.refuse(
                "You may have a blank line in your data, therefore KOR cannot run --- Check the "
                "case following "
                "case #" +
                    to_string(i - 1) + ", " + previous_label,
                control::data);
            return false;
        }
        std::string& label = records[static_cast<std::size_t>(i)].Name;
        label = cut(line, label_length);
        warn_about_tab(line, i, outcome);
        if (line.size() < label_length + static_cast<std::size_t>(data.num_items)) {
            outcome.refuse(
                "You may have a case that is missing data --- even for missing data you must enter "
                "something, "
                "perhaps a period (.) --- Check case #" +
                    to_string(i) + ", " + label,
                control::data);
            return false;
        }
        const char* responses = line.data() + label_length;
        for (int j = 1; j <= data.num_items; ++j) {
            const auto c = static_cast<unsigned char>(responses[column(j)]);
            data.responses(i, j) = (*codes[static_cast<std::size_t>(j)])[c];
        }
        if (!read_partial_credit_points(state, i, line, outcome)) {
            return false;
        }
    }
    return true;
}

void number_records(AnalysisState& state) {
    for (int i = 1; i <= state.data.num_examinees; ++i) {
        state.results.examinee_records[static_cast<std::size_t>(i)].IDnum = i;
    }
    for (int j = 1; j <= state.data.num_items; ++j) {
        state.results.item_records[static_cast<std::size_t>(j)].ItemNum = j;
    }
}

bool check_right_wrong_options(AnalysisState& state, Outcome& outcome) {
    const TTestData& data = state.data;
    if (!data.data_are_right_wrong) {
        return true;
    }
    for (int j = 1; j <= data.num_items; ++j) {
        if (data.item_options[static_cast<std::size_t>(j)] > 2) {
            outcome.refuse(
                "For Right-Wrong data, the number of options must be less than or equal to 2 (see "
                "Item #" +
                    to_string(j) + ", and maybe others)",
                control::options);
            return false;
        }
    }
    return true;
}

void capture_original_lines(AnalysisState& state) {
    TTestData& data = state.data;
    if (data.original_lines_saved) {
        return;
    }
    data.original_lines_saved = true;
    // What a conversion kept belongs to the lines of an earlier data set.
    data.right_wrong_kept.held = false;
    if (data.keeps_original_lines) {
        data.original_lines.assign(state.editor.data_lines);
    }
}

}  // namespace

void code_include_line(AnalysisState& state) {
    TTestData& data = state.data;
    data.num_included_items = 0;
    for (int j = 1; j <= data.num_items; ++j) {
        const char c = column(j) < data.include_text.size() ? data.include_text[column(j)] : ' ';
        const std::uint8_t code = include_code(c);
        data.item_include[static_cast<std::size_t>(j)] = code;
        if (code != include_excluded) {
            ++data.num_included_items;
        }
    }
}

Outcome code_options_line(AnalysisState& state) {
    TTestData& data = state.data;
    Outcome outcome;
    auto refuse_at = [&](int j) {
        outcome.refuse(
            "Check Item #" + to_string(j) +
                ". All # OPTIONS values should be single digit integers between 1 and " +
                to_string(data.max_options) +
                " (you may want to change the Maximum Number of Options in the Options Menu)",
            control::options);
    };
    for (int j = 1; j <= data.num_items; ++j) {
        const bool present = column(j) < data.options_text.size();
        if (!present || !is_digit(data.options_text[column(j)])) {
            refuse_at(j);
            return outcome;
        }
        data.item_options[static_cast<std::size_t>(j)] =
            static_cast<std::uint8_t>(data.options_text[column(j)] - '0');
    }
    data.max_item_options = 0;
    for (int j = 1; j <= data.num_items; ++j) {
        const int options = data.item_options[static_cast<std::size_t>(j)];
        if (options < 1 || options > data.max_options) {
            refuse_at(j);
            return outcome;
        }
        data.max_item_options = std::max(data.max_item_options, options);
    }
    return outcome;
}

Outcome code_key_line(AnalysisState& state, bool show_both_messages) {
    TTestData& data = state.data;
    Outcome outcome;
    const auto items = static_cast<std::size_t>(data.num_items);
    if (data.key_text.size() < items) {
        outcome.refuse("The ANSWER KEY is shorter than the Number of Items -- check Item #" +
                           to_string(data.key_text.size() + 1),
                       control::answer_key);
        return outcome;
    }
    data.key_digits = data.key_text;
    for (int j = 1; j <= data.num_items; ++j) {
        const std::uint8_t code =
            response_code(data.key_text[column(j)], data.item_options[static_cast<std::size_t>(j)]);
        data.key_digits[column(j)] = code_digit(code);
        data.item_key[static_cast<std::size_t>(j)] = code;
    }
    const std::string range = to_string(data.max_options);
    for (int j = 1; j <= data.num_items; ++j) {
        const int key = data.item_key[static_cast<std::size_t>(j)];
        if (key > data.max_options && key != missing_code) {
            const std::string item = to_string(j);
            if (show_both_messages) {
                outcome.show(
                    "All ANSWER KEY values should be single digit integers between 1 and " + range +
                    " (or the letter equivalents: A-E or A-H).  You can change the Maximum # "
                    "Options to "
                    "either 5 (default) or 8 in the Options Menu. Check Item #" +
                    item + ". ");
            }
            outcome.refuse(
                "Check Item #" + item +
                    ". All ANSWER KEY values should be single digit integers between 1 and " +
                    range + " (you may want to change the Maximum # Options in the Options Menu)",
                control::answer_key);
            return outcome;
        }
    }
    return outcome;
}

namespace {

// An alternative counts only while the table still shows it as confirmed:
// cells read from a file that the table's OK then refused, or cells cleared
// since, give nothing.
bool alternative_stands(const TTestData& data, std::size_t item, std::size_t slot) {
    const std::uint8_t code = data.confirmed_alternatives[item][slot];
    return code != 0 && data.alt_answer_cells[item][slot] == std::string(1, code_digit(code));
}

}  // namespace

void set_correct_answers(TTestData& data) {
    const int items = std::clamp(data.num_items, 0, max_items);
    for (std::size_t j = 1; j <= static_cast<std::size_t>(items); ++j) {
        auto& slots = data.item_correct_answers[j];
        slots.fill(data.item_key[j]);
        if (data.item_include[j] != include_alternatives) {
            continue;
        }
        for (std::size_t slot = 1; slot < slots.size(); ++slot) {
            if (alternative_stands(data, j, slot)) {
                slots[slot] = data.confirmed_alternatives[j][slot];
            }
        }
    }
}

// Key characters that load but cannot mean what the user typed: a character
// outside the code table is read as 9 (every answer right), and an option
// beyond the item's own options can never be chosen. Both stay as coded,
// because files rely on 9 meaning "all correct", but each such item gets a
// warning naming the character typed; a "9" typed on purpose gets none.
std::vector<KeyWarning> key_warnings(const TTestData& data) {
    std::vector<KeyWarning> warnings;
    for (int j = 1; j <= data.num_items && column(j) < data.key_text.size(); ++j) {
        const std::string typed(1, data.key_text[column(j)]);
        const int key = data.item_key[static_cast<std::size_t>(j)];
        const int options = data.item_options[static_cast<std::size_t>(j)];
        const std::string item = "Item #" + to_string(j);
        if (key == missing_code && typed != "9") {
            warnings.push_back(
                {j, item + ": the ANSWER KEY character '" + typed +
                        "' is not an option, so every answer to this item counts as correct (use 9 "
                        "to mean this)"});
        } else if (key != missing_code && key > options) {
            warnings.push_back({j, item + ": the ANSWER KEY character '" + typed + "' is option " +
                                       to_string(key) + " but the item has only " +
                                       to_string(options) +
                                       " options, so nobody can answer it correctly"});
        }
    }
    return warnings;
}

Outcome load_test_data(AnalysisState& state) {
    TTestData& data = state.data;
    const EditorTexts& editor = state.editor;
    Outcome outcome;
    // From here the loaded layer changes: the results are no longer those
    // of the data it holds until the next analysis.
    state.results.analysed = false;

    data.test_title = cut(editor.title, title_length);
    data.test_comments = cut(editor.comments, title_length);
    data.missing_symbol_text = editor.missing_data;
    data.key_text = editor.answer_key;
    if (!data.original_lines_saved) {
        data.original_key_text = editor.answer_key;
    }
    data.options_text = editor.options;
    data.include_text = editor.include;

    if (!read_counts(state, outcome)) {
        return outcome;
    }
    fill_empty_include_line(state);
    code_include_line(state);
    fill_empty_options_line(state);
    outcome.append(code_options_line(state));
    if (outcome.refused) {
        return outcome;
    }
    outcome.append(code_key_line(state, true));
    if (outcome.refused) {
        return outcome;
    }
    for (const KeyWarning& warning : key_warnings(data)) {
        outcome.show(warning.message);
    }
    set_correct_answers(data);
    clear_examinees(state);
    normalize_partial_credit_options(state, outcome);
    if (!check_line_count(state, outcome) || !read_data_lines(state, outcome)) {
        return outcome;
    }
    number_records(state);
    if (!check_right_wrong_options(state, outcome)) {
        return outcome;
    }
    capture_original_lines(state);
    return outcome;
}

namespace {

const char* const forgotten_alternatives =
    "You may have changed the Include status of an item to A (for an alternative correct answer) "
    "but forgot to set "
    "that alternative.  Click on the Data Editor OPTIONS menu and then click on SET ALTERNATIVE "
    "CORRECT ANSWERS.";
const char* const forgotten_alternatives_more =
    "\r\n\r\nSome changes, such as changing to N or back to Y, do not require you to return to the "
    "SET ALTERNATIVE "
    "CORRECT ANSWERS screen --- just click CLOSE and ANALYZE again.";

// Stops on an "A" item whose alternatives may not have been set since the
// include line changed. (The load has just set every item's correct answers.)
bool alternatives_confirmed(AnalysisState& state, EditorExit how, Outcome& outcome) {
    TTestData& data = state.data;
    for (int j = 1; j <= data.num_items; ++j) {
        const auto include = data.item_include[static_cast<std::size_t>(j)];
        if (include == include_alternatives && data.include_changed && !data.alt_answers_set) {
            std::string message = forgotten_alternatives;
            if (how == EditorExit::close_and_analyze) {
                message += forgotten_alternatives_more;
            }
            outcome.refuse(message);
            data.include_changed = false;
            return false;
        }
    }
    return true;
}

void count_alternative_items(TTestData& data) {
    const auto columns =
        std::min(data.include_text.size(), static_cast<std::size_t>(data.num_items));
    data.num_alt_items = static_cast<int>(std::count_if(
        data.include_text.begin(), data.include_text.begin() + static_cast<std::ptrdiff_t>(columns),
        [](char c) { return c == 'A' || c == 'a'; }));
    int all_correct = 0;
    for (int j = 1; j <= data.num_items; ++j) {
        if (data.item_key[static_cast<std::size_t>(j)] == missing_code) {
            ++all_correct;
        }
    }
    data.num_alt_or_all_correct_items = data.num_alt_items + all_correct;
}

EditorLoad reopen_editor(AnalysisState& state, Outcome outcome) {
    state.data.editor_load_failed = true;
    state.data.editor_start_mode = start_nothing;
    EditorLoad load;
    load.outcome = std::move(outcome);
    load.show_editor_again = true;
    return load;
}

}  // namespace

EditorLoad load_editor_data(AnalysisState& state, EditorExit how) {
    TTestData& data = state.data;
    Outcome outcome = load_test_data(state);
    if (outcome.refused) {
        return reopen_editor(state, std::move(outcome));
    }
    if (!alternatives_confirmed(state, how, outcome)) {
        return reopen_editor(state, std::move(outcome));
    }
    if (data.opened_from_file) {
        data.data_set_name = file_name_of(data.input_file_path);
    }
    count_alternative_items(data);
    data.data_loaded = how == EditorExit::close_and_analyze;
    data.editor_load_failed = false;
    data.editor_start_mode = start_nothing;

    EditorLoad load;
    load.outcome = std::move(outcome);
    load.key_warnings = key_warnings(data);
    return load;
}

}  // namespace kor
