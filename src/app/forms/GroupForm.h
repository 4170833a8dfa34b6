#pragma once
// The high and low group percentages: the group dialog's OK.

#include <string>

#include "core/Outcome.h"

namespace kor {

struct ProgramState;

namespace group_control {
inline constexpr const char* top = "txt_disc_top";
inline constexpr const char* bottom = "txt_disc_bottom";
}  // namespace group_control

// Checks the group texts held in the settings (txt_disc_top,
// txt_disc_bottom): whole numbers 0..100 whose sum is at most 100, with a
// warning above 80. Refused means the dialog is shown again.
Outcome group_percentages_ok(ProgramState& state);

// "Defaults": both boxes back to 27.
void group_defaults(ProgramState& state);

// Puts `top` and `bottom` into the group boxes and runs their OK, as opening
// an input file does.
Outcome apply_group_percentages(ProgramState& state, const std::string& top,
                                const std::string& bottom);

}  // namespace kor
