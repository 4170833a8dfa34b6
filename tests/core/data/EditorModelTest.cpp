#include <gtest/gtest.h>

#include <memory>

#include "app/ProgramState.h"
#include "app/forms/EditorModel.h"
#include "app/forms/PartialCreditForm.h"

namespace kor {
namespace {

TEST(Rulers, LabelOfTwelveAndTwentyTwoItems) {
    const Rulers r = make_rulers(22, 12);
    EXPECT_EQ(r.key_tens, "Item#    1    1    2 2");
    EXPECT_EQ(r.key_units, "1...5....0....5....0.2");
    EXPECT_EQ(r.data_tens, "Examinee ID|Item#    1    1    2 2");
    EXPECT_EQ(r.data_units, "-----------|1...5....0....5....0.2");
}

TEST(Rulers, LabelHeadingsByLength) {
    EXPECT_EQ(make_rulers(3, 9).data_tens, "Examinee|It0");
    EXPECT_EQ(make_rulers(3, 3).data_tens, "ID|It0");
    EXPECT_EQ(make_rulers(3, 3).data_units, "--|1.3");
    EXPECT_EQ(make_rulers(3, 2).data_tens, " |It0");
    EXPECT_EQ(make_rulers(3, 0).data_tens, "It0");  // the last column reads 03
}

TEST(Rulers, HundredItemsAndAnEmptyItemBox) {
    const Rulers full = make_rulers(100, 5);
    EXPECT_EQ(full.key_tens.size(), 100u);
    EXPECT_EQ(full.key_tens.substr(94), "9   10");
    EXPECT_EQ(full.key_units.substr(95), "....0");
    // No item count: the item part fills the line up to column 105.
    EXPECT_EQ(make_rulers(0, 15).key_units.size(), 90u);
    EXPECT_EQ(make_rulers(0, -1).key_units.size(), 100u);
}

TEST(EditorChecks, TypedCountsAreCheckedAndEnableTheTable) {
    auto state = std::make_unique<ProgramState>();
    state->editor.items = "0";
    Outcome outcome = items_changed(*state);
    ASSERT_TRUE(outcome.refused);
    EXPECT_EQ(outcome.messages.back(), "Number of Items must be between 1 and 100");
    EXPECT_EQ(outcome.focus, "txt_items");
    EXPECT_FALSE(state->editor_form.set_tos_enabled);

    state->editor.items = "x";
    EXPECT_EQ(items_changed(*state).messages.back(), "Number of Items must be an integer");

    state->editor.items = "22";
    EXPECT_FALSE(items_changed(*state).refused);
    EXPECT_TRUE(state->editor_form.set_tos_enabled);

    state->editor.label_length = "84";
    Outcome wide = label_length_changed(*state);
    ASSERT_TRUE(wide.refused);
    EXPECT_EQ(wide.messages.back(),
              "Length of Examinee ID Label plus data must be less than 105 -- maximum label length "
              "here must be < 83");

    state->editor.items = "99999999999";
    state->editor.label_length = "12";
    EXPECT_TRUE(label_length_changed(*state).refused);  // summed without overflow
    state->editor.items = "22";

    state->editor.label_length = "106";
    EXPECT_EQ(label_length_changed(*state).messages.back(),
              "Length of Examinee ID Label plus data must be less than 105 (even smaller if you "
              "want any data)");
    state->editor.label_length = "-2";
    EXPECT_EQ(label_length_changed(*state).messages.back(),
              "Length of Examinee ID Label must be positive value");
    state->editor.label_length = "12";
    EXPECT_FALSE(label_length_changed(*state).refused);
    EXPECT_EQ(state->editor_form.lbl_scale1, "Examinee ID|Item#    1    1    2 2");
}

TEST(EditorChecks, PartialCreditUnitsLinesCarryPC) {
    auto state = std::make_unique<ProgramState>();
    state->editor.items = "4";
    state->editor.label_length = "3";
    state->data.partial_credit_on = true;
    redraw_rulers(*state);
    EXPECT_EQ(state->editor_form.lbl_key_scale2, "1..4PC");
    EXPECT_EQ(state->editor_form.lbl_scale2, "--|1..4PC");
    EXPECT_EQ(state->editor_form.data_units_plain, "--|1..4");
}

TEST(EditorChecks, CountsTheChecksRefuseLeaveTheRulersAsTheyWere) {
    auto state = std::make_unique<ProgramState>();
    state->editor.items = "4";
    state->editor.label_length = "3";
    redraw_rulers(*state);
    ASSERT_EQ(state->editor_form.lbl_scale2, "--|1..4");

    // Switching partial credit on redraws without the typing checks; a file
    // can hold any label length there, and one near the largest int once
    // asked for a ruler of two thousand million columns.
    for (const char* label : {"2147483647", "106", "-5"}) {
        state->editor.label_length = label;
        state->pc_form.txt_pc_points = "5";
        partial_credit_ok(*state);
        EXPECT_EQ(state->editor_form.lbl_scale2, "--|1..4") << label;
    }
    state->editor.label_length = "3";
    for (const char* items : {"2147483647", "103", "0"}) {
        state->editor.items = items;
        redraw_rulers(*state);
        EXPECT_EQ(state->editor_form.lbl_key_scale1, "Ite0") << items;
    }
}

TEST(EditorCommands, NewCountAndExample) {
    auto state = std::make_unique<ProgramState>();
    show_example_data(*state);
    EXPECT_EQ(state->editor.data_lines.size(), 10u);
    EXPECT_TRUE(state->editor_form.set_tos_enabled);
    state->editor.data_lines.push_back("");
    count_lines_as_examinees(*state);
    EXPECT_EQ(state->editor.cases, "11");

    state->data.partial_credit_on = true;
    state->settings.num_grade_cats = 5;
    state->data.num_content_areas = 2;
    new_data_set(*state);
    EXPECT_EQ(state->editor.title, "");
    EXPECT_TRUE(state->editor.data_lines.empty());
    EXPECT_EQ(state->editor.missing_data, "9");
    EXPECT_FALSE(state->data.partial_credit_on);
    EXPECT_EQ(state->settings.num_grade_cats, 0);
    EXPECT_EQ(state->data.num_content_areas, 0);
}

TEST(EditorCommands, StartModesResetFirst) {
    auto state = std::make_unique<ProgramState>();
    state->editor.title = "old";
    state->data.editor_start_mode = start_open_file;
    state->data.editor_load_failed = true;
    EXPECT_EQ(editor_startup(*state), EditorStartAction::open_file);
    EXPECT_EQ(state->editor.title, "");
    EXPECT_FALSE(state->data.editor_load_failed);

    state->editor.title = "kept";
    state->data.editor_start_mode = start_nothing;
    EXPECT_EQ(editor_startup(*state), EditorStartAction::nothing);
    EXPECT_EQ(state->editor.title, "kept");
}

}  // namespace
}  // namespace kor
