#include "core/analysis/Reliability.h"

#include <algorithm>
#include <cmath>

#include "core/AnalysisState.h"
#include "core/analysis/FDistribution.h"

namespace kor {

namespace {

// Pearson correlations of whole-number halves come out within rounding of
// -1 when the halves are exact mirrors; such a value has no step-up either.
constexpr double minus_one_tolerance = 1e-12;

bool correlation_defined(double value) {
    return value != not_computable;
}

}  // namespace

std::optional<double> spearman_brown_step_up(double r) {
    if (r + 1.0 <= minus_one_tolerance) {
        return std::nullopt;
    }
    return 2.0 * r / (r + 1.0);
}

bool prophecy_computable(double kr20) {
    // The products are tested rather than KR20 itself because they are the
    // divisors: a KR20 so small that they vanish counts as 0.
    return kr20 * target_80.complement != 0.0 && kr20 * target_90.complement != 0.0 && kr20 > 0.0;
}

std::optional<Prophecy> spearman_brown_prophecy(double kr20, int k, ReliabilityTarget target) {
    if (!prophecy_computable(kr20)) {
        return std::nullopt;
    }
    Prophecy p;
    p.factor = (1.0 - kr20) * target.reliability / (kr20 * target.complement);
    // Half-way lengths go to the even number of items. Held as a double: a
    // KR20 just above 0 asks for more items than an integer can count.
    p.items = std::nearbyint(k * p.factor);
    if (!std::isfinite(p.items)) {
        return std::nullopt;
    }
    return p;
}

ItemExtremes item_extremes(const std::vector<Item_Record>& included_items) {
    ItemExtremes e;
    for (const Item_Record& item : included_items) {
        e.min_diff = std::min(e.min_diff, item.Diff);
        e.max_diff = std::max(e.max_diff, item.Diff);
        e.min_disc = std::min(e.min_disc, item.Disc);
        e.max_disc = std::max(e.max_disc, item.Disc);
        if (correlation_defined(item.PtBis)) {
            e.min_pbis = std::min(e.min_pbis, item.PtBis);
            e.max_pbis = std::max(e.max_pbis, item.PtBis);
        }
    }
    return e;
}

BiserialSummary biserial_summary(const std::vector<Item_Record>& included_items) {
    // An item whose point-biserial cannot be computed (everybody correct)
    // has the stored biserial 0, but its biserial is undefined: the table
    // shows asterisks for it, so the summary leaves it out too.
    BiserialSummary s;
    double sum = 0.0;
    int count = 0;
    for (const Item_Record& item : included_items) {
        if (!correlation_defined(item.PtBis)) {
            continue;
        }
        sum += item.Biserial;
        ++count;
        s.min = std::min(s.min, item.Biserial);
        s.max = std::max(s.max, item.Biserial);
    }
    s.mean = count > 0 ? sum / count : 0.0;
    return s;
}

bool kr20_improves_without(const Item_Record& item, double kr20) {
    return item.KR20IfDeleted > kr20;
}

std::vector<Item_Record> included_items_in_report_order(const AnalysisState& state) {
    std::vector<Item_Record> items;
    for (const int j : items_in_report_order(state.results, state.data.num_items)) {
        const Item_Record& item = state.results.item_records[static_cast<std::size_t>(j)];
        if (item.Include > 0) {
            items.push_back(item);
        }
    }
    return items;
}

ReliabilityInterval feldt_interval(double r, int examinees, int items, bool has_variance,
                                   double level) {
    ReliabilityInterval interval;
    if (examinees < 2) {
        interval.reason = "an interval needs at least two examinees";
    } else if (items < 2) {
        interval.reason = "an interval needs at least two items";
    } else if (!has_variance) {
        interval.reason = "the scores do not vary, so the coefficient has no interval";
    }
    if (!interval.reason.empty()) {
        return interval;
    }
    const double d1 = examinees - 1.0;
    const double d2 = d1 * (items - 1.0);
    const double tail = (1.0 - level) / 2.0;
    interval.low = 1.0 - (1.0 - r) * f_quantile(1.0 - tail, d1, d2);
    interval.high = 1.0 - (1.0 - r) * f_quantile(tail, d1, d2);
    return interval;
}

double binomial_csem(int x, int k) {
    if (k < 2) {
        return 0.0;
    }
    return std::sqrt(static_cast<double>(x) * (k - x) / (k - 1.0));
}

}  // namespace kor
