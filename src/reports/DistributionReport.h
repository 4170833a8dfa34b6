#pragma once
// The score distribution section of the full results report: the frequency
// table, the bar graph of the number-correct scores, the stem-and-leaf
// display and the bar chart of letter grades. Each display that would be too
// long for the number of examinees is replaced by a one-line notice.

#include <string>
#include <vector>

namespace kor {

class Diagnostics;
struct AnalysisState;

// Largest number of examinees for which each display is drawn.
inline constexpr int bar_graph_max_examinees = 999;
inline constexpr int stem_leaf_max_examinees = 200;
inline constexpr int grade_chart_max_examinees = 200;

// The whole section: the four parts below, in this order.
std::vector<std::string> score_distribution_lines(const AnalysisState& state,
                                                  Diagnostics& diagnostics);

std::vector<std::string> frequency_table_lines(const AnalysisState& state,
                                               Diagnostics& diagnostics);
std::vector<std::string> bar_graph_lines(const AnalysisState& state);
std::vector<std::string> stem_and_leaf_lines(const AnalysisState& state);
std::vector<std::string> grade_chart_lines(const AnalysisState& state);

}  // namespace kor
