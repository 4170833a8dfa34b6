#pragma once
// Reliability beyond KR20: the Spearman-Brown step-up of the split-half
// correlations, the prophecy of the test length needed for a target
// reliability, and the extremes and means of the item statistics.

#include <optional>
#include <string>
#include <vector>

#include "core/analysis/Records.h"

namespace kor {

struct AnalysisState;

// The warning given when KR20 leaves nothing to prophesy from.
inline constexpr const char* prophecy_not_computable_message =
    "Spearman-Brown Prophecy cannot be calculated";

// 2r / (r + 1), the reliability of the whole test from the correlation of
// its halves. A correlation of -1 has no step-up: none.
std::optional<double> spearman_brown_step_up(double r);

// A target reliability and its distance from 1, both as written (1 - 0.8 in
// doubles is not 0.2, and the printed factors are computed from 0.2).
struct ReliabilityTarget {
    double reliability;
    double complement;
};
inline constexpr ReliabilityTarget target_80{0.8, 0.2};
inline constexpr ReliabilityTarget target_90{0.9, 0.1};

struct Prophecy {
    double factor = 0.0;  // how many times the present length
    double items = 0.0;   // the resulting number of items, a whole number
};

// Whether a prophecy can be made from `kr20`. At 0 no length helps; below 0
// the formula gives negative lengths, which mean nothing either.
bool prophecy_computable(double kr20);

// How much longer a test of k items with reliability `kr20` must be to reach
// the target: none when prophecy_computable says no or the length does not
// fit a double.
std::optional<Prophecy> spearman_brown_prophecy(double kr20, int k, ReliabilityTarget target);

// The smallest and largest statistics over the included items. The
// point-biserial and biserial extremes leave out items whose correlation
// cannot be computed; each extreme keeps its start value (minimum 1,
// maximum 0) when no item counts.
struct ItemExtremes {
    double min_diff = 1.0, max_diff = 0.0;
    double min_disc = 1.0, max_disc = 0.0;
    double min_pbis = 1.0, max_pbis = 0.0;
};
ItemExtremes item_extremes(const std::vector<Item_Record>& included_items);

// Mean, minimum and maximum of the biserial correlations of the items whose
// point-biserial can be computed (the mean is 0 when there is none).
struct BiserialSummary {
    double mean = 0.0;
    double min = 1.0;
    double max = 0.0;
};
BiserialSummary biserial_summary(const std::vector<Item_Record>& included_items);

// The test would be more reliable without the item: strictly higher KR20.
bool kr20_improves_without(const Item_Record& item, double kr20);

// Feldt's (1965) interval for a KR20 or coefficient alpha of `r` from
// `examinees` examinees and `items` items at the confidence `level` (0.95):
// (1 - rho) / (1 - r) follows F with N - 1 and (N - 1)(k - 1) degrees of
// freedom, so the interval is 1 - (1 - r) F(1 - a/2) to 1 - (1 - r) F(a/2),
// a = 1 - level. None for fewer than two examinees or items, or scores
// without variance (`has_variance` false).
ReliabilityInterval feldt_interval(double r, int examinees, int items, bool has_variance,
                                   double level);

// The conditional standard error of measurement at number-correct score x
// of k items by Lord's (1955) binomial error model: sqrt(x (k - x) / (k - 1));
// 0 for fewer than two items.
double binomial_csem(int x, int k);

// The included items' records in their present (report) order.
std::vector<Item_Record> included_items_in_report_order(const AnalysisState& state);

}  // namespace kor
