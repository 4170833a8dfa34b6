// The quick reports of Sample Data #2 whole, against reviewed golden files,
// and the summary numbers that the data set's title and comment announce.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "core/analysis/Analysis.h"
#include "core/data/Loader.h"
#include "reports/QuickExaminees.h"
#include "reports/QuickItems.h"
#include "reports/ViewerText.h"
#include "support/DataSets.h"
#include "support/Golden.h"

namespace kor {
namespace {

bool contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

class SampleTwo : public ::testing::Test {
  protected:
    void SetUp() override {
        state = testing::sample_set_2();
        ASSERT_FALSE(load_test_data(*state).refused);
        ASSERT_FALSE(run_analysis(*state).refused);
    }
    std::unique_ptr<ProgramState> state;
};

TEST_F(SampleTwo, ViewsMatchTheirGoldenFiles) {
    testing::expect_golden(quick_examinee_view(*state, examinee_output(*state)),
                           "sample2_examinees_view.txt");
    testing::expect_golden(quick_item_view(*state, item_output(*state)), "sample2_items_view.txt");
    testing::expect_golden(quick_options_view(*state), "sample2_options_view.txt");
}

// Title: N, minimum, maximum, median, mean, SD, variance, skewness; comment:
// kurtosis, k, mean difficulty, mean D, mean pbis, KR20, KR21, SEM, high
// group n and minimum, low group n and maximum.
TEST_F(SampleTwo, SummariesShowTheNumbersOfTheTitle) {
    const std::vector<std::string> examinees = examinee_output(*state);
    for (const char* line :
         {"Number of Examinees = 17", "Total Possible Score= 65",
          "Minimum Score       = 33.000 = 50.8%", "Maximum Score       = 55.000 = 84.6%",
          "Median Score        = 52.000 = 80.0%", "Mean Score          = 49.000 = 75.4%",
          "Standard Deviation  = 6.362", "Variance            = 40.471",
          "Skewness            = -1.132", "Kurtosis            = 0.199"}) {
        EXPECT_TRUE(contains(examinees, line)) << line;
    }
    const std::vector<std::string> items = quick_item_results(*state);
    for (const char* line :
         {"Number of Items Analyzed   = 65", "Mean Item Difficulty       = 0.754",
          "Mean Discrimination Index  = 0.240", "Mean Point Biserial        = 0.286",
          "KR20 (Alpha)               = 0.798", "KR21                       = 0.713",
          "SEM (from KR20)            = 2.859", "High Grp Min Score (n=6)   = 54.000",
          "Low Grp Max Score (n=4)    = 43.000"}) {
        EXPECT_TRUE(contains(items, line)) << line;
    }
}

}  // namespace
}  // namespace kor
