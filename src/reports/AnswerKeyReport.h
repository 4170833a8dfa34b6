#pragma once
// The last two sections of the full results report: the answer-key analysis
// (how often each option is the key, how many options the items have) and
// the listing of included and excluded items, keys and additional correct
// answers. Items are taken by item number.

#include <string>
#include <vector>

namespace kor {

struct AnalysisState;

// From the two empty lines before the "Answer Key Analysis" banner to the
// last bar of the options chart.
std::vector<std::string> answer_key_lines(const AnalysisState& state);

// From the two empty lines before the listing's banner to its last line;
// the report ends with it.
std::vector<std::string> item_listing_lines(const AnalysisState& state);

}  // namespace kor
