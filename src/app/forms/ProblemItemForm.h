#pragma once
// The problem-item criteria dialog's boxes and its OK.

#include <string>

#include "core/Outcome.h"

namespace kor {

struct ProgramState;

struct ProblemItemForm {
    std::string txt_crit_plo = "0.20";
    std::string txt_crit_phi = "0.95";
    std::string txt_crit_d = "0";
    std::string txt_crit_r = "0";
    std::string txt_crit_a = "0";
    bool chk_suggest = true;
};

namespace problem_control {
inline constexpr const char* p_low = "txt_crit_plo";
inline constexpr const char* p_high = "txt_crit_phi";
inline constexpr const char* disc = "txt_crit_d";
inline constexpr const char* pbis = "txt_crit_r";
inline constexpr const char* adj_pbis = "txt_crit_a";
}  // namespace problem_control

enum class Criterion { p_low, p_high, disc, pbis, adj_pbis };

// Opening the dialog: the suggestion box shows whether suggestions are on.
void open_problem_dialog(ProgramState& state);

// The "Set to Common ..." button of a criterion (also switches the criteria
// back on) and its "Set to Remove = ..." button, which puts the value no item
// can fail. Neither changes the thresholds in force: only OK does.
void set_common_criterion(ProgramState& state, Criterion criterion);
void set_remove_criterion(ProgramState& state, Criterion criterion);

// "Set all to Default Values".
void set_default_criteria(ProgramState& state);

// "Use Problem-Item Criteria": switches between the defaults and the remove
// values in the dialog's boxes; the check mark is !problem_criteria_off.
void toggle_problem_criteria(ProgramState& state);

// "Suggest Problem Items": flips the suggestions in the quick item analysis.
void toggle_suggest_problem_items(ProgramState& state);

// OK: reads the five criteria in order with the user's decimal separator,
// stopping at the first refusal (criteria accepted before it stay in force);
// when all are accepted also the suggestion switch and the criteria-off mark.
// Refused means the dialog is shown again.
Outcome problem_criteria_ok(ProgramState& state);

}  // namespace kor
