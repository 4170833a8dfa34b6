#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "app/forms/PartialCreditForm.h"

namespace kor {
namespace {

using Messages = std::vector<std::string>;

const char* const zero_points =
    "You have set the Number of Partial Credit points equal to Zero -- any points at the end of "
    "the data will be treated as extra credit.";

ProgramState dialog(int items, const std::string& options, const std::string& pc,
                    const std::string& mc) {
    ProgramState state;
    state.data.num_items = items;
    state.editor.options = options;
    state.pc_form.txt_pc_points = pc;
    state.pc_form.txt_mc_points = mc;
    return state;
}

TEST(PartialCreditOk, TotalGoesAfterTheOptionsAsTwoDigits) {
    ProgramState appended = dialog(4, "4444", "7", "2");
    Outcome outcome = partial_credit_ok(appended);
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_EQ(outcome.focus, "txt_options");
    EXPECT_EQ(appended.editor.options, "444407");
    EXPECT_TRUE(appended.data.partial_credit_on);
    EXPECT_EQ(appended.data.pc_total_points, 7);
    EXPECT_EQ(appended.data.mc_item_points, 2.0);

    ProgramState replaced = dialog(4, "444412", "7", "1");
    partial_credit_ok(replaced);
    EXPECT_EQ(replaced.editor.options, "444407");

    ProgramState other = dialog(4, "44444", "15", "1");
    EXPECT_EQ(
        partial_credit_ok(other).messages,
        Messages{"Please be sure that the correct number of Partial Credit points is at the end "
                 "of the OPTIONS line (after the last item number) -- you set a total of 15 "
                 "points."});
    EXPECT_EQ(other.editor.options, "44444");
}

TEST(PartialCreditOk, TotalOutsideTwoDigitsBecomesZero) {
    const std::string not_whole =
        "Number of Partial Credit points must be a whole number -- it was set to 0";
    const std::string too_large =
        "Number of Partial Credit points must be less than 100 -- it was set to 0.  You will need "
        "to "
        "put the appropriate value in place of the 00 at the end of the OPTIONS line.";
    struct Case {
        const char* total;
        Messages messages;
    };
    const Case cases[] = {
        {"0", {zero_points}},
        {"abc", {not_whole, zero_points}},
        {"-5", {not_whole, zero_points}},  // no two-digit form exists for it
        {"100", {too_large}},
    };
    for (const Case& c : cases) {
        ProgramState state = dialog(4, "444499", c.total, "1");
        EXPECT_EQ(partial_credit_ok(state).messages, c.messages) << c.total;
        EXPECT_EQ(state.data.pc_total_points, 0) << c.total;
        EXPECT_EQ(state.editor.options, "444400") << c.total;
        EXPECT_TRUE(state.data.partial_credit_on) << c.total;
    }
}

TEST(PartialCreditOk, NinetyNineItemsCannotHavePartialCreditButGetTheirMcPoints) {
    ProgramState state = dialog(99, std::string(99, '4'), "7", "2");
    EXPECT_EQ(partial_credit_ok(state).messages,
              Messages{"Partial Credit can only be given if Number of Items is less than 99."});
    EXPECT_FALSE(state.data.partial_credit_on);
    EXPECT_EQ(state.editor.options, std::string(99, '4'));
    EXPECT_EQ(state.data.mc_item_points, 2.0);

    // A file that asks for partial credit has switched it on before the OK
    // runs: the refusal switches it off, as its message says.
    state.data.partial_credit_on = true;
    state.data.pc_total_points = 7;
    partial_credit_ok(state);
    EXPECT_FALSE(state.data.partial_credit_on);
    EXPECT_EQ(state.data.pc_total_points, 0);
}

TEST(PartialCreditOk, McPointsMustBeANumberOfAtLeastZeroWithinA999Total) {
    struct Case {
        int items;
        const char* mc;
        const char* message;  // empty when accepted
        double points;
    };
    const Case cases[] = {
        {4, "lots", "Multiple Choice Items must be worth something...so MC points were set to 1",
         1},
        {4, "-0.5", "Because you entered a negative value...MC points were set to 1", 1},
        {100, "10", "Total Points cannot exceed 999...so MC points were set to 1", 1},
        {90, "10", "", 10},  // 900 + 99 partial-credit points
        {90, "10.1", "Total Points cannot exceed 999...so MC points were set to 1", 1},
    };
    for (const Case& c : cases) {
        ProgramState state =
            dialog(c.items, std::string(static_cast<std::size_t>(c.items), '4'), "99", c.mc);
        Outcome outcome = partial_credit_ok(state);
        const std::string last = outcome.messages.empty() ? "" : outcome.messages.back();
        EXPECT_EQ(last, c.message) << c.items << " " << c.mc;
        EXPECT_EQ(state.data.mc_item_points, c.points) << c.items << " " << c.mc;
    }
}

TEST(PartialCreditOk, McPointsAreReadWithTheUsersSeparator) {
    ProgramState state = dialog(4, "4444", "7", "1,5");
    state.decimal_separator = ',';
    EXPECT_TRUE(partial_credit_ok(state).messages.empty());
    EXPECT_EQ(state.data.mc_item_points, 1.5);
}

TEST(PartialCreditDialog, TheEditorsItemCountDecides) {
    // The editor's box says 99 items although the last load had 4.
    ProgramState state = dialog(4, "4444", "7", "1");
    state.editor.items = "99";
    Outcome outcome = partial_credit_dialog_ok(state);
    EXPECT_EQ(outcome.messages,
              Messages{"Partial Credit can only be given if Number of Items is less than 99."});
    EXPECT_FALSE(state.data.partial_credit_on);
    EXPECT_EQ(state.editor.options, "4444");

    // A box without a valid count leaves the count of the last load.
    for (const char* box : {"", "abc", "0", "101"}) {
        ProgramState kept = dialog(4, "4444", "7", "1");
        kept.editor.items = box;
        EXPECT_TRUE(partial_credit_dialog_ok(kept).messages.empty()) << box;
        EXPECT_EQ(kept.editor.options, "444407") << box;
    }
}

TEST(PartialCreditDialog, OpensWithTheUsersSeparatorSoOkKeepsThePoints) {
    ProgramState state = dialog(4, "4444", "7", "1,5");
    state.decimal_separator = ',';
    ASSERT_TRUE(partial_credit_ok(state).messages.empty());
    open_partial_credit_dialog(state);
    EXPECT_EQ(state.pc_form.txt_mc_points, "1,5");
    EXPECT_TRUE(partial_credit_ok(state).messages.empty());
    EXPECT_EQ(state.data.mc_item_points, 1.5);
}

TEST(TurnOffPartialCredit, LeavesTheDataAndResetsMcPoints) {
    ProgramState state = dialog(4, "4444", "7", "2");
    partial_credit_ok(state);

    Outcome outcome = turn_off_partial_credit(state);

    EXPECT_FALSE(state.data.partial_credit_on);
    EXPECT_EQ(state.data.mc_item_points, 1.0);
    EXPECT_EQ(state.editor.options, "444407");
    ASSERT_EQ(outcome.messages.size(), 1u);
    const std::string& message = outcome.messages[0];
    EXPECT_TRUE(message.starts_with(
        "Turning off the Partial Credit options does not change your data.\r\n\r\nYou may need"));
    EXPECT_NE(message.find("last item number.\r\n\r\nYou may also need"), std::string::npos);
    EXPECT_NE(message.find("under the last item number.\r\n\r\n(Note that"), std::string::npos);
    EXPECT_TRUE(message.ends_with("so anything beyond that is ignored)."));
}

TEST(PartialCreditDialog, OpensWithThePointsInForceAndPutsTheRulersPC) {
    ProgramState state = dialog(4, "4444", "7", "1.5");
    state.editor.items = "4";
    state.editor.label_length = "3";
    partial_credit_ok(state);
    EXPECT_EQ(state.editor_form.lbl_key_scale2, "1..4PC");
    state.pc_form = PartialCreditForm{"x", "y"};
    open_partial_credit_dialog(state);
    EXPECT_EQ(state.pc_form.txt_pc_points, "7");
    EXPECT_EQ(state.pc_form.txt_mc_points, "1.5");
    partial_credit_defaults(state);
    EXPECT_EQ(state.pc_form.txt_pc_points, "0");
    EXPECT_EQ(state.pc_form.txt_mc_points, "1");
    turn_off_partial_credit(state);
    EXPECT_EQ(state.editor_form.lbl_key_scale2, "1..4");
}

}  // namespace
}  // namespace kor
