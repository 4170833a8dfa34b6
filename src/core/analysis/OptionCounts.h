#pragma once
// The options (distractor) analysis: how many examinees chose each option of
// every included item, overall and in the high and low groups.

namespace kor {

struct AnalysisState;

// The option column 1..8 a response code counts in, or 0 for none.
int option_column(int response, bool right_wrong);

// Fills OptCount, OptCountHigh, OptCountLow and their proportions of every
// included item. Needs the scores and the groups.
void count_options(AnalysisState& state);

}  // namespace kor
