#include "app/forms/SpearmanBrownForm.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "app/ProgramState.h"
#include "core/Format.h"
#include "core/TextUtil.h"

namespace kor {

namespace {

constexpr double highest_desired = 0.99;

// The factor shown with 2 decimals after rounding to 3 significant digits.
std::string multiplier_text(double factor) {
    if (factor == 0.0) {
        return fixed(0.0, 2);
    }
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(factor))));
    const double scale = std::pow(10.0, 2 - magnitude);
    return fixed(std::round(factor * scale) / scale, 2);
}

// A number the dialog shows, with the user's decimal separator: the desired
// reliability is read back from its box the next time Calculate is pressed.
std::string shown(const SpearmanBrownTest& test, std::string text) {
    return with_user_separator(std::move(text), test.decimal_separator);
}

SpearmanBrownTest test_of(const ProgramState& state) {
    return {state.results.kr20, state.data.num_included_items, state.decimal_separator};
}

void clear_answers(SpearmanBrownForm& form) {
    form.txt_moreitems.clear();
    form.txt_multiplier.clear();
    form.txt_totalitems.clear();
    form.lbl_more_fewer.clear();
    form.lbl_more_fewer_visible = false;
}

}  // namespace

void open_spearman_brown(SpearmanBrownForm& form, const SpearmanBrownTest& test, double desired) {
    form.txt_sbrel = shown(test, fixed(desired, 3));
    form.txt_rel_out = shown(test, fixed(test.reliability, 3));
    form.txt_current = std::to_string(test.items);
    clear_answers(form);
}

void open_spearman_brown(ProgramState& state) {
    state.settings.sb_target_reliability = 0.8;
    open_spearman_brown(state.spearman_form, test_of(state), state.settings.sb_target_reliability);
}

Outcome calculate_spearman_brown(SpearmanBrownForm& form, const SpearmanBrownTest& test,
                                 double& desired) {
    Outcome outcome;
    if (auto typed = parse_real(form.txt_sbrel, std::string(1, test.decimal_separator))) {
        desired = *typed;
    } else {
        outcome.show("Reliability must a numeric value between 0.0 and 1.0");
        outcome.focus = spearman_control::desired;
    }
    const double r = desired;
    if (r < 0.0 || r > highest_desired) {
        outcome.refuse(
            "Reliability must a numeric value between 0.0 and 0.99 -- note that if desired "
            "reliability is 1.0, the "
            "formula results in an undefined value.",
            spearman_control::desired);
        return outcome;
    }
    // The formula divides by the test's reliability: without one there is no
    // length that reaches the desired value.
    const double kr20 = test.reliability;
    if (kr20 <= 0.0) {
        clear_answers(form);
        outcome.refuse(
            kr20 == 0.0
                ? "The reliability of the analyzed test is 0, so the Spearman-Brown formula "
                  "cannot be applied."
                : "The reliability of the analyzed test is below 0, so the Spearman-Brown "
                  "formula cannot be applied.");
        return outcome;
    }
    const int n = test.items;
    const double factor = r * (1.0 - kr20) / (kr20 * (1.0 - r));
    const long long change = round_half_even(n * factor) - n;
    form.txt_moreitems = std::to_string(std::llabs(change));
    form.lbl_more_fewer = change < 0 ? "fewer" : "more";
    form.lbl_more_fewer_underlined = change < 0;
    form.lbl_more_fewer_visible = true;
    form.txt_sbrel = shown(test, fixed(r, 3));
    form.txt_multiplier = shown(test, multiplier_text(factor));
    form.txt_totalitems = std::to_string(n + change);
    return outcome;
}

Outcome calculate_spearman_brown(ProgramState& state) {
    return calculate_spearman_brown(state.spearman_form, test_of(state),
                                    state.settings.sb_target_reliability);
}

}  // namespace kor
