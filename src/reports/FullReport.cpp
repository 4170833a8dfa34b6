#include "reports/FullReport.h"

#include "core/AnalysisState.h"
#include "core/analysis/NormalCurve.h"
#include "reports/AnswerKeyReport.h"
#include "reports/DistributionReport.h"
#include "reports/QuickCommon.h"
#include "reports/QuickExaminees.h"
#include "reports/QuickItems.h"
#include "reports/ReliabilityReport.h"
#include "reports/SpecificationsReport.h"

namespace kor {

namespace {

const char* const form_feed_line = "\f";

std::vector<std::string> page_heading(const TTestData& data, const char* caption) {
    return {title_line(data), comment_line(data), rule('*', 75), caption, rule('*', 75), ""};
}

std::vector<std::string> examinee_summary(const AnalysisState& state) {
    std::vector<std::string> lines{rule('=', 23), "Examinee Score Summary ", rule('=', 23), ""};
    append(lines, score_summary_lines(state, PointsNote::own_line));
    lines.emplace_back();
    return lines;
}

}  // namespace

std::vector<std::string> full_report(const AnalysisState& state,
                                     const std::vector<std::string>& item_lines,
                                     Diagnostics& warnings) {
    std::vector<std::string> lines = page_heading(state.data, "Full Test Analysis");
    append(lines, examinee_summary(state));
    append(lines, score_distribution_lines(state, warnings));
    append(lines, {"", form_feed_line});

    append(lines, page_heading(state.data, "Item and Test Analysis"));
    append(lines, item_lines);
    lines.emplace_back();
    append(lines, reliability_lines(state, warnings));

    append(lines, specifications_lines(state));
    append(lines, answer_key_lines(state));
    append(lines, item_listing_lines(state));
    return lines;
}

}  // namespace kor
