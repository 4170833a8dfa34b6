#pragma once
// Alternative correct answers: the table of "A" items and its OK.

#include <array>
#include <string>
#include <vector>

#include "core/Outcome.h"

namespace kor {

struct AnalysisState;

inline constexpr int alt_table_columns_max = 11;  // item, options, key, 2nd .. 9th answer

struct AltAnswerRow {
    // cells[0] item number, cells[1] number of options, cells[2] the key as a
    // code digit, cells[3..10] the 2nd to 9th correct answers.
    std::array<std::string, alt_table_columns_max> cells;
};

struct AltAnswerTable {
    std::vector<AltAnswerRow> rows;  // one per "A"/"a" item, in item order
    int column_count = 0;            // max_item_options + 2
    // headings[c] holds the three heading rows of column c; empty for columns that do not exist.
    std::array<std::array<std::string, 3>, alt_table_columns_max> headings;
};

// "Set Alternative Correct Answers": checks the item count, key, include and
// options lines of the editor, sets every item's correct answers to its key
// and builds one table row per "A" item from the stored cells. Refused when
// there is nothing to show.
Outcome prepare_alt_answer_table(AnalysisState& state);

// OK of the table: every filled cell must be one digit between 1 and the
// item's option count; accepted cells become correct answers. Refused means
// the dialog is shown again.
Outcome alt_answers_ok(AnalysisState& state);

}  // namespace kor
