#include "core/data/CsvColumns.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <string_view>

#include "core/AnalysisState.h"
#include "core/TextUtil.h"
#include "core/data/CsvCells.h"
#include "core/data/CsvVersions.h"

namespace kor::csv {

namespace {

// A column is an item column when at most this share of its filled cells
// (or one of them) is something other than answers.
constexpr double other_share_allowed = 0.1;

// Columns are given by numbers ("4-28", "1,3") or else by header names.

bool names_columns(const std::string& columns_text) {
    return columns_text.find_first_not_of("0123456789-, ") != std::string::npos;
}

// A column given by number (1 = A) or by its header name.
std::optional<std::size_t> column_named(PlanState& s, const std::string& part,
                                        const std::string& flag) {
    if (const auto number = parse_int(part)) {
        if (*number < 1 || static_cast<std::size_t>(*number) > s.plan.table.columns) {
            s.refuse(flag + ": there is no column " + part + "; the file has " +
                     std::to_string(s.plan.table.columns) + " columns");
            return std::nullopt;
        }
        return static_cast<std::size_t>(*number - 1);
    }
    const CsvRow& header = s.first_row();
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
        s.refuse(flag + ": no column of the header row " + std::to_string(header.number) +
                 " is named " + quoted(part));
        return std::nullopt;
    }
    if (found.size() > 1) {
        s.refuse(flag + ": more than one column of the header row " +
                 std::to_string(header.number) + " is named " + quoted(part) + " (" +
                 column_range(found) + "); give the column numbers");
        return std::nullopt;
    }
    return found.front();
}

// The rows that show what a column holds: all but the first, which may
// be the header (unless there is no header, or no other row).
std::vector<std::size_t> sample_rows(const PlanState& s) {
    const bool skip_first = s.mapping.header_row != 0 || (!s.options.header && s.filled.size() > 1);
    return std::vector<std::size_t>(s.filled.begin() + (skip_first ? 1 : 0), s.filled.end());
}

// The header row the user gives, or that naming columns by their header
// implies: a column named by its header name needs the header row.
bool choose_given_header(PlanState& s, bool names) {
    s.mapping.header_given = s.options.header.has_value();
    if (names && s.options.header == false) {
        return s.refuse(
            "Columns are named by their header, but --header no says the file has none; "
            "give column numbers instead");
    }
    if (s.options.header) {
        s.mapping.header_row = *s.options.header ? s.first_row().number : 0;
    } else if (names) {
        s.mapping.header_row = s.first_row().number;
        s.mapping.header_given = true;
    }
    return true;
}

// The columns left out that hold something (a total, an e-mail address).
void note_ignored_columns(PlanState& s) {
    for (std::size_t c = 0; c < s.plan.table.columns; ++c) {
        const bool filled = std::any_of(s.filled.begin(), s.filled.end(),
                                        [&](std::size_t r) { return !s.cell(r, c).empty(); });
        if (filled && !contains(s.mapping.item_columns, c) && !contains(s.mapping.id_columns, c) &&
            c != s.mapping.version_column) {
            s.mapping.ignored_columns.push_back(c);
        }
    }
}

}  // namespace

ColumnKind column_kind(const PlanState& s, std::size_t column,
                       const std::vector<std::size_t>& rows) {
    int filled = 0;
    int other = 0;
    for (std::size_t r : rows) {
        const std::string text = s.cell(r, column);
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

std::vector<std::size_t> longest_answer_run(const std::vector<ColumnKind>& kinds) {
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
    std::vector<std::size_t> run;
    for (std::size_t k = best_start; k < best_start + best_length; ++k) {
        run.push_back(k);
    }
    return run;
}

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

void trim_by_header_names(const CsvRow& header, std::vector<std::size_t>& columns) {
    if (columns.size() < 3) {
        return;
    }
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

std::vector<std::string> column_parts(const std::string& columns_text, bool range) {
    std::vector<std::string> parts;
    if (range) {
        const std::size_t dots = columns_text.find("..");
        const bool numbers = columns_text.find_first_not_of("0123456789- ") == std::string::npos;
        if (dots != std::string::npos) {
            parts = {trimmed(columns_text.substr(0, dots)), trimmed(columns_text.substr(dots + 2))};
        } else if (numbers && columns_text.find('-') != std::string::npos) {
            const std::size_t dash = columns_text.find('-');
            parts = {trimmed(columns_text.substr(0, dash)), trimmed(columns_text.substr(dash + 1))};
        } else {
            parts = {trimmed(columns_text)};
        }
    } else {
        std::size_t start = 0;
        while (start <= columns_text.size()) {
            const std::size_t comma = std::min(columns_text.find(',', start), columns_text.size());
            parts.push_back(trimmed(columns_text.substr(start, comma - start)));
            start = comma + 1;
        }
    }
    return parts;
}

bool given_columns(PlanState& s, const std::string& columns_text, const std::string& flag,
                   bool range, std::vector<std::size_t>& columns) {
    std::vector<std::size_t> found;
    for (const std::string& part : column_parts(columns_text, range)) {
        if (part.empty()) {
            return s.refuse(flag + " " + quoted(columns_text) +
                            " names no column: give numbers such as "
                            "4-43 or header names such as Q1..Q40");
        }
        const std::optional<std::size_t> column = column_named(s, part, flag);
        if (!column) {
            return false;
        }
        found.push_back(*column);
    }
    if (range && found.size() == 2) {
        if (found[0] > found[1]) {
            return s.refuse(flag + " " + quoted(columns_text) +
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

namespace {

// The item columns as the answers in them show: the longest run of answer columns.
void detect_item_columns(PlanState& s) {
    const std::vector<std::size_t> rows = sample_rows(s);
    std::vector<ColumnKind> kinds;
    for (std::size_t c = 0; c < s.plan.table.columns; ++c) {
        // The version column's cells (A, B, C) look like answers but are none.
        kinds.push_back(c == s.mapping.version_column ? ColumnKind::other
                                                      : column_kind(s, c, rows));
    }
    s.mapping.item_columns = longest_answer_run(kinds);
}

// The first row is the header when its cells over the items are not all
// answers ("Q1", "Item 2", "10").
bool first_row_is_header(const PlanState& s) {
    const std::size_t first = s.filled.front();
    return std::any_of(s.mapping.item_columns.begin(), s.mapping.item_columns.end(),
                       [&](std::size_t c) { return !reads_as_answers(s.cell(first, c)); });
}

bool choose_id_columns(PlanState& s) {
    if (!s.options.ids.empty()) {
        s.mapping.ids_given = true;
        if (!given_columns(s, s.options.ids, "--id", false, s.mapping.id_columns)) {
            return false;
        }
        for (std::size_t c : s.mapping.id_columns) {
            if (contains(s.mapping.item_columns, c)) {
                return s.refuse("--id: column " + s.column_label(c) + " is an item column");
            }
            if (c == s.mapping.version_column) {
                return s.refuse("--id: column " + s.column_label(c) + " is the version column");
            }
        }
        return true;
    }
    for (std::size_t c = 0; c < s.mapping.item_columns.front(); ++c) {
        if (c != s.mapping.version_column) {
            s.mapping.id_columns.push_back(c);
        }
    }
    return true;
}

}  // namespace

bool choose_columns(PlanState& s) {
    const bool names = names_columns(s.options.items) || names_columns(s.options.ids) ||
                       names_columns(s.options.version_column);
    if (!choose_given_header(s, names) || !choose_version_column(s)) {
        return false;
    }
    if (!s.options.items.empty()) {
        s.mapping.items_given = true;
        if (!given_columns(s, s.options.items, "--items", true, s.mapping.item_columns)) {
            return false;
        }
        if (s.mapping.version_column &&
            contains(s.mapping.item_columns, *s.mapping.version_column)) {
            return s.refuse("--items: column " + s.column_label(*s.mapping.version_column) +
                            " is the version column");
        }
    } else {
        detect_item_columns(s);
    }
    if (!s.options.header && !names) {
        s.mapping.header_row = first_row_is_header(s) ? s.first_row().number : 0;
    }
    if (s.mapping.header_row != 0 && !s.mapping.items_given) {
        trim_by_header_names(s.first_row(), s.mapping.item_columns);
    }
    if (s.mapping.item_columns.empty()) {
        return s.refuse("No item columns found in " + s.mapping.file_name +
                        ": no column holds mostly single answers (" + response_characters +
                        "). Name them with --items, for example --items 4-43 or --items Q1..Q40");
    }
    if (s.mapping.item_columns.size() > static_cast<std::size_t>(max_items)) {
        const std::size_t column = s.mapping.item_columns[max_items];
        return s.refuse(s.at_cell(s.first_row(), column) + "the file has " +
                        std::to_string(s.mapping.item_columns.size()) + " item columns (" +
                        column_range(s.mapping.item_columns) + "); KOR analyses at most " +
                        std::to_string(max_items) +
                        " items. Choose the item columns with --items.");
    }
    if (!choose_id_columns(s)) {
        return false;
    }
    note_ignored_columns(s);
    return true;
}

}  // namespace kor::csv

namespace kor {

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

}  // namespace kor
