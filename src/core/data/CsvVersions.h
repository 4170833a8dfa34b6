#pragma once
// Exam versions in a spreadsheet import: the column that names each
// student's version, the map of every version's questions (and options) to
// the master order, one key per version checked against the others through
// the map, and every student's answers read in the master order.

#include "core/data/CsvPlanState.h"

namespace kor::csv {

// A version column and a versions map come together.
bool check_version_choices(PlanState& s);

// The version column the user names, once the header row is known; it is
// then neither an item nor an id column, whatever its cells look like.
bool choose_version_column(PlanState& s);

// Reads the map for the items found.
bool read_versions(PlanState& s);

// Each student's version, refused when its cell is empty or names no
// version of the map; each version's key (its key row, or its row of the
// key file) moved to the master order, and the master key where they all
// agree. A disagreement refuses the import with one line per master item.
bool assign_versions(PlanState& s);

}  // namespace kor::csv
