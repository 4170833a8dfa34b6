#include <gtest/gtest.h>

#include <memory>

#include "app/ProgramState.h"
#include "app/forms/ProblemItemForm.h"

namespace kor {
namespace {

Outcome ok_with(ProgramState& state, const char* plo, const char* phi, const char* d, const char* r,
                const char* a) {
    ProblemItemForm& form = state.problem_form;
    form.txt_crit_plo = plo;
    form.txt_crit_phi = phi;
    form.txt_crit_d = d;
    form.txt_crit_r = r;
    form.txt_crit_a = a;
    return problem_criteria_ok(state);
}

TEST(ProblemCriteria, StartTextsAreAcceptedAsTheStartValues) {
    auto state = std::make_unique<ProgramState>();
    Outcome outcome = problem_criteria_ok(*state);
    EXPECT_FALSE(outcome.refused);
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_DOUBLE_EQ(state->settings.crit_p_low, 0.20);
    EXPECT_DOUBLE_EQ(state->settings.crit_p_high, 0.95);
    EXPECT_FALSE(state->settings.problem_criteria_off);
}

TEST(ProblemCriteria, EachCriterionIsRefusedWithItsMessageAndFocus) {
    struct Case {
        const char* texts[5];
        const char* message;
        const char* focus;
    };
    const Case cases[] = {
        {{"x", "0.95", "0", "0", "0"},
         "Item Difficulty (low) criterion must be a numeric value between 0-1",
         "txt_crit_plo"},
        {{"0.2", "1.5", "0", "0", "0"},
         "Item Difficulty (high) criterion must be a numeric value between 0-1",
         "txt_crit_phi"},
        {{"0.95", "0.95", "0", "0", "0"},
         "Item Difficulty (high) criterion must be greater than Item Difficulty (low) criterion",
         "txt_crit_phi"},
        {{"0.9", "0.1", "0", "0", "0"},
         "Item Difficulty (high) criterion must be greater than Item Difficulty (low) criterion",
         "txt_crit_phi"},
        {{"0.2", "0.9", "-1.1", "0", "0"},
         "Discrimination Index criterion must be a numeric value between -1 and 1",
         "txt_crit_d"},
        {{"0.2", "0.9", "0", "2", "0"},
         "Point-Biserial Correlation criterion must be a numeric value between -1 and 1",
         "txt_crit_r"},
        {{"0.2", "0.9", "0", "0", ""},
         "Adjusted Point-Biserial Correlation criterion must be a numeric value between -1 and 1",
         "txt_crit_a"},
    };
    for (const Case& c : cases) {
        auto state = std::make_unique<ProgramState>();
        Outcome outcome =
            ok_with(*state, c.texts[0], c.texts[1], c.texts[2], c.texts[3], c.texts[4]);
        ASSERT_TRUE(outcome.refused) << c.message;
        ASSERT_EQ(outcome.messages.size(), 1u);
        EXPECT_EQ(outcome.messages[0], c.message);
        EXPECT_EQ(outcome.focus, c.focus);
    }
}

TEST(ProblemCriteria, AcceptedCriteriaStayWhenALaterOneIsRefusedButRefusedValuesDoNot) {
    auto state = std::make_unique<ProgramState>();
    EXPECT_TRUE(ok_with(*state, "0.25", "0.9", "5", "0", "0").refused);
    EXPECT_DOUBLE_EQ(state->settings.crit_p_low, 0.25);
    EXPECT_DOUBLE_EQ(state->settings.crit_p_high, 0.9);
    EXPECT_DOUBLE_EQ(state->settings.crit_disc, 0.0);
}

TEST(ProblemCriteria, RangeEndsAndTheRemoveValues) {
    auto state = std::make_unique<ProgramState>();
    EXPECT_FALSE(ok_with(*state, "0", "1", "-1", "-1", "-1").refused);
    EXPECT_TRUE(state->settings.problem_criteria_off);
    EXPECT_DOUBLE_EQ(state->settings.crit_adj_pbis, -1.0);
    // The mark compares texts: the same values written otherwise count as changed.
    EXPECT_FALSE(ok_with(*state, "0.0", "1", "-1", "-1", "-1").refused);
    EXPECT_FALSE(state->settings.problem_criteria_off);
}

TEST(ProblemCriteria, SuggestionSwitchFollowsTheCheckBox) {
    auto state = std::make_unique<ProgramState>();
    state->problem_form.chk_suggest = false;
    EXPECT_FALSE(problem_criteria_ok(*state).refused);
    EXPECT_FALSE(state->settings.suggest_problem_items);
}

TEST(ProblemCriteria, ADecimalCommaLocaleReadsCommas) {
    auto state = std::make_unique<ProgramState>();
    state->decimal_separator = ',';
    EXPECT_TRUE(ok_with(*state, "0.20", "0,95", "0", "0", "0").refused);
    EXPECT_FALSE(ok_with(*state, "0,20", "0,95", "0", "0", "-1").refused);
    EXPECT_DOUBLE_EQ(state->settings.crit_p_low, 0.20);
}

TEST(ProblemCriteria, UseProblemItemCriteriaRoundTrip) {
    auto state = std::make_unique<ProgramState>();
    toggle_problem_criteria(*state);  // unchecked: the remove values
    const ProblemItemForm& f = state->problem_form;
    EXPECT_EQ(f.txt_crit_plo + " " + f.txt_crit_phi + " " + f.txt_crit_d + " " + f.txt_crit_r +
                  " " + f.txt_crit_a,
              "0 1 -1 -1 -1");
    EXPECT_TRUE(state->settings.problem_criteria_off);
    EXPECT_DOUBLE_EQ(state->settings.crit_p_low, 0.20);  // nothing in force changes before OK
    EXPECT_FALSE(problem_criteria_ok(*state).refused);
    EXPECT_TRUE(state->settings.problem_criteria_off);
    EXPECT_DOUBLE_EQ(state->settings.crit_disc, -1.0);

    // Changing any one text and pressing OK checks the item again.
    set_common_criterion(*state, Criterion::disc);
    EXPECT_EQ(state->problem_form.txt_crit_d, "0.20");
    EXPECT_FALSE(problem_criteria_ok(*state).refused);
    EXPECT_FALSE(state->settings.problem_criteria_off);

    toggle_problem_criteria(*state);
    toggle_problem_criteria(*state);  // checked again: the defaults
    EXPECT_EQ(state->problem_form.txt_crit_phi, "0.95");
    EXPECT_FALSE(state->settings.problem_criteria_off);
}

TEST(ProblemCriteria, CommonAndRemoveButtons) {
    auto state = std::make_unique<ProgramState>();
    state->settings.problem_criteria_off = true;
    set_remove_criterion(*state, Criterion::p_high);
    EXPECT_EQ(state->problem_form.txt_crit_phi, "1");
    EXPECT_TRUE(state->settings.problem_criteria_off);
    set_common_criterion(*state, Criterion::p_low);
    set_common_criterion(*state, Criterion::p_high);
    EXPECT_EQ(state->problem_form.txt_crit_plo, "0.25");
    EXPECT_EQ(state->problem_form.txt_crit_phi, "0.90");
    EXPECT_FALSE(state->settings.problem_criteria_off);

    state->settings.suggest_problem_items = false;
    open_problem_dialog(*state);
    EXPECT_FALSE(state->problem_form.chk_suggest);
    toggle_suggest_problem_items(*state);
    EXPECT_TRUE(state->settings.suggest_problem_items);
}

}  // namespace
}  // namespace kor
