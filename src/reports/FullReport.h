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
// and the item lists. `memo_items` is the quick item output. After the
// reliability block the item records go back into item-number order, as the
// later sections and every later view expect.
std::vector<std::string> full_report(ProgramState& state, const std::vector<std::string>& memo_items,
                                     Diagnostics& warnings);

}  // namespace kor
