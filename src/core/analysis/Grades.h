#pragma once
// Letter grades from percentage scores, and the confidence bands of the
// scores in raw scores, percents and grade labels.

namespace kor {

struct AnalysisState;
struct AnalysisSettings;

// The grading category 1..13 of percentage v: the first category whose
// minimum is at most v; 13 when none is.
int grade_category(const AnalysisSettings& settings, double v);

// Grade (or PC_Grade with partial credit) of every examinee and grade_count.
void assign_grades(AnalysisState& state);

// The +-1 and +-2 SEM bands of every examinee.
void assign_confidence_bands(AnalysisState& state);

}  // namespace kor
