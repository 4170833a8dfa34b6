#pragma once
// What the stages of a spreadsheet import share while it is planned: the
// user's options, the plan being built (the table, the refusal), the mapping
// chosen so far and the rows each stage has picked out for the next. Each
// stage reads what earlier ones chose and refuses, through `refuse`, at the
// first thing it cannot read; the stage-runner stops at the first refusal.

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/data/CsvImport.h"
#include "core/data/VersionsMap.h"

namespace kor::csv {

// A cell of a UTF-8 file holding a character Latin-1 lacks, kept as its
// base letter until the cell's part (id, answer, key) is known.
struct ReplacedCell {
    std::size_t row;  // index into the table's rows
    std::size_t column;
    char32_t code;  // the first character Latin-1 lacks
};

// A refusal held back until planning is done.
struct RowRefusal {
    int row;
    std::string message;
};

struct PlanState {
    PlanState(const CsvOptions& given, const std::string& file_name) : options(given) {
        mapping.file_name = file_name;
    }

    const CsvOptions& options;  // the caller's, which outlive the planning
    CsvPlan plan;
    CsvMapping mapping;
    std::vector<std::size_t> filled;           // indexes of the rows that hold something
    std::optional<std::size_t> key_row_index;  // the (first) key row
    std::vector<std::size_t> key_row_indexes;  // every key row: one per version with versions
    std::vector<std::size_t> student_indexes;
    std::vector<ReplacedCell> replaced_cells;
    std::optional<RowRefusal> short_row;  // the first short row, when they are refused
    // With exam versions: the map and each student's version (in the order
    // of student_indexes).
    std::optional<VersionsMap> versions;
    std::vector<const ExamVersion*> student_versions;

    const CsvRow& row_at(std::size_t index) const { return plan.table.rows[index]; }
    const CsvRow& first_row() const { return row_at(filled.front()); }

    std::string cell(std::size_t row_index, std::size_t column) const {
        return trimmed(row_at(row_index).cells[column]);
    }

    // The header row's name of the column; empty without a header.
    std::string column_header(std::size_t column) const {
        return mapping.header_row != 0 ? cell(filled.front(), column) : std::string();
    }

    std::string column_label(std::size_t column) const {
        return csv_column_label(plan.table, mapping.header_row, column);
    }

    std::string at_cell(const CsvRow& row, std::size_t column) const {
        return "Row " + std::to_string(row.number) + ", column " + column_label(column) + ": ";
    }

    bool is_header(std::size_t index) const {
        return mapping.header_row != 0 && row_at(index).number == mapping.header_row;
    }

    std::size_t item_count() const { return mapping.item_columns.size(); }

    bool is_key_row(std::size_t index) const {
        return key_row_index == index || std::find(key_row_indexes.begin(), key_row_indexes.end(),
                                                   index) != key_row_indexes.end();
    }

    // The answer cell of student `student` (an index into student_indexes)
    // to the master's item `item` (an index): with versions, the cell of
    // the question the student's version printed for it, its answer moved
    // to the master's options.
    std::string answer(std::size_t student, std::size_t item) const {
        const std::size_t row = student_indexes[student];
        if (student_versions.empty()) {
            return cell(row, mapping.item_columns[item]);
        }
        const ExamVersion& version = *student_versions[student];
        const std::size_t question = version.question_of[item];
        return version.answer_in_master(question, cell(row, mapping.item_columns[question]));
    }

    // Records the refusal; false, for the stage to return.
    bool refuse(const std::string& message) {
        plan.outcome.refuse(message);
        return false;
    }

    // A refusal that names a row of the file, which a preview shows.
    bool refuse_row(int row, const std::string& message) {
        plan.refused_row = row;
        return refuse(message);
    }
};

}  // namespace kor::csv
