#include "core/data/CsvImport.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <map>
#include <set>

#include "core/Encoding.h"
#include "core/FileIO.h"
#include "core/TextUtil.h"
#include "core/AnalysisState.h"
#include "core/data/Codes.h"
#include "core/data/InputFile.h"

namespace kor {

namespace {

constexpr const char* response_characters = "A-H, a-h, 1-8, T, F or 0";
constexpr char missing_in_data = '.';
constexpr int highest_option = 8;  // "H" or "8"
// Cells listed in a warning before "and N more".
constexpr std::size_t listed_cells = 5;
// Rows listed in a warning or the summary before "and N more".
constexpr std::size_t listed_rows = 10;
// A column is an item column when at most this share of its filled cells
// (or one of them) is something other than answers.
constexpr double other_share_allowed = 0.1;

// --------------------------------------------------------------- cells

bool is_missing_mark(const std::string& cell) {
    return cell.empty() || cell == "-" || cell == "*" || cell == ".";
}

// One character that is an answer on some item (code 1..8, or "0").
bool is_response_character(char c) {
    return response_code(c, 8) != missing_code || response_code(c, 2) != missing_code;
}

bool is_single_response(const std::string& cell) {
    return cell.size() == 1 && is_response_character(cell[0]);
}

bool is_mark_separator(char c) {
    return c == ',' || c == ';' || c == '/' || c == ' ' || c == '+' || c == '|';
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

// "Row 3", "Rows 3, 5 and 8", or past `at_most` rows "Rows 3, 5, ... and 12 more".
std::string row_list(const std::vector<int>& rows,
                     std::size_t at_most = std::numeric_limits<std::size_t>::max()) {
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

// The last `length` characters of an id, without the blanks they start with.
std::string id_tail(const std::string& id, std::size_t length) {
    return trimmed(id.substr(id.size() - std::min(length, id.size())));
}

// The shortest length, up to `room`, whose tails tell every id apart; none
// when even the longest leaves two alike or one empty.
std::optional<std::size_t> distinct_tail_length(const std::vector<std::string>& ids,
                                                std::size_t room) {
    for (std::size_t length = 1; length <= room; ++length) {
        std::set<std::string> tails;
        const bool apart = std::all_of(ids.begin(), ids.end(), [&](const std::string& id) {
            const std::string tail = id_tail(id, length);
            return !tail.empty() && tails.insert(tail).second;
        });
        if (apart) {
            return length;
        }
    }
    return std::nullopt;
}

// ------------------------------------------------------------ columns

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

// A header name's stem: "Q12" -> "q", "Item_3" -> "item", "7" -> "". Names
// that do not end in a number have none.
std::optional<std::string> numbered_stem(const std::string& name) {
    std::string text = trimmed(name);
    std::size_t end = text.size();
    while (end > 0 && std::isdigit(static_cast<unsigned char>(text[end - 1]))) {
        --end;
    }
    if (end == text.size()) {
        return std::nullopt;
    }
    while (end > 0 && std::string_view(" _-.#:").find(text[end - 1]) != std::string_view::npos) {
        --end;
    }
    return lower(text.substr(0, end));
}

// ----------------------------------------------------------- planning

enum class ColumnKind { empty, answers, other };

struct KeyFound {
    std::string key;
    CsvKeySource source = CsvKeySource::row;
    int row = 0;
};

class CsvPlanner {
  public:
    CsvPlanner(std::string_view text, const std::string& file_name, const CsvOptions& options)
        : text_(text), options_(options) {
        mapping_.file_name = file_name;
    }

    CsvPlan run() {
        const bool planned = read_table() && check_key_choices() && choose_columns() &&
                             choose_students() && check_replaced_cells() && choose_key() &&
                             choose_options() && build_lines();
        if (short_row_) {
            refuse_short_row(planned);
        } else if (planned) {
            plan_.mapping = std::move(mapping_);
        }
        return std::move(plan_);
    }

    // A short row refuses the file, but only after planning went on as if
    // it were filled, so that a preview shows every choice beside it. A
    // later refusal may stem from the filling: the short row is named first.
    void refuse_short_row(bool planned) {
        plan_.outcome = Outcome{};
        if (planned) {
            plan_.choices = std::move(mapping_);
        }
        refuse_row(short_row_->row, short_row_->message);
    }

  private:
    // ------------------------------------------------------ the table

    bool read_table() {
        CsvTable& table = plan_.table;
        const FileBytes bytes = file_bytes(text_);
        mapping_.delimiter_given = options_.delimiter.has_value();
        table.delimiter =
            options_.delimiter ? *options_.delimiter : detect_delimiter(bytes.text).value_or(',');
        mapping_.delimiter = table.delimiter;
        mapping_.short_rows = options_.short_rows;
        CsvParse parse = parse_csv(bytes.text, table.delimiter);
        table.rows = std::move(parse.rows);
        const std::optional<std::string> unreadable =
            bytes.utf8 ? convert_cells() : std::optional<std::string>();
        if (parse.error) {
            return refuse(*parse.error);
        }
        if (unreadable) {
            return refuse(*unreadable);
        }
        for (std::size_t r = 0; r < table.rows.size(); ++r) {
            if (!is_empty_row(table.rows[r])) {
                filled_.push_back(r);
            }
        }
        if (filled_.empty()) {
            return refuse("The file " + mapping_.file_name +
                          " is empty: it holds no rows with anything in them");
        }
        return check_columns();
    }

    // The cells of a UTF-8 file as single-byte text. A character Latin-1
    // lacks becomes its base letter for now: whether the cell may keep it
    // waits until its part (id, answer, key) is known. The refusal of the
    // first cell that is not UTF-8, if any.
    std::optional<std::string> convert_cells() {
        std::optional<std::string> refusal;
        for (std::size_t r = 0; r < plan_.table.rows.size(); ++r) {
            CsvRow& row = plan_.table.rows[r];
            for (std::size_t c = 0; c < row.cells.size(); ++c) {
                ConvertedPart part = single_byte_part(row.cells[c], BeyondLatin1::base_letter);
                if (!part.refusal.empty() && !refusal) {
                    plan_.refused_row = row.number;
                    refusal = "Row " + std::to_string(row.number) + ", column " +
                              column_letters(c) + ": " + part.refusal;
                }
                if (part.replaced != 0) {
                    replaced_cells_.push_back({r, c, part.replaced});
                }
                row.cells[c] = std::move(part.text);
            }
        }
        return refusal;
    }

    // The most cells any row has up to its last cell that holds something.
    std::size_t widest_filled_row() const {
        std::size_t widest = 0;
        for (std::size_t r : filled_) {
            const std::vector<std::string>& cells = row_at(r).cells;
            for (std::size_t c = cells.size(); c > widest; --c) {
                if (!trimmed(cells[c - 1]).empty()) {
                    widest = c;
                }
            }
        }
        return widest;
    }

    // Every row must have the same number of cells: the number most rows
    // have. Empty cells at the end of a longer row are dropped, and a shorter
    // row may lack columns that are empty in every row; any other difference
    // means a lost or extra delimiter, which would shift answers. When short
    // rows are filled with blanks, the widest row sets the number, and a
    // shorter row gets empty cells at its end.
    bool check_columns() {
        CsvTable& table = plan_.table;
        std::map<std::size_t, std::size_t> rows_with;
        for (std::size_t r : filled_) {
            ++rows_with[table.rows[r].cells.size()];
        }
        std::size_t most = 0;
        for (const auto& [cells, rows] : rows_with) {
            if (rows >= most) {
                most = rows;
                table.columns = cells;
            }
        }
        const bool fill = options_.short_rows == CsvShortRows::blank;
        if (fill) {
            table.columns = std::max(table.columns, widest_filled_row());
        }
        // Columns that hold something in some row: a row may lack only
        // columns that are empty everywhere (a header without the data's
        // trailing delimiter).
        std::vector<bool> used(table.columns, false);
        for (std::size_t r : filled_) {
            const CsvRow& row = table.rows[r];
            for (std::size_t c = 0; c < row.cells.size() && c < table.columns; ++c) {
                used[c] = used[c] || !trimmed(row.cells[c]).empty();
            }
        }
        for (std::size_t r : filled_) {
            CsvRow& row = table.rows[r];
            const std::size_t n = row.cells.size();
            const bool short_row =
                n < table.columns && std::find(used.begin() + static_cast<std::ptrdiff_t>(n),
                                               used.end(), true) != used.end();
            if (short_row && fill) {
                mapping_.filled_rows.push_back(row.number);
            } else if (short_row && !short_row_) {
                short_row_ =
                    RowRefusal{row.number,
                               "Row " + std::to_string(row.number) + " has " + std::to_string(n) +
                                   " columns, but the file's rows have " +
                                   std::to_string(table.columns) + ": column " + column_letters(n) +
                                   " onwards is missing. Check the row for a lost delimiter or "
                                   "quote."};
            }
            for (std::size_t c = table.columns; c < n; ++c) {
                if (!trimmed(row.cells[c]).empty()) {
                    return refuse_row(
                        row.number,
                        "Row " + std::to_string(row.number) + " has " + std::to_string(n) +
                            " columns, but the file's rows have " + std::to_string(table.columns) +
                            ": column " + column_letters(c) + " holds " +
                            quoted(trimmed(row.cells[c])) +
                            " beyond the last column. Check the row for an extra delimiter or "
                            "a quote that is not closed.");
                }
            }
            row.cells.resize(table.columns);
        }
        return true;
    }

    const CsvRow& row_at(std::size_t index) const { return plan_.table.rows[index]; }
    const CsvRow& first_row() const { return row_at(filled_.front()); }

    std::string cell(std::size_t row_index, std::size_t column) const {
        return trimmed(row_at(row_index).cells[column]);
    }

    std::string column_label(std::size_t column) const {
        return csv_column_label(plan_.table, mapping_.header_row, column);
    }

    std::string at_cell(const CsvRow& row, std::size_t column) const {
        return "Row " + std::to_string(row.number) + ", column " + column_label(column) + ": ";
    }

    // ------------------------------------------------- key choices

    bool check_key_choices() {
        const int sources = (options_.key_row ? 1 : 0) + (options_.key_file ? 1 : 0) +
                            (options_.key.empty() ? 0 : 1);
        if (sources > 1) {
            return refuse(
                "Give the key one way only: --key-row N, --key-file FILE or --key ANSWERS");
        }
        if (options_.key_row && options_.no_key_row) {
            return refuse("--key-row none and --key-row " + std::to_string(*options_.key_row) +
                          " contradict each other");
        }
        return true;
    }

    // ----------------------------------------------------- columns

    // Columns are given by numbers ("4-28", "1,3") or else by header names.
    static bool names_columns(const std::string& columns_text) {
        return columns_text.find_first_not_of("0123456789-, ") != std::string::npos;
    }

    bool choose_columns() {
        mapping_.header_given = options_.header.has_value();
        // A column named by its header name needs the header row.
        const bool names = names_columns(options_.items) || names_columns(options_.ids);
        if (names && options_.header == false) {
            return refuse(
                "Columns are named by their header, but --header no says the file has none; "
                "give column numbers instead");
        }
        if (options_.header) {
            mapping_.header_row = *options_.header ? first_row().number : 0;
        } else if (names) {
            mapping_.header_row = first_row().number;
            mapping_.header_given = true;
        }
        if (!options_.items.empty()) {
            mapping_.items_given = true;
            if (!given_columns(options_.items, "--items", true, mapping_.item_columns)) {
                return false;
            }
        } else {
            detect_item_columns();
        }
        if (!options_.header && !names) {
            mapping_.header_row = first_row_is_header() ? first_row().number : 0;
        }
        if (mapping_.header_row != 0 && !mapping_.items_given) {
            trim_by_header_names();
        }
        if (mapping_.item_columns.empty()) {
            return refuse("No item columns found in " + mapping_.file_name +
                          ": no column holds mostly single answers (" + response_characters +
                          "). Name them with --items, for example --items 4-43 or --items Q1..Q40");
        }
        if (mapping_.item_columns.size() > static_cast<std::size_t>(max_items)) {
            const std::size_t column = mapping_.item_columns[max_items];
            return refuse(at_cell(first_row(), column) + "the file has " +
                          std::to_string(mapping_.item_columns.size()) + " item columns (" +
                          column_range(mapping_.item_columns) + "); KOR analyses at most " +
                          std::to_string(max_items) +
                          " items. Choose the item columns with --items.");
        }
        if (!choose_id_columns()) {
            return false;
        }
        // The columns left out that hold something (a total, an e-mail address).
        for (std::size_t c = 0; c < plan_.table.columns; ++c) {
            const auto used = [c](const std::vector<std::size_t>& list) {
                return std::find(list.begin(), list.end(), c) != list.end();
            };
            const bool filled = std::any_of(filled_.begin(), filled_.end(),
                                            [&](std::size_t r) { return !cell(r, c).empty(); });
            if (filled && !used(mapping_.item_columns) && !used(mapping_.id_columns)) {
                mapping_.ignored_columns.push_back(c);
            }
        }
        return true;
    }

    // A column given by number (1 = A) or by its header name.
    std::optional<std::size_t> column_named(const std::string& part, const std::string& flag) {
        if (const auto number = parse_int(part)) {
            if (*number < 1 || static_cast<std::size_t>(*number) > plan_.table.columns) {
                refuse(flag + ": there is no column " + part + "; the file has " +
                       std::to_string(plan_.table.columns) + " columns");
                return std::nullopt;
            }
            return static_cast<std::size_t>(*number - 1);
        }
        const CsvRow& header = first_row();
        std::vector<std::size_t> found;
        for (const bool exact : {true, false}) {
            for (std::size_t c = 0; c < header.cells.size(); ++c) {
                const std::string name = trimmed(header.cells[c]);
                if (exact ? name == part : lower(name) == lower(part)) {
                    found.push_back(c);
                }
            }
            if (!found.empty()) {
                break;
            }
        }
        if (found.empty()) {
            refuse(flag + ": no column of the header row " + std::to_string(header.number) +
                   " is named " + quoted(part));
            return std::nullopt;
        }
        if (found.size() > 1) {
            refuse(flag + ": more than one column of the header row " +
                   std::to_string(header.number) + " is named " + quoted(part) + " (" +
                   column_range(found) + "); give the column numbers");
            return std::nullopt;
        }
        return found.front();
    }

    // `columns_text` as a range ("4-28", "Q1..Q25", "7") when `range`, else as a
    // comma-separated list.
    bool given_columns(const std::string& columns_text, const std::string& flag, bool range,
                       std::vector<std::size_t>& columns) {
        std::vector<std::string> parts;
        if (range) {
            const std::size_t dots = columns_text.find("..");
            const bool numbers =
                columns_text.find_first_not_of("0123456789- ") == std::string::npos;
            if (dots != std::string::npos) {
                parts = {trimmed(columns_text.substr(0, dots)),
                         trimmed(columns_text.substr(dots + 2))};
            } else if (numbers && columns_text.find('-') != std::string::npos) {
                const std::size_t dash = columns_text.find('-');
                parts = {trimmed(columns_text.substr(0, dash)),
                         trimmed(columns_text.substr(dash + 1))};
            } else {
                parts = {trimmed(columns_text)};
            }
        } else {
            std::size_t start = 0;
            while (start <= columns_text.size()) {
                const std::size_t comma =
                    std::min(columns_text.find(',', start), columns_text.size());
                parts.push_back(trimmed(columns_text.substr(start, comma - start)));
                start = comma + 1;
            }
        }
        std::vector<std::size_t> found;
        for (const std::string& part : parts) {
            if (part.empty()) {
                return refuse(flag + " " + quoted(columns_text) +
                              " names no column: give numbers such as "
                              "4-43 or header names such as Q1..Q40");
            }
            const std::optional<std::size_t> column = column_named(part, flag);
            if (!column) {
                return false;
            }
            found.push_back(*column);
        }
        if (range && found.size() == 2) {
            if (found[0] > found[1]) {
                return refuse(flag + " " + quoted(columns_text) +
                              ": the first column comes after the last");
            }
            columns.clear();
            for (std::size_t c = found[0]; c <= found[1]; ++c) {
                columns.push_back(c);
            }
        } else {
            columns = found;
        }
        return true;
    }

    // The rows that show what a column holds: all but the first, which may
    // be the header (unless there is no header, or no other row).
    std::vector<std::size_t> sample_rows() const {
        const bool skip_first =
            mapping_.header_row != 0 || (!options_.header && filled_.size() > 1);
        return std::vector<std::size_t>(filled_.begin() + (skip_first ? 1 : 0), filled_.end());
    }

    ColumnKind column_kind(std::size_t column, const std::vector<std::size_t>& rows) const {
        int filled = 0;
        int other = 0;
        for (std::size_t r : rows) {
            const std::string text = cell(r, column);
            if (text.empty()) {
                continue;
            }
            ++filled;
            other += reads_as_answers(text) ? 0 : 1;
        }
        if (filled == 0) {
            return ColumnKind::empty;
        }
        // One stray mark does not make a small class's item column something else.
        const double allowed = std::max(1.0, other_share_allowed * filled);
        return other <= allowed && other < filled ? ColumnKind::answers : ColumnKind::other;
    }

    // The longest run of consecutive answer columns; empty columns inside a
    // run belong to it (an item nobody answered), at its ends they do not.
    void detect_item_columns() {
        const std::vector<std::size_t> rows = sample_rows();
        std::vector<ColumnKind> kinds;
        for (std::size_t c = 0; c < plan_.table.columns; ++c) {
            kinds.push_back(column_kind(c, rows));
        }
        std::size_t best_start = 0;
        std::size_t best_length = 0;
        std::size_t c = 0;
        while (c < kinds.size()) {
            if (kinds[c] != ColumnKind::answers) {
                ++c;
                continue;
            }
            std::size_t end = c;  // one past the last answer column of the run
            for (std::size_t d = c; d < kinds.size() && kinds[d] != ColumnKind::other; ++d) {
                if (kinds[d] == ColumnKind::answers) {
                    end = d + 1;
                }
            }
            if (end - c > best_length) {
                best_start = c;
                best_length = end - c;
            }
            c = end;
        }
        mapping_.item_columns.clear();
        for (std::size_t k = best_start; k < best_start + best_length; ++k) {
            mapping_.item_columns.push_back(k);
        }
    }

    // The first row is the header when its cells over the items are not all
    // answers ("Q1", "Item 2", "10").
    bool first_row_is_header() const {
        const std::size_t first = filled_.front();
        return std::any_of(mapping_.item_columns.begin(), mapping_.item_columns.end(),
                           [&](std::size_t c) { return !reads_as_answers(cell(first, c)); });
    }

    // With a header, a column at either end of the run whose name does not
    // follow the items' numbering ("Form" or "Grade" beside "Q1".."Q40") is
    // not an item, although it holds letters.
    void trim_by_header_names() {
        std::vector<std::size_t>& columns = mapping_.item_columns;
        if (columns.size() < 3) {
            return;
        }
        const CsvRow& header = first_row();
        std::map<std::string, std::size_t> stems;
        for (std::size_t c : columns) {
            if (const auto stem = numbered_stem(header.cells[c])) {
                ++stems[*stem];
            }
        }
        std::string dominant;
        std::size_t count = 0;
        for (const auto& [stem, n] : stems) {
            if (n > count) {
                dominant = stem;
                count = n;
            }
        }
        if (count * 2 < columns.size()) {
            return;
        }
        const auto fits = [&](std::size_t c) { return numbered_stem(header.cells[c]) == dominant; };
        while (!columns.empty() && !fits(columns.front())) {
            columns.erase(columns.begin());
        }
        while (!columns.empty() && !fits(columns.back())) {
            columns.pop_back();
        }
    }

    bool choose_id_columns() {
        if (!options_.ids.empty()) {
            mapping_.ids_given = true;
            if (!given_columns(options_.ids, "--id", false, mapping_.id_columns)) {
                return false;
            }
            for (std::size_t c : mapping_.id_columns) {
                if (std::find(mapping_.item_columns.begin(), mapping_.item_columns.end(), c) !=
                    mapping_.item_columns.end()) {
                    return refuse("--id: column " + column_label(c) + " is an item column");
                }
            }
            return true;
        }
        for (std::size_t c = 0; c < mapping_.item_columns.front(); ++c) {
            mapping_.id_columns.push_back(c);
        }
        return true;
    }

    // ---------------------------------------------------- students

    bool is_header(std::size_t index) const {
        return mapping_.header_row != 0 && row_at(index).number == mapping_.header_row;
    }

    bool choose_students() {
        // The key row is found by any column outside the items, so that
        // choosing other id columns does not hide it.
        std::vector<std::size_t> outside = mapping_.id_columns;
        outside.insert(outside.end(), mapping_.ignored_columns.begin(),
                       mapping_.ignored_columns.end());
        std::vector<std::size_t> key_rows;
        if (!options_.no_key_row && !options_.key_row) {
            for (std::size_t r : filled_) {
                if (!is_header(r) &&
                    std::any_of(outside.begin(), outside.end(),
                                [&](std::size_t c) { return reads_key(cell(r, c)); })) {
                    key_rows.push_back(r);
                }
            }
        }
        if (options_.key_row && !find_given_key_row(key_rows)) {
            return false;
        }
        if (key_rows.size() > 1) {
            std::vector<int> numbers;
            for (std::size_t r : key_rows) {
                numbers.push_back(row_at(r).number);
            }
            return refuse(row_list(numbers) +
                          " read \"key\" or \"answer key\"; name the one that holds the key "
                          "with --key-row N");
        }
        if (!key_rows.empty()) {
            key_row_index_ = key_rows.front();
            if (!options_.key.empty() || options_.key_file) {
                const std::string row = std::to_string(row_at(*key_row_index_).number);
                const std::string flag = options_.key.empty() ? "--key-file" : "--key";
                return refuse_row(row_at(*key_row_index_).number,
                                  "Row " + row + " reads \"key\", but the key is given by " + flag +
                                      ": add --key-row none to read row " + row +
                                      " as a student, or leave out " + flag +
                                      " to use it as the key");
            }
        }
        return collect_students();
    }

    bool find_given_key_row(std::vector<std::size_t>& key_rows) {
        const int wanted = *options_.key_row;
        for (std::size_t r : filled_) {
            if (row_at(r).number == wanted) {
                if (is_header(r)) {
                    return refuse("--key-row " + std::to_string(wanted) + " is the header row");
                }
                key_rows = {r};
                return true;
            }
        }
        return refuse("--key-row " + std::to_string(wanted) + ": row " + std::to_string(wanted) +
                      " of the file holds nothing");
    }

    bool collect_students() {
        std::vector<int> empty_rows;
        for (std::size_t r = 0; r < plan_.table.rows.size(); ++r) {
            const CsvRow& row = row_at(r);
            if (is_empty_row(row)) {
                empty_rows.push_back(row.number);
                continue;
            }
            if (is_header(r) || r == key_row_index_) {
                continue;
            }
            // Empty rows count only when students follow them.
            mapping_.skipped_rows.insert(mapping_.skipped_rows.end(), empty_rows.begin(),
                                         empty_rows.end());
            empty_rows.clear();
            if (static_cast<int>(mapping_.student_rows.size()) == max_examinees_limit) {
                return refuse_row(row.number,
                                  "Row " + std::to_string(row.number) + ": this is student " +
                                      std::to_string(max_examinees_limit + 1) +
                                      "; KOR analyses at most " +
                                      std::to_string(max_examinees_limit) + " examinees");
            }
            mapping_.student_rows.push_back(row.number);
            student_indexes_.push_back(r);
        }
        if (mapping_.student_rows.empty()) {
            return refuse("The file " + mapping_.file_name +
                          " holds no student rows (rows other than the header and the key)");
        }
        return true;
    }

    // ------------------------------------------- characters replaced

    struct ReplacedCell {
        std::size_t row;  // index into the table's rows
        std::size_t column;
        char32_t code;  // the first character Latin-1 lacks
    };

    // An id is a label, so a character Latin-1 lacks may stand there as its
    // base letter, with a warning naming the rows. An answer or a key read
    // from a look-alike letter would be a guess: such a cell refuses the file.
    bool check_replaced_cells() {
        std::vector<int> id_rows;
        for (const ReplacedCell& replaced : replaced_cells_) {
            const CsvRow& row = row_at(replaced.row);
            const bool student =
                std::binary_search(student_indexes_.begin(), student_indexes_.end(), replaced.row);
            const bool answers = student || key_row_index_ == replaced.row;
            if (answers && contains(mapping_.item_columns, replaced.column)) {
                return refuse_row(row.number, at_cell(row, replaced.column) +
                                                  cannot_store_message(replaced.code));
            }
            const bool id = student && contains(mapping_.id_columns, replaced.column);
            if (id && (id_rows.empty() || id_rows.back() != row.number)) {
                id_rows.push_back(row.number);
            }
        }
        if (!id_rows.empty()) {
            const bool one = id_rows.size() == 1;
            mapping_.warnings.push_back(
                row_list(id_rows, listed_rows) +
                (one ? ": the id holds characters" : ": the ids hold characters") +
                " that KOR cannot store in single bytes (the Western European characters of "
                "Latin-1); each became its base letter, or \"?\" where it has none");
        }
        return true;
    }

    // ---------------------------------------------------------- key

    std::size_t item_count() const { return mapping_.item_columns.size(); }

    bool choose_key() {
        if (!options_.key.empty()) {
            mapping_.key_source = CsvKeySource::text;
            return key_from_text(options_.key);
        }
        if (options_.key_file) {
            mapping_.key_source = CsvKeySource::file;
            mapping_.key_file_name = options_.key_file->name;
            return key_from_file(*options_.key_file);
        }
        if (key_row_index_) {
            mapping_.key_source = CsvKeySource::row;
            return key_from_row(*key_row_index_);
        }
        return refuse(
            "No answer key found in " + mapping_.file_name +
            ": no row reads \"key\" or \"answer key\" in an id column. Give the key in one of "
            "three ways: a row of the file (--key-row N names it), a key file with one row or "
            "one column of answers (--key-file FILE), or the answers typed one character per "
            "item (--key ABCD...)");
    }

    bool key_from_row(std::size_t index) {
        const CsvRow& row = row_at(index);
        mapping_.key_row = row.number;
        std::string key;
        for (std::size_t c : mapping_.item_columns) {
            const std::string text = cell(index, c);
            if (!is_single_response(text)) {
                return refuse_row(row.number, at_cell(row, c) + not_a_key_answer(text));
            }
            key += text;
        }
        mapping_.key = key;
        return true;
    }

    static std::string not_a_key_answer(const std::string& text) {
        return std::string("the key must be one response character (") + response_characters +
               ") for every item, but this cell " +
               (text.empty() ? "is empty" : "holds " + quoted(text));
    }

    bool key_from_text(const std::string& key) {
        const std::size_t separator = key.find_first_of(",; \t/|");
        if (separator != std::string::npos) {
            std::string letters;
            for (char c : key) {
                if (std::string_view(",; \t/|").find(c) == std::string_view::npos) {
                    letters += c;
                }
            }
            return refuse(
                "--key " + quoted(key) +
                " holds separators; give one character per item with nothing between them, "
                "for example --key " +
                letters);
        }
        if (key.size() != item_count()) {
            return refuse("--key has " + std::to_string(key.size()) +
                          " characters, but the file has " + std::to_string(item_count()) +
                          " item columns (" + column_range(mapping_.item_columns) + ")");
        }
        for (std::size_t k = 0; k < key.size(); ++k) {
            if (!is_response_character(key[k])) {
                return refuse("--key: character " + std::to_string(k + 1) + " (item " +
                              std::to_string(k + 1) + ") is " + quoted(std::string(1, key[k])) +
                              ", not a response character (" + response_characters + ")");
            }
        }
        mapping_.key = key;
        return true;
    }

    // One row of answers (with a header row above it, or a label cell
    // before it, or laid out as the data with its id columns) or one column
    // (with a header cell on top); or the answers as one word.
    bool key_from_file(const CsvKeyFile& file) {
        const FileBytes bytes = file_bytes(file.text);
        CsvParse parse = parse_csv(bytes.text, detect_delimiter(bytes.text).value_or(','));
        const std::string in_file = "Key file " + file.name + ", ";
        if (parse.error) {
            return refuse(in_file + lower_first(*parse.error));
        }
        if (bytes.utf8 && !convert_key_cells(parse.rows, in_file)) {
            return false;
        }
        std::vector<const CsvRow*> rows;
        for (const CsvRow& row : parse.rows) {
            if (!is_empty_row(row)) {
                rows.push_back(&row);
            }
        }
        if (rows.empty()) {
            return refuse("The key file " + file.name + " is empty");
        }
        const bool one_column = std::all_of(rows.begin(), rows.end(), [](const CsvRow* row) {
            return std::count_if(row->cells.begin(), row->cells.end(),
                                 [](const std::string& c) { return !trimmed(c).empty(); }) <= 1;
        });
        std::vector<std::pair<const CsvRow*, std::size_t>> cells;  // row and column of each answer
        if (one_column) {
            for (const CsvRow* row : rows) {
                const auto filled =
                    std::find_if(row->cells.begin(), row->cells.end(),
                                 [](const std::string& c) { return !trimmed(c).empty(); });
                cells.emplace_back(row, static_cast<std::size_t>(filled - row->cells.begin()));
            }
            if (cells.size() == 1 && trimmed(cells[0].first->cells[cells[0].second]).size() > 1) {
                return key_from_word(file, *cells[0].first, cells[0].second);
            }
            if (cells.size() == item_count() + 1) {
                cells.erase(cells.begin());  // the header cell
            }
        } else {
            if (rows.size() > 2) {
                return refuse(
                    "The key file " + file.name + " has " + std::to_string(rows.size()) +
                    " rows; it may hold one row (or one column) of answers, with or without a "
                    "header row");
            }
            const CsvRow& row = *rows.back();
            std::vector<std::size_t> columns;
            if (row.cells.size() == plan_.table.columns) {
                columns = mapping_.item_columns;
            } else {
                const std::size_t skip = row.cells.size() == item_count() + 1 ? 1 : 0;
                for (std::size_t c = skip; c < row.cells.size(); ++c) {
                    columns.push_back(c);
                }
            }
            for (std::size_t c : columns) {
                cells.emplace_back(&row, c);
            }
        }
        if (cells.size() != item_count()) {
            return refuse("The key file " + file.name + " holds " + std::to_string(cells.size()) +
                          " answers, but the data have " + std::to_string(item_count()) +
                          " item columns (" + column_range(mapping_.item_columns) + ")");
        }
        std::string key;
        for (const auto& [row, column] : cells) {
            const std::string text = trimmed(row->cells[column]);
            if (!is_single_response(text)) {
                return refuse(in_file + "row " + std::to_string(row->number) + ", column " +
                              column_letters(column) + ": " + not_a_key_answer(text));
            }
            key += text;
        }
        mapping_.key = key;
        return true;
    }

    // A key is answers only: a character Latin-1 lacks refuses the key file.
    bool convert_key_cells(std::vector<CsvRow>& rows, const std::string& in_file) {
        for (CsvRow& row : rows) {
            for (std::size_t c = 0; c < row.cells.size(); ++c) {
                ConvertedPart part = single_byte_part(row.cells[c], BeyondLatin1::refuse);
                if (!part.refusal.empty()) {
                    return refuse(in_file + "row " + std::to_string(row.number) + ", column " +
                                  column_letters(c) + ": " + part.refusal);
                }
                row.cells[c] = std::move(part.text);
            }
        }
        return true;
    }

    bool key_from_word(const CsvKeyFile& file, const CsvRow& row, std::size_t column) {
        const std::string word = trimmed(row.cells[column]);
        if (word.size() != item_count()) {
            return refuse("The key file " + file.name + " holds " + std::to_string(word.size()) +
                          " answers, but the data have " + std::to_string(item_count()) +
                          " item columns (" + column_range(mapping_.item_columns) + ")");
        }
        for (std::size_t k = 0; k < word.size(); ++k) {
            if (!is_response_character(word[k])) {
                return refuse("Key file " + file.name + ", row " + std::to_string(row.number) +
                              ", column " + column_letters(column) + ": answer " +
                              std::to_string(k + 1) + " is " + quoted(std::string(1, word[k])) +
                              ", not a response character (" + response_characters + ")");
            }
        }
        mapping_.key = word;
        return true;
    }

    // ------------------------------------------------------- options

    bool choose_options() {
        const std::string& given = options_.options;
        const std::size_t n = item_count();
        if (!given.empty()) {
            mapping_.options_given = true;
            const bool digits = std::all_of(given.begin(), given.end(),
                                            [](char c) { return c >= '1' && c <= '8'; });
            if (!digits || (given.size() != 1 && given.size() != n)) {
                return refuse(
                    "--options takes one digit from 1 to 8 for every item, or one digit per item "
                    "(" +
                    std::to_string(n) + " here), not " + quoted(given));
            }
            mapping_.options = given.size() == 1 ? std::string(n, given[0]) : given;
        } else {
            for (std::size_t k = 0; k < n; ++k) {
                mapping_.options += static_cast<char>('0' + detected_options(k));
            }
        }
        // A key that answers no option of its item would make the item
        // count every answer as correct, or none.
        for (std::size_t k = 0; k < n; ++k) {
            if (!answers_option(mapping_.key[k], mapping_.options[k] - '0')) {
                return refuse("The key of item " + std::to_string(k + 1) + " (column " +
                              column_label(mapping_.item_columns[k]) + ") is " +
                              quoted(std::string(1, mapping_.key[k])) +
                              ", which is no answer to an item with " + mapping_.options[k] +
                              " options");
            }
        }
        return true;
    }

    // True-false items (only T and F) have 2 options; any other item the
    // highest option its key or its answers name, at least 2.
    int detected_options(std::size_t item) const {
        std::string answers(1, mapping_.key[item]);
        for (std::size_t r : student_indexes_) {
            const std::string text = cell(r, mapping_.item_columns[item]);
            if (is_single_response(text)) {
                answers += text;
            }
        }
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

    // -------------------------------------------------------- lines

    struct MarkedCell {
        int row;
        std::size_t item;
        std::string text;
    };

    std::string label_of(std::size_t index) const {
        std::vector<std::string> parts;
        for (std::size_t c : mapping_.id_columns) {
            const std::string part = one_line(cell(index, c));
            if (!part.empty()) {
                parts.push_back(trimmed(part));
            }
        }
        return join(parts, " ");
    }

    bool build_lines() {
        std::vector<std::string> labels;
        std::size_t longest = 0;
        for (std::size_t r : student_indexes_) {
            labels.push_back(label_of(r));
            longest = std::max(longest, labels.back().size());
        }
        mapping_.row_numbers_as_ids = longest == 0;
        if (mapping_.row_numbers_as_ids) {
            labels.clear();
            for (int row : mapping_.student_rows) {
                labels.push_back(std::to_string(row));
                longest = std::max(longest, labels.back().size());
            }
        }
        const std::size_t n = item_count();
        const std::size_t allowed = static_cast<std::size_t>(max_label_plus_items) - n;
        if (longest > allowed && shorten_ids(labels, allowed)) {
            longest = 0;
            for (const std::string& label : labels) {
                longest = std::max(longest, label.size());
            }
        }
        for (std::size_t s = 0; s < labels.size(); ++s) {
            if (labels[s].size() > allowed) {
                return refuse_row(
                    mapping_.student_rows[s],
                    "Row " + std::to_string(mapping_.student_rows[s]) + ": the id " +
                        quoted(labels[s]) + " has " + std::to_string(labels[s].size()) +
                        " characters; with " + std::to_string(n) +
                        " items an id may have at most " + std::to_string(allowed) +
                        " (id and answers must fit in " + std::to_string(max_label_plus_items) +
                        " columns). Shorten it, or choose fewer id columns with --id.");
            }
        }
        std::vector<MarkedCell> double_marks;
        std::vector<MarkedCell> unreadable;
        std::size_t letters = 0;
        std::size_t digits = 0;
        EditorTexts& texts = mapping_.texts;
        for (std::size_t s = 0; s < student_indexes_.size(); ++s) {
            std::string line = pad_right(labels[s], longest);
            for (std::size_t k = 0; k < n; ++k) {
                const std::string text = cell(student_indexes_[s], mapping_.item_columns[k]);
                char answer = missing_in_data;
                if (is_missing_mark(text)) {
                    ++mapping_.missing_cells;
                } else if (text.size() > 1) {
                    double_marks.push_back({mapping_.student_rows[s], k, text});
                } else if (!answers_option(text[0], mapping_.options[k] - '0')) {
                    unreadable.push_back({mapping_.student_rows[s], k, text});
                } else {
                    answer = text[0];
                    ++(std::isdigit(static_cast<unsigned char>(answer)) ? digits : letters);
                }
                line += answer;
            }
            texts.data_lines.push_back(line);
        }
        mapping_.answers_in_letters = letters > digits;
        mapping_.double_marked_cells = static_cast<int>(double_marks.size());
        mapping_.unreadable_cells = static_cast<int>(unreadable.size());
        if (!double_marks.empty()) {
            mapping_.warnings.push_back(cell_warning(
                double_marks, "more than one character (double marks such as \"A,B\")"));
        }
        if (!unreadable.empty()) {
            mapping_.warnings.push_back(
                cell_warning(unreadable, "a character that answers no option of their item"));
        }
        if (!mapping_.skipped_rows.empty()) {
            mapping_.warnings.push_back(row_list(mapping_.skipped_rows) +
                                        (mapping_.skipped_rows.size() == 1
                                             ? " is empty and was skipped"
                                             : " are empty and were skipped"));
        }
        texts.title = mapping_.file_name;
        texts.comments = "Imported from " + mapping_.file_name;
        texts.cases = std::to_string(student_indexes_.size());
        texts.items = std::to_string(n);
        texts.label_length = std::to_string(longest);
        texts.answer_key = mapping_.key;
        texts.options = mapping_.options;
        texts.include = std::string(n, 'Y');
        return true;
    }

    // The students' ids in one id column.
    std::vector<std::string> column_ids(std::size_t column) const {
        std::vector<std::string> ids;
        for (std::size_t r : student_indexes_) {
            ids.push_back(trimmed(one_line(cell(r, column))));
        }
        return ids;
    }

    // The other id columns of a student, joined: the name beside its id.
    std::string name_beside(std::size_t index, std::size_t id_column) const {
        std::vector<std::string> parts;
        for (std::size_t c : mapping_.id_columns) {
            const std::string part = trimmed(one_line(cell(index, c)));
            if (c != id_column && !part.empty()) {
                parts.push_back(part);
            }
        }
        return join(parts, " ");
    }

    // Ids too long for the data lines: each label becomes the shortest tail
    // that still tells every student apart within the room, cut from the
    // first id column that allows it (exports put the student number first,
    // the names after it) or else from the joined ids. The whole id and the
    // name are kept beside the data set for the results. False when no cut
    // keeps the students apart.
    bool shorten_ids(std::vector<std::string>& labels, std::size_t room) {
        // Each id column on its own, then all of them joined (the labels).
        std::vector<std::optional<std::size_t>> sources(mapping_.id_columns.begin(),
                                                        mapping_.id_columns.end());
        sources.emplace_back();
        std::optional<std::size_t> length;
        std::optional<std::size_t> column;
        std::vector<std::string> ids;
        for (const std::optional<std::size_t>& source : sources) {
            ids = source ? column_ids(*source) : labels;
            length = distinct_tail_length(ids, room);
            if (length) {
                column = source;
                break;
            }
        }
        if (!length) {
            return false;
        }
        for (std::size_t s = 0; s < labels.size(); ++s) {
            labels[s] = id_tail(ids[s], *length);
            const std::string name =
                column ? name_beside(student_indexes_[s], *column) : std::string();
            mapping_.full_ids[labels[s]] = FullId{ids[s], name};
        }
        mapping_.warnings.push_back(
            "With " + std::to_string(item_count()) + " items an id may have at most " +
            std::to_string(room) + " characters, so each label is the last " +
            std::to_string(*length) + " characters of " +
            (column ? "column " + column_label(*column) : std::string("the id")) +
            ", which still tell the students apart; the scores CSV and the JSON carry the whole "
            "ids" +
            (column ? " and the names" : "") + ", an input file only the labels");
        return true;
    }

    std::string item_name(std::size_t item) const {
        std::string name = "item " + std::to_string(item + 1);
        if (mapping_.header_row != 0) {
            const std::string header = trimmed(first_row().cells[mapping_.item_columns[item]]);
            if (!header.empty()) {
                name += " (" + header + ")";
            }
        }
        return name;
    }

    std::string cell_warning(const std::vector<MarkedCell>& cells, const std::string& what) const {
        std::vector<std::string> listed;
        for (std::size_t k = 0; k < cells.size() && k < listed_cells; ++k) {
            listed.push_back("row " + std::to_string(cells[k].row) + " " +
                             item_name(cells[k].item) + ": " + quoted(cells[k].text));
        }
        const bool one = cells.size() == 1;
        std::string text =
            std::to_string(cells.size()) + (one ? " cell holds " : " cells hold ") + what +
            (one ? " and counts as a missing answer: " : " and count as missing answers: ") +
            join(listed, "; ");
        if (cells.size() > listed_cells) {
            text += "; and " + std::to_string(cells.size() - listed_cells) + " more";
        }
        return text;
    }

    bool refuse(const std::string& message) {
        plan_.outcome.refuse(message);
        return false;
    }

    // A refusal that names a row of the file, which a preview shows.
    bool refuse_row(int row, const std::string& message) {
        plan_.refused_row = row;
        return refuse(message);
    }

    std::string_view text_;
    const CsvOptions& options_;
    CsvPlan plan_;
    CsvMapping mapping_;
    std::vector<std::size_t> filled_;  // indexes of the rows that hold something
    std::optional<std::size_t> key_row_index_;
    std::vector<std::size_t> student_indexes_;
    std::vector<ReplacedCell> replaced_cells_;
    struct RowRefusal {
        int row;
        std::string message;
    };
    std::optional<RowRefusal> short_row_;  // the first short row, when they are refused
};

std::string given_or_detected(bool given) {
    return given ? " (given)" : " (detected)";
}

std::string header_names(const CsvTable& table, int header_row,
                         const std::vector<std::size_t>& columns, bool as_range) {
    if (header_row == 0 || columns.empty()) {
        return "";
    }
    const CsvRow* header = nullptr;
    for (const CsvRow& row : table.rows) {
        if (row.number == header_row) {
            header = &row;
        }
    }
    if (header == nullptr) {
        return "";
    }
    const auto name = [&](std::size_t c) { return trimmed(header->cells[c]); };
    if (as_range && columns.size() > 1) {
        return ": " + name(columns.front()) + ".." + name(columns.back());
    }
    std::vector<std::string> names;
    for (std::size_t c : columns) {
        names.push_back(name(c));
    }
    return ": " + join(names, ", ");
}

// A key written in option numbers, as letters ("3" is "C"); letters stay.
std::string key_in_letters(const std::string& key) {
    std::string letters = key;
    for (char& c : letters) {
        if (c >= '1' && c <= '0' + highest_option) {
            c = static_cast<char>('A' + (c - '1'));
        }
    }
    return letters;
}

// The items' options as letter ranges, neighbours alike joined: "A-D for
// items 1-40", "T/F for item 3".
std::string options_in_letters(const CsvMapping& m) {
    const auto range_of = [&](std::size_t item) {
        const char key = static_cast<char>(std::toupper(static_cast<unsigned char>(m.key[item])));
        if (m.options[item] == '2' && (key == 'T' || key == 'F')) {
            return std::string("T/F");
        }
        return std::string("A-") + static_cast<char>('A' + (m.options[item] - '1'));
    };
    std::vector<std::string> runs;
    std::size_t first = 0;
    for (std::size_t item = 1; item <= m.options.size(); ++item) {
        if (item < m.options.size() && range_of(item) == range_of(first)) {
            continue;
        }
        const std::string items =
            item - first == 1 ? "item " + std::to_string(first + 1)
                              : "items " + std::to_string(first + 1) + "-" + std::to_string(item);
        runs.push_back(range_of(first) + " for " + items);
        first = item;
    }
    return join(runs, ", ");
}

std::vector<std::string> summary_lines(const CsvMapping& m, const CsvTable& table,
                                       bool in_letters) {
    const std::string key = in_letters ? key_in_letters(m.key) : m.key;
    std::vector<std::string> lines{"Spreadsheet file: " + m.file_name};
    lines.push_back("Delimiter: " + delimiter_name(m.delimiter) +
                    given_or_detected(m.delimiter_given));
    lines.push_back(
        "Header: " +
        (m.header_row != 0 ? "row " + std::to_string(m.header_row) : std::string("none")) +
        given_or_detected(m.header_given));
    if (m.row_numbers_as_ids) {
        lines.push_back("Ids: the row numbers (no id columns hold anything)");
    } else {
        lines.push_back("Ids: columns " + column_range(m.id_columns) +
                        header_names(table, m.header_row, m.id_columns, false) +
                        given_or_detected(m.ids_given) + ", label length " +
                        m.texts.label_length);
    }
    lines.push_back("Items: " + std::to_string(m.item_columns.size()) + ", columns " +
                    column_range(m.item_columns) +
                    header_names(table, m.header_row, m.item_columns, true) +
                    given_or_detected(m.items_given));
    if (!m.ignored_columns.empty()) {
        lines.push_back("Ignored columns: " + column_range(m.ignored_columns) +
                        header_names(table, m.header_row, m.ignored_columns, false));
    }
    switch (m.key_source) {
        case CsvKeySource::row:
            lines.push_back("Key: row " + std::to_string(m.key_row) + ", " + key);
            break;
        case CsvKeySource::file:
            lines.push_back("Key: file " + m.key_file_name + ", " + key);
            break;
        case CsvKeySource::text:
            lines.push_back("Key: given, " + key);
            break;
    }
    lines.push_back("Options: " + (in_letters ? options_in_letters(m) : m.options) +
                    given_or_detected(m.options_given));
    const auto first = m.student_rows.front();
    const auto last = m.student_rows.back();
    lines.push_back("Students: " + std::to_string(m.student_rows.size()) + ", rows " +
                    std::to_string(first) + "-" + std::to_string(last));
    lines.push_back("Missing answers: " + std::to_string(m.missing_cells) +
                    "; double-marked: " + std::to_string(m.double_marked_cells) +
                    "; unreadable: " + std::to_string(m.unreadable_cells));
    if (m.short_rows == CsvShortRows::blank) {
        const std::size_t filled = m.filled_rows.size();
        lines.push_back(
            "Short rows filled with blanks: " + std::to_string(filled) +
            (filled == 0 ? "" : " (" + lower_first(row_list(m.filled_rows, listed_rows)) + ")"));
    }
    for (const std::string& warning : m.warnings) {
        lines.push_back("Warning: " + warning);
    }
    return lines;
}

}  // namespace

CsvPlan plan_csv_import(std::string_view bytes, const std::string& file_name,
                        const CsvOptions& options) {
    return CsvPlanner(bytes, file_name, options).run();
}

std::string csv_column_label(const CsvTable& table, int header_row, std::size_t column) {
    std::string label = column_letters(column);
    for (const CsvRow& row : table.rows) {
        if (row.number == header_row && column < row.cells.size()) {
            const std::string name = trimmed(row.cells[column]);
            if (!name.empty()) {
                label += " (" + name + ")";
            }
        }
    }
    return label;
}

std::vector<std::string> csv_summary(const CsvMapping& m, const CsvTable& table) {
    return summary_lines(m, table, false);
}

std::vector<std::string> csv_preview_summary(const CsvMapping& m, const CsvTable& table) {
    return summary_lines(m, table, m.answers_in_letters);
}


bool looks_like_csv(std::string_view text) {
    const std::optional<char> delimiter = detect_delimiter(text);
    if (!delimiter) {
        return false;
    }
    const CsvParse sample = parse_csv(text, *delimiter, 20);
    std::map<std::size_t, std::size_t> rows_with;
    std::size_t filled = 0;
    for (const CsvRow& row : sample.rows) {
        if (!is_empty_row(row)) {
            ++filled;
            ++rows_with[row.cells.size()];
        }
    }
    std::size_t most = 0;
    for (const auto& [cells, rows] : rows_with) {
        most = std::max(most, rows);
    }
    return filled > 0 && most * 2 > filled;
}

bool is_input_file_text(std::string_view text) {
    return text.substr(0, std::string_view(input_file_signature).size()) == input_file_signature;
}

}  // namespace kor
