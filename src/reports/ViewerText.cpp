#include "reports/ViewerText.h"

#include "core/AnalysisState.h"
#include "core/Format.h"
#include "reports/Ident.h"
#include "reports/QuickCommon.h"
#include "reports/QuickOptions.h"

namespace kor {

namespace {

std::vector<std::string> view_opening(const AnalysisState& state, const std::string& name) {
    return {
        title_line(state.data), comment_line(state.data), rule('*', 75), name, rule('*', 75), ""};
}

// The kept report, one empty line, and the dashed rule of the closing statistics.
void add_kept_report(std::vector<std::string>& lines, const std::vector<std::string>& kept) {
    append(lines, kept);
    append(lines, {"", rule('-', 42), ""});
}

void add_closing(std::vector<std::string>& lines) {
    append(lines, {"", rule('~', 42)});
    append(lines, ident_lines());
}

// The mean number correct as a percentage of the items, as the companion
// files write it.
std::string mean_number_correct_line(const AnalysisState& state) {
    return score_percent_line("Mean Score          = ", state.results.score.mean,
                              state.data.num_included_items);
}

}  // namespace

std::vector<std::string> quick_examinee_view(const AnalysisState& state,
                                             const std::vector<std::string>& examinee_lines) {
    const AnalysisResults& r = state.results;
    std::vector<std::string> lines = view_opening(state, "Quick Examinee Analysis");
    add_kept_report(lines, examinee_lines);
    append(lines, {value_line("Mean Item Difficulty       = ", r.mean_item_diff),
                   value_line("Mean Discrimination Index  = ", r.mean_disc),
                   value_line("Mean Adj. Point Biserial   = ", r.mean_adj_pbis),
                   value_line("KR20 (Alpha)               = ", r.kr20),
                   value_line("SEM (from KR20)            = ", r.sem_kr20)});
    add_closing(lines);
    return lines;
}

std::vector<std::string> quick_item_view(const AnalysisState& state,
                                         const std::vector<std::string>& item_lines) {
    const ScoreStatistics& s = reported_scores(state);
    const double total = reported_total(state);
    std::vector<std::string> lines = view_opening(state, "Quick Item Analysis");
    add_kept_report(lines, item_lines);
    append(lines, total_possible_lines(state, PointsNote::own_line));
    append(lines, {score_percent_line("Minimum Score       = ", s.min, total),
                   score_percent_line("Maximum Score       = ", s.max, total),
                   score_percent_line("Mean Score          = ", s.mean, total),
                   value_line("Standard Deviation  = ", s.sd)});
    add_closing(lines);
    return lines;
}

std::vector<std::string> quick_options_view(const AnalysisState& state) {
    return quick_options_report(state);
}

std::vector<std::string> viewer_save_tail(const AnalysisState& state, QuickReport report) {
    const AnalysisResults& r = state.results;
    std::vector<std::string> lines;
    switch (report) {
        case QuickReport::examinees:
            lines = {rule('-', 42),
                     "",
                     "Number of Items Analyzed= " + whole(state.data.num_included_items),
                     value_line("Mean Item Difficulty    = ", r.mean_item_diff),
                     value_line("KR20 (Alpha)            = ", r.kr20),
                     value_line("SEM (from KR20)         = ", r.sem_kr20)};
            break;
        case QuickReport::items:
            lines = {rule('-', 42), "", examinee_count_line(state), mean_number_correct_line(state),
                     value_line("Standard Deviation  = ", r.score.sd)};
            break;
        case QuickReport::options:
            break;
    }
    add_closing(lines);
    return lines;
}

std::vector<std::string> viewer_save_lines(const AnalysisState& state, QuickReport report,
                                           const std::vector<std::string>& viewer_lines) {
    std::vector<std::string> lines{title_line(state.data), comment_line(state.data), rule('~', 72),
                                   ""};
    append(lines, viewer_lines);
    append(lines, viewer_save_tail(state, report));
    return lines;
}

}  // namespace kor
