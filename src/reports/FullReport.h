#pragma once
// The full results report.

#include <string>
#include <vector>

#include "core/Outcome.h"

namespace kor {

class Diagnostics;
struct AnalysisState;

// The whole report in its order: examinee summary and score distribution on
// the first page, then (after a form-feed line) the item and test analysis,
// the reliability block, the table of specifications, the answer-key charts
// and the item lists. `item_lines` is the quick item output. The reliability
// block lists the items in the quick item order, the later sections by
// number.
std::vector<std::string> full_report(const AnalysisState& state,
                                     const std::vector<std::string>& item_lines,
                                     Diagnostics& warnings);

}  // namespace kor
