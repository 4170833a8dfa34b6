#pragma once
// Item statistics: difficulty, high and low groups, discrimination,
// point-biserial and biserial correlations, the statistics of the test
// without each item, and the problem-item decision.

#include "core/analysis/Records.h"

namespace kor {

struct AnalysisState;
struct AnalysisSettings;
struct CorrectnessMatrix;
class Diagnostics;

// The group sizes in use: the group texts read as percentages when both are
// numbers from 0 to 100; otherwise the last ones that were.
void read_group_fractions(AnalysisState& state);

// Every item statistic and the test's reliability, in their order of
// dependence. The item records must be in item-number order and the
// examinees scored.
void compute_item_statistics(AnalysisState& state, const CorrectnessMatrix& correct,
                             Diagnostics& diagnostics);

// An included item is a potential problem unless it is neither too hard nor
// too easy, discriminates and correlates above the criteria.
bool is_problem_item(const Item_Record& item, const AnalysisSettings& settings);

// Which of the four deciding criteria an item meets, each on its own (an
// item meets one exactly when it is not strictly inside its limit).
struct ProblemCriteriaMet {
    bool p_low = false;
    bool p_high = false;
    bool disc = false;
    bool adj_pbis = false;
};
ProblemCriteriaMet problem_criteria_met(const Item_Record& item, const AnalysisSettings& settings);

// num_problem_items and the four counts per criterion (all 0 when problem
// items are not suggested).
void count_problem_items(AnalysisState& state);

}  // namespace kor
