#pragma once
// The text of the window "Precision and Missing Answers": Feldt's interval
// of KR20, the SEM, the conditional standard error at every score, and the
// answers each item lost, skipped or not reached, with the item's figures as
// the web page, the JSON and the CSV give them. Fixed-pitch lines, the
// figures at the web page's precision.

#include <string>
#include <vector>

namespace kor {

struct AnalysisState;

std::vector<std::string> precision_report_lines(const AnalysisState& state);

}  // namespace kor
