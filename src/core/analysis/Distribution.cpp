#include "core/analysis/Distribution.h"

#include <algorithm>

#include "core/AnalysisState.h"
#include "core/analysis/NormalCurve.h"

namespace kor {

namespace {

constexpr double z_step = 0.01;
// The curve is 0 or 1 in double precision long before z reaches 40; the
// walk stops there even if a percentile rank could never be passed.
constexpr std::size_t max_steps = 4000;

}  // namespace

int stanine_for(double percentile_rank) {
    struct Bound {
        double above;
        int stanine;
    };
    static constexpr Bound bounds[] = {{95, 9}, {88, 8}, {76, 7}, {59, 6},
                                       {39, 5}, {22, 4}, {10, 3}, {4, 2}};
    for (const Bound& b : bounds) {
        if (percentile_rank > b.above) {
            return b.stanine;
        }
    }
    return 1;
}

double NormalizedScoreSearch::step_z(std::size_t steps, bool upward) {
    // z is built by adding 0.01 step by step, as the walk does, not as
    // steps * 0.01; a step down is the mirror of a step up.
    if (up_z_.empty()) {
        up_z_.push_back(0.0);
    }
    while (up_z_.size() <= steps) {
        up_z_.push_back(up_z_.back() + z_step);
    }
    return upward ? up_z_[steps] : -up_z_[steps];
}

double NormalizedScoreSearch::curve_at(std::size_t steps, bool upward) {
    std::vector<double>& curve = upward ? up_curve_ : down_curve_;
    if (curve.empty()) {
        curve.push_back(0.5);  // the walk starts at the mean with the value 0.5
    }
    while (curve.size() <= steps) {
        curve.push_back(normal_cdf(step_z(curve.size(), upward), diagnostics_));
    }
    return curve[steps];
}

double NormalizedScoreSearch::normalized_z(double z, double percentile_rank) {
    const double q = percentile_rank / 100.0;
    std::size_t steps = 0;
    if (z > 0.0) {
        while (q > curve_at(steps, true) && steps < max_steps) {
            ++steps;
        }
        return step_z(steps, true) - z_step;
    }
    while (q < curve_at(steps, false) && steps < max_steps) {
        ++steps;
    }
    return step_z(steps, false) + z_step;
}

FrequencyTable frequency_table(std::vector<double> scores, double mean, double sd,
                               Diagnostics& diagnostics) {
    FrequencyTable table;
    std::sort(scores.begin(), scores.end());
    for (std::size_t i = 0; i < scores.size();) {
        std::size_t end = i;
        while (end < scores.size() && scores[end] == scores[i]) {
            ++end;
        }
        FrequencyRow row;
        row.FreqScore = scores[i];
        row.Freq = static_cast<int>(end - i);
        table.rows.push_back(row);
        i = end;
    }

    const double n = static_cast<double>(scores.size());
    NormalizedScoreSearch search(diagnostics);
    int cumulative = 0;
    for (FrequencyRow& row : table.rows) {
        row.PercentileRank = (0.5 * row.Freq + cumulative) * 100.0 / n;
        cumulative += row.Freq;
        row.CumFreq = cumulative;
        row.Stanine = stanine_for(row.PercentileRank);
        // Equal scores have no spread to measure a distance in: z and the
        // normalized z are 0 rather than a division by zero.
        if (sd > 0.0) {
            row.FreqZ = (row.FreqScore - mean) / sd;
            row.Zn = search.normalized_z(row.FreqZ, row.PercentileRank);
        }
        table.total += row.Freq;
        table.total_relative += row.Freq / n;
    }
    return table;
}

FrequencyTable total_score_frequencies(const AnalysisState& state, Diagnostics& diagnostics) {
    const bool points = state.data.partial_credit_on;
    std::vector<double> scores;
    for (int i = 1; i <= state.data.num_examinees; ++i) {
        const Case_Record& r = state.results.examinee_records[at(i)];
        scores.push_back(points ? r.PC_Score : r.Score);
    }
    const ScoreStatistics& stats = points ? state.results.pc_score : state.results.score;
    return frequency_table(std::move(scores), stats.mean, stats.sd, diagnostics);
}

ScoreCounts number_correct_counts(const AnalysisState& state) {
    ScoreCounts result;
    const int n = state.data.num_examinees;
    if (n < 1) {
        return result;
    }
    result.lowest = result.highest = state.results.examinee_records[1].Score;
    for (int i = 2; i <= n; ++i) {
        const int s = state.results.examinee_records[at(i)].Score;
        result.lowest = std::min(result.lowest, s);
        result.highest = std::max(result.highest, s);
    }
    result.counts.assign(at(result.highest - result.lowest + 1), 0);
    for (int i = 1; i <= n; ++i) {
        ++result.counts[at(state.results.examinee_records[at(i)].Score - result.lowest)];
    }
    return result;
}

}  // namespace kor
