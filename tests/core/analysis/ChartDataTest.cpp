#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "core/analysis/Analysis.h"
#include "core/analysis/ChartData.h"
#include "core/data/Loader.h"
#include "support/DataSets.h"

namespace kor {
namespace {

std::vector<std::string> labels(const ChartData& chart) {
    std::vector<std::string> texts;
    for (const ChartBar& bar : chart.bars) {
        texts.push_back(bar.label);
    }
    return texts;
}

std::vector<int> values(const ChartData& chart) {
    std::vector<int> counts;
    for (const ChartBar& bar : chart.bars) {
        counts.push_back(bar.value);
    }
    return counts;
}

int total(const ChartData& chart) {
    const std::vector<int> counts = values(chart);
    return std::accumulate(counts.begin(), counts.end(), 0);
}

// `examinees` scores spread evenly from `low` to `high`, both included.
std::vector<int> spread(int examinees, int low, int high) {
    std::vector<int> scores;
    for (int i = 0; i < examinees; ++i) {
        scores.push_back(examinees == 1 ? low : low + (high - low) * i / (examinees - 1));
    }
    return scores;
}

TEST(Histogram, TwentyThreeExamineesFrom23To40GiveSixBinsOfThree) {
    const std::vector<int> scores = spread(23, 23, 40);
    const HistogramBins bins = histogram_bins(23, 23, 40);
    EXPECT_EQ(bins.count, 6);  // round(4.796) + 1
    EXPECT_EQ(bins.width, 3);  // round(18 / 6)
    const ChartData chart = score_histogram(scores, 23, 40);
    EXPECT_EQ(chart.edges, (std::vector<double>{22.5, 25.5, 28.5, 31.5, 34.5, 37.5, 40.5}));
    EXPECT_EQ(labels(chart), (std::vector<std::string>{"24", "27", "30", "33", "36", "39"}));
    EXPECT_EQ(total(chart), 23);
    EXPECT_EQ(chart.title, "Histogram for Scores");
    EXPECT_TRUE(chart.marks_visible);
    EXPECT_EQ(chart.bar_width_percent, 100);
}

TEST(Histogram, CountsEachScoreInTheBinHoldingIt) {
    // Edges 22.5, 25.5, ...: 25 and 26 fall on either side of 25.5.
    const ChartData chart = score_histogram({23, 25, 26, 28, 29, 40, 40, 23, 23, 30, 31, 32,
                                             33, 34, 35, 36, 37, 38, 39, 24, 24, 27, 40},
                                            23, 40);
    EXPECT_EQ(values(chart), (std::vector<int>{6, 3, 3, 3, 3, 5}));
}

TEST(Histogram, TheNumberOfBinsIsKeptBetween3And35) {
    EXPECT_EQ(histogram_bins(4, 10, 21).count, 3);  // round(2) + 1, width 4 reaching 21.5
    EXPECT_EQ(histogram_bins(4, 10, 21).width, 4);
    EXPECT_EQ(histogram_bins(1, 10, 21).count, 3);  // 2 is raised to 3
    // round(44.7) + 1 = 46 is limited to 35; width round(101 / 35) = 3.
    const HistogramBins many = histogram_bins(2000, 0, 100);
    EXPECT_EQ(many.count, 35);
    EXPECT_EQ(many.width, 3);
    const ChartData chart = score_histogram(spread(2000, 0, 100), 0, 100);
    EXPECT_EQ(chart.bars.size(), 35u);
    EXPECT_EQ(total(chart), 2000);
}

TEST(Histogram, MoreBinsUntilTheTopEdgeLiesAboveTheHighestScore) {
    // 9 examinees: k = 4, h = round(10 / 4) = 2 (the half to the even
    // neighbour); 4 bins end at 7.5, below 9, and a fifth at 9.5.
    const HistogramBins bins = histogram_bins(9, 0, 9);
    EXPECT_EQ(bins.width, 2);
    EXPECT_EQ(bins.count, 5);
    const ChartData chart = score_histogram(spread(9, 0, 9), 0, 9);
    EXPECT_DOUBLE_EQ(chart.edges.back(), 9.5);
    // Midpoints of even-width bins are halves, written rounded.
    EXPECT_EQ(labels(chart), (std::vector<std::string>{"1", "3", "5", "7", "9"}));
    EXPECT_EQ(total(chart), 9);
}

TEST(Histogram, AHighestScoreOnTheTopEdgeGetsABinOfItsOwn) {
    // 4 examinees from 10 to 13: k = 3, h = round(4 / 3) = 1. Three bins end
    // at 12.5, below the score 13, which would be drawn in the bin labelled
    // 12; a fourth bin holds it.
    const ChartData chart = score_histogram({10, 11, 12, 13}, 10, 13);
    EXPECT_EQ(labels(chart), (std::vector<std::string>{"10", "11", "12", "13"}));
    EXPECT_EQ(values(chart), (std::vector<int>{1, 1, 1, 1}));
}

TEST(Histogram, AllExamineesOnOneScoreStillGiveKBins) {
    const ChartData chart = score_histogram(std::vector<int>(16, 7), 7, 7);
    ASSERT_EQ(chart.bars.size(), 5u);  // round(4) + 1
    EXPECT_EQ(values(chart), (std::vector<int>{16, 0, 0, 0, 0}));
    EXPECT_EQ(labels(chart), (std::vector<std::string>{"7", "8", "9", "10", "11"}));
}

TEST(Histogram, AWidthThatRoundsToZeroBecomesOne) {
    // 100 examinees from 0 to 4: k = 11 and round(5 / 11) = 0, with which the
    // bins would never reach the highest score.
    const HistogramBins bins = histogram_bins(100, 0, 4);
    EXPECT_EQ(bins.width, 1);
    EXPECT_EQ(bins.count, 11);
    const ChartData chart = score_histogram(spread(100, 0, 4), 0, 4);
    ASSERT_EQ(chart.bars.size(), 11u);
    EXPECT_EQ(total(chart), 100);
    EXPECT_EQ(chart.bars[4].label, "4");
    EXPECT_EQ(chart.bars[5].value, 0);
}

TEST(ScoreBarChart, OneBarPerScoreWithEmptyBarsForMissingScores) {
    const ChartData chart = score_bar_chart({3, 5, 5, 8}, 3, 8);
    EXPECT_EQ(labels(chart), (std::vector<std::string>{"3", "4", "5", "6", "7", "8"}));
    EXPECT_EQ(values(chart), (std::vector<int>{1, 0, 2, 0, 0, 1}));
    EXPECT_EQ(chart.title, "Bar Chart for Scores");
    EXPECT_FALSE(chart.marks_visible);
    EXPECT_EQ(chart.bar_width_percent, 70);
    EXPECT_TRUE(chart.edges.empty());
    EXPECT_EQ(score_bar_chart({9, 9}, 9, 9).bars.size(), 1u);
}

TEST(GradeBarChart, RunsFromTheLowestCategoryToTheHighest) {
    const ChartData chart = grade_bar_chart({{"A", 3}, {"B+", 5}, {"FAIL", 2}, {"LONGER", 1}});
    EXPECT_EQ(labels(chart), (std::vector<std::string>{"LONG", "FAIL", "B+  ", "A   "}));
    EXPECT_EQ(values(chart), (std::vector<int>{1, 2, 5, 3}));
    EXPECT_EQ(chart.title, "Bar Chart for Letter Grades");
    EXPECT_TRUE(chart.marks_visible);
    EXPECT_EQ(chart.bar_width_percent, 70);
    EXPECT_TRUE(grade_bar_chart({}).bars.empty());
}

TEST(ChartsOfAnAnalysis, SampleSetOneIsTheWorkedHistogram) {
    auto state = testing::sample_set_1();
    ASSERT_FALSE(load_test_data(*state).refused);
    ASSERT_FALSE(run_analysis(*state).refused);
    ASSERT_EQ(state->results.score.min, 23.0);
    ASSERT_EQ(state->results.score.max, 40.0);
    const ChartData histogram = chart_of(*state, ChartKind::histogram);
    EXPECT_EQ(labels(histogram), (std::vector<std::string>{"24", "27", "30", "33", "36", "39"}));
    EXPECT_EQ(total(histogram), 23);
    const ChartData bars = chart_of(*state, ChartKind::score_bars);
    EXPECT_EQ(bars.bars.size(), 18u);
    EXPECT_EQ(total(bars), 23);
    EXPECT_TRUE(chart_of(*state, ChartKind::grade_bars).bars.empty());  // no grading scale
}

}  // namespace
}  // namespace kor
