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
    GradeScheme scheme = GradeScheme::none;                     // the radio button that is checked
    std::string txt_num_cats;                                   // category count box (user scheme)
    OneBased<std::string, max_grade_categories> lbl_grade;      // label edits 1..13
    OneBased<std::string, max_grade_categories - 1> txt_grade;  // percentage edits 1..12
    // The sentence over the rows (lbl_set), and how many rows are shown:
    // label rows 1..rows_shown and percentage rows 1..rows_shown-1. Not
    // derived from the number of categories, because a count the box does
    // not take hides the rows and keeps the categories.
    std::string lbl_set;
    int rows_shown = 0;
};

inline constexpr const char* grade_sentence_preset =
    "Set the minimum percentages for each Grading Category:";
inline constexpr const char* grade_sentence_user =
    "Name your Grading Categories and set the minimum percentages for each category:";

namespace grade_control {
inline constexpr const char* num_cats = "txt_num_cats";
// "txt_grade01" .. "txt_grade12"
std::string percent_edit(int k);
}  // namespace grade_control

// "No Grading Categories": no categories, and the letter band unit is switched off.
void select_no_grading(ProgramState& state);

// "2 Categories", "5 Categories" or "12 Categories" (`categories` 2, 5 or 12):
// the preset's label texts in rows 1..N and, in percentage rows 1..N-1, the
// stored minimums once a scale was stored, else the preset's own. Any other
// count selects "No Grading Categories", as loading a scale file does.
void select_grade_preset(ProgramState& state, int categories);

// "Use Program Defaults": the preset's label texts and minimums for the
// current preset, or empty edits for the user scheme; nothing without
// categories. Nothing is stored until OK.
void use_program_defaults(ProgramState& state);

// "User Defined:" with `count` typed into the category-count box; runs the
// count change of the box. Returns the message the box shows, if any.
Outcome select_user_scheme(ProgramState& state, const std::string& count_text);

// Every change of the category-count box's text: the rows are hidden and
// emptied, and a whole number from 2 to 13 becomes the number of categories
// with its rows shown. An empty box re-uses the last count typed; a count
// below 2 is ignored without a word. Returns the message the box shows, if any.
Outcome grade_count_changed(ProgramState& state, const std::string& text);

// The OK button: stores labels and minimum percentages from the edits in
// their fixed order, pads the labels, zeroes the unused minimums and checks
// the order. Refused means the dialog is shown again.
Outcome grade_scale_ok(ProgramState& state);

}  // namespace kor
