#pragma once
// The answer key of a spreadsheet import and the items' options: the key
// from a row of the file (found by the word "key" or named by the user),
// from a key file or typed, and the options given or detected from the key
// and the answers.

#include <cstddef>
#include <string>
#include <vector>

#include "core/data/CsvPlanState.h"

namespace kor::csv {

// At most one source of the key, and no key row both given and refused.
bool check_key_choices(PlanState& s);

// The rows (indexes into the table) that read "key" or "answer key" in a
// column outside the items, the header excepted.
std::vector<std::size_t> rows_reading_key(const PlanState& s);

// The key row: the one the user names, or else the one row that reads
// "key"; none when the user says so. Refuses two such rows, and a key row
// beside a key given otherwise.
bool choose_key_row(PlanState& s);

// The key from its source, one response character for every item.
bool choose_key(PlanState& s);

// The options of an item whose key and answers are `answers`: 2 for true-false
// items (only T and F), else the highest option named, at least 2.
int options_named_by(const std::string& answers);

// The options given, or detected item by item; refuses a key that answers
// no option of its item.
bool choose_options(PlanState& s);

}  // namespace kor::csv
