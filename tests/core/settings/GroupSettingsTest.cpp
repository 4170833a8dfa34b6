#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "app/forms/GroupForm.h"

namespace kor {
namespace {

using Messages = std::vector<std::string>;

const char* const not_integer = "Percentage must be an INTEGER value between 0-100";
const char* const out_of_range = "Percentage must be between 0 and 100";
const char* const over_100 = "Percentages cannot total more than 100";

Outcome run_ok(const std::string& top, const std::string& bottom) {
    ProgramState state;
    return apply_group_percentages(state, top, bottom);
}

TEST(GroupPercentagesOk, UpTo80SilentUpTo100WithAWarning) {
    ProgramState state;
    EXPECT_TRUE(group_percentages_ok(state).messages.empty());  // "27" and "27"

    Outcome large = run_ok("50", "31");
    EXPECT_TRUE(large.accepted());
    EXPECT_EQ(large.messages,
              Messages{"Percentages provided do not provide a very large middle group"});
    EXPECT_TRUE(run_ok("100", "0").accepted());
}

TEST(GroupPercentagesOk, TotalAboveHundredFocusesTheLargerBottomOrElseTheTop) {
    Outcome top_focus = run_ok("60", "41");
    EXPECT_TRUE(top_focus.refused);
    EXPECT_EQ(top_focus.messages, Messages{over_100});
    EXPECT_EQ(top_focus.focus, "txt_disc_top");

    Outcome bottom_focus = run_ok("41", "60");
    EXPECT_EQ(bottom_focus.messages, Messages{over_100});
    EXPECT_EQ(bottom_focus.focus, "txt_disc_bottom");
}

TEST(GroupPercentagesOk, EachTextMustBeAWholeNumberFrom0To100) {
    struct Case {
        const char* top;
        const char* bottom;
        Messages messages;
        const char* focus;
    };
    const Case cases[] = {
        {"27.5", "abc", {not_integer}, "txt_disc_top"},
        {"-1", "abc", {out_of_range}, "txt_disc_top"},
        {"27", "", {not_integer}, "txt_disc_bottom"},
        // A bottom out of range still has the total looked at.
        {"10", "101", {out_of_range, over_100}, "txt_disc_bottom"},
        {"100", "99999999999999", {out_of_range, over_100}, "txt_disc_bottom"},
    };
    for (const Case& c : cases) {
        Outcome outcome = run_ok(c.top, c.bottom);
        EXPECT_TRUE(outcome.refused) << c.top << " " << c.bottom;
        EXPECT_EQ(outcome.messages, c.messages) << c.top << " " << c.bottom;
        EXPECT_EQ(outcome.focus, c.focus) << c.top << " " << c.bottom;
    }
}

TEST(ApplyGroupPercentages, KeepsTheTextsEvenWhenRefused) {
    ProgramState state;
    EXPECT_TRUE(apply_group_percentages(state, "60", "41").refused);
    EXPECT_EQ(state.settings.upper_group_percent_text, "60");
    EXPECT_EQ(state.settings.lower_group_percent_text, "41");
}

TEST(GroupDefaults, PutTwentySevenInBothBoxes) {
    ProgramState state;
    state.settings.upper_group_percent_text = "40";
    state.settings.lower_group_percent_text = "x";
    group_defaults(state);
    EXPECT_EQ(state.settings.upper_group_percent_text, "27");
    EXPECT_EQ(state.settings.lower_group_percent_text, "27");
    EXPECT_FALSE(group_percentages_ok(state).refused);
}

}  // namespace
}  // namespace kor
