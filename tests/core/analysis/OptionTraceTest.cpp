// The five score groups and the share of each group choosing each option,
// worked out by hand on small sets, and checked against the options counts
// of a published data set.

#include <gtest/gtest.h>

#include <vector>

#include "app/ProgramState.h"
#include "core/analysis/Analysis.h"
#include "core/analysis/OptionTrace.h"
#include "core/data/Loader.h"
#include "support/DataSets.h"

namespace kor {
namespace {

std::size_t at(int k) {
    return static_cast<std::size_t>(k);
}

std::vector<int> sizes(const ScoreGroups& groups) {
    std::vector<int> n;
    for (const ScoreGroup& g : groups.groups) {
        n.push_back(g.examinees);
    }
    return n;
}

TEST(QuintileGroups, DistinctScoresFallIntoFifths) {
    // Scores given out of order: the groups follow the score, not the place.
    const ScoreGroups groups = quintile_groups({10, 1, 9, 2, 8, 3, 7, 4, 6, 5});
    EXPECT_EQ(sizes(groups), (std::vector<int>{2, 2, 2, 2, 2}));
    EXPECT_EQ(groups.group_of, (std::vector<int>{4, 0, 4, 0, 3, 1, 3, 1, 2, 2}));
    EXPECT_EQ(groups.groups[0].min_score, 1);
    EXPECT_EQ(groups.groups[0].max_score, 2);
    EXPECT_EQ(groups.groups[4].min_score, 9);
    EXPECT_EQ(groups.groups[4].max_score, 10);
}

TEST(QuintileGroups, TiesStayTogetherWhereTheMiddleOfTheirBlockLies) {
    // Five examinees score 2: the middle of their block (place 1 + 2.5 of
    // 10) lies in the second fifth, so all five go there and the third
    // fifth is left empty. Score 4 (middle 7.5 of 10) lies in the fourth.
    const ScoreGroups groups = quintile_groups({1, 2, 2, 2, 2, 2, 3, 4, 5, 6});
    EXPECT_EQ(sizes(groups), (std::vector<int>{1, 5, 0, 2, 2}));
    EXPECT_EQ(groups.group_of, (std::vector<int>{0, 1, 1, 1, 1, 1, 3, 3, 4, 4}));
    EXPECT_EQ(groups.groups[3].min_score, 3);
    EXPECT_EQ(groups.groups[3].max_score, 4);
    EXPECT_EQ(groups.groups[2].min_score, 0);  // empty

    // Everybody alike: one group in the middle holds them all.
    EXPECT_EQ(sizes(quintile_groups({7, 7, 7, 7})), (std::vector<int>{0, 0, 4, 0, 0}));
    // Nobody: five empty groups and nothing to place.
    const ScoreGroups none = quintile_groups({});
    EXPECT_EQ(sizes(none), (std::vector<int>{0, 0, 0, 0, 0}));
    EXPECT_TRUE(none.group_of.empty());
    // Seven examinees: fifths of 1.4 each round to the places of the middles.
    EXPECT_EQ(sizes(quintile_groups({1, 2, 3, 4, 5, 6, 7})), (std::vector<int>{1, 2, 1, 2, 1}));
}

// Ten examinees with scores 1..10 (two per group), responses to one item.
const ScoreGroups ten = quintile_groups({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});

TEST(TraceOptions, SharesPerGroupWorkedByHand) {
    // Option 2 is the key and rises; options 1 and 3 fall; one answer is missing (9).
    const std::vector<int> codes{1, 3, 1, 2, 2, 9, 2, 2, 2, 2};
    const auto lines = trace_options(ten, codes, false, {false, true, false});
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].chosen, (std::array<int, 5>{1, 1, 0, 0, 0}));
    EXPECT_EQ(lines[1].chosen, (std::array<int, 5>{0, 1, 1, 2, 2}));
    EXPECT_EQ(lines[2].chosen, (std::array<int, 5>{1, 0, 0, 0, 0}));
    EXPECT_DOUBLE_EQ(*lines[1].share[0], 0.0);
    EXPECT_DOUBLE_EQ(*lines[1].share[1], 0.5);
    EXPECT_DOUBLE_EQ(*lines[1].share[2], 0.5);  // the missing answer counts in the group's size
    EXPECT_DOUBLE_EQ(*lines[1].share[4], 1.0);
    EXPECT_EQ(lines[1].trend, Trend::rises);
    EXPECT_EQ(lines[0].trend, Trend::falls);
    // A key that rises and distractors that fall are what a good item looks like.
    for (const OptionTraceLine& line : lines) {
        EXPECT_FALSE(line.suspicious()) << "option " << line.option;
    }
}

TEST(TraceOptions, RisingDistractorAndFallingKeyAreSuspicious) {
    // The strong choose option 3, the weak the key 2: a miskeyed item.
    const std::vector<int> codes{2, 2, 2, 1, 2, 3, 3, 2, 3, 3};
    const auto lines = trace_options(ten, codes, false, {false, true, false});
    EXPECT_EQ(lines[2].trend, Trend::rises);
    EXPECT_TRUE(lines[2].suspicious());
    EXPECT_EQ(lines[1].trend, Trend::falls);
    EXPECT_TRUE(lines[1].suspicious());
    // Option 1 is chosen once in the middle only: level from end to end.
    EXPECT_EQ(lines[0].trend, Trend::level);
    EXPECT_FALSE(lines[0].suspicious());
}

TEST(TraceOptions, TrendNeedsATenthBetweenTheEndGroups) {
    // Groups of ten: 3 of the top against 2 of the bottom is exactly a
    // tenth (which 0.3 - 0.2 in doubles falls short of); 2 against 2 is level.
    std::vector<int> scores;
    for (int s = 1; s <= 50; ++s) {
        scores.push_back(s);
    }
    const ScoreGroups fifty = quintile_groups(scores);
    ASSERT_EQ(sizes(fifty), (std::vector<int>{10, 10, 10, 10, 10}));
    std::vector<int> codes(50, 1);
    for (int i : {0, 1, 40, 41, 42}) {
        codes[at(i)] = 2;
    }
    auto lines = trace_options(fifty, codes, false, {true, false});
    EXPECT_EQ(lines[1].trend, Trend::rises);
    codes[42] = 1;
    lines = trace_options(fifty, codes, false, {true, false});
    EXPECT_EQ(lines[1].trend, Trend::level);
}

TEST(TraceOptions, EmptyGroupsHaveNoShareAndOneGroupNoTrend) {
    const ScoreGroups tied = quintile_groups({1, 2, 2, 2, 2, 2, 3, 4, 5, 6});
    const auto lines = trace_options(tied, {1, 1, 1, 1, 1, 1, 2, 2, 2, 2}, false, {true, false});
    EXPECT_FALSE(lines[0].share[2].has_value());
    EXPECT_DOUBLE_EQ(*lines[0].share[0], 1.0);
    EXPECT_EQ(lines[0].trend,
              Trend::falls);  // from the first group to the last, the empty one skipped

    const ScoreGroups alike = quintile_groups({5, 5, 5});
    const auto flat = trace_options(alike, {1, 2, 2}, false, {true, false});
    EXPECT_EQ(flat[1].trend, Trend::level);
    EXPECT_FALSE(flat[1].suspicious());
}

TEST(TraceOptions, RightWrongDataCountRightAndWrong) {
    // Code 1 is right, 0 (or 2) wrong; the first column is RIGHT.
    const auto lines = trace_options(ten, {0, 0, 0, 1, 2, 1, 1, 1, 1, 1}, true, {true, false});
    EXPECT_EQ(lines[0].chosen, (std::array<int, 5>{0, 1, 1, 2, 2}));
    EXPECT_EQ(lines[1].chosen, (std::array<int, 5>{2, 1, 1, 0, 0}));
}

TEST(TraceItem, GroupCountsAddUpToTheOptionsAnalysis) {
    auto state = testing::sample_set_1();
    ASSERT_FALSE(load_test_data(*state).refused);
    ASSERT_FALSE(run_analysis(*state).refused);
    const ScoreGroups groups = quintile_groups_of(*state);
    int everybody = 0;
    for (const ScoreGroup& g : groups.groups) {
        everybody += g.examinees;
    }
    EXPECT_EQ(everybody, 23);
    for (int j = 1; j <= state->data.num_items; ++j) {
        if (state->data.item_include[at(j)] == 0) {
            continue;
        }
        const Item_Record& item = state->results.item_records[at(j)];
        const auto lines = trace_item(
            *state, groups, j, std::vector<bool>(at(state->data.item_options[at(j)]), false));
        for (const OptionTraceLine& line : lines) {
            int chosen = 0;
            for (int c : line.chosen) {
                chosen += c;
            }
            EXPECT_EQ(chosen, item.OptCount[at(line.option)])
                << "item " << j << " option " << line.option;
        }
    }
}

}  // namespace
}  // namespace kor
