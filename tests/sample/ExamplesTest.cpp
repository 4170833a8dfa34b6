#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/Examples.h"
#include "app/ProgramState.h"
#include "core/analysis/Analysis.h"
#include "core/data/Loader.h"
#include "sample/ExampleData.h"

namespace kor {
namespace {

std::unique_ptr<ProgramState> after(Outcome (*example)(ProgramState&)) {
    auto state = std::make_unique<ProgramState>();
    const Outcome outcome = example(*state);
    EXPECT_TRUE(outcome.messages.empty()) << outcome.messages.front();
    return state;
}

// "Close && Analyze": the loader, then the analysis.
void close_and_analyse(ProgramState& state) {
    const EditorCloseResult closed = close_editor(state, EditorExit::close_and_analyze);
    ASSERT_FALSE(closed.show_editor_again) << closed.outcome.messages.back();
    ASSERT_TRUE(closed.start_analysis);
    const Outcome analysed = run_analysis(state);
    ASSERT_FALSE(analysed.refused) << analysed.messages.back();
}

std::unique_ptr<ProgramState> analysed(Outcome (*example)(ProgramState&)) {
    auto state = after(example);
    close_and_analyse(*state);
    return state;
}

// ------------------------------------------------------------ every example

struct Counts {
    const char* name;
    int examinees;
    int items;
    int included;
};

class EveryExample : public ::testing::TestWithParam<Counts> {};

TEST_P(EveryExample, LoadsWithItsCountsAndAnalyses) {
    const Counts expected = GetParam();
    const ExampleInfo* example = find_example(expected.name);
    ASSERT_NE(example, nullptr);
    auto state = analysed(example->run);
    EXPECT_EQ(state->data.num_examinees, expected.examinees);
    EXPECT_EQ(state->data.num_items, expected.items);
    EXPECT_EQ(state->data.num_included_items, expected.included);
    EXPECT_EQ(state->editor.title, example->title);
    EXPECT_TRUE(state->results.warnings.empty());
    // Every data line is its label and one response per item, nothing more.
    for (const std::string& line : state->editor.data_lines) {
        EXPECT_EQ(line.size(), static_cast<std::size_t>(state->data.label_length + expected.items))
            << line;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, EveryExample,
    ::testing::Values(Counts{"set1", 23, 49, 47}, Counts{"set2", 17, 65, 65},
                      Counts{"set3", 50, 46, 46}, Counts{"qxm", 23, 49, 47},
                      Counts{"numeric", 15, 20, 20}, Counts{"rightwrong", 15, 20, 20},
                      Counts{"letter", 15, 20, 20}, Counts{"truefalse", 15, 20, 20},
                      Counts{"mixture", 15, 20, 20}, Counts{"rvw", 200, 75, 75}),
    [](const ::testing::TestParamInfo<Counts>& example) {
        return std::string(example.param.name);
    });

TEST(Examples, OnlyTheRightWrongExamplesSwitchTheRightWrongStateOn) {
    for (const ExampleInfo& example : example_list()) {
        auto state = std::make_unique<ProgramState>();
        state->data.data_are_right_wrong = true;  // left over from the previous data set
        example.run(*state);
        const bool right_wrong = example.name == "rightwrong" || example.name == "rvw";
        EXPECT_EQ(state->data.data_are_right_wrong, right_wrong) << example.name;
    }
}

TEST(Examples, MainWindowExamplesOpenTheEditorOnANewUnsavedDataSet) {
    auto state = std::make_unique<ProgramState>();
    state->data.opened_from_file = true;
    state->data.input_file_path = "/tmp/old.kor";
    state->data.data_set_name = "old.kor";
    state->data.partial_credit_on = true;
    state->data.original_lines_saved = true;
    state->settings.band_use_raw = false;
    state->settings.band_use_percent = true;
    sample_data_set_2(*state);
    const TTestData& data = state->data;
    EXPECT_FALSE(data.opened_from_file);
    EXPECT_EQ(data.input_file_path, "");
    EXPECT_EQ(shown_data_set_name(*state), "UNSAVED");
    EXPECT_FALSE(data.partial_credit_on);
    EXPECT_FALSE(data.original_lines_saved);
    EXPECT_FALSE(data.alt_answers_set);
    EXPECT_EQ(data.editor_start_mode, start_nothing);
    EXPECT_TRUE(data.editor_load_failed);  // the editor is about to show
    // The letters band unit the example chooses is undone by opening the editor.
    EXPECT_TRUE(state->settings.band_use_raw);
    EXPECT_FALSE(state->settings.band_use_letters || state->settings.band_use_percent);
}

// ------------------------------------------------------------ stated figures

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::vector<std::string> comma_separated(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t comma = text.find(", ", start);
        if (comma == std::string::npos) {
            comma = text.size();
        }
        parts.push_back(text.substr(start, comma - start));
        start = comma + 2;
    }
    return parts;
}

// The twenty figures of a title and its comments, as printed there: N, min,
// max, median, mean, SD, variance, skewness; kurtosis, included items, mean
// difficulty, discrimination and point-biserial, KR20, KR21, SEM, high-group
// size and minimum, low-group size and maximum. A full stop ends set 1's.
std::vector<std::string> stated_figures(const ProgramState& state) {
    const std::string& title = state.editor.title;
    std::vector<std::string> figures = comma_separated(title.substr(title.find(": ") + 2));
    for (const std::string& figure : comma_separated(state.editor.comments)) {
        figures.push_back(figure.back() == '.' ? figure.substr(0, figure.size() - 1) : figure);
    }
    return figures;
}

int decimals_of(const std::string& figure) {
    const std::size_t point = figure.find('.');
    return point == std::string::npos ? 0 : static_cast<int>(figure.size() - point - 1);
}

// The analysis's figures printed as the stated ones are.
std::vector<std::string> reached_figures(const ProgramState& state,
                                         const std::vector<std::string>& stated) {
    const AnalysisResults& r = state.results;
    const std::vector<double> values = {static_cast<double>(state.data.num_examinees),
                                        r.score.min,
                                        r.score.max,
                                        r.score.median,
                                        r.score.mean,
                                        r.score.sd,
                                        r.score.variance,
                                        r.score.skewness,
                                        r.score.kurtosis,
                                        static_cast<double>(state.data.num_included_items),
                                        r.mean_item_diff,
                                        r.mean_disc,
                                        r.mean_pbis,
                                        r.kr20,
                                        r.kr21,
                                        r.sem_kr20,
                                        static_cast<double>(r.high_group_n),
                                        static_cast<double>(r.high_group_min_score),
                                        static_cast<double>(r.low_group_n),
                                        static_cast<double>(r.low_group_max_score)};
    std::vector<std::string> reached;
    for (std::size_t f = 0; f < values.size() && f < stated.size(); ++f) {
        reached.push_back(fixed(values[f], decimals_of(stated[f])));
    }
    return reached;
}

TEST(Examples, SetOneGivesTheFiguresItsTitleStates) {
    auto state = analysed(&sample_data_set_1);
    const auto stated = stated_figures(*state);
    ASSERT_EQ(stated.size(), 20u);
    EXPECT_EQ(reached_figures(*state, stated), stated);
}

TEST(Examples, SetTwoGivesTheFiguresItsTitleStates) {
    auto state = analysed(&sample_data_set_2);
    const auto stated = stated_figures(*state);
    ASSERT_EQ(stated.size(), 20u);
    EXPECT_EQ(reached_figures(*state, stated), stated);
}

// With the start groups of 27% each, 13.5 of 50 examinees round to a low
// group of 14: a group never holds fewer than that, so the stated 13 cannot
// be reached. Every other figure is.
TEST(Examples, SetThreeGivesTheFiguresItsTitleStatesButTheLowGroupSize) {
    auto state = analysed(&sample_data_set_3);
    auto stated = stated_figures(*state);
    ASSERT_EQ(stated.size(), 20u);
    EXPECT_EQ(stated[18], "13");
    stated[18] = "14";
    EXPECT_EQ(reached_figures(*state, stated), stated);
}

// ------------------------------------------------------------ settings

TEST(Examples, SetOneSetsGradesGroupsSpecificationsAndAlternatives) {
    auto state = after(&sample_data_set_1);
    const AnalysisSettings& s = state->settings;
    EXPECT_TRUE(s.sort_item_pbis && !s.sort_item_number);
    EXPECT_TRUE(s.sort_exam_score && !s.sort_exam_none);
    ASSERT_EQ(s.num_grade_cats, 5);
    const char* labels[] = {"A-  ", "B-  ", "C-  ", "D-  ", "F   "};
    const double minimums[] = {82, 72, 62, 52};
    for (std::size_t k = 1; k <= 5; ++k) {
        EXPECT_EQ(s.grade_label[k], labels[k - 1]);
        if (k < 5) {
            EXPECT_EQ(s.grade_min_percent[k], minimums[k - 1]);
        }
    }
    EXPECT_EQ(s.upper_group_percent_text, "33");
    EXPECT_EQ(s.lower_group_percent_text, "27");

    const TTestData& data = state->data;
    EXPECT_EQ(data.num_content_areas, 3);
    EXPECT_EQ(data.content_area_names[3], "Standardized Tests");
    EXPECT_EQ(data.num_cognitive_levels, 2);
    EXPECT_EQ(data.cognitive_level_names[2], "Application");
    const auto tos = [&](std::size_t j) {
        return std::make_pair(data.item_tos[j].content_area, data.item_tos[j].cognitive_level);
    };
    EXPECT_EQ(tos(4), std::make_pair(1, 2));
    EXPECT_EQ(tos(17), std::make_pair(2, 2));
    EXPECT_EQ(tos(20), std::make_pair(0, 0));
    EXPECT_EQ(tos(30), std::make_pair(0, 0));
    EXPECT_EQ(tos(36), std::make_pair(3, 1));
    EXPECT_EQ(tos(49), std::make_pair(3, 1));

    using Slots = std::array<std::int32_t, answer_slots>;
    EXPECT_EQ(data.item_correct_answers[1], (Slots{3, 1, 2, 4, 3, 3, 3, 3, 3}));
    EXPECT_EQ(data.item_correct_answers[16], (Slots{1, 2, 1, 1, 1, 1, 1, 1, 1}));
    ASSERT_EQ(state->alt_table.rows.size(), 2u);
    EXPECT_EQ(state->alt_table.rows[0].cells[2], "3");
    EXPECT_EQ(state->alt_table.rows[0].cells[5], "4");
    EXPECT_EQ(state->alt_table.rows[1].cells[3], "2");
    EXPECT_TRUE(data.show_alt_dialog);
}

// Items 20 and 30 get no assignment from the example and keep the one they had.
TEST(Examples, SetOneLeavesItemsTwentyAndThirtyAsTheyWere) {
    auto state = std::make_unique<ProgramState>();
    state->tos_form.area_cells.assign(50, "");
    state->tos_form.level_cells.assign(50, "");
    state->tos_form.area_cells[20] = "2";
    state->tos_form.level_cells[20] = "1";
    sample_data_set_1(*state);
    EXPECT_EQ(state->data.item_tos[20].content_area, 2);
    EXPECT_EQ(state->data.item_tos[20].cognitive_level, 1);
    EXPECT_EQ(state->data.item_tos[30].content_area, 0);
}

TEST(Examples, SetTwoAndTheFourWaysUseTheTwelveDefaultCategories) {
    for (auto example : {&sample_data_set_2, &as_mixture}) {
        auto state = std::make_unique<ProgramState>();
        sample_data_set_1(*state);  // a five-category scale and a table of specifications before
        example(*state);
        const AnalysisSettings& s = state->settings;
        ASSERT_EQ(s.num_grade_cats, 12);
        EXPECT_EQ(s.grade_label[1], "A   ");
        EXPECT_EQ(s.grade_label[12], "F   ");
        EXPECT_EQ(s.grade_min_percent[1], 94.0);
        EXPECT_EQ(s.grade_min_percent[11], 61.0);
        EXPECT_EQ(state->data.num_content_areas, 0);
        EXPECT_TRUE(state->alt_table.rows.empty());
        EXPECT_EQ(state->data.alt_answer_cells[1][1], "");
    }
    auto state = after(&sample_data_set_2);
    EXPECT_EQ(state->settings.lower_group_percent_text, "25");
    state = after(&as_letter);
    EXPECT_EQ(state->settings.upper_group_percent_text, "27");
}

TEST(Examples, SetThreeAfterSetOneKeepsTheGroupsAndDropsTheGrades) {
    auto state = after(&sample_data_set_1);
    sample_data_set_3(*state);
    const AnalysisSettings& s = state->settings;
    EXPECT_EQ(s.num_grade_cats, 0);
    EXPECT_EQ(s.upper_group_percent_text, "33");
    EXPECT_EQ(s.lower_group_percent_text, "27");
    EXPECT_TRUE(s.sort_item_diff && s.sort_exam_label);
    EXPECT_EQ(state->data.num_content_areas, 0);
    close_and_analyse(*state);
    EXPECT_EQ(state->data.num_included_items, 46);
}

// ------------------------------------------------------------ codings

std::vector<int> scores_by_examinee(const ProgramState& state) {
    std::vector<int> scores(static_cast<std::size_t>(state.data.num_examinees));
    for (int i = 1; i <= state.data.num_examinees; ++i) {
        const Case_Record& r = state.results.examinee_records[static_cast<std::size_t>(i)];
        scores[static_cast<std::size_t>(r.IDnum - 1)] = r.Score;
    }
    return scores;
}

// The five writings of one answer pattern are scored alike.
TEST(Examples, TheFourWaysGiveTheSameScores) {
    const auto numeric = scores_by_examinee(*analysed(&as_numeric));
    EXPECT_EQ(numeric.front(), 18);
    for (auto example : {&as_right_wrong, &as_letter, &as_true_false, &as_mixture}) {
        EXPECT_EQ(scores_by_examinee(*analysed(example)), numeric);
    }
}

TEST(Examples, RightWrongLinesMarkTheAnswersThatMatchTheKey) {
    const ExampleTexts& texts = four_way_texts(FourWayCoding::right_wrong);
    EXPECT_EQ(texts.lines.front(), "Student 01     11111111111011011111");
    EXPECT_EQ(texts.key, "11111111111111111111");
    EXPECT_EQ(four_way_texts(FourWayCoding::letter).lines.back(),
              "Student 15     AABABABBBBBBBBBAABAA");
    EXPECT_EQ(four_way_texts(FourWayCoding::true_false).key, "TTTTFTFFFFTFFFFTTFTF");
}

// The QXM set is set 1 written in every kind of code, with characters that
// are no answer in place of some wrong answers; its key's 9 at item 42
// makes that item right for everybody.
TEST(Examples, QxmScoresAreSetOnesWithItemFortyTwoRightForEverybody) {
    auto qxm = analysed(&secret_setup_qxm);
    auto set_1 = analysed(&sample_data_set_1);
    EXPECT_EQ(qxm->data.item_key[42], 9);
    const auto& items = qxm->results.item_records;
    for (std::size_t p = 1; p <= 49; ++p) {
        if (items[p].ItemNum == 42) {
            EXPECT_EQ(items[p].NumCorrect, 23);
        }
    }
    std::vector<int> expected = scores_by_examinee(*set_1);
    for (int i = 1; i <= 23; ++i) {
        if (set_1->data.responses(i, 42) != set_1->data.item_key[42]) {
            ++expected[static_cast<std::size_t>(i - 1)];
        }
    }
    EXPECT_EQ(scores_by_examinee(*qxm), expected);
    EXPECT_TRUE(qxm->settings.sort_exam_label && qxm->settings.sort_item_pbis);
}

TEST(Examples, QxmUsesEveryKindOfCode) {
    std::string all;
    for (const std::string& line : qxm_texts().lines) {
        all += line.substr(20);
    }
    for (char c : std::string("1234ABCDabcdTtFf0.x*Z?-h")) {
        EXPECT_NE(all.find(c), std::string::npos) << c;
    }
    EXPECT_EQ(qxm_texts().lines.front().substr(20),
              "C441413133322221222124a224421322322234413423A4321");
}

// ------------------------------------------------------------ the editor's example

TEST(Examples, RvwItemsRangeFromStronglyToNegativelyDiscriminating) {
    auto state = analysed(&secret_setup_rvw);
    double lowest = 1.0;
    double highest = -1.0;
    int negative = 0;
    for (std::size_t p = 1; p <= 75; ++p) {
        const double d = state->results.item_records[p].Disc;
        lowest = std::min(lowest, d);
        highest = std::max(highest, d);
        negative += d < 0.0 ? 1 : 0;
    }
    EXPECT_GT(highest, 0.6);
    EXPECT_LT(lowest, -0.2);
    EXPECT_GE(negative, 5);
    EXPECT_EQ(state->editor.data_lines.front(),
              "Examinee   1   "
              "010011111110000011001000000001011010000000111011000001010110000010101100000");
    EXPECT_EQ(state->editor.data_lines.back().substr(0, 15), "Examinee 200   ");
}

TEST(Examples, RvwKeepsTheIncludeLineAndTheOtherSettings) {
    auto state = after(&sample_data_set_2);
    state->editor.include = std::string(70, 'Y') + "NNNNN";
    state->settings.upper_group_percent_text = "30";
    secret_setup_rvw(*state);
    EXPECT_EQ(state->editor.include, std::string(70, 'Y') + "NNNNN");
    EXPECT_EQ(state->settings.upper_group_percent_text, "30");
    EXPECT_EQ(state->settings.num_grade_cats, 0);
    EXPECT_TRUE(state->settings.band_use_raw);
    close_and_analyse(*state);
    EXPECT_EQ(state->data.num_included_items, 70);
}

}  // namespace
}  // namespace kor
