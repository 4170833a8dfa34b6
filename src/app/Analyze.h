#pragma once
// "Analyze": the analysis followed by every report text it leaves for the
// windows to show.

#include "core/Outcome.h"

namespace kor {

struct ProgramState;

// When the examinee output (one line per examinee, the largest text) is
// written: with the other texts, as the windows show them at once, or only
// when it is asked for, by a command that may never show it and changes
// nothing in between.
enum class ExamineeOutput { now, when_asked };

// Runs the analysis and writes every report text into state.report_texts; the
// reports' warnings join results.warnings. Refused (with nothing written)
// when the analysis is refused.
Outcome analyze_and_report(ProgramState& state,
                           ExamineeOutput examinee_output = ExamineeOutput::now);

// Writes the examinee output of the last analysis if it was left until asked for.
void write_examinee_output_if_left(ProgramState& state);

}  // namespace kor
