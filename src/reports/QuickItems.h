#pragma once
// The item reports of an analysis: the item analysis output (one line per
// included item, notes, then the test and item summary), kept with the
// report texts, and the quick item results shown in its right pane.

#include <string>
#include <vector>

#include "core/analysis/Records.h"

namespace kor {

struct AnalysisState;
struct AnalysisSettings;

// The line of one included item; `problem` puts the "#" mark on it.
std::string item_line(const Item_Record& item, bool problem);

// A point-biserial as the item lines print it: two decimals, or "****"
// when it cannot be computed (stored as a value above 1).
std::string correlation_text(double value);

// "*": the item accepts more than its key (alternative answers, or key 9).
bool has_multiple_correct_answers(const Item_Record& item);

// The legend of the "#" mark with the criteria in their short form.
std::string problem_legend(const AnalysisSettings& settings);

// The order the item lines are in.
std::string item_sort_note(const AnalysisSettings& settings);

// From the empty line to the high and low groups and, with problem items,
// their count by criterion: the quick item results pane (RichEditQI).
std::vector<std::string> item_summary(const AnalysisState& state);
std::vector<std::string> quick_item_results(const AnalysisState& state);

// The item analysis output. Build it right after the analysis:
// it follows the records' report order and the settings of that moment.
std::vector<std::string> item_output(const AnalysisState& state);

}  // namespace kor
