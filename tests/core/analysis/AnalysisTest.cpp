#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "app/ProgramState.h"
#include "core/analysis/Analysis.h"
#include "core/data/Loader.h"
#include "support/DataSets.h"

namespace kor {
namespace {

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

void load_and_analyse(ProgramState& state) {
    Outcome loaded = load_test_data(state);
    ASSERT_FALSE(loaded.refused) << loaded.messages.back();
    Outcome analysed = run_analysis(state);
    ASSERT_FALSE(analysed.refused) << analysed.messages.back();
}

TEST(SampleData, SetOneGivesThePublishedResults) {
    auto state = testing::sample_set_1();
    load_and_analyse(*state);
    const AnalysisResults& r = state->results;
    EXPECT_EQ(state->data.num_examinees, 23);
    EXPECT_EQ(fixed(r.score.min, 1), "23.0");
    EXPECT_EQ(fixed(r.score.max, 1), "40.0");
    EXPECT_EQ(fixed(r.score.median, 1), "33.0");
    EXPECT_EQ(fixed(r.score.mean, 3), "32.130");
    EXPECT_EQ(fixed(r.score.sd, 3), "4.839");
    EXPECT_EQ(fixed(r.score.variance, 3), "23.418");
    EXPECT_EQ(fixed(r.score.skewness, 3), "-0.043");
    EXPECT_EQ(fixed(r.score.kurtosis, 3), "-1.035");
    EXPECT_EQ(state->data.num_included_items, 47);
    EXPECT_EQ(fixed(r.mean_item_diff, 3), "0.684");
    EXPECT_EQ(fixed(r.mean_disc, 3), "0.229");
    EXPECT_EQ(fixed(r.mean_pbis, 3), "0.260");
    EXPECT_EQ(fixed(r.kr20, 3), "0.697");
    EXPECT_EQ(fixed(r.kr21, 3), "0.578");
    EXPECT_EQ(fixed(r.sem_kr20, 3), "2.665");
    EXPECT_EQ(r.high_group_n, 10);
    EXPECT_EQ(r.high_group_min_score, 34);
    EXPECT_EQ(r.low_group_n, 6);
    EXPECT_EQ(r.low_group_max_score, 27);
}

TEST(SampleData, SetTwoGivesThePublishedResults) {
    auto state = testing::sample_set_2();
    load_and_analyse(*state);
    const AnalysisResults& r = state->results;
    EXPECT_EQ(state->data.num_examinees, 17);
    EXPECT_EQ(fixed(r.score.min, 1), "33.0");
    EXPECT_EQ(fixed(r.score.max, 1), "55.0");
    EXPECT_EQ(fixed(r.score.median, 1), "52.0");
    EXPECT_EQ(fixed(r.score.mean, 1), "49.0");
    EXPECT_EQ(fixed(r.score.sd, 3), "6.362");
    EXPECT_EQ(fixed(r.score.variance, 3), "40.471");
    EXPECT_EQ(fixed(r.score.skewness, 3), "-1.132");
    EXPECT_EQ(fixed(r.score.kurtosis, 3), "0.199");
    EXPECT_EQ(state->data.num_included_items, 65);
    EXPECT_EQ(fixed(r.mean_item_diff, 3), "0.754");
    EXPECT_EQ(fixed(r.mean_disc, 3), "0.240");
    EXPECT_EQ(fixed(r.mean_pbis, 3), "0.286");
    EXPECT_EQ(fixed(r.kr20, 3), "0.798");
    EXPECT_EQ(fixed(r.kr21, 3), "0.713");
    EXPECT_EQ(fixed(r.sem_kr20, 3), "2.859");
    EXPECT_EQ(r.high_group_n, 6);
    EXPECT_EQ(r.high_group_min_score, 54);
    EXPECT_EQ(r.low_group_n, 4);
    EXPECT_EQ(r.low_group_max_score, 43);
}

}  // namespace
}  // namespace kor
