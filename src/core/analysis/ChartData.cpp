#include "core/analysis/ChartData.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "core/AnalysisState.h"
#include "core/Format.h"
#include "core/TextUtil.h"

namespace kor {

namespace {

constexpr int fewest_bins = 3;
constexpr int most_bins_at_start = 35;
constexpr std::size_t grade_label_width = 4;

int as_int(long long value) {
    return clamp_to_int(value);
}

}  // namespace

HistogramBins histogram_bins(int examinees, int min_score, int max_score) {
    HistogramBins bins;
    const double root = std::sqrt(static_cast<double>(std::max(examinees, 0)));
    bins.count = std::clamp(as_int(round_half_even(root)) + 1, fewest_bins, most_bins_at_start);
    const int range = std::max(max_score - min_score + 1, 1);
    // A range narrower than half the bins rounds the width to 0, and the bins
    // would never reach the highest score: a bin is at least one point wide.
    bins.width = std::max(as_int(round_half_even(static_cast<double>(range) / bins.count)), 1);
    // The top edge lies half a point above min + k*h - 1; k grows until the
    // highest score is below it, so every score lies inside its own bin.
    while (min_score + bins.count * bins.width <= max_score) {
        ++bins.count;
    }
    return bins;
}

ChartData score_histogram(const std::vector<int>& scores, int min_score, int max_score) {
    const HistogramBins bins =
        histogram_bins(static_cast<int>(scores.size()), min_score, max_score);
    ChartData chart;
    chart.title = "Histogram for Scores";
    chart.marks_visible = true;
    chart.bar_width_percent = 100;
    chart.edges.push_back(min_score - 0.5);
    for (int j = 1; j <= bins.count; ++j) {
        chart.edges.push_back(chart.edges.back() + bins.width);
    }
    for (int j = 1; j <= bins.count; ++j) {
        const auto at = static_cast<std::size_t>(j);
        chart.bars.push_back({fixed((chart.edges[at - 1] + chart.edges[at]) / 2.0, 0), 0});
    }
    for (const int score : scores) {
        // The highest bin whose lower edge is at or below the score; a score
        // below the first edge (none, when the lowest score is right) is left out.
        for (std::size_t j = chart.bars.size(); j >= 1; --j) {
            if (chart.edges[j - 1] <= score) {
                ++chart.bars[j - 1].value;
                break;
            }
        }
    }
    return chart;
}

ChartData score_bar_chart(const std::vector<int>& scores, int min_score, int max_score) {
    ChartData chart;
    chart.title = "Bar Chart for Scores";
    chart.marks_visible = false;
    chart.bar_width_percent = 70;
    for (int s = min_score; s <= max_score; ++s) {
        const auto count = std::count(scores.begin(), scores.end(), s);
        chart.bars.push_back({whole(s), as_int(count)});
    }
    return chart;
}

ChartData grade_bar_chart(const std::vector<GradeCategory>& categories) {
    ChartData chart;
    chart.title = "Bar Chart for Letter Grades";
    chart.marks_visible = true;
    chart.bar_width_percent = 70;
    for (auto category = categories.rbegin(); category != categories.rend(); ++category) {
        chart.bars.push_back({pad_right(cut(category->label, grade_label_width), grade_label_width),
                              category->count});
    }
    return chart;
}

ChartData chart_of(const AnalysisState& state, ChartKind kind) {
    const AnalysisResults& results = state.results;
    std::vector<int> scores;
    const int examinees =
        std::clamp(state.data.num_examinees, 0, static_cast<int>(max_examinees_limit));
    for (int i = 1; i <= examinees; ++i) {
        scores.push_back(results.examinee_records[static_cast<std::size_t>(i)].Score);
    }
    // Scores are whole numbers; the statistics keep them as reals.
    const int min_score = as_int(static_cast<long long>(std::trunc(results.score.min)));
    const int max_score = as_int(static_cast<long long>(std::trunc(results.score.max)));
    switch (kind) {
        case ChartKind::histogram:
            return score_histogram(scores, min_score, max_score);
        case ChartKind::score_bars:
            return score_bar_chart(scores, min_score, max_score);
        case ChartKind::grade_bars:
            break;
    }
    std::vector<GradeCategory> categories;
    const int count =
        std::clamp(state.settings.num_grade_cats, 0, static_cast<int>(max_grade_categories));
    for (int c = 1; c <= count; ++c) {
        const auto at = static_cast<std::size_t>(c);
        categories.push_back({state.settings.grade_label[at], results.grade_count[at]});
    }
    return grade_bar_chart(categories);
}

}  // namespace kor
