#pragma once
// The rows of a spreadsheet import as data lines: every row as wide as the
// others (a short row refused or filled with blanks), the students' rows,
// and one data line per student, its label cut to the room the items leave
// when the ids are too long.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/data/CsvPlanState.h"

namespace kor::csv {

// Every row must have the same number of cells: the number most rows
// have. Empty cells at the end of a longer row are dropped, and a shorter
// row may lack columns that are empty in every row; any other difference
// means a lost or extra delimiter, which would shift answers. A short row is
// kept in the state's `short_row`, for the runner to refuse once every
// choice is made; when short rows are filled with blanks, the widest row
// sets the number instead.
bool check_row_widths(PlanState& s);

// The rows that are students: all but empty rows, the header and the key
// row. Refuses a file without students or with more than the program takes.
bool collect_students(PlanState& s);

// The data lines and the data editor's boxes; refuses an id that does not
// fit beside the answers even when cut.
bool build_lines(PlanState& s);

// The last `length` characters of an id, without the blanks they start with.
std::string id_tail(const std::string& id, std::size_t length);

// The shortest length, up to `room`, whose tails tell every id apart; none
// when even the longest leaves two alike or one empty.
std::optional<std::size_t> distinct_tail_length(const std::vector<std::string>& ids,
                                                std::size_t room);

}  // namespace kor::csv
