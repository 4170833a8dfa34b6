#pragma once
// The bars of the three charts of the results viewer: the histogram of the
// scores, the bar chart of every score and the bar chart of the letter
// grades. Everything a chart shows is decided here; the chart window only
// draws the bars it is given.

#include <string>
#include <vector>

namespace kor {

struct AnalysisState;

struct ChartBar {
    std::string label;
    int value = 0;
};

struct ChartData {
    std::string title;
    bool marks_visible = false;  // the value written above each bar
    int bar_width_percent = 70;  // 100: neighbouring bars touch
    std::vector<ChartBar> bars;
    // The histogram's bin edges, one more than its bars; empty for the others.
    std::vector<double> edges;
};

// The histogram's bins before the scores are counted: k bins of width h
// whose first lower edge lies half a point below the lowest score.
struct HistogramBins {
    int count = 0;
    int width = 0;
};

// k = round(sqrt(N)) + 1 within 3..35, h = round(score range / k) but at
// least 1, then k grows until the top edge lies above the highest score.
HistogramBins histogram_bins(int examinees, int min_score, int max_score);

// The charts from the scores of the examinees and the lowest and highest of them.
ChartData score_histogram(const std::vector<int>& scores, int min_score, int max_score);
ChartData score_bar_chart(const std::vector<int>& scores, int min_score, int max_score);

// One grading category: its label as the scale stores it and its examinees.
struct GradeCategory {
    std::string label;
    int count = 0;
};
// `categories` from the first (highest) to the last; the chart runs from the
// last to the first.
ChartData grade_bar_chart(const std::vector<GradeCategory>& categories);

// The same from the results of the last analysis.
enum class ChartKind { histogram, score_bars, grade_bars };
ChartData chart_of(const AnalysisState& state, ChartKind kind);

}  // namespace kor
