#pragma once
// The analysis command: scores the loaded data set and computes every
// statistic, grade, band and option count, and the orders of the reports.

#include <string>

#include "core/Outcome.h"

namespace kor {

struct AnalysisState;

inline constexpr int patience_threshold = 4000;

// Runs the whole analysis on the loaded layer. Refused (with nothing
// computed) when no data set is loaded or no item is included. The
// diagnostics of the numerical routines are kept in results.warnings.
Outcome run_analysis(AnalysisState& state);

// The notice shown before analysing more than 4000 examinees, or empty.
std::string patience_message(const AnalysisState& state);

}  // namespace kor
