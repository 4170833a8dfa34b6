#include "core/data/CsvSummary.h"

#include <cctype>

#include "core/data/CsvCells.h"

namespace kor::csv {

namespace {

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

}  // namespace

std::string key_in_letters(const std::string& key) {
    std::string letters = key;
    for (char& c : letters) {
        if (c >= '1' && c <= '0' + highest_option) {
            c = static_cast<char>('A' + (c - '1'));
        }
    }
    return letters;
}

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

namespace {

// The lines on the columns: delimiter, header, ids, items, ignored columns.
void add_column_lines(std::vector<std::string>& lines, const CsvMapping& m, const CsvTable& table) {
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
                        given_or_detected(m.ids_given) + ", label length " + m.texts.label_length);
    }
    lines.push_back("Items: " + std::to_string(m.item_columns.size()) + ", columns " +
                    column_range(m.item_columns) +
                    header_names(table, m.header_row, m.item_columns, true) +
                    given_or_detected(m.items_given));
    if (!m.ignored_columns.empty()) {
        lines.push_back("Ignored columns: " + column_range(m.ignored_columns) +
                        header_names(table, m.header_row, m.ignored_columns, false));
    }
}

std::string key_line(const CsvMapping& m, const std::string& key) {
    switch (m.key_source) {
        case CsvKeySource::row:
            return "Key: row " + std::to_string(m.key_row) + ", " + key;
        case CsvKeySource::file:
            return "Key: file " + m.key_file_name + ", " + key;
        case CsvKeySource::text:
            break;
    }
    return "Key: given, " + key;
}

// With exam versions: the column, the map, each version's students and key,
// and the label columns that keep each student's version.
void add_version_lines(std::vector<std::string>& lines, const CsvMapping& m,
                       const CsvTable& table) {
    if (!m.version_column) {
        return;
    }
    std::vector<std::string> names;
    for (const CsvVersion& version : m.versions) {
        names.push_back(version.name);
    }
    lines.push_back("Versions: " + std::to_string(m.versions.size()) + " (" + join(names, ", ") +
                    "), column " + csv_column_label(table, m.header_row, *m.version_column) +
                    ", map " + m.versions_map_name + "; the answers are put into the master order");
    for (const CsvVersion& version : m.versions) {
        lines.push_back("Version " + version.name + ": " + std::to_string(version.students) +
                        (version.students == 1 ? " student" : " students") + ", key " +
                        (version.key_from.empty() ? "the master key through the map"
                                                  : "from " + version.key_from));
    }
    if (m.version_label) {
        const std::string columns = label_columns_text(*m.version_label);
        const bool one = m.version_label->first == m.version_label->last;
        lines.push_back("Version label: " + std::string(one ? "column " : "columns ") + columns +
                        " of each label (--version-label " + columns +
                        " finds them in the saved input file)");
    }
}

// The lines on the students: their rows, the cells read as missing, the
// short rows filled and the warnings.
void add_student_lines(std::vector<std::string>& lines, const CsvMapping& m) {
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
}

}  // namespace

std::vector<std::string> summary_lines(const CsvMapping& m, const CsvTable& table,
                                       bool in_letters) {
    const std::string key = in_letters ? key_in_letters(m.key) : m.key;
    std::vector<std::string> lines{"Spreadsheet file: " + m.file_name};
    add_column_lines(lines, m, table);
    lines.push_back(key_line(m, key));
    add_version_lines(lines, m, table);
    lines.push_back("Options: " + (in_letters ? options_in_letters(m) : m.options) +
                    given_or_detected(m.options_given));
    add_student_lines(lines, m);
    return lines;
}

}  // namespace kor::csv

namespace kor {

std::vector<std::string> csv_summary(const CsvMapping& m, const CsvTable& table) {
    return csv::summary_lines(m, table, false);
}

std::vector<std::string> csv_preview_summary(const CsvMapping& m, const CsvTable& table) {
    return csv::summary_lines(m, table, m.answers_in_letters);
}

}  // namespace kor
