// The options' point-biserials and the omitted answers, against a plain
// Pearson correlation computed here and against the item statistics.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "core/analysis/Analysis.h"
#include "core/analysis/OptionStatistics.h"
#include "core/data/Loader.h"
#include "support/DataSets.h"
#include "support/Definitions.h"

namespace kor {
namespace {

std::size_t at(int k) {
    return static_cast<std::size_t>(k);
}

std::unique_ptr<ProgramState> typed(const std::string& key, const std::string& options,
                                    const std::vector<std::string>& responses) {
    auto state = std::make_unique<ProgramState>();
    EditorTexts& e = state->editor;
    e.cases = std::to_string(responses.size());
    e.items = std::to_string(key.size());
    e.label_length = "2";
    e.answer_key = key;
    e.options = options;
    for (std::size_t i = 0; i < responses.size(); ++i) {
        e.data_lines.push_back("0" + std::to_string(i + 1) + responses[i]);
    }
    return state;
}

void analyse(ProgramState& state) {
    const Outcome loaded = load_test_data(state);
    ASSERT_FALSE(loaded.refused) << loaded.messages.back();
    const Outcome analysed = run_analysis(state);
    ASSERT_FALSE(analysed.refused) << analysed.messages.back();
}

using testing::pearson;

TEST(OptionFigures, PointBiserialOfEachOptionIsItsCorrelationWithTheScore) {
    // Item 1 key A; item 2 key B; item 3 key C. "." is left out.
    const std::vector<std::string> answers = {"ABC", "ABD", "BB.", "CA.", "AD.", "DBC"};
    auto state = typed("ABC", "444", answers);
    analyse(*state);
    const TTestData& data = state->data;
    std::vector<double> scores;
    for (int i = 1; i <= data.num_examinees; ++i) {
        int score = 0;
        for (int j = 1; j <= 3; ++j) {
            score += data.responses(i, j) == data.item_key[at(j)] ? 1 : 0;
        }
        scores.push_back(score);
    }
    for (int j = 1; j <= 3; ++j) {
        const Option_Figures& figures = state->results.option_figures[at(j)];
        for (int option = 1; option <= 4; ++option) {
            SCOPED_TRACE("item " + std::to_string(j) + " option " + std::to_string(option));
            std::vector<double> chose;
            for (int i = 1; i <= data.num_examinees; ++i) {
                chose.push_back(data.responses(i, j) == option ? 1.0 : 0.0);
            }
            const bool nobody =
                std::all_of(chose.begin(), chose.end(), [](double c) { return c == 0.0; });
            const double expected = nobody ? 0.0 : pearson(chose, scores);
            EXPECT_NEAR(figures.OptPtBis[at(option)], expected, 1e-12);
        }
    }
    // Item 3: three answers left out, by examinees 3, 4 and 5 (scores 1, 0, 1).
    const Option_Figures& third = state->results.option_figures[at(3)];
    EXPECT_EQ(third.NumOmitted, 3);
    EXPECT_DOUBLE_EQ(third.OmitProp, 0.5);
    std::vector<double> omitted = {0, 0, 1, 1, 1, 0};
    EXPECT_NEAR(third.OmitPtBis, pearson(omitted, scores), 1e-12);
    EXPECT_EQ(state->results.option_figures[at(1)].NumOmitted, 0);
    EXPECT_EQ(state->results.option_figures[at(1)].OmitPtBis, 0.0);
}

TEST(OptionFigures, OmittedAnswersInTheGroups) {
    // Scores 3, 3, 2, 1, 0: with 40% groups the high group is the two 3s and
    // the low group the 1 and the 0.
    auto state = typed("AAA", "444", {"AAA", "AAA", "AA.", "A..", "..."});
    state->settings.upper_group_percent_text = "40";
    state->settings.lower_group_percent_text = "40";
    analyse(*state);
    const AnalysisResults& r = state->results;
    ASSERT_EQ(r.high_group_n, 2);
    ASSERT_EQ(r.low_group_n, 2);
    const Option_Figures& third = r.option_figures[at(3)];
    EXPECT_EQ(third.NumOmitted, 3);
    EXPECT_EQ(third.NumOmittedHigh, 0);
    EXPECT_EQ(third.NumOmittedLow, 2);
    EXPECT_DOUBLE_EQ(third.OmitPropHigh, 0.0);
    EXPECT_DOUBLE_EQ(third.OmitPropLow, 1.0);
    // An option everybody chose has no point-biserial; one nobody chose has 0.
    auto all_same = typed("AB", "44", {"AB", "AA", "AC"});
    analyse(*all_same);
    EXPECT_EQ(all_same->results.option_figures[at(1)].OptPtBis[1], not_computable);
    EXPECT_EQ(all_same->results.option_figures[at(1)].OptPtBis[2], 0.0);
}

TEST(OptionFigures, KeyedOptionHasTheItemsPointBiserial) {
    for (const bool first : {true, false}) {
        auto state = first ? testing::sample_set_1() : testing::sample_set_2();
        analyse(*state);
        const TTestData& data = state->data;
        int compared = 0;
        for (int p = 1; p <= data.num_items; ++p) {
            const Item_Record& item = state->results.item_records[at(p)];
            const int j = item.ItemNum;
            // Items with alternative answers have more than the key correct.
            if (data.item_include[at(j)] != 1 || item.Key < 1 || item.Key > 8) {
                continue;
            }
            SCOPED_TRACE("item " + std::to_string(j));
            EXPECT_EQ(state->results.option_figures[at(j)].OptPtBis[at(item.Key)], item.PtBis);
            ++compared;
        }
        EXPECT_GT(compared, 40);
    }
}

TEST(OptionFigures, ExcludedItemsHaveNone) {
    auto state = typed("AB", "44", {"AB", "B.", "A."});
    state->editor.include = "YN";
    analyse(*state);
    EXPECT_EQ(state->results.option_figures[at(2)].NumOmitted, 0);
    EXPECT_EQ(state->results.option_figures[at(1)].NumOmitted, 0);
    EXPECT_NE(state->results.option_figures[at(1)].OptPtBis[1], 0.0);
}

TEST(PointBiserial, DegenerateGroups) {
    EXPECT_EQ(point_biserial(1.0, 5.0, 5.0, 1.0), not_computable);
    EXPECT_EQ(point_biserial(0.5, 5.0, 5.0, 0.0), not_computable);
    EXPECT_EQ(point_biserial(0.0, 0.0, 3.0, 1.5), 0.0);
    // p = 0.5, the group one SD above the mean: sqrt(1) * 1 = 1.
    EXPECT_DOUBLE_EQ(point_biserial(0.5, 4.0, 3.0, 1.0), 1.0);
}

}  // namespace
}  // namespace kor
