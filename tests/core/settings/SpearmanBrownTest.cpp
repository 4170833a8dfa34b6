#include <gtest/gtest.h>

#include <memory>

#include "app/ProgramState.h"
#include "app/forms/SpearmanBrownForm.h"

namespace kor {
namespace {

std::unique_ptr<ProgramState> analysed(double kr20, int items) {
    auto state = std::make_unique<ProgramState>();
    state->results.kr20 = kr20;
    state->data.num_included_items = items;
    open_spearman_brown(*state);
    return state;
}

TEST(SpearmanBrown, OpeningShowsTheTestAndTheStartTarget) {
    auto state = analysed(0.684, 47);
    const SpearmanBrownForm& f = state->spearman_form;
    EXPECT_EQ(f.txt_sbrel, "0.800");
    EXPECT_EQ(f.txt_rel_out, "0.684");
    EXPECT_EQ(f.txt_current, "47");
    EXPECT_EQ(f.txt_moreitems, "");
    EXPECT_FALSE(f.lbl_more_fewer_visible);
}

TEST(SpearmanBrown, LengtheningToPointEight) {
    auto state = analysed(0.684, 47);
    EXPECT_FALSE(calculate_spearman_brown(*state).refused);
    const SpearmanBrownForm& f = state->spearman_form;
    EXPECT_EQ(f.txt_moreitems, "40");
    EXPECT_EQ(f.lbl_more_fewer, "more");
    EXPECT_FALSE(f.lbl_more_fewer_underlined);
    EXPECT_EQ(f.txt_multiplier, "1.85");
    EXPECT_EQ(f.txt_totalitems, "87");
}

TEST(SpearmanBrown, ShorteningAndZero) {
    auto state = analysed(0.684, 47);
    state->spearman_form.txt_sbrel = "0.5";
    EXPECT_FALSE(calculate_spearman_brown(*state).refused);
    EXPECT_EQ(state->spearman_form.lbl_more_fewer, "fewer");
    EXPECT_TRUE(state->spearman_form.lbl_more_fewer_underlined);
    EXPECT_EQ(state->spearman_form.txt_sbrel, "0.500");
    // L = .5 * .316 / (.684 * .5) = 0.462; round(21.71) = 22, 25 fewer
    EXPECT_EQ(state->spearman_form.txt_moreitems, "25");
    EXPECT_EQ(state->spearman_form.txt_totalitems, "22");
    EXPECT_EQ(state->spearman_form.txt_multiplier, "0.46");

    state->spearman_form.txt_sbrel = "0";
    EXPECT_FALSE(calculate_spearman_brown(*state).refused);
    EXPECT_EQ(state->spearman_form.txt_moreitems, "47");
    EXPECT_EQ(state->spearman_form.txt_totalitems, "0");
    EXPECT_EQ(state->spearman_form.txt_multiplier, "0.00");
}

TEST(SpearmanBrown, NumbersAreShownWithTheUsersSeparator) {
    auto state = std::make_unique<ProgramState>();
    state->decimal_separator = ',';
    state->results.kr20 = 0.684;
    state->data.num_included_items = 47;
    open_spearman_brown(*state);
    EXPECT_EQ(state->spearman_form.txt_sbrel, "0,800");
    EXPECT_EQ(state->spearman_form.txt_rel_out, "0,684");
    // The shown target reads back: Calculate gives no message.
    EXPECT_TRUE(calculate_spearman_brown(*state).messages.empty());
    EXPECT_EQ(state->spearman_form.txt_multiplier, "1,85");
    EXPECT_EQ(state->spearman_form.txt_totalitems, "87");
}

TEST(SpearmanBrown, TargetsOfOneAndAboveNinetyNineAreRefused) {
    const char* message =
        "Reliability must a numeric value between 0.0 and 0.99 -- note that if desired reliability "
        "is 1.0, the "
        "formula results in an undefined value.";
    for (const char* text : {"1.0", "0.995", "-0.1"}) {
        auto state = analysed(0.684, 47);
        state->spearman_form.txt_sbrel = text;
        Outcome outcome = calculate_spearman_brown(*state);
        ASSERT_TRUE(outcome.refused) << text;
        EXPECT_EQ(outcome.messages.back(), message);
        EXPECT_EQ(outcome.focus, "txt_sbrel");
    }
}

TEST(SpearmanBrown, TextThatIsNoNumberKeepsThePreviousTarget) {
    auto state = analysed(0.684, 47);
    state->spearman_form.txt_sbrel = "high";
    Outcome outcome = calculate_spearman_brown(*state);
    EXPECT_FALSE(outcome.refused);
    ASSERT_EQ(outcome.messages.size(), 1u);
    EXPECT_EQ(outcome.messages[0], "Reliability must a numeric value between 0.0 and 1.0");
    EXPECT_EQ(state->spearman_form.txt_totalitems, "87");  // computed with 0.8
}

TEST(SpearmanBrown, NoReliabilityLeavesTheAnswersEmpty) {
    auto state = analysed(0.0, 20);
    Outcome outcome = calculate_spearman_brown(*state);
    ASSERT_TRUE(outcome.refused);
    EXPECT_EQ(outcome.messages.back(),
              "The reliability of the analyzed test is 0, so the Spearman-Brown formula cannot be "
              "applied.");
    EXPECT_EQ(state->spearman_form.txt_totalitems, "");
    EXPECT_FALSE(state->spearman_form.lbl_more_fewer_visible);
}

}  // namespace
}  // namespace kor
