#pragma once
// The examinee reports of an analysis: the examinee output (one line per
// examinee, then the score summary), kept as the examinee report texts,
// and the quick examinee results shown in its left pane.

#include <string>
#include <vector>

#include "core/analysis/Records.h"
#include "core/settings/Choices.h"

namespace kor {

struct AnalysisState;
struct AnalysisSettings;

// Which score columns the list has: the number correct alone, or the
// multiple-choice score with partial-credit or extra-credit points.
enum class CreditLayout { mc_only, partial_credit, extra_credit };

struct ExamineeLayout {
    CreditLayout credit = CreditLayout::mc_only;
    BandUnit bands = BandUnit::raw_scores;  // the unit of the confidence-band columns
    int label_length = 0;
    bool grading = false;  // grading categories are in use
};

ExamineeLayout examinee_layout(const AnalysisState& state);

// The title lines (with partial or extra credit only), the two heading lines
// and the dashed rule above the examinee lines.
std::vector<std::string> examinee_headings(const ExamineeLayout& layout);

std::string examinee_line(const Case_Record& record, const ExamineeLayout& layout);

// The order the examinee lines are in.
std::string examinee_sort_note(const AnalysisSettings& settings);

// One or two lines listing each category's label and minimum percentage as
// typed; empty without grading. The last category has no minimum and is left out.
std::vector<std::string> grading_scale_lines(const AnalysisSettings& settings);

// The examinee output. Build it right after the analysis: it
// follows the records' report order and the settings of that moment.
std::vector<std::string> examinee_output(const AnalysisState& state);

// The quick examinee results pane (RichEditQE).
std::vector<std::string> quick_examinee_results(const AnalysisState& state);

}  // namespace kor
