#include "core/data/CsvLines.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <set>

#include "core/AnalysisState.h"
#include "core/TextUtil.h"
#include "core/data/CsvCells.h"

namespace kor::csv {

namespace {

// The most cells any row has up to its last cell that holds something.
std::size_t widest_filled_row(const PlanState& s) {
    std::size_t widest = 0;
    for (std::size_t r : s.filled) {
        const std::vector<std::string>& cells = s.row_at(r).cells;
        for (std::size_t c = cells.size(); c > widest; --c) {
            if (!trimmed(cells[c - 1]).empty()) {
                widest = c;
            }
        }
    }
    return widest;
}

// The number of cells most rows have (the widest row's when short rows are
// filled).
std::size_t row_width(const PlanState& s, bool fill) {
    std::map<std::size_t, std::size_t> rows_with;
    for (std::size_t r : s.filled) {
        ++rows_with[s.row_at(r).cells.size()];
    }
    std::size_t most = 0;
    std::size_t width = 0;
    for (const auto& [cells, rows] : rows_with) {
        if (rows >= most) {
            most = rows;
            width = cells;
        }
    }
    return fill ? std::max(width, widest_filled_row(s)) : width;
}

// Columns that hold something in some row: a row may lack only columns that
// are empty everywhere (a header without the data's trailing delimiter).
std::vector<bool> used_columns(const PlanState& s) {
    const std::size_t columns = s.plan.table.columns;
    std::vector<bool> used(columns, false);
    for (std::size_t r : s.filled) {
        const CsvRow& row = s.row_at(r);
        for (std::size_t c = 0; c < row.cells.size() && c < columns; ++c) {
            used[c] = used[c] || !trimmed(row.cells[c]).empty();
        }
    }
    return used;
}

struct MarkedCell {
    int row;
    std::size_t item;
    std::string text;
};

std::size_t longest_of(const std::vector<std::string>& labels) {
    std::size_t longest = 0;
    for (const std::string& label : labels) {
        longest = std::max(longest, label.size());
    }
    return longest;
}

std::string label_of(const PlanState& s, std::size_t index) {
    std::vector<std::string> parts;
    for (std::size_t c : s.mapping.id_columns) {
        const std::string part = one_line(s.cell(index, c));
        if (!part.empty()) {
            parts.push_back(trimmed(part));
        }
    }
    return join(parts, " ");
}

// The students' ids in one id column.
std::vector<std::string> column_ids(const PlanState& s, std::size_t column) {
    std::vector<std::string> ids;
    for (std::size_t r : s.student_indexes) {
        ids.push_back(trimmed(one_line(s.cell(r, column))));
    }
    return ids;
}

// The other id columns of a student, joined: the name beside its id.
std::string name_beside(const PlanState& s, std::size_t index, std::size_t id_column) {
    std::vector<std::string> parts;
    for (std::size_t c : s.mapping.id_columns) {
        const std::string part = trimmed(one_line(s.cell(index, c)));
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
bool shorten_ids(PlanState& s, std::vector<std::string>& labels, std::size_t room) {
    // Each id column on its own, then all of them joined (the labels).
    std::vector<std::optional<std::size_t>> sources(s.mapping.id_columns.begin(),
                                                    s.mapping.id_columns.end());
    sources.emplace_back();
    std::optional<std::size_t> length;
    std::optional<std::size_t> column;
    std::vector<std::string> ids;
    for (const std::optional<std::size_t>& source : sources) {
        ids = source ? column_ids(s, *source) : labels;
        length = distinct_tail_length(ids, room);
        if (length) {
            column = source;
            break;
        }
    }
    if (!length) {
        return false;
    }
    for (std::size_t k = 0; k < labels.size(); ++k) {
        labels[k] = id_tail(ids[k], *length);
        const std::string name =
            column ? name_beside(s, s.student_indexes[k], *column) : std::string();
        s.mapping.full_ids[labels[k]] = FullId{ids[k], name};
    }
    s.mapping.warnings.push_back(
        "With " + std::to_string(s.item_count()) + " items an id may have at most " +
        std::to_string(room) + " characters, so each label is the last " + std::to_string(*length) +
        " characters of " + (column ? "column " + s.column_label(*column) : std::string("the id")) +
        ", which still tell the students apart; the scores CSV and the JSON carry the whole "
        "ids" +
        (column ? " and the names" : "") + ", an input file only the labels");
    return true;
}

std::string item_name(const PlanState& s, std::size_t item) {
    std::string name = "item " + std::to_string(item + 1);
    if (s.mapping.header_row != 0) {
        const std::string header = trimmed(s.first_row().cells[s.mapping.item_columns[item]]);
        if (!header.empty()) {
            name += " (" + header + ")";
        }
    }
    return name;
}

std::string cell_warning(const PlanState& s, const std::vector<MarkedCell>& cells,
                         const std::string& what) {
    std::vector<std::string> listed;
    for (std::size_t k = 0; k < cells.size() && k < listed_cells; ++k) {
        listed.push_back("row " + std::to_string(cells[k].row) + " " + item_name(s, cells[k].item) +
                         ": " + quoted(cells[k].text));
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

// The students' labels: their ids joined, or their row numbers when no id
// column holds anything.
std::vector<std::string> student_labels(PlanState& s) {
    std::vector<std::string> labels;
    for (std::size_t r : s.student_indexes) {
        labels.push_back(label_of(s, r));
    }
    s.mapping.row_numbers_as_ids = longest_of(labels) == 0;
    if (s.mapping.row_numbers_as_ids) {
        labels.clear();
        for (int row : s.mapping.student_rows) {
            labels.push_back(std::to_string(row));
        }
    }
    return labels;
}

// Refuses the first label longer than the room the items leave.
bool check_label_lengths(PlanState& s, const std::vector<std::string>& labels,
                         std::size_t allowed) {
    for (std::size_t k = 0; k < labels.size(); ++k) {
        if (labels[k].size() > allowed) {
            const int row = s.mapping.student_rows[k];
            return s.refuse_row(
                row, "Row " + std::to_string(row) + ": the id " + quoted(labels[k]) + " has " +
                         std::to_string(labels[k].size()) + " characters; with " +
                         std::to_string(s.item_count()) + " items an id may have at most " +
                         std::to_string(allowed) + " (id and answers must fit in " +
                         std::to_string(max_label_plus_items) +
                         " columns). Shorten it, or choose fewer id columns with --id.");
        }
    }
    return true;
}

// The cells read as missing answers although they hold something.
struct MarkedCells {
    std::vector<MarkedCell> double_marks;
    std::vector<MarkedCell> unreadable;
};

// One data line per student: the label padded to the longest, then one
// answer per item, "." where the cell holds none that the item can take.
MarkedCells write_data_lines(PlanState& s, const std::vector<std::string>& labels,
                             std::size_t longest) {
    MarkedCells marked;
    std::size_t letters = 0;
    std::size_t digits = 0;
    for (std::size_t k = 0; k < s.student_indexes.size(); ++k) {
        const int row = s.mapping.student_rows[k];
        std::string line = pad_right(labels[k], longest);
        for (std::size_t item = 0; item < s.item_count(); ++item) {
            const std::string text = s.answer(k, item);
            char answer = missing_in_data;
            if (is_missing_mark(text)) {
                ++s.mapping.missing_cells;
            } else if (text.size() > 1) {
                marked.double_marks.push_back({row, item, text});
            } else if (!answers_option(text[0], s.mapping.options[item] - '0')) {
                marked.unreadable.push_back({row, item, text});
            } else {
                answer = text[0];
                ++(std::isdigit(static_cast<unsigned char>(answer)) ? digits : letters);
            }
            line += answer;
        }
        s.mapping.texts.data_lines.push_back(line);
    }
    s.mapping.answers_in_letters = letters > digits;
    return marked;
}

void note_line_warnings(PlanState& s, const MarkedCells& marked) {
    s.mapping.double_marked_cells = static_cast<int>(marked.double_marks.size());
    s.mapping.unreadable_cells = static_cast<int>(marked.unreadable.size());
    if (!marked.double_marks.empty()) {
        s.mapping.warnings.push_back(cell_warning(
            s, marked.double_marks, "more than one character (double marks such as \"A,B\")"));
    }
    if (!marked.unreadable.empty()) {
        s.mapping.warnings.push_back(
            cell_warning(s, marked.unreadable, "a character that answers no option of their item"));
    }
    const std::vector<int>& skipped = s.mapping.skipped_rows;
    if (!skipped.empty()) {
        s.mapping.warnings.push_back(row_list(skipped) + (skipped.size() == 1
                                                              ? " is empty and was skipped"
                                                              : " are empty and were skipped"));
    }
}

// The longest version name among the students; 0 without versions.
std::size_t version_width(const PlanState& s) {
    std::size_t width = 0;
    for (const ExamVersion* version : s.student_versions) {
        width = std::max(width, version->name.size());
    }
    return width;
}

// Each label gains its student's version after a blank, in the same
// columns on every line, so that an analysis of the saved data set still
// finds it there. The whole ids kept by label follow their labels.
void add_versions_to_labels(PlanState& s, std::vector<std::string>& labels, std::size_t longest) {
    std::map<std::string, FullId> full_ids;
    for (std::size_t k = 0; k < labels.size(); ++k) {
        const std::string with_version =
            pad_right(labels[k], longest) + " " + s.student_versions[k]->name;
        const auto full = s.mapping.full_ids.find(labels[k]);
        if (full != s.mapping.full_ids.end()) {
            full_ids[with_version] = full->second;
        }
        labels[k] = with_version;
    }
    s.mapping.full_ids = std::move(full_ids);
    const int first = static_cast<int>(longest) + 2;
    s.mapping.version_label = LabelColumns{first, first + static_cast<int>(version_width(s)) - 1};
}

void fill_texts(PlanState& s, std::size_t label_length) {
    const std::size_t n = s.item_count();
    EditorTexts& texts = s.mapping.texts;
    texts.title = s.mapping.file_name;
    texts.comments = "Imported from " + s.mapping.file_name;
    texts.cases = std::to_string(s.student_indexes.size());
    texts.items = std::to_string(n);
    texts.label_length = std::to_string(label_length);
    texts.answer_key = s.mapping.key;
    texts.options = s.mapping.options;
    texts.include = std::string(n, 'Y');
}

}  // namespace

std::string id_tail(const std::string& id, std::size_t length) {
    return trimmed(id.substr(id.size() - std::min(length, id.size())));
}

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

// A shorter row that is filled gets empty cells at its end.
bool check_row_widths(PlanState& s) {
    CsvTable& table = s.plan.table;
    const bool fill = s.options.short_rows == CsvShortRows::blank;
    table.columns = row_width(s, fill);
    const std::vector<bool> used = used_columns(s);
    for (std::size_t r : s.filled) {
        CsvRow& row = table.rows[r];
        const std::size_t n = row.cells.size();
        const bool short_row =
            n < table.columns && std::find(used.begin() + static_cast<std::ptrdiff_t>(n),
                                           used.end(), true) != used.end();
        if (short_row && fill) {
            s.mapping.filled_rows.push_back(row.number);
        } else if (short_row && !s.short_row) {
            s.short_row = RowRefusal{
                row.number, "Row " + std::to_string(row.number) + " has " + std::to_string(n) +
                                " columns, but the file's rows have " +
                                std::to_string(table.columns) + ": column " + column_letters(n) +
                                " onwards is missing. Check the row for a lost delimiter or "
                                "quote."};
        }
        for (std::size_t c = table.columns; c < n; ++c) {
            if (!trimmed(row.cells[c]).empty()) {
                return s.refuse_row(
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

bool collect_students(PlanState& s) {
    std::vector<int> empty_rows;
    for (std::size_t r = 0; r < s.plan.table.rows.size(); ++r) {
        const CsvRow& row = s.row_at(r);
        if (is_empty_row(row)) {
            empty_rows.push_back(row.number);
            continue;
        }
        if (s.is_header(r) || s.is_key_row(r)) {
            continue;
        }
        // Empty rows count only when students follow them.
        s.mapping.skipped_rows.insert(s.mapping.skipped_rows.end(), empty_rows.begin(),
                                      empty_rows.end());
        empty_rows.clear();
        if (static_cast<int>(s.mapping.student_rows.size()) == max_examinees_limit) {
            return s.refuse_row(row.number, "Row " + std::to_string(row.number) +
                                                ": this is student " +
                                                std::to_string(max_examinees_limit + 1) +
                                                "; KOR analyses at most " +
                                                std::to_string(max_examinees_limit) + " examinees");
        }
        s.mapping.student_rows.push_back(row.number);
        s.student_indexes.push_back(r);
    }
    if (s.mapping.student_rows.empty()) {
        return s.refuse("The file " + s.mapping.file_name +
                        " holds no student rows (rows other than the header and the key)");
    }
    return true;
}

bool build_lines(PlanState& s) {
    std::vector<std::string> labels = student_labels(s);
    const std::size_t version_room = version_width(s) == 0 ? 0 : version_width(s) + 1;
    const std::size_t allowed =
        static_cast<std::size_t>(max_label_plus_items) - s.item_count() - version_room;
    if (longest_of(labels) > allowed) {
        shorten_ids(s, labels, allowed);
    }
    if (!check_label_lengths(s, labels, allowed)) {
        return false;
    }
    std::size_t longest = longest_of(labels);
    if (version_room != 0) {
        add_versions_to_labels(s, labels, longest);
        longest += version_room;
    }
    note_line_warnings(s, write_data_lines(s, labels, longest));
    fill_texts(s, longest);
    return true;
}

}  // namespace kor::csv
