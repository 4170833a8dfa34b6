#pragma once
// How each option of an item goes with the score: the point-biserial of
// choosing the option, and the answers left out. A good distractor draws
// examinees with low scores (a negative point-biserial); the keyed option's
// point-biserial is the item's own.

namespace kor {

struct AnalysisState;

// The point-biserial correlation of belonging to a group of examinees (those
// answering an item correctly, or choosing one option) with the score: p is
// the group's share of the examinees and `group_mean` their mean score (0
// for an empty group). Not computable (the value 9) when everybody belongs
// to the group or the scores do not vary; 0 for an empty group.
double point_biserial(double p, double group_mean, double mean, double sd);

// Fills results.option_figures of every item: the point-biserial of each
// option and the omitted answers of the included items, nothing for the
// excluded ones. Needs the scores, the score statistics and the groups.
void compute_option_figures(AnalysisState& state);

}  // namespace kor
