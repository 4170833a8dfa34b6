// Layout of the item analysis output: item lines, group lines and the
// problem legend, from records and results set by hand.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "reports/QuickItems.h"

namespace kor {
namespace {

Item_Record item(int number, int key, int correct, double p, double d) {
    Item_Record r;
    r.ItemNum = number;
    r.Include = 1;
    r.Key = key;
    r.NumCorrect = correct;
    r.Diff = p;
    r.Disc = d;
    return r;
}

Item_Record with_groups(Item_Record r, int high, double high_p, int low, double low_p, double pbis,
                        double adj) {
    r.HighCorrect = high;
    r.HighProp = high_p;
    r.LowCorrect = low;
    r.LowProp = low_p;
    r.PtBis = pbis;
    r.AdjPtBis = adj;
    return r;
}

TEST(ItemLine, KeyNineIsStarredAndUncomputableCorrelationsAreStars) {
    const Item_Record all_correct = with_groups(item(5, 9, 20, 1.0, 0.0), 6, 1.0, 5, 1.0, 9.0, 9.0);
    EXPECT_EQ(item_line(all_correct, true),
              "Item 05 (9*)#     20  1.00  0.00     6 (1.00)     5 (1.00)  ****  ****");
}

TEST(ItemLine, NegativeValuesTakeOneBlankWhenTheyPrintTheirSign) {
    const Item_Record negative =
        with_groups(item(12, 3, 8, 0.4, -0.25), 1, 0.25, 2, 0.5, -0.3149, -0.38);
    EXPECT_EQ(item_line(negative, true),
              "Item 12 (3 )#      8  0.40 -0.25     1 (0.25)     2 (0.50) -0.31 -0.38");

    // -0.00005 and -0.003 both print as 0.00 and keep the column's two blanks.
    Item_Record tiny =
        with_groups(item(100, 1, 10000, 0.5, -0.00005), 2700, 0.9, 12345, 0.75, -0.003, 1.0);
    tiny.Include = 2;  // alternative answers: starred like key 9
    EXPECT_EQ(item_line(tiny, false),
              "Item100 (1*)   10000  0.50  0.00  2700 (0.90) 12345 (0.75)  0.00  1.00");
}

TEST(ItemLine, CountsRightAlignedUpToFourDigits) {
    for (int count : {7, 42, 999, 9999}) {
        const Item_Record r =
            with_groups(item(10, 2, count, 0.5, 0.1), count, 0.5, count, 0.5, 0.2, 0.1);
        const std::string line = item_line(r, false);
        EXPECT_EQ(line.size(), 70u) << line;
        EXPECT_EQ(line.substr(13, 7),
                  std::string(7 - std::to_string(count).size(), ' ') + std::to_string(count));
    }
}

std::unique_ptr<ProgramState> with_group_sizes(int high_n, int low_n) {
    auto state = std::make_unique<ProgramState>();
    state->results.high_group_n = high_n;
    state->results.low_group_n = low_n;
    state->results.high_group_min_score = 54;
    state->results.low_group_max_score = 43;
    return state;
}

TEST(ItemSummary, GroupLinesKeepTheirEqualsSignsUnderTheOthers) {
    std::vector<std::string> nine = item_summary(*with_group_sizes(9, 9));
    EXPECT_EQ(nine[10], "High Grp Min Score (n=9)   = 54.000");
    EXPECT_EQ(nine[11], "Low Grp Max Score (n=9)    = 43.000");
    std::vector<std::string> ten = item_summary(*with_group_sizes(10, 10));
    EXPECT_EQ(ten[10], "High Grp Min Score (n=10)  = 54.000");
    EXPECT_EQ(ten[11], "Low Grp Max Score (n=10)   = 43.000");
    for (int n : {100, 1000}) {
        std::vector<std::string> lines = item_summary(*with_group_sizes(n, n));
        EXPECT_EQ(lines[10].rfind('='), nine[10].rfind('=')) << lines[10];
        EXPECT_EQ(lines[11].rfind('='), nine[10].rfind('=')) << lines[11];
    }
    EXPECT_EQ(nine.size(), 12u);  // no problem block without problem items
}

TEST(ProblemLegend, CriteriaInShortForm) {
    AnalysisSettings s;
    EXPECT_EQ(problem_legend(s),
              "# marks potential problems (p<0.2 or p>0.95, D<0, pbis<0, adjpbis<0)");
    s.crit_p_low = 0.25;
    s.crit_p_high = 0.9;
    s.crit_disc = 0.1;
    s.crit_pbis = 0.15;
    s.crit_adj_pbis = -0.05;
    EXPECT_EQ(problem_legend(s),
              "# marks potential problems (p<0.25 or p>0.9, D<0.1, pbis<0.15, adjpbis<-0.05)");
}

}  // namespace
}  // namespace kor
