#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "app/forms/PartialCreditForm.h"
#include "core/analysis/Analysis.h"
#include "core/analysis/NormalCurve.h"
#include "core/data/Loader.h"
#include "reports/DistributionReport.h"
#include "support/DataSets.h"

namespace kor {
namespace {

using Lines = std::vector<std::string>;

// Examinees with the given number-correct scores on a test of `items`
// items keyed A: each answers the first `score` items right. Every line has
// a one-character label, so that a one-item line is not taken as blank.
std::unique_ptr<ProgramState> scored(const std::vector<int>& scores, int items) {
    std::vector<std::string> lines;
    for (int s : scores) {
        lines.push_back("x" + std::string(static_cast<std::size_t>(s), 'A') +
                        std::string(static_cast<std::size_t>(items - s), 'B'));
    }
    return testing::typed({.label_length = 1,
                           .key = std::string(static_cast<std::size_t>(items), 'A'),
                           .lines = lines});
}

void analyse(ProgramState& state) {
    Outcome loaded = load_test_data(state);
    ASSERT_FALSE(loaded.refused) << loaded.messages.back();
    Outcome analysed = run_analysis(state);
    ASSERT_FALSE(analysed.refused) << analysed.messages.back();
}

// The lines from the first one equal to `first`, `count` of them.
Lines lines_from(const Lines& lines, const std::string& first, std::size_t count) {
    auto it = std::find(lines.begin(), lines.end(), first);
    if (it == lines.end()) {
        return {};
    }
    const auto available = static_cast<std::size_t>(lines.end() - it);
    return Lines(it, it + static_cast<std::ptrdiff_t>(std::min(count, available)));
}

bool contains(const Lines& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(FrequencyTableReport, ThreeFiveFiveEight) {
    auto state = scored({3, 5, 8, 5}, 10);
    analyse(*state);
    Diagnostics diagnostics;
    const Lines expected = {
        "=====================",
        "Score Frequency Table",
        "=====================",
        "",
        "         Z           Rel.   Cum.   Cum.     Percentile           Normalized",
        "Score  Score  Freq.  Freq.  Freq.  Percent     Rank     Stanine   Zn Score ",
        "-----  -----  -----  -----  -----  -------  ----------  -------  ----------",
        "   3   -1.26      1  0.250      1   25.00      12.5        3        -1.15",
        "   5   -0.14      2  0.500      3   75.00      50.0        5         0.01",
        "   8    1.54      1  0.250      4  100.00      87.5        7         1.15",
        "              =====  =====",
        "     Totals:      4  1.000",
        "",
    };
    EXPECT_EQ(frequency_table_lines(*state, diagnostics), expected);
}

TEST(FrequencyTableReport, ConstantScoresShowZeroZColumns) {
    auto state = scored({4, 4, 4}, 6);
    analyse(*state);
    Diagnostics diagnostics;
    const Lines lines = frequency_table_lines(*state, diagnostics);
    EXPECT_EQ(lines[7],
              "   4    0.00      3  1.000      3  100.00      50.0        5         0.00");
}

TEST(FrequencyTableReport, PointValuesTabulateTheWeightedTotal) {
    // Two points per item and two partial-credit digits per examinee.
    auto state = scored({1, 2}, 3);
    state->editor.data_lines = {"xABB05", "xAAB00"};
    state->editor.options = "555";
    state->data.num_items = 3;
    state->pc_form.txt_pc_points = "10";
    state->pc_form.txt_mc_points = "2";
    partial_credit_ok(*state);
    analyse(*state);
    Diagnostics diagnostics;
    const Lines lines = frequency_table_lines(*state, diagnostics);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[7].substr(0, 4), "   4");  // 2 * 2 + 0
    EXPECT_EQ(lines[8].substr(0, 4), "   7");  // 1 * 2 + 5
    // The graph still counts items answered correctly.
    const Lines graph = bar_graph_lines(*state);
    EXPECT_EQ(graph[1], "Bar Graph for Multiple Choice Items");
    EXPECT_EQ(graph[6], "  1.00      1   @");
    EXPECT_EQ(graph[7], "  2.00      1   @");
}

TEST(BarGraph, EveryScoreFromLowestToHighest) {
    auto state = scored({3, 5, 8, 5, 10}, 12);
    analyse(*state);
    const Lines expected = {
        "=========",
        "Bar Graph",
        "=========",
        "",
        "Score    Count  Graph (each @ represents 1 case)",
        "-------  -----  --------------------------------",
        "  3.00      1   @",
        "  4.00      0   ",
        "  5.00      2   @@",
        "  6.00      0   ",
        "  7.00      0   ",
        "  8.00      1   @",
        "  9.00      0   ",
        " 10.00      1   @",
        "",
    };
    EXPECT_EQ(bar_graph_lines(*state), expected);
}

TEST(StemAndLeaf, TwoLinesPerStemFromLowestToHighest) {
    auto state = scored({7, 3, 12, 4, 7, 10}, 12);
    analyse(*state);
    const Lines expected = {
        "",
        "=====================",
        "Stem-and-Leaf Display",
        "=====================",
        "",
        "Stem Leaves (width=10)",
        "---- -----------------",
        "  0 . 34",
        "  0 . 77",
        "  1 . 02",
        "",
    };
    EXPECT_EQ(stem_and_leaf_lines(*state), expected);
}

TEST(StemAndLeaf, ScoresOfNinetyAndAboveShareTheLastStem) {
    auto state = scored({100, 95, 89}, 100);  // 1 + 100 columns
    analyse(*state);
    const Lines lines = stem_and_leaf_lines(*state);
    // Stem 9 has its first line although nobody scored 90 to 94.
    const Lines expected = {"  8 . 9", "  9 . ", "  9 . 5", "  9 . 0", ""};
    EXPECT_EQ(Lines(lines.end() - 5, lines.end()), expected);
}

void use_pass_fail_grades(ProgramState& state) {
    AnalysisSettings& s = state.settings;
    s.num_grade_cats = 2;
    s.grade_min_percent[1] = 50;
    s.grade_label[1] = "Pass";
    s.grade_label[2] = "F   ";
}

TEST(GradeChart, OneBarPerCategoryWithUnpaddedLabels) {
    auto state = scored({1, 2, 3, 4}, 4);
    use_pass_fail_grades(*state);
    analyse(*state);
    const Lines expected = {
        "",
        "===========================",
        "Bar Chart for Letter Grades",
        "===========================",
        "",
        "Grade  Count  Graph (each @ represents 1 case)",
        "-----  -----  --------------------------------",
        "Pass      3   @@@",
        "F      1   @",
    };
    EXPECT_EQ(grade_chart_lines(*state), expected);

    state->settings.num_grade_cats = 0;
    EXPECT_TRUE(grade_chart_lines(*state).empty());
}

TEST(ScoreDistribution, StemAndGradeDisplaysUpToTwoHundredExaminees) {
    std::vector<int> scores(200, 1);
    scores[0] = 0;
    auto state = scored(scores, 2);
    use_pass_fail_grades(*state);
    analyse(*state);
    Diagnostics diagnostics;
    Lines lines = score_distribution_lines(*state, diagnostics);
    EXPECT_TRUE(contains(lines, "Stem-and-Leaf Display"));
    EXPECT_TRUE(contains(lines, "Bar Chart for Letter Grades"));

    scores.push_back(1);
    state = scored(scores, 2);
    use_pass_fail_grades(*state);
    analyse(*state);
    lines = score_distribution_lines(*state, diagnostics);
    const std::string stem_notice =
        "Stem-and-Leaf Display (not printed due to large number of cases)";
    const std::string grade_notice =
        "Bar Chart for Letter Grades (not printed due to large number of cases)";
    EXPECT_EQ(lines_from(lines, std::string(64, '='), 5),
              (Lines{std::string(64, '='), stem_notice, std::string(64, '='), "", ""}));
    EXPECT_EQ(lines_from(lines, grade_notice, 3), (Lines{grade_notice, std::string(70, '='), ""}));
    EXPECT_FALSE(contains(lines, "Stem-and-Leaf Display"));
    EXPECT_TRUE(contains(lines, "Bar Graph"));
    // The notice ends the section: nothing follows it.
    EXPECT_EQ(lines.back(), "");
    EXPECT_EQ(lines[lines.size() - 2], std::string(70, '='));
}

TEST(ScoreDistribution, BarGraphUpToNineHundredNinetyNineExaminees) {
    std::vector<int> scores(999, 1);
    scores[0] = 0;
    auto state = scored(scores, 1);
    analyse(*state);
    Lines lines = bar_graph_lines(*state);
    EXPECT_EQ(lines[1], "Bar Graph");
    EXPECT_EQ(lines[7], "  1.00    998   " + std::string(998, '@'));

    scores.push_back(1);
    state = scored(scores, 1);
    analyse(*state);
    const std::string notice = "Bar Graph (not printed due to large number of cases)";
    EXPECT_EQ(bar_graph_lines(*state),
              (Lines{std::string(52, '='), notice, std::string(52, '='), "", ""}));
}

}  // namespace
}  // namespace kor
