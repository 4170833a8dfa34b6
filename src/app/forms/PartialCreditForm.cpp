#include "app/forms/PartialCreditForm.h"

#include <algorithm>
#include <cstddef>
#include <optional>

#include "app/ProgramState.h"
#include "app/forms/EditorModel.h"
#include "core/Format.h"
#include "core/TextUtil.h"

namespace kor {

namespace {

constexpr int max_total_points = 999;
constexpr int suffix_length = 2;

// The total possible partial-credit points from the dialog. Anything that is
// not a whole number of at least 0 becomes 0: a negative total has no
// two-digit form at the end of the options line.
int read_total_points(const PartialCreditForm& form, Outcome& outcome) {
    std::optional<int> total = parse_int(form.txt_pc_points);
    if (!total || *total < 0) {
        outcome.show("Number of Partial Credit points must be a whole number -- it was set to 0");
        return 0;
    }
    return *total;
}

// The two digits of the total that close the options line; a total of 100
// or more does not fit and is set to 0.
std::string total_points_suffix(int& total, Outcome& outcome) {
    if (total == 0) {
        outcome.show(
            "You have set the Number of Partial Credit points equal to Zero -- any points at the "
            "end of the "
            "data will be treated as extra credit.");
        return "00";
    }
    if (total >= 100) {
        outcome.show(
            "Number of Partial Credit points must be less than 100 -- it was set to 0.  You will "
            "need to put "
            "the appropriate value in place of the 00 at the end of the OPTIONS line.");
        total = 0;
        return "00";
    }
    std::string digits = std::to_string(total);
    return total < 10 ? "0" + digits : digits;
}

// Puts the two digits after the item options: appended to a line of exactly
// one digit per item, replacing the last two characters of a line that
// already has them; any other line is left for the user to mend.
void put_suffix_on_options_line(ProgramState& state, const std::string& suffix, Outcome& outcome) {
    std::string& options = state.editor.options;
    const auto items = static_cast<std::size_t>(state.data.num_items);
    if (options.size() == items) {
        options += suffix;
    } else if (options.size() == items + suffix_length) {
        options.replace(items, suffix_length, suffix);
    } else {
        outcome.show(
            "Please be sure that the correct number of Partial Credit points is at the end of the "
            "OPTIONS "
            "line (after the last item number) -- you set a total of " +
            suffix + " points.");
    }
    outcome.focus = editor_control::options;
}

void switch_partial_credit_on(ProgramState& state, Outcome& outcome) {
    state.data.partial_credit_on = true;
    redraw_rulers(state);  // the units lines now end in "PC"
    int total = read_total_points(state.pc_form, outcome);
    const std::string suffix = total_points_suffix(total, outcome);
    state.data.pc_total_points = total;
    put_suffix_on_options_line(state, suffix, outcome);
}

// The points of each multiple-choice item: a number of at least 0 whose
// total with the partial-credit points stays within three digits.
void set_mc_item_points(ProgramState& state, Outcome& outcome) {
    TTestData& data = state.data;
    std::optional<double> points = parse_real(state.pc_form.txt_mc_points, typed_separators(state));
    if (!points) {
        outcome.show("Multiple Choice Items must be worth something...so MC points were set to 1");
        points = 1.0;
    } else if (*points < 0.0) {
        outcome.show("Because you entered a negative value...MC points were set to 1");
        points = 1.0;
    }
    data.mc_item_points = *points;
    if (data.num_items * data.mc_item_points + data.pc_total_points > max_total_points) {
        outcome.show("Total Points cannot exceed 999...so MC points were set to 1");
        data.mc_item_points = 1.0;
    }
}

void leave_partial_credit_off(ProgramState& state) {
    state.data.partial_credit_on = false;
    state.data.pc_total_points = 0;
    redraw_rulers(state);
}

}  // namespace

Outcome partial_credit_ok(ProgramState& state) {
    Outcome outcome;
    if (state.data.num_items > max_partial_credit_items) {
        // The message says partial credit is not given, so it is left off,
        // also when a file asked for it: two columns of points do not fit.
        outcome.show("Partial Credit can only be given if Number of Items is less than 99.");
        leave_partial_credit_off(state);
    } else {
        switch_partial_credit_on(state, outcome);
    }
    set_mc_item_points(state, outcome);
    return outcome;
}

Outcome partial_credit_dialog_ok(ProgramState& state) {
    const std::optional<int> items = parse_int(state.editor.items);
    if (items && *items >= 1 && *items <= max_items) {
        state.data.num_items = *items;
    }
    return partial_credit_ok(state);
}

void open_partial_credit_dialog(ProgramState& state) {
    state.pc_form.txt_pc_points = std::to_string(state.data.pc_total_points);
    state.pc_form.txt_mc_points =
        with_user_separator(general(state.data.mc_item_points), state.decimal_separator);
}

void partial_credit_defaults(ProgramState& state) {
    state.pc_form.txt_mc_points = "1";
    state.pc_form.txt_pc_points = "0";
}

Outcome turn_off_partial_credit(ProgramState& state) {
    Outcome outcome;
    state.data.mc_item_points = 1.0;
    state.data.partial_credit_on = false;
    redraw_rulers(state);
    outcome.show(
        "Turning off the Partial Credit options does not change your data.\r\n\r\n"
        "You may need to edit your OPTIONS line -- be sure that the last Number of Options lines "
        "up under the "
        "last item number.\r\n\r\n"
        "You may also need to edit your Examinee Data -- be sure that your data end under the last "
        "item "
        "number.\r\n\r\n"
        "(Note that you do not really need to change your data or the OPTIONS line -- the program "
        "only goes "
        "to the # of items, so anything beyond that is ignored).");
    return outcome;
}

}  // namespace kor
