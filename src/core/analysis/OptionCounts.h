#pragma once
// The options (distractor) analysis: how many examinees chose each option of
// every included item, overall and in the high and low groups.

namespace kor {

struct ProgramState;

// Fills OptCount, OptCountHigh, OptCountLow and their proportions of every
// included item. Needs the scores and the groups.
void count_options(ProgramState& state);

}  // namespace kor
