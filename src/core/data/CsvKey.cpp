#include "core/data/CsvKey.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

#include "core/Encoding.h"
#include "core/FileIO.h"
#include "core/data/Codes.h"
#include "core/data/CsvCells.h"

namespace kor::csv {

namespace {

bool find_given_key_row(PlanState& s, std::vector<std::size_t>& key_rows) {
    const int wanted = *s.options.key_row;
    for (std::size_t r : s.filled) {
        if (s.row_at(r).number == wanted) {
            if (s.is_header(r)) {
                return s.refuse("--key-row " + std::to_string(wanted) + " is the header row");
            }
            key_rows = {r};
            return true;
        }
    }
    return s.refuse("--key-row " + std::to_string(wanted) + ": row " + std::to_string(wanted) +
                    " of the file holds nothing");
}

std::string not_a_key_answer(const std::string& text) {
    return std::string("the key must be one response character (") + response_characters +
           ") for every item, but this cell " +
           (text.empty() ? "is empty" : "holds " + quoted(text));
}

bool key_from_row(PlanState& s, std::size_t index) {
    const CsvRow& row = s.row_at(index);
    s.mapping.key_row = row.number;
    s.mapping.key_rows = {row.number};
    std::string key;
    for (std::size_t c : s.mapping.item_columns) {
        const std::string text = s.cell(index, c);
        if (!is_single_response(text)) {
            return s.refuse_row(row.number, s.at_cell(row, c) + not_a_key_answer(text));
        }
        key += text;
    }
    s.mapping.key = key;
    return true;
}

bool key_from_text(PlanState& s, const std::string& key) {
    const std::size_t separator = key.find_first_of(",; \t/|");
    if (separator != std::string::npos) {
        std::string letters;
        for (char c : key) {
            if (std::string_view(",; \t/|").find(c) == std::string_view::npos) {
                letters += c;
            }
        }
        return s.refuse("--key " + quoted(key) +
                        " holds separators; give one character per item with nothing between them, "
                        "for example --key " +
                        letters);
    }
    if (key.size() != s.item_count()) {
        return s.refuse("--key has " + std::to_string(key.size()) +
                        " characters, but the file has " + std::to_string(s.item_count()) +
                        " item columns (" + column_range(s.mapping.item_columns) + ")");
    }
    for (std::size_t k = 0; k < key.size(); ++k) {
        if (!is_response_character(key[k])) {
            return s.refuse("--key: character " + std::to_string(k + 1) + " (item " +
                            std::to_string(k + 1) + ") is " + quoted(std::string(1, key[k])) +
                            ", not a response character (" + response_characters + ")");
        }
    }
    s.mapping.key = key;
    return true;
}

// The row and column of each answer of a key file.
using KeyCells = std::vector<std::pair<const CsvRow*, std::size_t>>;

bool is_filled(const std::string& cell) {
    return !trimmed(cell).empty();
}

// Whether no row of the key file has more than one cell that holds something.
bool in_one_column(const std::vector<const CsvRow*>& rows) {
    return std::all_of(rows.begin(), rows.end(), [](const CsvRow* row) {
        return std::count_if(row->cells.begin(), row->cells.end(), is_filled) <= 1;
    });
}

// The cell of each row that holds something.
KeyCells first_filled_cells(const std::vector<const CsvRow*>& rows) {
    KeyCells cells;
    for (const CsvRow* row : rows) {
        const auto filled = std::find_if(row->cells.begin(), row->cells.end(), is_filled);
        cells.emplace_back(row, static_cast<std::size_t>(filled - row->cells.begin()));
    }
    return cells;
}

// The answers of a key file's row: the item columns where it is laid out as
// the data, else every cell but a label cell before them.
KeyCells answer_cells_of_row(const PlanState& s, const CsvRow& row) {
    std::vector<std::size_t> columns;
    if (row.cells.size() == s.plan.table.columns) {
        columns = s.mapping.item_columns;
    } else {
        const std::size_t skip = row.cells.size() == s.item_count() + 1 ? 1 : 0;
        for (std::size_t c = skip; c < row.cells.size(); ++c) {
            columns.push_back(c);
        }
    }
    KeyCells cells;
    for (std::size_t c : columns) {
        cells.emplace_back(&row, c);
    }
    return cells;
}

// A key is answers only: a character Latin-1 lacks refuses the key file.
bool convert_key_cells(PlanState& s, std::vector<CsvRow>& rows, const std::string& in_file) {
    for (CsvRow& row : rows) {
        for (std::size_t c = 0; c < row.cells.size(); ++c) {
            ConvertedPart part = single_byte_part(row.cells[c], BeyondLatin1::refuse);
            if (!part.refusal.empty()) {
                return s.refuse(in_file + "row " + std::to_string(row.number) + ", column " +
                                column_letters(c) + ": " + part.refusal);
            }
            row.cells[c] = std::move(part.text);
        }
    }
    return true;
}

bool key_from_word(PlanState& s, const CsvNamedFile& file, const CsvRow& row, std::size_t column) {
    const std::string word = trimmed(row.cells[column]);
    if (word.size() != s.item_count()) {
        return s.refuse("The key file " + file.name + " holds " + std::to_string(word.size()) +
                        " answers, but the data have " + std::to_string(s.item_count()) +
                        " item columns (" + column_range(s.mapping.item_columns) + ")");
    }
    for (std::size_t k = 0; k < word.size(); ++k) {
        if (!is_response_character(word[k])) {
            return s.refuse("Key file " + file.name + ", row " + std::to_string(row.number) +
                            ", column " + column_letters(column) + ": answer " +
                            std::to_string(k + 1) + " is " + quoted(std::string(1, word[k])) +
                            ", not a response character (" + response_characters + ")");
        }
    }
    s.mapping.key = word;
    return true;
}

// The key read from the answer cells of the key file.
bool key_from_cells(PlanState& s, const CsvNamedFile& file, const KeyCells& cells) {
    const std::string in_file = "Key file " + file.name + ", ";
    if (cells.size() != s.item_count()) {
        return s.refuse("The key file " + file.name + " holds " + std::to_string(cells.size()) +
                        " answers, but the data have " + std::to_string(s.item_count()) +
                        " item columns (" + column_range(s.mapping.item_columns) + ")");
    }
    std::string key;
    for (const auto& [row, column] : cells) {
        const std::string text = trimmed(row->cells[column]);
        if (!is_single_response(text)) {
            return s.refuse(in_file + "row " + std::to_string(row->number) + ", column " +
                            column_letters(column) + ": " + not_a_key_answer(text));
        }
        key += text;
    }
    s.mapping.key = key;
    return true;
}

// One row of answers (with a header row above it, or a label cell
// before it, or laid out as the data with its id columns) or one column
// (with a header cell on top); or the answers as one word.
bool key_from_file(PlanState& s, const CsvNamedFile& file) {
    const FileBytes bytes = file_bytes(file.text);
    CsvParse parse = parse_csv(bytes.text, detect_delimiter(bytes.text).value_or(','));
    const std::string in_file = "Key file " + file.name + ", ";
    if (parse.error) {
        return s.refuse(in_file + lower_first(*parse.error));
    }
    if (bytes.utf8 && !convert_key_cells(s, parse.rows, in_file)) {
        return false;
    }
    std::vector<const CsvRow*> rows;
    for (const CsvRow& row : parse.rows) {
        if (!is_empty_row(row)) {
            rows.push_back(&row);
        }
    }
    if (rows.empty()) {
        return s.refuse("The key file " + file.name + " is empty");
    }
    KeyCells cells;
    if (in_one_column(rows)) {
        cells = first_filled_cells(rows);
        if (cells.size() == 1 && trimmed(cells[0].first->cells[cells[0].second]).size() > 1) {
            return key_from_word(s, file, *cells[0].first, cells[0].second);
        }
        if (cells.size() == s.item_count() + 1) {
            cells.erase(cells.begin());  // the header cell
        }
    } else {
        if (rows.size() > 2) {
            return s.refuse(
                "The key file " + file.name + " has " + std::to_string(rows.size()) +
                " rows; it may hold one row (or one column) of answers, with or without a "
                "header row");
        }
        cells = answer_cells_of_row(s, *rows.back());
    }
    return key_from_cells(s, file, cells);
}

// True-false items (only T and F) have 2 options; any other item the
// highest option its key or its answers name, at least 2.
int detected_options(const PlanState& s, std::size_t item) {
    std::string answers(1, s.mapping.key[item]);
    for (std::size_t k = 0; k < s.student_indexes.size(); ++k) {
        const std::string text = s.answer(k, item);
        if (is_single_response(text)) {
            answers += text;
        }
    }
    return options_named_by(answers);
}

}  // namespace

bool check_key_choices(PlanState& s) {
    const int sources = (s.options.key_row ? 1 : 0) + (s.options.key_file ? 1 : 0) +
                        (s.options.key.empty() ? 0 : 1);
    if (sources > 1) {
        return s.refuse("Give the key one way only: --key-row N, --key-file FILE or --key ANSWERS");
    }
    if (s.options.key_row && s.options.no_key_row) {
        return s.refuse("--key-row none and --key-row " + std::to_string(*s.options.key_row) +
                        " contradict each other");
    }
    return true;
}

std::vector<std::size_t> rows_reading_key(const PlanState& s) {
    // The key row is found by any column outside the items, so that
    // choosing other id columns does not hide it.
    std::vector<std::size_t> outside = s.mapping.id_columns;
    outside.insert(outside.end(), s.mapping.ignored_columns.begin(),
                   s.mapping.ignored_columns.end());
    std::vector<std::size_t> key_rows;
    for (std::size_t r : s.filled) {
        if (!s.is_header(r) && std::any_of(outside.begin(), outside.end(), [&](std::size_t c) {
                return reads_key(s.cell(r, c));
            })) {
            key_rows.push_back(r);
        }
    }
    return key_rows;
}

bool choose_key_row(PlanState& s) {
    std::vector<std::size_t> key_rows;
    if (!s.options.no_key_row && !s.options.key_row) {
        key_rows = rows_reading_key(s);
    }
    if (s.options.key_row && !find_given_key_row(s, key_rows)) {
        return false;
    }
    if (key_rows.size() > 1 && !s.versions) {
        std::vector<int> numbers;
        for (std::size_t r : key_rows) {
            numbers.push_back(s.row_at(r).number);
        }
        return s.refuse(row_list(numbers) +
                        " read \"key\" or \"answer key\"; name the one that holds the key "
                        "with --key-row N");
    }
    if (!key_rows.empty()) {
        s.key_row_indexes = key_rows;
        s.key_row_index = key_rows.front();
        if (!s.options.key.empty() || s.options.key_file) {
            const std::string row = std::to_string(s.row_at(*s.key_row_index).number);
            const std::string flag = s.options.key.empty() ? "--key-file" : "--key";
            return s.refuse_row(s.row_at(*s.key_row_index).number,
                                "Row " + row + " reads \"key\", but the key is given by " + flag +
                                    ": add --key-row none to read row " + row +
                                    " as a student, or leave out " + flag +
                                    " to use it as the key");
        }
    }
    return true;
}

bool choose_key(PlanState& s) {
    if (s.versions && !s.mapping.key.empty()) {
        return true;  // the versions' keys, checked against each other
    }
    if (!s.options.key.empty()) {
        s.mapping.key_source = CsvKeySource::text;
        return key_from_text(s, s.options.key);
    }
    if (s.options.key_file) {
        s.mapping.key_source = CsvKeySource::file;
        s.mapping.key_file_name = s.options.key_file->name;
        return key_from_file(s, *s.options.key_file);
    }
    if (s.key_row_index) {
        s.mapping.key_source = CsvKeySource::row;
        return key_from_row(s, *s.key_row_index);
    }
    return s.refuse(
        "No answer key found in " + s.mapping.file_name +
        ": no row reads \"key\" or \"answer key\" in an id column. Give the key in one of "
        "three ways: a row of the file (--key-row N names it), a key file with one row or "
        "one column of answers (--key-file FILE), or the answers typed one character per "
        "item (--key ABCD...)");
}

int options_named_by(const std::string& answers) {
    const bool true_false = answers.find_first_not_of("TtFf") == std::string::npos;
    if (true_false) {
        return 2;
    }
    int highest = 2;
    for (char c : answers) {
        const std::uint8_t code = response_code(c, highest_option);
        if (code >= 1 && code <= highest_option) {
            highest = std::max(highest, static_cast<int>(code));
        }
    }
    return highest;
}

// ------------------------------------------------------- options

bool choose_options(PlanState& s) {
    const std::string& given = s.options.options;
    const std::size_t n = s.item_count();
    if (!given.empty()) {
        s.mapping.options_given = true;
        const bool digits =
            std::all_of(given.begin(), given.end(), [](char c) { return c >= '1' && c <= '8'; });
        if (!digits || (given.size() != 1 && given.size() != n)) {
            return s.refuse(
                "--options takes one digit from 1 to 8 for every item, or one digit per item "
                "(" +
                std::to_string(n) + " here), not " + quoted(given));
        }
        s.mapping.options = given.size() == 1 ? std::string(n, given[0]) : given;
    } else {
        for (std::size_t k = 0; k < n; ++k) {
            s.mapping.options += static_cast<char>('0' + detected_options(s, k));
        }
    }
    // A key that answers no option of its item would make the item
    // count every answer as correct, or none.
    for (std::size_t k = 0; k < n; ++k) {
        if (!answers_option(s.mapping.key[k], s.mapping.options[k] - '0')) {
            return s.refuse("The key of item " + std::to_string(k + 1) + " (column " +
                            s.column_label(s.mapping.item_columns[k]) + ") is " +
                            quoted(std::string(1, s.mapping.key[k])) +
                            ", which is no answer to an item with " + s.mapping.options[k] +
                            " options");
        }
    }
    return true;
}

}  // namespace kor::csv
