#pragma once
// The reliability block of the full results report: split-half reliabilities
// with their Spearman-Brown step-up, the extremes of the item statistics,
// the Spearman-Brown prophecy, and the "Additional Item Analysis" table of
// item-deleted statistics and biserial correlations with its notes.

#include <string>
#include <vector>

namespace kor {

class Diagnostics;
struct AnalysisState;

// The whole block, from the split-half lines to the empty line after the
// biserial summary. A prophecy that cannot be made adds its warning to
// `warnings`.
std::vector<std::string> reliability_lines(const AnalysisState& state, Diagnostics& warnings);

// Its parts, in this order.
std::vector<std::string> split_half_lines(const AnalysisState& state);
std::vector<std::string> item_extreme_lines(const AnalysisState& state);
std::vector<std::string> prophecy_lines(const AnalysisState& state, Diagnostics& warnings);
std::vector<std::string> additional_item_analysis_lines(const AnalysisState& state);

}  // namespace kor
