#include <gtest/gtest.h>

#include <cmath>

#include "core/analysis/Distribution.h"
#include "core/analysis/NormalCurve.h"

namespace kor {
namespace {

TEST(Stanine, EachBoundBelongsToTheLowerStanine) {
    const double bounds[] = {95, 88, 76, 59, 39, 22, 10, 4};
    int upper = 9;
    for (double b : bounds) {
        EXPECT_EQ(stanine_for(b + 1e-9), upper) << b;
        EXPECT_EQ(stanine_for(b), upper - 1) << b;
        --upper;
    }
    EXPECT_EQ(stanine_for(0.01), 1);
    EXPECT_EQ(stanine_for(99.99), 9);
}

TEST(NormalizedScore, SideOfTheMeanAgainstRankGivesOneStepAcross) {
    Diagnostics diagnostics;
    NormalizedScoreSearch search(diagnostics);
    // Above the mean but not above the middle rank: the walk up never starts.
    EXPECT_NEAR(search.normalized_z(0.3, 50.0), -0.01, 1e-12);
    EXPECT_NEAR(search.normalized_z(0.3, 40.0), -0.01, 1e-12);
    // At or below the mean but at or above the middle rank: the mirror.
    EXPECT_NEAR(search.normalized_z(0.0, 50.0), 0.01, 1e-12);
    EXPECT_NEAR(search.normalized_z(-0.2, 60.0), 0.01, 1e-12);
}

TEST(NormalizedScore, WalksToTheLastStepBeforeTheNormalQuantile) {
    Diagnostics diagnostics;
    NormalizedScoreSearch search(diagnostics);
    // The curve is Student's t with 10000 degrees of freedom: at 1.96 it is
    // .974988, below .975 (the normal curve is .975002 there), so the walk
    // goes on to 1.97 and the normalized z is 1.96, not the normal 1.95.
    EXPECT_NEAR(search.normalized_z(1.0, 97.5), 1.96, 1e-9);
    EXPECT_NEAR(search.normalized_z(1.0, 84.13), 0.99, 1e-9);
    EXPECT_NEAR(search.normalized_z(2.0, 99.995), 3.89, 1e-9);
    EXPECT_NEAR(search.normalized_z(-2.0, 0.005), -3.89, 1e-9);
    // The kept curve values give the same answer again, in any order.
    EXPECT_NEAR(search.normalized_z(1.0, 97.5), 1.96, 1e-9);
    EXPECT_NEAR(search.normalized_z(-1.0, 2.5), -1.96, 1e-9);
    EXPECT_TRUE(diagnostics.texts().empty());
}

}  // namespace
}  // namespace kor
