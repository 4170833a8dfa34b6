#include "core/data/CsvCells.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "core/Encoding.h"
#include "core/FileIO.h"
#include "core/data/Codes.h"

namespace kor::csv {

namespace {

bool is_mark_separator(char c) {
    return c == ',' || c == ';' || c == '/' || c == ' ' || c == '+' || c == '|';
}

// The cells of a UTF-8 file as single-byte text. A character Latin-1
// lacks becomes its base letter for now: whether the cell may keep it
// waits until its part (id, answer, key) is known. The refusal of the
// first cell that is not UTF-8, if any.
std::optional<std::string> convert_cells(PlanState& s) {
    std::optional<std::string> refusal;
    for (std::size_t r = 0; r < s.plan.table.rows.size(); ++r) {
        CsvRow& row = s.plan.table.rows[r];
        for (std::size_t c = 0; c < row.cells.size(); ++c) {
            ConvertedPart part = single_byte_part(row.cells[c], BeyondLatin1::base_letter);
            if (!part.refusal.empty() && !refusal) {
                s.plan.refused_row = row.number;
                refusal = "Row " + std::to_string(row.number) + ", column " + column_letters(c) +
                          ": " + part.refusal;
            }
            if (part.replaced != 0) {
                s.replaced_cells.push_back({r, c, part.replaced});
            }
            row.cells[c] = std::move(part.text);
        }
    }
    return refusal;
}

}  // namespace

bool is_missing_mark(const std::string& cell) {
    return cell.empty() || cell == "-" || cell == "*" || cell == ".";
}

bool is_response_character(char c) {
    return response_code(c, 8) != missing_code || response_code(c, 2) != missing_code;
}

bool is_single_response(const std::string& cell) {
    return cell.size() == 1 && is_response_character(cell[0]);
}

// What a scanner writes for two or more marks: "A,B", "A/C", "AB" (capitals
// or small letters, not a mixed-case name), "1,3". Digits without a
// separator ("12") are read as a number, not as marks.
bool looks_like_double_mark(const std::string& cell) {
    if (cell.size() < 2 || cell.size() > 2 * highest_option) {
        return false;
    }
    int letters_upper = 0;
    int letters_lower = 0;
    int digits = 0;
    int separators = 0;
    for (char c : cell) {
        if (is_mark_separator(c)) {
            ++separators;
        } else if (!is_response_character(c)) {
            return false;
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            ++digits;
        } else if (std::isupper(static_cast<unsigned char>(c))) {
            ++letters_upper;
        } else {
            ++letters_lower;
        }
    }
    if (letters_upper + letters_lower + digits < 2) {
        return false;
    }
    if (separators > 0) {
        return true;
    }
    return digits == 0 && (letters_upper == 0 || letters_lower == 0);
}

// Whether the character is an answer on an item with `options` options: one
// of its options, or "0" where it stands for no option of its own.
bool answers_option(char c, int options) {
    const std::uint8_t code = response_code(c, options);
    return code != missing_code && code <= options;
}

bool reads_as_answers(const std::string& cell) {
    return is_missing_mark(cell) || is_single_response(cell) || looks_like_double_mark(cell);
}

std::string lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

bool reads_key(const std::string& cell) {
    const std::string name = lower(trimmed(cell));
    return name == "key" || name == "answer key";
}

// A label is one line of text: line breaks and tabs inside a quoted cell become blanks.
std::string one_line(std::string text) {
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20) {
            c = ' ';
        }
    }
    return text;
}

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string join(const std::vector<std::string>& parts, const std::string& separator) {
    std::string text;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        text += (k > 0 ? separator : "") + parts[k];
    }
    return text;
}

std::string row_list(const std::vector<int>& rows, std::size_t at_most) {
    std::vector<std::string> parts;
    for (std::size_t k = 0; k < rows.size() && k < at_most; ++k) {
        parts.push_back(std::to_string(rows[k]));
    }
    if (rows.size() > parts.size()) {
        return "Rows " + join(parts, ", ") + " and " + std::to_string(rows.size() - parts.size()) +
               " more";
    }
    if (parts.size() == 1) {
        return "Row " + parts[0];
    }
    const std::string last = parts.back();
    parts.pop_back();
    return "Rows " + join(parts, ", ") + " and " + last;
}

std::string lower_first(std::string text) {
    if (!text.empty()) {
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    }
    return text;
}

bool contains(const std::vector<std::size_t>& list, std::size_t value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

// "D-AQ" for consecutive columns, otherwise "A, C, D".
std::string column_range(const std::vector<std::size_t>& columns) {
    if (columns.empty()) {
        return "none";
    }
    const bool consecutive = columns.back() - columns.front() + 1 == columns.size() &&
                             std::is_sorted(columns.begin(), columns.end());
    if (consecutive && columns.size() > 1) {
        return column_letters(columns.front()) + "-" + column_letters(columns.back());
    }
    std::vector<std::string> letters;
    for (std::size_t c : columns) {
        letters.push_back(column_letters(c));
    }
    return join(letters, ", ");
}

// ------------------------------------------------------ reading the file

bool read_table(PlanState& s, std::string_view text) {
    CsvTable& table = s.plan.table;
    const FileBytes bytes = file_bytes(text);
    s.mapping.delimiter_given = s.options.delimiter.has_value();
    table.delimiter =
        s.options.delimiter ? *s.options.delimiter : detect_delimiter(bytes.text).value_or(',');
    s.mapping.delimiter = table.delimiter;
    s.mapping.short_rows = s.options.short_rows;
    CsvParse parse = parse_csv(bytes.text, table.delimiter);
    table.rows = std::move(parse.rows);
    const std::optional<std::string> unreadable =
        bytes.utf8 ? convert_cells(s) : std::optional<std::string>();
    if (parse.error) {
        return s.refuse(*parse.error);
    }
    if (unreadable) {
        return s.refuse(*unreadable);
    }
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        if (!is_empty_row(table.rows[r])) {
            s.filled.push_back(r);
        }
    }
    if (s.filled.empty()) {
        return s.refuse("The file " + s.mapping.file_name +
                        " is empty: it holds no rows with anything in them");
    }
    return true;
}

// An id is a label, so a character Latin-1 lacks may stand there as its
// base letter, with a warning naming the rows. An answer or a key read
// from a look-alike letter would be a guess: such a cell refuses the file.
bool check_replaced_cells(PlanState& s) {
    std::vector<int> id_rows;
    for (const ReplacedCell& replaced : s.replaced_cells) {
        const CsvRow& row = s.row_at(replaced.row);
        const bool student =
            std::binary_search(s.student_indexes.begin(), s.student_indexes.end(), replaced.row);
        const bool answers = student || s.is_key_row(replaced.row);
        const bool version = replaced.column == s.mapping.version_column;
        if (answers && (version || contains(s.mapping.item_columns, replaced.column))) {
            return s.refuse_row(
                row.number, s.at_cell(row, replaced.column) + cannot_store_message(replaced.code));
        }
        const bool id = student && contains(s.mapping.id_columns, replaced.column);
        if (id && (id_rows.empty() || id_rows.back() != row.number)) {
            id_rows.push_back(row.number);
        }
    }
    if (!id_rows.empty()) {
        const bool one = id_rows.size() == 1;
        s.mapping.warnings.push_back(
            row_list(id_rows, listed_rows) +
            (one ? ": the id holds characters" : ": the ids hold characters") +
            " that KOR cannot store in single bytes (the Western European characters of "
            "Latin-1); each became its base letter, or \"?\" where it has none");
    }
    return true;
}

}  // namespace kor::csv
