#include "app/forms/GroupForm.h"

#include <optional>

#include "app/ProgramState.h"
#include "core/TextUtil.h"

namespace kor {

namespace {

constexpr const char* not_integer = "Percentage must be an INTEGER value between 0-100";
constexpr const char* out_of_range = "Percentage must be between 0 and 100";

bool is_percentage(long long value) {
    return value >= 0 && value <= 100;
}

}  // namespace

// The texts themselves are the setting: each analysis turns them into the
// group fractions, so nothing but the texts' validity is decided here.
Outcome group_percentages_ok(ProgramState& state) {
    Outcome outcome;
    const AnalysisSettings& settings = state.settings;

    std::optional<long long> top = parse_integer(settings.upper_group_percent_text);
    if (!top) {
        outcome.refuse(not_integer, group_control::top);
        return outcome;
    }
    if (!is_percentage(*top)) {
        outcome.refuse(out_of_range, group_control::top);
        return outcome;
    }
    std::optional<long long> bottom = parse_integer(settings.lower_group_percent_text);
    if (!bottom) {
        outcome.refuse(not_integer, group_control::bottom);
        return outcome;
    }
    if (!is_percentage(*bottom)) {
        // Refused, but the total is still looked at, as the user sees both.
        outcome.refuse(out_of_range, group_control::bottom);
    }

    // Whole numbers are read wide, so an out-of-range bottom cannot overflow the sum.
    const long long total = *top + *bottom;
    if (total > 100) {
        outcome.refuse("Percentages cannot total more than 100",
                       *bottom > 50 ? group_control::bottom : group_control::top);
    } else if (total > 80) {
        outcome.show("Percentages provided do not provide a very large middle group");
    }
    return outcome;
}

void group_defaults(ProgramState& state) {
    state.settings.upper_group_percent_text = "27";
    state.settings.lower_group_percent_text = "27";
}

Outcome apply_group_percentages(ProgramState& state, const std::string& top,
                                const std::string& bottom) {
    state.settings.upper_group_percent_text = top;
    state.settings.lower_group_percent_text = bottom;
    return group_percentages_ok(state);
}

}  // namespace kor
