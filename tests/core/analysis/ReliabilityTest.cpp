#include <gtest/gtest.h>

#include "core/analysis/Reliability.h"

namespace kor {
namespace {

TEST(SplitHalfStepUp, DoublesTheLengthOfAHalf) {
    EXPECT_EQ(spearman_brown_step_up(0.0), 0.0);
    EXPECT_DOUBLE_EQ(*spearman_brown_step_up(0.6), 0.75);
    EXPECT_DOUBLE_EQ(*spearman_brown_step_up(1.0), 1.0);
    EXPECT_DOUBLE_EQ(*spearman_brown_step_up(-0.5), -2.0);
    // Mirror-image halves: -1, also when rounding leaves it a hair above.
    EXPECT_FALSE(spearman_brown_step_up(-1.0));
    EXPECT_FALSE(spearman_brown_step_up(-0.9999999999999998));
}

TEST(LengthProphecy, NoneWithoutPositiveReliability) {
    EXPECT_FALSE(spearman_brown_prophecy(0.0, 20, target_80));
    EXPECT_FALSE(spearman_brown_prophecy(-0.3, 20, target_90));
    // So close to 0 that the length overflows a double.
    EXPECT_FALSE(spearman_brown_prophecy(1e-308, 100, target_80));
    EXPECT_FALSE(prophecy_computable(5e-324));  // 0.2 times it is 0
    EXPECT_TRUE(prophecy_computable(1e-300));
}

Item_Record item(double diff, double disc, double pbis, double biserial) {
    Item_Record r;
    r.Include = 1;
    r.Diff = diff;
    r.Disc = disc;
    r.PtBis = pbis;
    r.Biserial = biserial;
    return r;
}

TEST(ItemExtremes, UndefinedCorrelationsDoNotCount) {
    const ItemExtremes e =
        item_extremes({item(0.4, -0.25, 0.3, 0.4), item(1.0, 0.0, not_computable, 0.0),
                       item(0.7, 0.5, -0.1, -0.15)});
    EXPECT_EQ(e.min_diff, 0.4);
    EXPECT_EQ(e.max_diff, 1.0);
    EXPECT_EQ(e.min_disc, -0.25);
    EXPECT_EQ(e.max_disc, 0.5);
    EXPECT_EQ(e.min_pbis, -0.1);
    EXPECT_EQ(e.max_pbis, 0.3);  // not the 9 of the all-correct item

    const ItemExtremes none = item_extremes({item(1.0, 0.0, not_computable, 0.0)});
    EXPECT_EQ(none.min_pbis, 1.0);
    EXPECT_EQ(none.max_pbis, 0.0);
}

TEST(BiserialSummary, LeavesOutItemsWhoseBiserialIsUndefined) {
    // The all-correct item stores biserial 0 but shows asterisks: it would
    // pull the mean and the minimum down if it counted.
    const BiserialSummary s = biserial_summary(
        {item(0.4, 0.2, 0.3, 0.6), item(1.0, 0.0, not_computable, 0.0), item(0.7, 0.1, 0.1, 0.2)});
    EXPECT_DOUBLE_EQ(s.mean, 0.4);
    EXPECT_EQ(s.min, 0.2);
    EXPECT_EQ(s.max, 0.6);

    const BiserialSummary none = biserial_summary({item(1.0, 0.0, not_computable, 0.0)});
    EXPECT_EQ(none.mean, 0.0);
}

}  // namespace
}  // namespace kor
