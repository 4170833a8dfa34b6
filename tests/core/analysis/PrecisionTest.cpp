// How sure the figures are, against the definitions: the items' figures
// over the examinees who reached them, the bands of the conditional
// standard error and the level of the KR20 interval. None of the choices
// changes a score, a record or a fixed-width report.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/Application.h"
#include "core/analysis/Grades.h"
#include "core/analysis/Precision.h"
#include "core/analysis/Reliability.h"
#include "support/Definitions.h"

namespace kor {
namespace {

const std::string key = "ABCDABA";  // item 7 is excluded
const std::vector<std::string> answers = {
    "ABCDAB.",  // all answered; the excluded item's blank counts nowhere
    "ABC....",  // items 4-6 not reached
    "AB.DAB.",  // item 3 skipped
    "ABCDCA.",  //
    "AAB....",  // items 4-6 not reached
    "CBDBABA",  // answers the excluded last item, so nothing is left unreached
};

void analyse_class(Application& app) {
    EditorTexts texts;
    texts.cases = std::to_string(answers.size());
    texts.items = "7";
    texts.label_length = "2";
    texts.answer_key = key;
    texts.options = "4444444";
    texts.include = "YYYYYYN";
    for (std::size_t i = 0; i < answers.size(); ++i) {
        texts.data_lines.push_back("e" + std::to_string(i + 1) + answers[i]);
    }
    app.set_editor_texts(texts);
    ASSERT_FALSE(app.close_editor(EditorExit::ok).outcome.refused);
    ASSERT_FALSE(app.analyze().refused);
}

std::vector<Case_Record> records_of(const AnalysisState& state) {
    std::vector<Case_Record> records;
    for (int i = 1; i <= state.data.num_examinees; ++i) {
        records.push_back(state.results.examinee_records[i]);
    }
    return records;
}

// Whether the examinee answered item j or anything after it.
bool reached(const std::string& line, std::size_t j) {
    return line.find_last_not_of('.') + 1 >= j;
}

using testing::pearson;

TEST(NotReachedAnswers, AreToldFromSkippedOnesOverTheIncludedItems) {
    Application app;
    analyse_class(app);
    const MissingAnswers& missing = app.state().results.precision.missing;
    EXPECT_EQ(missing.skipped_by_item, (std::vector<int>{0, 0, 1, 0, 0, 0, 0}));
    EXPECT_EQ(missing.not_reached_by_item, (std::vector<int>{0, 0, 0, 2, 2, 2, 0}));
    EXPECT_EQ(missing.skipped_by_examinee, (std::vector<int>{0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(missing.not_reached_by_examinee, (std::vector<int>{0, 3, 0, 0, 3, 0}));
    EXPECT_EQ(missing.last_answered_by_examinee, (std::vector<int>{6, 3, 6, 6, 3, 7}));
    EXPECT_EQ(count_of(missing.skipped_by_item, 3), 1);
    EXPECT_EQ(count_of(missing.skipped_by_item, 0), 0);
    EXPECT_EQ(count_of(missing.skipped_by_item, 8), 0);
}

TEST(NotReachedAnswers, LeftOutGiveEachItemItsOwnExamineesAndChangeNoScoreOrReport) {
    Application app;
    analyse_class(app);
    const AnalysisState& state = app.state();
    const std::vector<Case_Record> records = records_of(state);
    const ReportTexts reports = state.report_texts;
    std::vector<double> difficulty, pbis;
    for (int j = 1; j <= 6; ++j) {
        const Item_Record& item = state.results.item_records[static_cast<std::size_t>(j)];
        const ItemFiguresUsed used = item_figures_used(state, item);
        // Counted wrong, the figures are the records' over every examinee.
        EXPECT_EQ(used.examinees, 6);
        EXPECT_EQ(used.difficulty, item.Diff);
        EXPECT_EQ(used.pbis, item.PtBis);
        difficulty.push_back(item.Diff);
        pbis.push_back(item.PtBis);
    }

    ASSERT_FALSE(app.set_not_reached(NotReached::exclude).refused);
    ASSERT_FALSE(app.set_bands_error(BandsError::csem).refused);
    ASSERT_FALSE(app.set_ci_level(0.99).refused);
    ASSERT_FALSE(app.analyze().refused);
    for (std::size_t j = 1; j <= 6; ++j) {
        SCOPED_TRACE("item " + std::to_string(j));
        std::vector<double> right, score;
        for (std::size_t i = 0; i < answers.size(); ++i) {
            if (reached(answers[i], j)) {
                right.push_back(answers[i][j - 1] == key[j - 1] ? 1.0 : 0.0);
                score.push_back(state.results.examinee_records[i + 1].Score);
            }
        }
        const ItemFiguresUsed used = item_figures_used(state, state.results.item_records[j]);
        EXPECT_EQ(used.examinees, j >= 4 ? 4 : 6);
        EXPECT_EQ(static_cast<std::size_t>(used.examinees), right.size());
        ASSERT_TRUE(used.difficulty.has_value());
        const double share = static_cast<double>(std::count(right.begin(), right.end(), 1.0)) /
                             static_cast<double>(right.size());
        EXPECT_DOUBLE_EQ(*used.difficulty, share);
        EXPECT_NEAR(used.pbis, pearson(right, score), 1e-12);
        // The records and the reports keep the figures over every examinee.
        EXPECT_EQ(state.results.item_records[j].Diff, difficulty[j - 1]);
        EXPECT_EQ(state.results.item_records[j].PtBis, pbis[j - 1]);
    }
    EXPECT_DOUBLE_EQ(*item_figures_used(state, state.results.item_records[4]).difficulty, 0.75);
    EXPECT_EQ(records_of(state), records);
    EXPECT_EQ(state.report_texts.examinees, reports.examinees);
    EXPECT_EQ(state.report_texts.items, reports.items);
    EXPECT_EQ(state.report_texts.examinee_pane, reports.examinee_pane);
    EXPECT_EQ(state.report_texts.item_pane, reports.item_pane);
    EXPECT_EQ(state.report_texts.results_box, reports.results_box);
}

TEST(ConditionalBands, FollowTheBinomialErrorAtEachScore) {
    Application app;
    analyse_class(app);
    const AnalysisState& state = app.state();
    // k = 6: sqrt(x (6 - x) / 5) by hand.
    const std::vector<double> by_hand{0.0, 1.0, std::sqrt(1.6), std::sqrt(1.8), std::sqrt(1.6),
                                      1.0, 0.0};
    ASSERT_EQ(state.results.precision.csem.size(), by_hand.size());
    for (std::size_t x = 0; x < by_hand.size(); ++x) {
        EXPECT_DOUBLE_EQ(state.results.precision.csem[x], by_hand[x]) << "score " << x;
    }
    const Case_Record& third = state.results.examinee_records[3];  // score 5
    ASSERT_EQ(third.Score, 5);
    // With the one SEM the outputs' bands are the records'.
    EXPECT_EQ(reported_bands(state, third).plus2, third.Plus2sem);
    EXPECT_EQ(band_error_at(state, 5), state.results.sem_kr20);

    ASSERT_FALSE(app.set_bands_error(BandsError::csem).refused);
    ASSERT_FALSE(app.analyze().refused);
    const ConfidenceBands bands = reported_bands(state, third);
    EXPECT_DOUBLE_EQ(bands.minus1, 4.0);
    EXPECT_DOUBLE_EQ(bands.plus1, 6.0);
    EXPECT_DOUBLE_EQ(bands.minus2, 3.0);
    EXPECT_DOUBLE_EQ(bands.plus2, 6.0);  // kept within the items
    EXPECT_DOUBLE_EQ(bands.minus2_percent, 50.0);
    // The record keeps the reports' one SEM.
    EXPECT_EQ(third.Plus1sem, std::min(6.0, 5.0 + state.results.sem_kr20));
}

TEST(Kr20Interval, TakesTheChosenLevelAndNoOther) {
    Application app;
    analyse_class(app);
    const AnalysisState& state = app.state();
    std::vector<double> widths;
    for (const double level : ci_levels) {
        ASSERT_FALSE(app.set_ci_level(level).refused);
        ASSERT_FALSE(app.analyze().refused);
        const ReliabilityInterval& ci = state.results.precision.kr20_ci;
        const ReliabilityInterval expected = feldt_interval(state.results.kr20, 6, 6, true, level);
        EXPECT_TRUE(ci.reason.empty());
        EXPECT_EQ(ci.low, expected.low);
        EXPECT_EQ(ci.high, expected.high);
        widths.push_back(ci.high - ci.low);
    }
    EXPECT_LT(widths[0], widths[1]);
    EXPECT_LT(widths[1], widths[2]);
    const Outcome refused = app.set_ci_level(0.93);
    EXPECT_TRUE(refused.refused);
    EXPECT_EQ(
        refused.messages,
        std::vector<std::string>{
            "The confidence level of the KR20 interval must be 0.90, 0.95 or 0.99, not 0.93"});
    EXPECT_EQ(state.settings.ci_level, 0.99);
}

}  // namespace
}  // namespace kor
