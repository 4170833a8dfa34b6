#pragma once
// Summaries of groups of examinees within one analysis (the takers of each
// exam version): each group's scores, reliability and item difficulties as
// an analysis of that group's examinees alone computes them.

#include <string>
#include <vector>

#include "core/Outcome.h"
#include "core/analysis/Records.h"
#include "core/analysis/Scoring.h"

namespace kor {

struct AnalysisState;

// The label columns `text` names ("12", "12-13") in labels of
// `label_length` characters, for `what` ("exam version"); refused when it
// names none or lies beyond the labels.
Outcome read_label_columns(const std::string& text, int label_length, const std::string& what,
                           LabelColumns& columns);

// One summary per group named in `group_of` (examinee i's group at index
// i - 1; empty for none), in the order of the names. Reads the scores and
// the correctness of the analysis in `state`.
std::vector<GroupSummary> summarise_groups(const AnalysisState& state,
                                           const CorrectnessMatrix& correct,
                                           const std::vector<std::string>& group_of);

// Each examinee's exam version, read from the data set's version label;
// empty when the data set has none.
std::vector<std::string> examinee_versions(const AnalysisState& state);

// The results' summary per version and the count of examinees whose label
// names none (with a message in `outcome`); nothing without a version label.
void summarise_versions(AnalysisState& state, const CorrectnessMatrix& correct, Outcome& outcome);

}  // namespace kor
