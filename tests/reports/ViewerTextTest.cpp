// The quick viewer's texts and the lines its Save command writes, from
// results set by hand: 25 examinees, 40 items.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "reports/Ident.h"
#include "reports/QuickCommon.h"
#include "reports/ViewerText.h"

namespace kor {
namespace {

using Lines = std::vector<std::string>;

std::unique_ptr<ProgramState> results_by_hand() {
    auto state = std::make_unique<ProgramState>();
    TTestData& d = state->data;
    d.test_title = "Unit 3 quiz";
    d.test_comments = "Period 2";
    d.num_examinees = 25;
    d.num_included_items = 40;
    AnalysisResults& r = state->results;
    r.mean_item_diff = 0.6125;  // a tie: 0.613
    r.mean_disc = 0.3;
    r.mean_adj_pbis = 0.25;
    r.kr20 = 0.8;
    r.sem_kr20 = 2.5;
    r.score = {24.5, 18.0625, 4.25, 12.0, 38.0, 25.0, -0.5, 0.1, std::nullopt};
    return state;
}

Lines closing() {
    Lines lines{"", std::string(42, '~')};
    append(lines, ident_lines());
    return lines;
}

TEST(QuickViews, ExamineeViewClosesWithTheItemStatistics) {
    Lines expected{"TITLE:   Unit 3 quiz",
                   "COMMENT: Period 2",
                   std::string(75, '*'),
                   "Quick Examinee Analysis",
                   std::string(75, '*'),
                   "",
                   "kept line 1",
                   "kept line 2",
                   "",
                   std::string(42, '-'),
                   "",
                   "Mean Item Difficulty       = 0.613",
                   "Mean Discrimination Index  = 0.300",
                   "Mean Adj. Point Biserial   = 0.250",
                   "KR20 (Alpha)               = 0.800",
                   "SEM (from KR20)            = 2.500"};
    append(expected, closing());
    EXPECT_EQ(quick_examinee_view(*results_by_hand(), {"kept line 1", "kept line 2"}), expected);
}

TEST(QuickViews, ItemViewClosesWithTheScoresOrThePoints) {
    auto state = results_by_hand();
    Lines expected{"TITLE:   Unit 3 quiz",
                   "COMMENT: Period 2",
                   std::string(75, '*'),
                   "Quick Item Analysis",
                   std::string(75, '*'),
                   "",
                   "kept",
                   "",
                   std::string(42, '-'),
                   "",
                   "Total Possible Score= 40",
                   "Minimum Score       = 12.000 = 30.0%",
                   "Maximum Score       = 38.000 = 95.0%",
                   "Mean Score          = 24.500 = 61.3%",
                   "Standard Deviation  = 4.250"};
    append(expected, closing());
    EXPECT_EQ(quick_item_view(*state, {"kept"}), expected);

    // With point values: the weighted scores out of 40 * 1.5 + 20 points.
    state->data.partial_credit_on = true;
    state->data.mc_item_points = 1.5;
    state->data.pc_total_points = 20;
    state->results.total_possible = 80.0;
    state->results.pc_score = {50.0, 100.0, 10.0, 20.0, 79.0, 52.0, 0.0, 0.0, std::nullopt};
    const Lines points = quick_item_view(*state, {"kept"});
    EXPECT_EQ(Lines(points.begin() + 10, points.begin() + 16),
              (Lines{"Total Possible Score= 80.0", " (40*1.5 MC points + 20 Partial Credit)",
                     "Minimum Score       = 20.000 = 25.0%", "Maximum Score       = 79.000 = 98.8%",
                     "Mean Score          = 50.000 = 62.5%", "Standard Deviation  = 10.000"}));
}

TEST(QuickViews, ExtraCreditIsNamedOnTheTotalLine) {
    auto state = results_by_hand();
    state->data.partial_credit_on = true;
    state->data.mc_item_points = 0.5;
    state->results.total_possible = 20.0;
    EXPECT_EQ(total_possible_lines(*state, PointsNote::same_line),
              Lines{"Total Possible Score= 20.0 (40*0.5 MC + 0 XC)"});
    EXPECT_EQ(total_possible_lines(*state, PointsNote::own_line),
              (Lines{"Total Possible Score= 20.0", " (40*0.5 MC points + 0 Extra Credit)"}));
}

TEST(QuickViews, TitleLinesNeverPassSeventyNineCharacters) {
    TTestData data;
    data.test_title = std::string(75, 'x');
    EXPECT_EQ(title_line(data), "TITLE:   " + std::string(70, 'x'));
}

TEST(ViewerSave, TitleLinesTheViewerTextAndATailByReport) {
    auto state = results_by_hand();
    Lines examinees{"TITLE:   Unit 3 quiz",
                    "COMMENT: Period 2",
                    std::string(72, '~'),
                    "",
                    "shown",
                    std::string(42, '-'),
                    "",
                    "Number of Items Analyzed= 40",
                    "Mean Item Difficulty    = 0.613",
                    "KR20 (Alpha)            = 0.800",
                    "SEM (from KR20)         = 2.500"};
    append(examinees, closing());
    EXPECT_EQ(viewer_save_lines(*state, QuickReport::examinees, {"shown"}), examinees);

    Lines items{std::string(42, '-'), "", "Number of Examinees = 25",
                "Mean Score          = 24.500 = 61.3%", "Standard Deviation  = 4.250"};
    append(items, closing());
    EXPECT_EQ(viewer_save_tail(*state, QuickReport::items), items);

    EXPECT_EQ(viewer_save_tail(*state, QuickReport::options), closing());
}

}  // namespace
}  // namespace kor
