#pragma once
// The full results report.

#include <string>
#include <vector>

#include "core/Outcome.h"

namespace kor {

class Diagnostics;
struct ProgramState;

// The whole report in its order: examinee summary and score distribution on
// the first page, then (after a form-feed line) the item and test analysis,
// the reliability block, the table of specifications, the answer-key charts
// and the item lists. `memo_items` is the quick item output. The reliability
// block lists the items in the quick item order, the later sections by
// number.
std::vector<std::string> full_report(const ProgramState& state, const std::vector<std::string>& memo_items,
                                     Diagnostics& warnings);

}  // namespace kor
