#pragma once
// "Analyze": the analysis followed by every report text it leaves for the
// windows to show.

#include "core/Outcome.h"

namespace kor {

struct ProgramState;

// Runs the analysis and writes every report text into state.reports; the
// reports' warnings join results.warnings. Refused (with nothing written)
// when the analysis is refused.
Outcome analyze_and_report(ProgramState& state);

}  // namespace kor
