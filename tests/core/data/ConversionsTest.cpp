// The Convert menu: right-wrong data and back, letters, numbers, the
// original lines, and which commands the menu offers in each state.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "app/forms/InputFileForms.h"
#include "core/FileIO.h"
#include "core/analysis/Analysis.h"
#include "core/analysis/Scoring.h"
#include "core/data/AltAnswers.h"
#include "core/data/Conversions.h"
#include "core/data/InputFile.h"
#include "core/data/Loader.h"
#include "support/DataSets.h"
#include "support/TempFolder.h"

namespace kor {
namespace {

using Lines = std::vector<std::string>;

std::unique_ptr<ProgramState> typed(const std::string& key, const std::string& options,
                                    const std::string& include, const Lines& lines,
                                    int label_length = 3) {
    return testing::typed({.title = "Quiz",
                           .label_length = label_length,
                           .key = key,
                           .options = options,
                           .include = include,
                           .lines = lines});
}

TEST(RightWrong, ScoresEveryResponseAndKeepsTheOriginalsForTheWayBack) {
    auto state = typed("ABCD", "4444", "YYYY", {"S01ABDA", "S02.BCD"});
    ConvertMenu menu;
    ASSERT_FALSE(convert_to_right_wrong(*state, menu).refused);
    EXPECT_EQ(state->editor.data_lines, (Lines{"S011100", "S020111"}));
    EXPECT_EQ(state->editor.answer_key, "1111");
    EXPECT_EQ(state->editor.options, "2222");
    EXPECT_EQ(state->editor.include, "YYYY");
    EXPECT_TRUE(state->data.data_are_right_wrong);
    EXPECT_EQ(state->data.responses(1, 3), 0);
    EXPECT_EQ(state->data.item_key[1], 1);
    EXPECT_EQ(state->data.saved_item_key[3], 3);
    EXPECT_EQ(state->data.saved_responses(1, 3), 4);

    state->editor.data_lines[0] = "S01 edited away";
    convert_back_from_right_wrong(*state, menu);
    EXPECT_EQ(state->editor.data_lines, (Lines{"S01ABDA", "S02.BCD"}));
    EXPECT_EQ(state->editor.answer_key, "ABCD");
    EXPECT_EQ(state->editor.options, "4444");
    EXPECT_FALSE(state->data.data_are_right_wrong);
    EXPECT_EQ(state->data.responses(1, 3), 4);
    EXPECT_EQ(state->data.item_key[3], 3);
    EXPECT_EQ(state->data.item_options[3], 4);
}

TEST(RightWrong, AlternativeAnswersAndKeyNineCountAsRightMissingAsWrong) {
    // Item 1 also accepts B; item 3 is keyed 9: every response is right, a missing one too.
    auto state = typed("AB9D", "4444", "AYYY", {"S01BB.A", "S02C..D"});
    state->data.alt_answer_cells[1] = {"1", "2", "", "", "", "", "", "", ""};
    ASSERT_FALSE(prepare_alt_answer_table(*state).refused);
    ASSERT_FALSE(alt_answers_ok(*state).refused);
    ConvertMenu menu;
    ASSERT_FALSE(convert_to_right_wrong(*state, menu).refused);
    EXPECT_EQ(state->editor.data_lines, (Lines{"S011110", "S020011"}));
}

// Scores of the data set in the editor, in data-line order.
std::vector<int> analysed_scores(ProgramState& state) {
    EXPECT_FALSE(close_editor(state, EditorExit::close_and_analyze).show_editor_again);
    EXPECT_TRUE(run_analysis(state).accepted());
    std::vector<int> scores;
    for (int i = 1; i <= state.data.num_examinees; ++i) {
        scores.push_back(state.results.examinee_records[static_cast<std::size_t>(i)].Score);
    }
    return scores;
}

std::string saved_input_file(const ProgramState& state, const std::string& name) {
    const testing::TempFolder folder;
    const std::string path = folder.file(name);
    write_input_file(state, path);
    return read_file(path, input_file_max_bytes);
}

// In right-wrong data an alternative "2" would count the wrong answers as
// right: the converted data set has no alternatives, scores as before, and
// the way back brings the include line and the alternatives back.
TEST(RightWrong, AlternativesAreFoldedInAndComeBackWithTheOriginalData) {
    const Lines file = {"KOR: Korvath (version 6)",
                        "Title         = Alternatives",
                        "Comments      = ",
                        "# Examinees   = 4",
                        "# Items       = 3",
                        "Missing Data  = 9",
                        "Not reached   = x",
                        "Label Length  = 3",
                        "Answer Key    = ABC",
                        "# Options     = 444",
                        "Item Analyzed = AYY",
                        "High Group D% = 27",
                        "Low Group D%  = 27",
                        "Partial Credit= NO",
                        "MC Points     = NO",
                        "S01ABC",
                        "S02BBC",
                        "S03CAB",
                        "S04ABA",
                        "# Grades      = 0",
                        "#Alternatives = 1",
                        "Item #        = 1",
                        "Alternatives  = 1 2 * * * * * * * ",
                        "#Content Areas= 0",
                        "#Cognitives   = 0"};
    std::string text;
    for (const std::string& line : file) {
        text += line + "\r\n";
    }
    ProgramState state;
    ASSERT_TRUE(read_input_text(state, text).messages.empty());
    const std::string before = saved_input_file(state, "before.kor");
    ASSERT_EQ(before, text);
    const std::vector<int> scores = analysed_scores(state);
    ASSERT_EQ(scores, (std::vector<int>{3, 3, 0, 2}));

    ConvertMenu menu;
    ASSERT_FALSE(convert_to_right_wrong(state, menu).refused);
    EXPECT_EQ(state.editor.include, "YYY");
    EXPECT_EQ(state.editor.data_lines, (Lines{"S01111", "S02111", "S03000", "S04110"}));
    const Lines converted = input_file_lines(state);
    EXPECT_EQ(std::count(converted.begin(), converted.end(), "#Alternatives = 0"), 1);
    EXPECT_EQ(analysed_scores(state), scores);

    convert_back_from_right_wrong(state, menu);
    EXPECT_EQ(saved_input_file(state, "after.kor"), before);
    EXPECT_EQ(analysed_scores(state), scores);
}

// The hidden toggle leaves the converted lines as they are; the way back to
// the original lines then also brings the alternatives back.
TEST(RightWrong, OriginalLinesAfterTheToggleBringTheAlternativesBack) {
    auto state = typed("AB", "44", "aY", {"S01BB"});
    state->data.alt_answer_cells[1] = {"1", "2", "", "", "", "", "", "", ""};
    ASSERT_FALSE(prepare_alt_answer_table(*state).refused);
    ASSERT_FALSE(alt_answers_ok(*state).refused);
    ConvertMenu menu;
    ASSERT_FALSE(convert_to_right_wrong(*state, menu).refused);
    EXPECT_EQ(state->editor.include, "YY");
    EXPECT_TRUE(state->alt_table.rows.empty());

    toggle_right_wrong(*state, menu);
    convert_back_to_original_lines(*state, menu);
    EXPECT_EQ(state->editor.include, "aY");
    ASSERT_EQ(state->alt_table.rows.size(), 1u);
    EXPECT_EQ(state->data.alt_answer_cells[1][1], "2");
    ASSERT_FALSE(load_test_data(*state).refused);
    EXPECT_EQ(state->data.item_correct_answers[1][1], 2);
}

TEST(RightWrong, ARefusedLoadChangesNothing) {
    auto state = typed("ABCD", "4444", "YYYY", {"S01AB"});
    ConvertMenu menu;
    EXPECT_TRUE(convert_to_right_wrong(*state, menu).refused);
    EXPECT_EQ(state->editor.data_lines, (Lines{"S01AB"}));
    EXPECT_EQ(state->editor.answer_key, "ABCD");
    EXPECT_FALSE(state->data.data_are_right_wrong);
    EXPECT_EQ(menu.heading, "DATA are in ORIGINAL FORMAT");
}

TEST(LettersAndNumbers, RewriteKeyAndResponsesMissingAsAPeriod) {
    auto state = typed("1c3D", "4444", "YYYY", {"S1 3c x", "S024321"});
    ConvertMenu menu;
    ASSERT_FALSE(convert_to_letters(*state, menu).refused);
    EXPECT_EQ(state->editor.answer_key, "ACCD");
    EXPECT_EQ(state->editor.data_lines, (Lines{"S1 CC..", "S02DCBA"}));
    EXPECT_EQ(menu.heading, "DATA are in LETTER FORMAT");
    ASSERT_FALSE(convert_to_numbers(*state, menu).refused);
    EXPECT_EQ(state->editor.answer_key, "1334");
    EXPECT_EQ(state->editor.data_lines, (Lines{"S1 33..", "S024321"}));
    EXPECT_EQ(menu.heading, "DATA are in NUMERIC FORMAT");
}

TEST(LettersAndNumbers, ARefusedLoadKeepsTheNewHeadingAndTheLines) {
    auto state = typed("ABCD", "4444", "YYYY", {"S01AB"});
    ConvertMenu menu;
    EXPECT_TRUE(convert_to_numbers(*state, menu).refused);
    EXPECT_EQ(menu.heading, "DATA are in NUMERIC FORMAT");
    EXPECT_EQ(state->editor.data_lines, (Lines{"S01AB"}));
}

TEST(OriginalLines, ReturnTheFirstLoadsTextsAndBeforeAnyLoadOnlyResetTheMenu) {
    auto state = typed("ABCD", "4444", "YYNY", {"S01ABDA"});
    ConvertMenu menu;
    convert_back_to_original_lines(*state, menu);
    EXPECT_EQ(state->editor.data_lines, (Lines{"S01ABDA"}));
    EXPECT_EQ(menu.heading, "DATA are in ORIGINAL FORMAT");

    ASSERT_FALSE(convert_to_numbers(*state, menu).refused);
    state->editor.include = "NNNN";
    convert_back_to_original_lines(*state, menu);
    EXPECT_EQ(state->editor.data_lines, (Lines{"S01ABDA"}));
    EXPECT_EQ(state->editor.answer_key, "ABCD");
    EXPECT_EQ(state->editor.include, "YYNY");
    EXPECT_EQ(menu.heading, "DATA are in ORIGINAL FORMAT");
}

// A run that never converts back (the command line) keeps no copy of the
// lines; the way back then leaves the lines as they are, not emptied.
TEST(OriginalLines, ARunThatKeepsNoneLeavesTheLinesAsTheyAre) {
    auto state = typed("ABCD", "4444", "YYNY", {"S01ABDA"});
    state->data.keeps_original_lines = false;
    ConvertMenu menu;
    ASSERT_FALSE(convert_to_numbers(*state, menu).refused);
    EXPECT_TRUE(state->data.original_lines[1].empty());
    convert_back_to_original_lines(*state, menu);
    EXPECT_EQ(state->editor.data_lines, (Lines{"S011241"}));
    EXPECT_EQ(state->editor.answer_key, "1234");
    EXPECT_EQ(menu.heading, "DATA are in ORIGINAL FORMAT");
}

TEST(ConvertMenuState, OffersOnlyTheWayBackWhileTheDataAreRightWrong) {
    ProgramState state;
    ConvertMenu menu;
    ConvertMenuView view = convert_menu_view(state, menu);
    EXPECT_EQ(view.heading, "DATA are in ORIGINAL FORMAT");
    EXPECT_EQ(view.toggle_caption, "RECODE data as RIGHT-WRONG");
    EXPECT_FALSE(view.toggle_checked);
    EXPECT_TRUE(view.to_right_wrong && view.to_numbers && view.to_letters &&
                view.back_to_original_lines);
    EXPECT_FALSE(view.back_from_right_wrong);

    toggle_right_wrong(state, menu);
    view = convert_menu_view(state, menu);
    EXPECT_EQ(view.heading, "DATA are CODED as RIGHT-WRONG");
    EXPECT_EQ(view.toggle_caption, "DATA ARE CODED AS RIGHT-WRONG");
    EXPECT_TRUE(view.toggle_checked);
    EXPECT_TRUE(view.back_from_right_wrong);
    EXPECT_FALSE(view.to_right_wrong || view.to_numbers || view.to_letters ||
                 view.back_to_original_lines);

    toggle_right_wrong(state, menu);
    EXPECT_EQ(convert_menu_view(state, menu).heading, "DATA are in ORIGINAL FORMAT");
}

}  // namespace
}  // namespace kor
