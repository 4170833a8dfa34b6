#pragma once
// The quick options analysis: for every included item in item-number order,
// how often each option was chosen overall and in the high and low groups.

#include <string>
#include <vector>

#include "core/analysis/Records.h"

namespace kor {

struct AnalysisState;
struct TTestData;

// Whether the option is marked as a correct answer of the item: the key, an
// alternative correct answer, every option when every answer counts.
bool is_marked_correct(const Item_Record& item, const TTestData& data, int option);

// The column heading repeated before items 1, 6, 11, ...: three lines, or
// none when the widest item has a single option.
std::vector<std::string> options_heading(const TTestData& data);

// The TOTAL, High, Low and Diff lines of one included item and the empty
// line after them.
std::vector<std::string> item_option_lines(const Item_Record& item, const TTestData& data);

// The whole report, ending with the identification lines.
std::vector<std::string> quick_options_report(const AnalysisState& state);

}  // namespace kor
