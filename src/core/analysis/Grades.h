#pragma once
// Letter grades from percentage scores, and the confidence bands of the
// scores in raw scores, percents and grade labels.

#include "core/analysis/GradeLabel.h"

namespace kor {

struct AnalysisState;
struct AnalysisSettings;
struct Case_Record;

// The bands of one score at one and two standard errors: in raw scores
// (kept within 0 and the item count), in percents of the items and, with a
// grading scale, as the grade labels of those percents.
struct ConfidenceBands {
    double minus1 = 0.0, plus1 = 0.0, minus2 = 0.0, plus2 = 0.0;
    double minus1_percent = 0.0, plus1_percent = 0.0, minus2_percent = 0.0, plus2_percent = 0.0;
    GradeLabel minus1_grade, plus1_grade, minus2_grade, plus2_grade;
};
ConfidenceBands confidence_bands(const AnalysisSettings& settings, int items, double score,
                                 double error);
// The bands an examinee's record holds.
ConfidenceBands bands_of(const Case_Record& record);

// The grading category 1..13 of percentage v: the first category whose
// minimum is at most v; 13 when none is.
int grade_category(const AnalysisSettings& settings, double v);

// Grade (or PC_Grade with partial credit) of every examinee and grade_count.
void assign_grades(AnalysisState& state);

// The +-1 and +-2 SEM bands of every examinee, into the records.
void assign_confidence_bands(AnalysisState& state);

}  // namespace kor
