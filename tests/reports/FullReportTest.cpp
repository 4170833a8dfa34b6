// The full results report: its page structure and summary block, and the
// whole reports of Sample Data #1 and #2 against reviewed golden files.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/Analyze.h"
#include "app/ProgramState.h"
#include "core/data/Loader.h"
#include "reports/FullReport.h"
#include "support/DataSets.h"
#include "support/Golden.h"

namespace kor {
namespace {

void analyse(ProgramState& state) {
    const EditorCloseResult closed = close_editor(state, EditorExit::close_and_analyze);
    ASSERT_FALSE(closed.show_editor_again) << closed.outcome.messages.back();
    const Outcome outcome = analyze_and_report(state);
    ASSERT_FALSE(outcome.refused) << outcome.messages.back();
}

TEST(FullReport, SampleDataOneAndTwoMatchTheirGoldenFiles) {
    auto one = testing::sample_set_1();
    analyse(*one);
    testing::expect_golden(one->report_texts.results_box, "sample1_full.txt");
    auto two = testing::sample_set_2();
    analyse(*two);
    testing::expect_golden(two->report_texts.results_box, "sample2_full.txt");
}

TEST(FullReport, PagesAreSeparatedByOneFormFeedLine) {
    auto state = testing::sample_set_2();
    analyse(*state);
    const auto& lines = state->report_texts.results_box;
    const auto feeds = std::count(lines.begin(), lines.end(), std::string("\f"));
    ASSERT_EQ(feeds, 1);
    const auto feed = std::find(lines.begin(), lines.end(), std::string("\f"));
    EXPECT_EQ(*(feed - 1), "");
    EXPECT_EQ((feed + 1)->rfind("TITLE:   Sample Data #2", 0), 0u);
    EXPECT_EQ(*(feed + 4), "Item and Test Analysis");
    EXPECT_EQ(lines[3], "Full Test Analysis");
    // The item lists come last, in item-number order whatever the item sort.
    EXPECT_EQ(lines[6], "=======================");
    EXPECT_EQ(lines[7], "Examinee Score Summary ");
    EXPECT_EQ(lines[10], "Number of Examinees = 17");
    EXPECT_EQ(lines[12], "Minimum Score       = 33.000 = 50.8%");
}

TEST(FullReport, TitleLineNeverPassesSeventyNineCharacters) {
    auto state = testing::sample_set_2();
    state->editor.title = std::string(75, 'T');
    analyse(*state);
    const std::string& title = state->report_texts.results_box[0];
    EXPECT_EQ(title.size(), 79u);
    EXPECT_EQ(title, "TITLE:   " + std::string(70, 'T'));
}

TEST(FullReport, PointValuesShowTheWeightedScores) {
    auto state = testing::typed({.label_length = 2,
                                 .key = "ABCD",
                                 .options = "444402",
                                 .lines = {"01ABCD02", "02ABCA01", "03BBCA00"}});
    state->data.partial_credit_on = true;
    state->data.mc_item_points = 2.0;
    analyse(*state);
    const auto& lines = state->report_texts.results_box;
    // Totals: 4 items * 2 points + 2 = 10; scores 10, 7, 4.
    EXPECT_EQ(lines[11], "Total Possible Score= 10.0");
    EXPECT_EQ(lines[12], " (4*2 MC points + 2 Partial Credit)");
    EXPECT_EQ(lines[13], "Minimum Score       = 4.000 = 40.0%");
    EXPECT_EQ(lines[14], "Maximum Score       = 10.000 = 100.0%");
}

}  // namespace
}  // namespace kor
