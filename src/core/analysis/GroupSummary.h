#pragma once
// Groups of examinees within one analysis: the takers of each exam version,
// or the sections or campuses the labels name. Each group is summarised as
// an analysis of its examinees alone would summarise it (scores,
// reliability, each item's difficulty and point-biserial), and two groups
// may be compared item by item for differential item functioning.

#include <string>
#include <vector>

#include "core/Outcome.h"
#include "core/analysis/Records.h"
#include "core/analysis/Scoring.h"

namespace kor {

struct AnalysisState;

// The smallest group that differential item functioning tests, and the
// size below which its classes are unstable.
inline constexpr int dif_smallest_group = 2;
inline constexpr int dif_stable_group = 100;

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

// What the label columns hold for each examinee of the loaded data set, by
// examinee number (index 0 is examinee 1).
std::vector<std::string> label_parts(const AnalysisState& state, LabelColumns columns);

// The group names the label columns hold, in order, each once.
std::vector<std::string> group_names(const AnalysisState& state, LabelColumns columns);

// Why `reference` and `focal` cannot be compared among the groups `names`:
// there are no groups, a group is not among them, or both are one group.
Outcome dif_choice_refusal(const std::vector<std::string>& names, const std::string& reference,
                           const std::string& focal);

// The Mantel-Haenszel figures of every included item for the examinees of
// `choice.reference` and `choice.focal`, matched on their scores.
DifResults dif_between(const AnalysisState& state, const CorrectnessMatrix& correct,
                       const std::vector<std::string>& group_of, const DifChoice& choice);

// The results' summaries per version and per group and the comparison for
// differential item functioning, as the data set's labels and choices ask;
// each examinee without a version or group, each group too small to test,
// is told in `warnings`.
void summarise_label_groups(AnalysisState& state, const CorrectnessMatrix& correct,
                            std::vector<std::string>& warnings);

}  // namespace kor
