// The Convert menu: right-wrong data and back, letters, numbers, the
// original lines, and which commands the menu offers in each state.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/VariablesUnit.h"
#include "core/data/AltAnswers.h"
#include "core/data/Conversions.h"
#include "support/DataSets.h"

namespace kor {
namespace {

using Lines = std::vector<std::string>;

std::unique_ptr<ProgramState> typed(const std::string& key, const std::string& options, const std::string& include,
                                    const Lines& lines, int label_length = 3) {
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
    EXPECT_EQ(state->editor.memo_data, (Lines{"S011100", "S020111"}));
    EXPECT_EQ(state->editor.txt_answer_key, "1111");
    EXPECT_EQ(state->editor.txt_options, "2222");
    EXPECT_EQ(state->editor.txt_include, "YYYY");
    EXPECT_TRUE(state->data.data_are_right_wrong);
    EXPECT_EQ(state->data.responses(1, 3), 0);
    EXPECT_EQ(state->data.item_key[1], 1);
    EXPECT_EQ(state->data.saved_item_key[3], 3);
    EXPECT_EQ(state->data.saved_responses(1, 3), 4);

    state->editor.memo_data[0] = "S01 edited away";
    convert_back_from_right_wrong(*state, menu);
    EXPECT_EQ(state->editor.memo_data, (Lines{"S01ABDA", "S02.BCD"}));
    EXPECT_EQ(state->editor.txt_answer_key, "ABCD");
    EXPECT_EQ(state->editor.txt_options, "4444");
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
    EXPECT_EQ(state->editor.memo_data, (Lines{"S011110", "S020011"}));
}

TEST(RightWrong, ARefusedLoadChangesNothing) {
    auto state = typed("ABCD", "4444", "YYYY", {"S01AB"});
    ConvertMenu menu;
    EXPECT_TRUE(convert_to_right_wrong(*state, menu).refused);
    EXPECT_EQ(state->editor.memo_data, (Lines{"S01AB"}));
    EXPECT_EQ(state->editor.txt_answer_key, "ABCD");
    EXPECT_FALSE(state->data.data_are_right_wrong);
    EXPECT_EQ(menu.heading, "DATA are in ORIGINAL FORMAT");
}

TEST(LettersAndNumbers, RewriteKeyAndResponsesMissingAsAPeriod) {
    auto state = typed("1c3D", "4444", "YYYY", {"S1 3c x", "S024321"});
    ConvertMenu menu;
    ASSERT_FALSE(convert_to_letters(*state, menu).refused);
    EXPECT_EQ(state->editor.txt_answer_key, "ACCD");
    EXPECT_EQ(state->editor.memo_data, (Lines{"S1 CC..", "S02DCBA"}));
    EXPECT_EQ(menu.heading, "DATA are in LETTER FORMAT");
    ASSERT_FALSE(convert_to_numbers(*state, menu).refused);
    EXPECT_EQ(state->editor.txt_answer_key, "1334");
    EXPECT_EQ(state->editor.memo_data, (Lines{"S1 33..", "S024321"}));
    EXPECT_EQ(menu.heading, "DATA are in NUMERIC FORMAT");
}

TEST(LettersAndNumbers, ARefusedLoadKeepsTheNewHeadingAndTheLines) {
    auto state = typed("ABCD", "4444", "YYYY", {"S01AB"});
    ConvertMenu menu;
    EXPECT_TRUE(convert_to_numbers(*state, menu).refused);
    EXPECT_EQ(menu.heading, "DATA are in NUMERIC FORMAT");
    EXPECT_EQ(state->editor.memo_data, (Lines{"S01AB"}));
}

TEST(OriginalLines, ReturnTheFirstLoadsTextsAndBeforeAnyLoadOnlyResetTheMenu) {
    auto state = typed("ABCD", "4444", "YYNY", {"S01ABDA"});
    ConvertMenu menu;
    convert_back_to_original_lines(*state, menu);
    EXPECT_EQ(state->editor.memo_data, (Lines{"S01ABDA"}));
    EXPECT_EQ(menu.heading, "DATA are in ORIGINAL FORMAT");

    ASSERT_FALSE(convert_to_numbers(*state, menu).refused);
    state->editor.txt_include = "NNNN";
    convert_back_to_original_lines(*state, menu);
    EXPECT_EQ(state->editor.memo_data, (Lines{"S01ABDA"}));
    EXPECT_EQ(state->editor.txt_answer_key, "ABCD");
    EXPECT_EQ(state->editor.txt_include, "YYNY");
    EXPECT_EQ(menu.heading, "DATA are in ORIGINAL FORMAT");
}

TEST(ConvertMenuState, OffersOnlyTheWayBackWhileTheDataAreRightWrong) {
    ProgramState state;
    ConvertMenu menu;
    ConvertMenuView view = convert_menu_view(state, menu);
    EXPECT_EQ(view.heading, "DATA are in ORIGINAL FORMAT");
    EXPECT_EQ(view.toggle_caption, "RECODE data as RIGHT-WRONG");
    EXPECT_FALSE(view.toggle_checked);
    EXPECT_TRUE(view.to_right_wrong && view.to_numbers && view.to_letters && view.back_to_original_lines);
    EXPECT_FALSE(view.back_from_right_wrong);

    toggle_right_wrong(state, menu);
    view = convert_menu_view(state, menu);
    EXPECT_EQ(view.heading, "DATA are CODED as RIGHT-WRONG");
    EXPECT_EQ(view.toggle_caption, "DATA ARE CODED AS RIGHT-WRONG");
    EXPECT_TRUE(view.toggle_checked);
    EXPECT_TRUE(view.back_from_right_wrong);
    EXPECT_FALSE(view.to_right_wrong || view.to_numbers || view.to_letters || view.back_to_original_lines);

    toggle_right_wrong(state, menu);
    EXPECT_EQ(convert_menu_view(state, menu).heading, "DATA are in ORIGINAL FORMAT");
}

}  // namespace
}  // namespace kor
