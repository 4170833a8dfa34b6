#include "core/analysis/ItemStatistics.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "core/AnalysisState.h"
#include "core/TextUtil.h"
#include "core/analysis/NormalCurve.h"
#include "core/analysis/OptionStatistics.h"
#include "core/analysis/ScoreStatistics.h"
#include "core/analysis/Scoring.h"

namespace kor {

namespace {

bool included(const Item_Record& item) {
    return item.Include > 0;
}

std::optional<double> group_fraction(const std::string& text, const AnalysisState& state) {
    auto percent = parse_real(text, typed_separators(state));
    if (!percent || *percent < 0.0 || *percent > 100.0) {
        return std::nullopt;
    }
    return *percent / 100.0;
}

// The high and low groups from the sorted scores. Examinees tied at a cut
// join its group; the cuts move apart until the groups cannot overlap.
void form_groups(AnalysisState& state, const std::vector<int>& sorted_scores) {
    AnalysisResults& results = state.results;
    const int n = static_cast<int>(sorted_scores.size());
    // Nominal sizes to the nearest integer, halves to even, in extended
    // precision so that a product just above a half is not rounded down.
    const auto nominal = [n](double fraction) {
        return static_cast<int>(
            std::nearbyint(static_cast<long double>(n) * static_cast<long double>(fraction)));
    };
    const int h = std::clamp(nominal(state.settings.disc_top_fraction), 0, n);
    const int l = std::clamp(nominal(state.settings.disc_bottom_fraction), 0, n);
    const int k = state.data.num_included_items;
    // An empty nominal group gets a cut no score reaches: above k for the
    // high group, below 0 for the low group.
    int high_min = h > 0 ? sorted_scores[at(n - h)] : k + 1;
    int low_max = l > 0 ? sorted_scores[at(l - 1)] : -1;
    while (low_max >= high_min) {
        --low_max;
        ++high_min;
    }
    results.high_group_min_score = high_min;
    results.low_group_max_score = low_max;
    results.high_group_n = static_cast<int>(std::count_if(
        sorted_scores.begin(), sorted_scores.end(), [high_min](int s) { return s >= high_min; }));
    results.low_group_n = static_cast<int>(std::count_if(
        sorted_scores.begin(), sorted_scores.end(), [low_max](int s) { return s <= low_max; }));
}

double proportion(int count, int group_size) {
    return group_size > 0 ? static_cast<double>(count) / group_size : 0.0;
}

// A biserial from a point-biserial: p(1-p) over the normal ordinate, capped
// at 1; 0 when the point-biserial cannot be computed or nobody is correct.
double biserial_of(double point_biserial, double p, double ordinate) {
    if (point_biserial == not_computable || p == 0.0 || ordinate <= 0.0) {
        return 0.0;
    }
    return std::min(1.0, std::sqrt(p * (1.0 - p)) / ordinate * point_biserial);
}

double mean_of_computable(const std::vector<double>& values) {
    double sum = 0.0;
    int count = 0;
    for (double v : values) {
        if (v != not_computable) {
            sum += v;
            ++count;
        }
    }
    return count > 0 ? sum / count : 0.0;
}

// The corrected item-total correlation: the item against the rest of the test.
double adjusted_point_biserial(double pbis, double p, double sd, double variance) {
    if (pbis == not_computable) {
        return not_computable;
    }
    const double sigma = std::sqrt(p * (1.0 - p));
    const double rest_variance = sigma * sigma + variance - 2.0 * sigma * pbis * sd;
    // The rest of the test has no variance (a single item): nothing to correlate.
    if (rest_variance <= 1e-12 * (variance + sigma * sigma)) {
        return not_computable;
    }
    return (pbis * sd - sigma) / std::sqrt(rest_variance);
}

// What the passes over the items share: each examinee's score by examinee
// number, the group memberships, and per item the sum of the scores of the
// examinees answering it correctly (whole numbers, summed exactly).
struct ItemPassData {
    std::vector<int> score;
    std::vector<std::uint8_t> in_high;
    std::vector<std::uint8_t> in_low;
    std::vector<long long> score_sum_if_correct;
    double sum_pq = 0.0;  // of p(1 - p) over the included items
};

// Scores by examinee number (the records are in that order now), and the
// high and low groups, which depend on the scores alone.
ItemPassData scores_and_groups(AnalysisState& state) {
    const AnalysisResults& results = state.results;
    const int n_examinees = state.data.num_examinees;
    ItemPassData pass;
    pass.score.assign(at(n_examinees) + 1, 0);
    for (int i = 1; i <= n_examinees; ++i) {
        pass.score[at(i)] = results.examinee_records[at(i)].Score;
    }
    std::vector<int> sorted_scores(pass.score.begin() + 1, pass.score.end());
    std::sort(sorted_scores.begin(), sorted_scores.end());
    form_groups(state, sorted_scores);
    pass.in_high.assign(at(n_examinees) + 1, 0);
    pass.in_low.assign(at(n_examinees) + 1, 0);
    for (int i = 1; i <= n_examinees; ++i) {
        pass.in_high[at(i)] = pass.score[at(i)] >= results.high_group_min_score ? 1 : 0;
        pass.in_low[at(i)] = pass.score[at(i)] <= results.low_group_max_score ? 1 : 0;
    }
    pass.score_sum_if_correct.assign(at(state.data.num_items) + 1, 0);
    return pass;
}

// One pass over each item's answers: how many are correct, in the whole
// group and in the high and low groups, and the score sum of those correct;
// from them the difficulty and the discrimination index.
void count_correct_answers(AnalysisState& state, const CorrectnessMatrix& correct,
                           ItemPassData& pass) {
    const TTestData& data = state.data;
    AnalysisResults& results = state.results;
    const int n_examinees = data.num_examinees;
    double sum_p = 0.0;
    double sum_disc = 0.0;
    for (int j = 1; j <= data.num_items; ++j) {
        Item_Record& item = results.item_records[at(j)];
        item.NumCorrect = item.HighCorrect = item.LowCorrect = 0;
        if (!included(item)) {
            continue;
        }
        const std::uint8_t* column = correct.column(j);
        long long sum = 0;
        int count = 0;
        int high = 0;
        int low = 0;
        for (int i = 1; i <= n_examinees; ++i) {
            const int c = column[at(i - 1)];
            count += c;
            sum += c * pass.score[at(i)];
            high += c & pass.in_high[at(i)];
            low += c & pass.in_low[at(i)];
        }
        item.NumCorrect = count;
        item.HighCorrect = high;
        item.LowCorrect = low;
        pass.score_sum_if_correct[at(j)] = sum;
        item.Diff = item.NumCorrect / static_cast<double>(n_examinees);
        sum_p += item.Diff;
        pass.sum_pq += item.Diff * (1.0 - item.Diff);
        item.HighProp = proportion(item.HighCorrect, results.high_group_n);
        item.LowProp = proportion(item.LowCorrect, results.low_group_n);
        item.Disc = item.HighProp - item.LowProp;
        sum_disc += item.Disc;
    }
    const int k = data.num_included_items;
    results.mean_item_diff = sum_p / k;
    results.mean_disc = sum_disc / k;
}

// Point-biserial and biserial correlations. Without score variance no
// correlation can be computed.
void item_total_correlations(AnalysisState& state, const ItemPassData& pass,
                             Diagnostics& diagnostics) {
    AnalysisResults& results = state.results;
    const double mean = results.score.mean;
    const double sd = results.score.sd;
    std::vector<double> pbis_values;
    for (int j = 1; j <= state.data.num_items; ++j) {
        Item_Record& item = results.item_records[at(j)];
        if (!included(item)) {
            continue;
        }
        const double p = item.Diff;
        item.MeanIfCorrect =
            item.NumCorrect >= 1
                ? static_cast<double>(pass.score_sum_if_correct[at(j)]) / item.NumCorrect
                : 0.0;
        item.PtBis = point_biserial(p, item.MeanIfCorrect, mean, sd);
        pbis_values.push_back(item.PtBis);
        // At p = 0 and p = 1 the biserial is 0 by definition: no search.
        double ordinate = 0.0;
        if (p > 0.0 && p < 1.0) {
            ordinate = normal_ordinate(normal_deviate_for(p, diagnostics));
        }
        results.item_normal_ordinate[at(j)] = ordinate;
        item.Biserial = biserial_of(item.PtBis, p, ordinate);
    }
    results.mean_pbis = mean_of_computable(pbis_values);
}

// The correlations of the first half with the second and of the odd items
// with the even ones.
void split_halves(AnalysisState& state) {
    AnalysisResults& results = state.results;
    std::vector<int> half1, half2, odds, evens;
    for (int i = 1; i <= state.data.num_examinees; ++i) {
        const Case_Record& r = results.examinee_records[at(i)];
        half1.push_back(r.Half1);
        half2.push_back(r.Half2);
        odds.push_back(r.Odds);
        evens.push_back(r.Evens);
    }
    results.split_half_first_second = split_half_correlation(half1, half2);
    results.split_half_odd_even = split_half_correlation(odds, evens);
}

// The test without each item, and the corrected item-total correlations.
// Without item j an examinee's score s drops by c (1 when correct), so the
// sums of s and s^2 follow from whole-number sums over the test.
void item_deleted_statistics(AnalysisState& state, const ItemPassData& pass) {
    AnalysisResults& results = state.results;
    const int n_examinees = state.data.num_examinees;
    const int k = state.data.num_included_items;
    const double n = n_examinees;
    long long total = 0;
    long long total_squares = 0;
    for (int i = 1; i <= n_examinees; ++i) {
        total += pass.score[at(i)];
        total_squares += static_cast<long long>(pass.score[at(i)]) * pass.score[at(i)];
    }
    std::vector<double> adj_values;
    for (int j = 1; j <= state.data.num_items; ++j) {
        Item_Record& item = results.item_records[at(j)];
        if (!included(item)) {
            continue;
        }
        const auto sum = static_cast<double>(total - item.NumCorrect);
        const auto sum_squares = static_cast<double>(
            total_squares - 2 * pass.score_sum_if_correct[at(j)] + item.NumCorrect);
        const double p = item.Diff;
        item.MeanIfDeleted = sum / n;
        item.VarIfDeleted = std::max(0.0, (sum_squares - sum * sum / n) / n);
        item.KR20IfDeleted = 0.0;
        if (k > 2 && item.VarIfDeleted > 0.0) {
            const double sum_pq_others = pass.sum_pq - p * (1.0 - p);
            item.KR20IfDeleted = (static_cast<double>(k - 1) / (k - 2)) *
                                 (item.VarIfDeleted - sum_pq_others) / item.VarIfDeleted;
        }
        item.SEMIfDeleted =
            std::sqrt(item.VarIfDeleted) * std::sqrt(std::max(0.0, 1.0 - item.KR20IfDeleted));
        item.AdjPtBis =
            adjusted_point_biserial(item.PtBis, p, results.score.sd, results.score.variance);
        adj_values.push_back(item.AdjPtBis);
        item.AdjBiserial = biserial_of(item.AdjPtBis, p, results.item_normal_ordinate[at(j)]);
    }
    results.mean_adj_pbis = mean_of_computable(adj_values);
}

}  // namespace

void read_group_fractions(AnalysisState& state) {
    AnalysisSettings& settings = state.settings;
    auto top = group_fraction(settings.upper_group_percent_text, state);
    auto bottom = group_fraction(settings.lower_group_percent_text, state);
    if (top && bottom) {
        settings.disc_top_fraction = *top;
        settings.disc_bottom_fraction = *bottom;
    }
}

void compute_item_statistics(AnalysisState& state, const CorrectnessMatrix& correct,
                             Diagnostics& diagnostics) {
    AnalysisResults& results = state.results;
    const int k = state.data.num_included_items;
    ItemPassData pass = scores_and_groups(state);
    count_correct_answers(state, correct, pass);
    item_total_correlations(state, pass, diagnostics);
    results.kr20 = kr20_of(k, results.score.variance, pass.sum_pq);
    split_halves(state);
    item_deleted_statistics(state, pass);
    results.kr21 = kr21_of(k, results.score.variance, results.mean_item_diff);
    // A KR20 that rounding lifts past 1 gives no error, not a square root of a negative.
    results.sem_kr20 = std::sqrt(std::max(0.0, 1.0 - results.kr20)) * results.score.sd;
    results.num_excluded_items = state.data.num_items - k;
}

bool is_problem_item(const Item_Record& item, const AnalysisSettings& settings) {
    if (!settings.suggest_problem_items || !included(item)) {
        return false;
    }
    return !(item.Diff > settings.crit_p_low && item.Diff < settings.crit_p_high &&
             item.Disc > settings.crit_disc && item.AdjPtBis > settings.crit_adj_pbis);
}

ProblemCriteriaMet problem_criteria_met(const Item_Record& item, const AnalysisSettings& settings) {
    return {item.Diff <= settings.crit_p_low, item.Diff >= settings.crit_p_high,
            item.Disc <= settings.crit_disc, item.AdjPtBis <= settings.crit_adj_pbis};
}

void count_problem_items(AnalysisState& state) {
    AnalysisResults& r = state.results;
    const AnalysisSettings& settings = state.settings;
    r.num_problem_items = r.num_prob_p_low = r.num_prob_p_high = r.num_prob_disc =
        r.num_prob_adj_pbis = 0;
    if (!settings.suggest_problem_items) {
        return;
    }
    for (int p = 1; p <= state.data.num_items; ++p) {
        const Item_Record& item = r.item_records[at(p)];
        if (!included(item)) {
            continue;
        }
        r.num_problem_items += is_problem_item(item, settings) ? 1 : 0;
        const ProblemCriteriaMet met = problem_criteria_met(item, settings);
        r.num_prob_p_low += met.p_low ? 1 : 0;
        r.num_prob_p_high += met.p_high ? 1 : 0;
        r.num_prob_disc += met.disc ? 1 : 0;
        r.num_prob_adj_pbis += met.adj_pbis ? 1 : 0;
    }
}

}  // namespace kor
