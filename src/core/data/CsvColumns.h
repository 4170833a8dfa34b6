#pragma once
// The columns of a spreadsheet export: which row is the header, which
// columns hold the items (given, or the longest run of columns that hold
// answers, trimmed by the header's numbering), which hold the ids, and which
// are left out.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/data/CsvPlanState.h"

namespace kor::csv {

enum class ColumnKind { empty, answers, other };

// What the column holds in the given rows (indexes into the table): nothing,
// answers (at most a tenth of its filled cells, or one cell, other than
// answers) or something else.
ColumnKind column_kind(const PlanState& s, std::size_t column,
                       const std::vector<std::size_t>& rows);

// The longest run of consecutive answer columns; empty columns inside a
// run belong to it (an item nobody answered), at its ends they do not.
std::vector<std::size_t> longest_answer_run(const std::vector<ColumnKind>& kinds);

// A header name's stem: "Q12" -> "q", "Item_3" -> "item", "7" -> "". Names
// that do not end in a number have none.
std::optional<std::string> numbered_stem(const std::string& name);

// With a header, a column at either end of the run whose name does not
// follow the items' numbering ("Form" or "Grade" beside "Q1".."Q40") is
// not an item, although it holds letters.
void trim_by_header_names(const CsvRow& header, std::vector<std::size_t>& columns);

// The parts of a columns text: the two ends of a range ("4-28", "Q1..Q25")
// or the one column ("7") when `range`, else the comma-separated list.
std::vector<std::string> column_parts(const std::string& columns_text, bool range);

// The columns `columns_text` names for `flag` (numbers, 1 = A, or header
// names), a range when `range`; refuses a column the file lacks.
bool given_columns(PlanState& s, const std::string& columns_text, const std::string& flag,
                   bool range, std::vector<std::size_t>& columns);

// Chooses the header row and the item, id and ignored columns, each given or
// detected.
bool choose_columns(PlanState& s);

}  // namespace kor::csv
