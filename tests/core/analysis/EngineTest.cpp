#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "core/analysis/Analysis.h"
#include "core/analysis/Grades.h"
#include "core/analysis/ItemStatistics.h"
#include "core/analysis/NormalCurve.h"
#include "core/analysis/ScoreStatistics.h"
#include "core/data/Loader.h"
#include "support/DataSets.h"

namespace kor {
namespace {

// A data set typed into the editor: two-character labels "01", "02", ...
std::unique_ptr<ProgramState> typed(const std::string& key, const std::string& options,
                                    const std::vector<std::string>& responses,
                                    const std::string& include = "") {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < responses.size(); ++i) {
        const std::string label = (i + 1 < 10 ? "0" : "") + std::to_string(i + 1);
        lines.push_back(label + responses[i]);
    }
    return testing::typed(
        {.label_length = 2, .key = key, .options = options, .include = include, .lines = lines});
}

void analyse(ProgramState& state) {
    Outcome loaded = load_test_data(state);
    ASSERT_FALSE(loaded.refused) << loaded.messages.back();
    Outcome analysed = run_analysis(state);
    ASSERT_FALSE(analysed.refused) << analysed.messages.back();
}

const Case_Record& examinee(const ProgramState& state, int id) {
    for (int p = 1; p <= state.data.num_examinees; ++p) {
        if (state.results.examinee_records[static_cast<std::size_t>(p)].IDnum == id) {
            return state.results.examinee_records[static_cast<std::size_t>(p)];
        }
    }
    throw std::runtime_error("no such examinee");
}

const Item_Record& item(const ProgramState& state, int number) {
    for (int p = 1; p <= state.data.num_items; ++p) {
        if (state.results.item_records[static_cast<std::size_t>(p)].ItemNum == number) {
            return state.results.item_records[static_cast<std::size_t>(p)];
        }
    }
    throw std::runtime_error("no such item");
}

TEST(Scoring, KeyNineMakesEveryResponseCorrectMissingIncluded) {
    auto state = typed("A9CD", "4444", {"A.CD", "BBBB", "ACC."});
    analyse(*state);
    EXPECT_EQ(examinee(*state, 1).Score, 4);
    EXPECT_EQ(examinee(*state, 2).Score, 1);
    EXPECT_EQ(examinee(*state, 3).Score, 3);
    EXPECT_EQ(item(*state, 2).NumCorrect, 3);
}

TEST(Scoring, TrueFalseAndZeroCodesScoreByTheItemsOptions) {
    // Items 1-2 have 2 options ("0" and "F" are option 2), items 3-4 have 5.
    auto state = typed("1T0F", "2255", {"0F0F", "2b06", "1tFf"});
    analyse(*state);
    EXPECT_EQ(examinee(*state, 1).Score, 2);  // "0" and "F" are option 2 on items 1-2: both wrong
    EXPECT_EQ(examinee(*state, 2).Score, 2);  // "0" and "6" on 5-option items match keys 0 and F=6
    EXPECT_EQ(examinee(*state, 3).Score, 3);  // "F" on item 3 is option 6, not 0
}

TEST(Scoring, ExcludedItemsKeepTheirPlaceInHalvesAndOddEven) {
    // Five items: first half is items 1-2, second 3-5; item 2 excluded.
    auto state = typed("AAAAA", "44444", {"AAAAA", "AABBA"}, "YNYYY");
    analyse(*state);
    const Case_Record& all = examinee(*state, 1);
    EXPECT_EQ(all.Score, 4);
    EXPECT_EQ(all.Half1, 1);
    EXPECT_EQ(all.Half2, 3);
    EXPECT_EQ(all.Odds, 3);
    EXPECT_EQ(all.Evens, 1);
    EXPECT_DOUBLE_EQ(all.Percent, 100.0);
    const Case_Record& some = examinee(*state, 2);
    EXPECT_EQ(some.Half2, 1);
    EXPECT_EQ(some.Odds, 2);
    EXPECT_EQ(some.Evens, 0);
    EXPECT_EQ(state->results.num_excluded_items, 1);
}

TEST(Scoring, OneItemHasAnEmptyFirstHalfAndNoReliability) {
    auto state = typed("A", "4", {"A", "B", "A"});
    analyse(*state);
    EXPECT_EQ(examinee(*state, 1).Half1, 0);
    EXPECT_EQ(examinee(*state, 1).Half2, 1);
    EXPECT_EQ(state->results.kr20, 0.0);
    EXPECT_EQ(state->results.kr21, 0.0);
    EXPECT_EQ(item(*state, 1).AdjPtBis, not_computable);
    EXPECT_EQ(item(*state, 1).AdjBiserial, 0.0);
    EXPECT_EQ(item(*state, 1).KR20IfDeleted, 0.0);
}

TEST(Scoring, NoIncludedItemRefusesTheAnalysis) {
    auto state = typed("AB", "44", {"AB", "BA"}, "NN");
    ASSERT_FALSE(load_test_data(*state).refused);
    Outcome outcome = run_analysis(*state);
    ASSERT_TRUE(outcome.refused);
    EXPECT_EQ(outcome.messages.back(),
              "No items are included in the analysis -- mark at least one item Y or A in the "
              "INCLUDE line");
    EXPECT_FALSE(state->results.analysed);
}

TEST(ScoreStatistics, MedianMeanAndVarianceByHand) {
    EXPECT_DOUBLE_EQ(describe_scores({9, 3, 8, 5}).median, 6.5);
    EXPECT_DOUBLE_EQ(describe_scores({4, 9, 3}).median, 4.0);
    EXPECT_DOUBLE_EQ(describe_scores({7}).median, 7.0);
    EXPECT_DOUBLE_EQ(describe_scores({7}).variance, 0.0);
    const ScoreStatistics s = describe_scores({2, 4, 6});
    EXPECT_DOUBLE_EQ(s.mean, 4.0);
    EXPECT_NEAR(s.variance, 8.0 / 3.0, 1e-12);
    EXPECT_NEAR(s.skewness, 0.0, 1e-12);
    EXPECT_NEAR(s.kurtosis, 1.5 - 3.0, 1e-12);
    EXPECT_EQ(s.min, 2.0);
    EXPECT_EQ(s.max, 6.0);
    // The standard error of the mean: the sample SD (N - 1) over sqrt(N),
    // sqrt(4 / 3) = 1.1547; none for a single score.
    ASSERT_TRUE(s.mean_se.has_value());
    EXPECT_NEAR(*s.mean_se, 2.0 / std::sqrt(3.0), 1e-12);
    EXPECT_FALSE(describe_scores({7}).mean_se.has_value());
    EXPECT_NEAR(*describe_scores({1, 2, 3, 4}).mean_se, std::sqrt(5.0 / 12.0), 1e-12);
    // Extra credit can lift every score above the possible total: the minimum is still the smallest
    // score.
    EXPECT_EQ(describe_scores({12.5, 11.0}).min, 11.0);
}

TEST(ScoreStatistics, ConstantScoresHaveNoShapeAndNoReliability) {
    auto state = typed("AB", "44", {"AB", "AB", "AB"});
    analyse(*state);
    const AnalysisResults& r = state->results;
    EXPECT_EQ(r.score.sd, 0.0);
    EXPECT_EQ(r.score.skewness, 0.0);
    EXPECT_EQ(r.score.kurtosis, 0.0);
    EXPECT_EQ(r.kr20, 0.0);
    EXPECT_EQ(r.kr21, 0.0);
    EXPECT_EQ(r.sem_kr20, 0.0);
    EXPECT_EQ(item(*state, 1).PtBis, not_computable);
    EXPECT_EQ(item(*state, 1).Biserial, 0.0);
    EXPECT_EQ(r.mean_pbis, 0.0);
    EXPECT_EQ(r.mean_adj_pbis, 0.0);
}

TEST(ScoreStatistics, SplitHalfIsZeroWithoutVariance) {
    EXPECT_EQ(split_half_correlation({1, 1, 1}, {0, 1, 2}), 0.0);
    EXPECT_DOUBLE_EQ(split_half_correlation({1, 2, 3}, {2, 4, 6}), 1.0);
    EXPECT_DOUBLE_EQ(split_half_correlation({1, 2, 3}, {3, 2, 1}), -1.0);
}

// Thirty examinees with scores 0..29 on 29 items (examinee i answers the
// first i-1 items).
std::vector<std::string> staircase(int examinees, int items) {
    std::vector<std::string> lines;
    for (int i = 0; i < examinees; ++i) {
        std::string line(static_cast<std::size_t>(items), 'B');
        for (int j = 0; j < i && j < items; ++j) {
            line[static_cast<std::size_t>(j)] = 'A';
        }
        lines.push_back(line);
    }
    return lines;
}

TEST(Groups, TwentySevenPercentOfThirtyDistinctScoresIsEightEach) {
    auto state = typed(std::string(29, 'A'), std::string(29, '4'), staircase(30, 29));
    analyse(*state);
    const AnalysisResults& r = state->results;
    EXPECT_EQ(r.high_group_n, 8);
    EXPECT_EQ(r.low_group_n, 8);
    EXPECT_EQ(r.high_group_min_score, 22);
    EXPECT_EQ(r.low_group_max_score, 7);
    // Item 1 is answered by everybody but examinee 1: 8 of 8 high, 7 of 8 low.
    EXPECT_EQ(item(*state, 1).HighCorrect, 8);
    EXPECT_EQ(item(*state, 1).LowCorrect, 7);
    EXPECT_DOUBLE_EQ(item(*state, 1).Disc, 1.0 - 7.0 / 8.0);
}

TEST(Groups, TiesAtTheCutJoinTheGroup) {
    // Ten examinees, scores 0,1,1,1,1,2,2,3,3,3; at 27% both groups have 3 nominal members.
    auto state =
        typed("AAA", "444", {"BBB", "ABB", "ABB", "ABB", "ABB", "AAB", "AAB", "AAA", "AAA", "AAA"});
    analyse(*state);
    const AnalysisResults& r = state->results;
    EXPECT_EQ(r.low_group_max_score, 1);
    EXPECT_EQ(r.low_group_n, 5);
    EXPECT_EQ(r.high_group_min_score, 3);
    EXPECT_EQ(r.high_group_n, 3);
}

TEST(Groups, EverybodyTiedPushesTheCutsApart) {
    auto state = typed("AA", "44", {"AB", "BA", "AB", "BA"});
    analyse(*state);
    const AnalysisResults& r = state->results;
    EXPECT_EQ(r.low_group_max_score, 0);
    EXPECT_EQ(r.high_group_min_score, 2);
    EXPECT_EQ(r.low_group_n, 0);
    EXPECT_EQ(r.high_group_n, 0);
    EXPECT_EQ(item(*state, 1).HighProp, 0.0);
    EXPECT_EQ(item(*state, 1).LowProp, 0.0);
    EXPECT_EQ(item(*state, 1).Disc, 0.0);
}

TEST(Groups, ANominalSizeOfZeroGivesAnEmptyGroupAndUnreadableTextsKeepTheLast) {
    auto state = typed("AAA", "444", {"BBB", "ABB", "AAB", "AAA"});
    state->settings.upper_group_percent_text = "10";  // 0.4 examinees: none
    state->settings.lower_group_percent_text = "0";
    analyse(*state);
    const AnalysisResults& r = state->results;
    EXPECT_EQ(r.high_group_n, 0);
    EXPECT_EQ(r.low_group_n, 0);
    EXPECT_EQ(r.high_group_min_score, 4);  // above every possible score
    EXPECT_EQ(r.low_group_max_score, -1);  // below every possible score

    state->settings.upper_group_percent_text = "abc";
    state->settings.lower_group_percent_text = "50";
    ASSERT_FALSE(run_analysis(*state).refused);
    EXPECT_DOUBLE_EQ(state->settings.disc_top_fraction, 0.10);
    EXPECT_DOUBLE_EQ(state->settings.disc_bottom_fraction, 0.0);
}

TEST(NormalCurve, DeviateAndOrdinateOfEightyFourPercent) {
    Diagnostics diagnostics;
    const double z = normal_deviate_for(0.84, diagnostics);
    EXPECT_NEAR(z, 0.995, 0.0005);
    EXPECT_NEAR(normal_ordinate(z), 0.243, 0.0005);
    EXPECT_NEAR(normal_deviate_for(0.16, diagnostics), -0.995, 0.0005);
    EXPECT_EQ(normal_deviate_for(0.5, diagnostics), 0.0);
    EXPECT_NEAR(normal_cdf(1.96, diagnostics), 0.975, 0.0005);
    EXPECT_NEAR(normal_cdf(0.0, diagnostics), 0.5, 1e-9);
    EXPECT_TRUE(diagnostics.texts().empty());
}

TEST(NormalCurve, LogGammaAgreesWithTheLibrary) {
    for (double x : {0.5, 1.0, 2.5, 10.0, 5000.0, 5000.5}) {
        EXPECT_NEAR(log_gamma(x), std::lgamma(x), 1e-8 * std::max(1.0, std::fabs(std::lgamma(x))))
            << x;
    }
}

TEST(ItemStatistics, AllCorrectAndNoneCorrectItems) {
    auto state = typed("AAB", "444", {"AAA", "ABA", "AAA", "ABC"});
    analyse(*state);
    const Item_Record& all = item(*state, 1);
    EXPECT_EQ(all.Diff, 1.0);
    EXPECT_EQ(all.PtBis, not_computable);
    EXPECT_EQ(all.AdjPtBis, not_computable);
    EXPECT_EQ(all.Biserial, 0.0);
    EXPECT_EQ(all.AdjBiserial, 0.0);
    const Item_Record& none = item(*state, 3);
    EXPECT_EQ(none.Diff, 0.0);
    EXPECT_EQ(none.MeanIfCorrect, 0.0);
    EXPECT_EQ(none.PtBis, 0.0);
    EXPECT_EQ(none.AdjPtBis, 0.0);
    EXPECT_EQ(none.Biserial, 0.0);
    // Only item 2 has a computable point-biserial besides item 3's 0.
    EXPECT_DOUBLE_EQ(state->results.mean_pbis, (item(*state, 2).PtBis + 0.0) / 2.0);
}

TEST(ItemStatistics, PointBiserialAndItemDeletedByHand) {
    // Scores 3,2,1,0 on three items; item 1 answered by the top two.
    auto state = typed("AAA", "444", {"AAA", "AAB", "BAB", "BBB"});
    analyse(*state);
    const Item_Record& it = item(*state, 1);
    // p = .5, mean 1.5, sd = sqrt(1.25), mean if correct 2.5: r = (2.5-1.5)/sqrt(1.25)
    EXPECT_NEAR(it.PtBis, 1.0 / std::sqrt(1.25), 1e-12);
    EXPECT_DOUBLE_EQ(it.MeanIfDeleted, 1.0);
    EXPECT_DOUBLE_EQ(it.VarIfDeleted, 0.5);  // scores 2,1,1,0
    // Rest scores 2,1,1,0 against the item 1,1,0,0: correlation 1/sqrt(2).
    EXPECT_NEAR(it.AdjPtBis, 1.0 / std::sqrt(2.0), 1e-12);
    // A biserial above 1 is reported as 1.
    EXPECT_EQ(it.Biserial, 1.0);
}

TEST(ItemStatistics, ProblemItemsAndTheirCounts) {
    auto state = typed("AAAA", "4444", {"AAAA", "AAAB", "AABB", "ABBB", "AABA"});
    analyse(*state);
    const AnalysisResults& r = state->results;
    // Scores 4,3,2,1,3: one examinee in each group. Item 1 (p = 1, D = 0) is
    // too easy and does not discriminate; items 2-4 (p .8, .6, .4, D = 1) pass.
    EXPECT_TRUE(is_problem_item(item(*state, 1), state->settings));
    for (int j = 2; j <= 4; ++j) {
        EXPECT_FALSE(is_problem_item(item(*state, j), state->settings)) << j;
        EXPECT_GT(item(*state, j).AdjPtBis, 0.0) << j;
    }
    EXPECT_EQ(r.num_problem_items, 1);
    EXPECT_EQ(r.num_prob_p_low, 0);
    EXPECT_EQ(r.num_prob_p_high, 1);
    EXPECT_EQ(r.num_prob_disc, 1);
    EXPECT_EQ(r.num_prob_adj_pbis, 0);  // an adjusted r of 9 (cannot be computed) passes

    // The point-biserial criterion takes no part in the decision.
    state->settings.crit_pbis = 1.0;
    state->settings.crit_p_low = 0.6;  // item 3 now fails at p = .6, item 4 below it
    ASSERT_FALSE(run_analysis(*state).refused);
    EXPECT_EQ(state->results.num_problem_items, 3);
    EXPECT_EQ(state->results.num_prob_p_low, 2);

    state->settings.suggest_problem_items = false;
    ASSERT_FALSE(run_analysis(*state).refused);
    EXPECT_EQ(state->results.num_problem_items, 0);
    EXPECT_EQ(state->results.num_prob_p_high, 0);
}

TEST(Grades, CategoriesAtCutsWithAndWithoutRounding) {
    AnalysisSettings s;
    s.num_grade_cats = 5;
    const double cuts[] = {90, 80, 70, 60};
    for (int c = 1; c <= 4; ++c) s.grade_min_percent[static_cast<std::size_t>(c)] = cuts[c - 1];
    EXPECT_EQ(grade_category(s, 59.99), 5);
    EXPECT_EQ(grade_category(s, 90.0), 1);
    EXPECT_EQ(grade_category(s, 89.99), 2);
    EXPECT_EQ(grade_category(s, 0.0), 5);
    EXPECT_EQ(grade_category(s, 130.0), 1);
    // Rounding sends halves to the even neighbour before the comparison.
    EXPECT_EQ(grade_category(s, std::nearbyint(89.5)), 1);
    EXPECT_EQ(grade_category(s, std::nearbyint(88.5)), 2);
    EXPECT_EQ(std::nearbyint(84.5), 84.0);
}

TEST(Grades, AssignedFromRoundedOrAbsolutePercentages) {
    auto state = typed(
        std::string(100, 'A'), std::string(100, '4'),
        {std::string(89, 'A') + std::string(11, 'B'), std::string(90, 'A') + std::string(10, 'B')});
    AnalysisSettings& s = state->settings;
    s.num_grade_cats = 2;
    s.grade_min_percent[1] = 90;
    s.grade_label[1] = "Pass";
    s.grade_label[2] = "Fail";
    analyse(*state);
    EXPECT_EQ(examinee(*state, 1).Grade, "Fail");
    EXPECT_EQ(examinee(*state, 2).Grade, "Pass");
    EXPECT_EQ(state->results.grade_count[1], 1);
    EXPECT_EQ(state->results.grade_count[2], 1);
    // Analysing again counts afresh.
    ASSERT_FALSE(run_analysis(*state).refused);
    EXPECT_EQ(state->results.grade_count[2], 1);
}

TEST(Bands, ClampedAtZeroAndAtTheNumberOfItems) {
    auto state = typed("AAAA", "4444", {"AAAA", "BBBB", "AABB", "ABBB", "AAAB"});
    analyse(*state);
    const double sem = state->results.sem_kr20;
    ASSERT_GT(sem, 0.0);
    const Case_Record& top = examinee(*state, 1);
    EXPECT_EQ(top.Plus1sem, 4.0);
    EXPECT_EQ(top.Plus1pc, 100.0);
    EXPECT_DOUBLE_EQ(top.Minus1sem, std::max(0.0, 4.0 - sem));
    const Case_Record& bottom = examinee(*state, 2);
    EXPECT_EQ(bottom.Minus1sem, 0.0);
    EXPECT_EQ(bottom.Minus2sem, 0.0);
    EXPECT_EQ(bottom.Minus1pc, 0.0);
    EXPECT_EQ(bottom.Plus1grade, "");
}

TEST(PartialCredit, ExtraCreditCanPassOneHundredPercent) {
    auto state = typed("AB", "44", {"AB10", "BB05"});
    state->data.partial_credit_on = true;  // total 0: the points are extra credit
    analyse(*state);
    const Case_Record& first = examinee(*state, 1);
    EXPECT_EQ(first.PC, 10);
    EXPECT_DOUBLE_EQ(first.PC_Score, 12.0);
    EXPECT_DOUBLE_EQ(state->results.total_possible, 2.0);
    EXPECT_DOUBLE_EQ(first.PC_Percent, 600.0);
    EXPECT_DOUBLE_EQ(state->results.pc_score.min, 6.0);
}

TEST(ReportOrder, ByScoreStartsFromDataOrderAndKeepsTheSortsTieOrder) {
    auto state = typed("AA", "44", {"AA", "BB", "AB", "BB", "AA"});
    state->settings.sort_exam_none = false;
    state->settings.sort_exam_score = true;
    analyse(*state);
    // Scores 2,0,1,0,2 sorted by the selection sort: 4 2 3 1 5. The records
    // themselves stay in examinee order.
    EXPECT_EQ(state->results.examinee_order, (std::vector<int>{4, 2, 3, 1, 5}));
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(state->results.examinee_records[static_cast<std::size_t>(i)].IDnum, i);
    }
    // Ranks: 1 + the number of lower scores, ties sharing theirs.
    EXPECT_EQ(examinee(*state, 1).RankScore, 4);
    EXPECT_EQ(examinee(*state, 2).RankScore, 1);
    EXPECT_EQ(examinee(*state, 3).RankScore, 3);
    EXPECT_EQ(examinee(*state, 5).PC_rankscore, 1);
}

}  // namespace
}  // namespace kor
