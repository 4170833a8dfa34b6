#pragma once
// The grading scale dialog's boxes and the steps that store a scale from
// them. The dialog keeps its boxes for the whole run.

#include <string>

#include "core/Outcome.h"
#include "core/data/OneBased.h"
#include "core/settings/AnalysisSettings.h"

namespace kor {

struct ProgramState;

enum class GradeScheme { none, two, five, twelve, user };

// The grade dialog's controls.
struct GradeForm {
    GradeScheme scheme = GradeScheme::none;   // the radio button that is checked
    std::string txt_num_cats;                  // category count box (user scheme)
    OneBased<std::string, max_grade_categories> lbl_grade;      // label edits 1..13
    OneBased<std::string, max_grade_categories - 1> txt_grade;  // percentage edits 1..12
};

namespace grade_control {
inline constexpr const char* num_cats = "txt_num_cats";
// "txt_grade01" .. "txt_grade12"
std::string percent_edit(int k);
}  // namespace grade_control

// "No Grading Categories": no categories, and the letter band unit is switched off.
void select_no_grading(ProgramState& state);

// "User Defined:" with `count` typed into the category-count box; runs the
// count change of the box. Returns the message the box shows, if any.
Outcome select_user_scheme(ProgramState& state, const std::string& count_text);

// The OK button: stores labels and minimum percentages from the edits in
// their fixed order, pads the labels, zeroes the unused minimums and checks
// the order. Refused means the dialog is shown again.
Outcome grade_scale_ok(ProgramState& state);

}  // namespace kor
