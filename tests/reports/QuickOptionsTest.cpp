// Layout of the quick options report: headings and the four lines of an
// item, from counts set by hand.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/data/TestData.h"
#include "reports/QuickOptions.h"

namespace kor {
namespace {

using Lines = std::vector<std::string>;

std::unique_ptr<TTestData> test_with_widest(int widest) {
    auto data = std::make_unique<TTestData>();
    data->max_item_options = widest;
    return data;
}

TEST(OptionsHeading, ByTheWidestItemOrRightWrong) {
    const std::string five =
        "---- ----- ------------- ------------- ------------- ------------- -------------";
    EXPECT_EQ(
        options_heading(*test_with_widest(5)),
        (Lines{five,
               "Item Group    Option 1      Option 2      Option 3      Option 4      Option 5  ",
               five}));
    EXPECT_EQ(options_heading(*test_with_widest(1)), Lines{});
    auto right_wrong = test_with_widest(2);
    right_wrong->data_are_right_wrong = true;
    EXPECT_EQ(options_heading(*right_wrong), (Lines{"---- ----- ------------- ------------- ",
                                                    "Item Group     RIGHT         WRONG     ",
                                                    "---- ----- ------------- ------------- "}));
}

struct OptionCounts3 {
    int total, high, low;
    double total_p, high_p, low_p;
};

Item_Record options_item(int number, int key, double d, const std::vector<OptionCounts3>& options) {
    Item_Record r;
    r.ItemNum = number;
    r.Include = 1;
    r.Key = key;
    r.Disc = d;
    for (std::size_t k = 1; k <= options.size(); ++k) {
        const OptionCounts3& o = options[k - 1];
        r.OptCount[k] = o.total;
        r.OptCountHigh[k] = o.high;
        r.OptCountLow[k] = o.low;
        r.OptProp[k] = o.total_p;
        r.OptPropHigh[k] = o.high_p;
        r.OptPropLow[k] = o.low_p;
    }
    return r;
}

TEST(ItemOptionLines, ThreeOptionsUnderFiveCaptionsWithLargeCounts) {
    // Option 1 only in the low group; option 3 is an additional correct
    // answer that discriminates better than the key.
    auto data = test_with_widest(5);
    data->item_options[4] = 3;
    data->item_correct_answers[4] = {2, 3, 2, 2, 2, 2, 2, 2, 2};
    const Item_Record r = options_item(4, 2, 0.25,
                                       {{12000, 0, 10000, 0.6, 0.0, 1.0},
                                        {5000, 1, 0, 0.25, 0.25, 0.0},
                                        {3000, 3, 0, 0.15, 0.75, 0.0}});
    EXPECT_EQ(item_option_lines(r, *data),
              (Lines{"  4  TOTAL 12000 (0.600)  5000*(0.250)  3000*(0.150)",
                     "     High      0 (0.000)     1 (0.250)     3 (0.750)",
                     "     Low   10000 (1.000)     0 (0.000)     0 (0.000)",
                     "     Diff -10000(-1.000)     1 (0.250)     3#(0.750)", ""}));
}

TEST(ItemOptionLines, DistractorEqualToTheDiscriminationGetsNoMark) {
    auto data = test_with_widest(2);
    data->item_options[2] = 2;
    data->item_correct_answers[2].fill(1);
    const Item_Record r =
        options_item(2, 1, 0.25, {{7, 3, 2, 0.7, 0.75, 0.5}, {3, 1, 0, 0.3, 0.25, 0.0}});
    EXPECT_EQ(item_option_lines(r, *data), (Lines{"  2  TOTAL     7*(0.700)     3 (0.300)",
                                                  "     High      3 (0.750)     1 (0.250)",
                                                  "     Low       2 (0.500)     0 (0.000)",
                                                  "     Diff      1 (0.250)     1 (0.250)", ""}));
}

TEST(ItemOptionLines, RightWrongKeyOfZeroMarksTheWrongColumn) {
    auto data = test_with_widest(2);
    data->data_are_right_wrong = true;
    data->item_options[3] = 2;
    data->item_correct_answers[3].fill(0);
    const Item_Record r =
        options_item(3, 0, 0.0, {{4, 1, 1, 0.4, 0.5, 0.5}, {6, 1, 1, 0.6, 0.5, 0.5}});
    EXPECT_EQ(item_option_lines(r, *data)[0], "  3  TOTAL     4 (0.400)     6*(0.600)");
}

TEST(ItemOptionLines, NegativeDifferenceThatPrintsAsZeroKeepsTheCellWidth) {
    auto data = test_with_widest(2);
    data->item_options[6] = 2;
    data->item_correct_answers[6].fill(2);
    const Item_Record r = options_item(
        6, 2, 0.0, {{1001, 500, 501, 0.5, 0.5, 501.0 / 1001.0}, {0, 0, 0, 0.0, 0.0, 0.0}});
    EXPECT_EQ(item_option_lines(r, *data)[3], "     Diff     -1 (0.000)     0 (0.000)");
}

}  // namespace
}  // namespace kor
