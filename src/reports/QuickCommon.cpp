#include "reports/QuickCommon.h"

#include "core/AnalysisState.h"
#include "core/Format.h"
#include "core/TextUtil.h"

namespace kor {

namespace {

constexpr std::size_t widest_title_line = 79;

}  // namespace

std::string rule(char c, int count) {
    return std::string(static_cast<std::size_t>(count), c);
}

std::string title_line(const TTestData& data) {
    return cut("TITLE:   " + data.test_title, widest_title_line);
}

std::string comment_line(const TTestData& data) {
    return cut("COMMENT: " + data.test_comments, widest_title_line);
}

bool reports_points(const AnalysisState& state) {
    return state.data.partial_credit_on;
}

const ScoreStatistics& reported_scores(const AnalysisState& state) {
    return reports_points(state) ? state.results.pc_score : state.results.score;
}

double reported_total(const AnalysisState& state) {
    return reports_points(state) ? state.results.total_possible : state.data.num_included_items;
}

double percent_of(double value, double total) {
    return total > 0.0 ? value / total * 100.0 : 0.0;
}

std::string examinee_count_line(const AnalysisState& state) {
    return "Number of Examinees = " + whole(state.data.num_examinees);
}

std::vector<std::string> total_possible_lines(const AnalysisState& state, PointsNote note) {
    const TTestData& data = state.data;
    const std::string label = "Total Possible Score= ";
    if (!reports_points(state)) {
        return {label + whole(data.num_included_items)};
    }
    // Extra credit (no partial-credit total) still shows its total of 0.
    const bool extra_credit = data.pc_total_points == 0;
    const std::string items = whole(data.num_included_items) + "*" + general(data.mc_item_points);
    const std::string total = label + fixed(state.results.total_possible, 1);
    if (note == PointsNote::same_line) {
        return {total + " (" + items + " MC + " + whole(data.pc_total_points) +
                (extra_credit ? " XC)" : " PC)")};
    }
    return {total, " (" + items + " MC points + " + whole(data.pc_total_points) +
                       (extra_credit ? " Extra Credit)" : " Partial Credit)")};
}

std::string score_percent_line(std::string_view label, double value, double total) {
    return std::string(label) + fixed(value, 3) + " = " + fixed(percent_of(value, total), 1) + "%";
}

std::string value_line(std::string_view label, double value) {
    return std::string(label) + fixed(value, 3);
}

std::vector<std::string> score_summary_lines(const AnalysisState& state, PointsNote note) {
    const ScoreStatistics& s = reported_scores(state);
    const double total = reported_total(state);
    std::vector<std::string> lines{examinee_count_line(state)};
    append(lines, total_possible_lines(state, note));
    append(lines, {score_percent_line("Minimum Score       = ", s.min, total),
                   score_percent_line("Maximum Score       = ", s.max, total),
                   score_percent_line("Median Score        = ", s.median, total),
                   score_percent_line("Mean Score          = ", s.mean, total),
                   value_line("Standard Deviation  = ", s.sd),
                   value_line("Variance            = ", s.variance),
                   value_line("Skewness            = ", s.skewness),
                   value_line("Kurtosis            = ", s.kurtosis)});
    return lines;
}

void append(std::vector<std::string>& lines, const std::vector<std::string>& more) {
    lines.insert(lines.end(), more.begin(), more.end());
}

}  // namespace kor
