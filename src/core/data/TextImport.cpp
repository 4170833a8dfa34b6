#include "core/data/TextImport.h"

#include <algorithm>
#include <cstddef>
#include <optional>

#include "core/AnalysisState.h"
#include "core/Encoding.h"
#include "core/FileIO.h"
#include "core/TextUtil.h"

namespace kor {

namespace {

constexpr const char* key_line_label = "Answer Key          ";

// The lines of a file as the editor reads them: one at least, so that an
// empty file still gives the data window one (empty) line.
std::vector<std::string> lines_read(std::string_view contents) {
    std::vector<std::string> lines = split_lines(contents);
    if (lines.empty()) {
        lines.emplace_back();
    }
    return lines;
}

void remember_source(AnalysisState& state, const std::string& path) {
    state.data.input_file_path = path;
    state.data.forget_import_companions();  // other students, whose labels are their own
}

// Everything from the first digit on; a line without a digit gives nothing.
std::string key_from_first_digit(const std::string& line) {
    const std::size_t first = line.find_first_of("0123456789");
    return first == std::string::npos ? std::string() : line.substr(first);
}

// "Item01" .. "Item09", then "Item10" .. "Item100".
std::string item_column_name(int item) {
    return (item < 10 ? "Item0" : "Item") + std::to_string(item);
}

std::string comma_delimited_header(int num_items) {
    std::string header = "Examinee";
    for (int j = 1; j <= num_items; ++j) {
        header += "," + item_column_name(j);
    }
    return header;
}

// The analysis re-sorts the examinee records, so a label is found by its
// case number rather than by its place.
std::vector<std::string> labels_in_data_order(const AnalysisState& state) {
    const int count = std::clamp(state.data.num_examinees, 0, max_examinees_limit);
    std::vector<std::string> labels(at(count) + 1);
    for (int i = 1; i <= count; ++i) {
        const Case_Record& record = state.results.examinee_records[at(i)];
        if (record.IDnum >= 1 && record.IDnum <= count) {
            labels[at(record.IDnum)] = record.Name;
        }
    }
    return labels;
}

// ---------------------------------------------------------- old-system records

constexpr std::size_t testscore_line_width = 80;
constexpr std::size_t mark_column = 79;         // 0-based index of column 80
constexpr std::size_t continuation_start = 10;  // column 11
constexpr std::size_t record_columns = 79;      // columns 1..79 of a line
constexpr int testscore_max_items = 100;

std::string columns(const std::string& line, std::size_t from, std::size_t to_excl) {
    if (from >= line.size()) {
        return std::string();
    }
    return line.substr(from, std::min(line.size(), to_excl) - from);
}

bool has_mark(const std::string& line, char mark) {
    return line.size() > mark_column && line[mark_column] == mark;
}

// Line 1 columns 1-79 and line 2 columns 11-79 when both carry their "1" and
// "2" marks in column 80; otherwise line 2 alone. "*" marks a missing response.
std::string record_text(const std::string& first, const std::string& second) {
    std::string text = columns(second, continuation_start, record_columns);
    if (has_mark(first, '1') && has_mark(second, '2')) {
        text = columns(first, 0, record_columns) + text;
    }
    std::replace(text.begin(), text.end(), '*', '9');
    return text;
}

// A blank among the responses is a missing response too.
std::string with_blanks_missing(std::string record) {
    const auto label_end =
        static_cast<std::ptrdiff_t>(std::min(record.size(), at(testscore_label_length)));
    std::replace(record.begin() + label_end, record.end(), ' ', '9');
    return record;
}

std::optional<int> testscore_item_count(const std::string& text, Outcome& outcome) {
    const std::optional<int> items = parse_int(text);
    if (!items) {
        outcome.refuse("Number of Items must be an integer", editor_field::items);
        return std::nullopt;
    }
    if (*items < 1 || *items > testscore_max_items) {
        outcome.refuse(
            "Number of Items must be between 1 and " + std::to_string(testscore_max_items),
            editor_field::items);
        return std::nullopt;
    }
    return items;
}

// The pasted lines, each cut to the 80 columns of the old system.
std::vector<std::string> pasted_lines(const std::vector<std::string>& memo) {
    std::vector<std::string> lines;
    lines.reserve(memo.size());
    for (const std::string& line : memo) {
        lines.push_back(cut(line, testscore_line_width));
    }
    return lines;
}

// ---------------------------------------------------------- help texts

std::string line_of_dashes() {
    return std::string(81, '-');
}

}  // namespace

Outcome insert_text(AnalysisState& state, const std::string& path, std::string_view contents) {
    Outcome outcome;
    const std::optional<std::string> text = single_byte_text(contents, outcome);
    if (!text) {
        return outcome;
    }
    remember_source(state, path);
    state.editor.data_lines = lines_read(*text);
    state.editor.cases = std::to_string(state.editor.data_lines.size());
    return outcome;
}

Outcome insert_data_and_key_text(AnalysisState& state, const std::string& path,
                                 std::string_view contents) {
    Outcome outcome;
    const std::optional<std::string> text = single_byte_text(contents, outcome);
    if (!text) {
        return outcome;
    }
    remember_source(state, path);
    std::vector<std::string> lines = split_lines(*text);
    state.editor.answer_key = lines.empty() ? std::string() : key_from_first_digit(lines[0]);
    if (!lines.empty()) {
        lines.erase(lines.begin());
    }
    if (lines.empty()) {
        lines.emplace_back();
    }
    state.editor.data_lines = std::move(lines);
    return outcome;
}

Outcome insert_text_file(AnalysisState& state, const std::string& path) {
    return insert_text(state, path, read_file(path, text_file_max_bytes));
}

Outcome insert_data_and_key_file(AnalysisState& state, const std::string& path) {
    return insert_data_and_key_text(state, path, read_file(path, text_file_max_bytes));
}

void save_data_only(const AnalysisState& state, const std::string& path) {
    write_lines_atomic(path, state.editor.data_lines);
}

std::string raw_data_file_name(const std::string& map_name) {
    return map_name.empty() || map_name == unsaved_name ? "data_raw" : map_name + "_raw_data";
}

std::vector<std::string> raw_data_lines(const AnalysisState& state) {
    const TTestData& data = state.data;
    const int items = std::clamp(data.num_items, 0, max_items);
    std::vector<std::string> lines{comma_delimited_header(items)};
    std::string key_line = key_line_label;
    for (int j = 1; j <= items; ++j) {
        key_line += "," + std::to_string(data.item_key[at(j)]);
    }
    lines.push_back(key_line);
    const std::vector<std::string> labels = labels_in_data_order(state);
    for (std::size_t i = 1; i < labels.size(); ++i) {
        std::string line = labels[i];
        for (int j = 1; j <= items; ++j) {
            line += "," + std::to_string(data.responses(static_cast<int>(i), j));
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

void save_raw_data(const AnalysisState& state, const std::string& path) {
    write_lines_atomic(path, raw_data_lines(state));
}

Outcome import_testscore_data(AnalysisState& state) {
    Outcome outcome;
    EditorTexts& editor = state.editor;
    const std::optional<int> items = testscore_item_count(editor.items, outcome);
    if (!items) {
        return outcome;
    }
    const std::size_t record_length = at(*items + testscore_label_length);
    const std::vector<std::string> lines = pasted_lines(editor.data_lines);
    editor.data_lines.clear();
    // A last line without its partner pairs with an empty line.
    for (std::size_t first = 0; first < lines.size(); first += 2) {
        const std::string second = first + 1 < lines.size() ? lines[first + 1] : std::string();
        const std::string record = cut(record_text(lines[first], second), record_length);
        if (first == 0) {
            editor.answer_key = columns(record, at(testscore_label_length), record.size());
        } else {
            editor.data_lines.push_back(with_blanks_missing(record));
        }
    }
    editor.label_length = std::to_string(testscore_label_length);
    editor.items = std::to_string(editor.answer_key.size());
    editor.cases = std::to_string(editor.data_lines.size());
    editor.options = std::string(at(*items), '5');
    editor.include = std::string(at(*items), 'Y');
    return outcome;
}

std::string testscore_howto_message() {
    const std::string paragraph_break = "\r\n\r\n";
    const std::string paragraphs[] = {
        "PLEASE NOTE THAT THIS HAS NOT BEEN UPDATED FOR THE NEW TESTSCORE SYSTEM\r\n" +
            line_of_dashes(),
        "Steps to follow for importing VZ TESTSCORE data:\r\n" + line_of_dashes(),
        "First, enter the NUMBER OF ITEMS and the NUMBER OF EXAMINEES into the appropriate "
        "boxes on the Data Editor screen.  ",
        "Second, leave the ID LABEL LENGTH blank (43, which is typical for TESTSCORE data will "
        "be entered automatically).  ",
        "Third, copy the text data from your Email program, starting with the ANSWER KEY line "
        "(after you have copied the TESTCORE data, the ANSWER KEY line(s) should be the first "
        "in the DATA window).  ",
        "Fourth, after you press CTRL-F9 or choose the IMPORT VZ TESTSCORE DATA Help Menu "
        "option, the ANSWER KEY will move to the KEY box.  "
        "The OPTIONS for every item will be set the 5 automatically (you can change them to the "
        "appropriate values now).  "
        "And the INCLUDE for every item will be set to Y automatically (you can change them now "
        "if necessary).  ",
        "Finally, if you have more than 62 items, you will get an error message that says you "
        "must have a label length less than 42.  "
        "Simply change the ID LABEL LENGTH to fit and then edit the EXAMINEE DATA so that the "
        "label length for each case matches the new ID LABEL LENGTH --- the scale should be at "
        "the top of the window "
        "(unfortunately, this is currently a limitation in the program).",
        "It is probably worth noting that the output is set up for an ideal LABEL LENGTH of "
        "about 15.\r\n\r\n",
    };
    std::string message;
    for (const std::string& paragraph : paragraphs) {
        if (!message.empty()) {
            message += paragraph_break;
        }
        message += paragraph;
    }
    return message;
}

const SpssHelpTexts& spss_help_texts() {
    static const SpssHelpTexts texts = {
        "TEXT File Insert (and SPSS file-save) Help",
        {
            "Any text file can be inserted into the KOR data editor window.  But "
            "for it to work with KOR, the text file must be formatted as follows:  "
            "(a) every case must be on a single row, (b) the EXAMINEE ID "
            "LABEL must be at the far left of each row,  (c) the ITEM "
            "data must be numeric and must be in single columns with NO "
            "SPACES between the item scores, (d) the first line must be the "
            "ANSWER KEY, formatted like the data (but with no numbers until "
            "the first correct answer).",
            "",
            "After you insert your data, any text in the ANSWER KEY must be "
            "deleted.  Also, you will need to fill in the appropriate data editor "
            "fields:",
            "    # EXAMINEES",
            "    # ITEMS",
            "    ID LABEL LENGTH",
            "    # OPTIONS for each item",
            "    INCLUDE each item",
        },
        "A data file with 12 exmainees, 12 items, and an "
        "ID label length of 8 (perhaps as created by the "
        "SPSS Syntax below) might look like this:",
        {"KEY     232134213421", "ID_0001 232123213521", "ID_0002 232134214421",
         "ID_0003 232135214421", "ID_0004 342144213322", "ID_0005 352144212322",
         "ID_0006 442133222321", "ID_0007 442123222321", "ID_0008 332223212321",
         "ID_0009 232223213421", "ID_0010 342144213322", "ID_0011 352344412322",
         "ID_0012 442133222331"},
        "Sample SPSS Syntax for saving a TEXT file that will work in KOR:",
        {
            "write formats EXAMINEE (a9) ITEM01 to ITEM12 (f1.0).",
            "write outfile = 'C:\\SPSS2KOR.TXT' table /EXAMINEE ITEM01 to ITEM12.",
            "execute.",
            "",
            "* Your SPSS data file must be in the Data Editor window prior to running",
            "  this syntax.",
            "* This syntax file assumes that the examinee name is the first column",
            "  variable.  It also assumes that all items are in consecutive columns",
            "  (here there are 12 items named Q01 to Q12).",
            "* You will change all capitalized variable names to match your data: ",
            "  you will change ID to your examinee variable name, you will change",
            "  Q01 and Q12 to the appropriate names given to your first and last",
            "  items, respectively.",
            "* You will need to change the format from (a9) to whatever is appropriate",
            "  for the length of your examinee name variable; for example, if your name",
            "  field has a length of 15, you would change the format to (a15).",
            "* You will NOT change the (f1.0) format assignment.",
            "* Finally, you will need to change the folder path and file name to an",
            "  appropriate folder and name for your computer and data.",
        },
        "Print this SPSS Syntax",
        "Save this SPSS Syntax",
        "SPSS Syntax",
    };
    return texts;
}

void save_spss_syntax(const std::string& path) {
    write_lines_atomic(path, spss_help_texts().syntax_lines);
}

}  // namespace kor
