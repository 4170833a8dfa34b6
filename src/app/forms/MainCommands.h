#pragma once
// Main-window commands that only switch program state: the radio groups of
// the Options menu and what "Go To Data Editor" does before the editor shows.

#include "core/settings/Choices.h"

namespace kor {

struct ProgramState;

// The checked radio button of the main window's "INPUT" box.
enum class InputMode { enter_new_data, open_kor_file, insert_text_file, generate_data, edit_data };

// "Use Raw Scores / Percentages / Grade Letters in Confidence Bands" (none:
// no unit, as "No Grading Categories" leaves it). The letters command also
// reads a saved grading scale file when there is one; that file is not read
// here.
void choose_band_unit(ProgramState& state, BandUnit unit);

// "Do NOT Sort Examinees", "Sort Examinees by Label", "... by Score".
void choose_examinee_order(ProgramState& state, ExamineeOrder order);

// "Sort Items by Item Number", "... by Difficulty", ... .
void choose_item_order(ProgramState& state, ItemOrder order);

// The state changes of "Go To Data Editor" up to showing the editor: the
// band unit goes back to raw scores, the flags of the last editor visit are
// cleared, and the start mode follows the input mode. Every mode but editing
// starts a new data set, so it forgets the original lines, the right-wrong
// state and where the data came from. The editor is then due to be shown
// (editor_load_failed), and the editor clears that flag when it opens.
void go_to_data_editor(ProgramState& state, InputMode mode);

// The on/off commands of the Options menu.
enum class OptionToggle {
    print_grades_on_reports,
    suggest_problem_items,
    use_problem_criteria,
    change_seed_each_call,
    auto_save_kor_file,
};

// The OUTPUT box's check boxes.
enum class SaveChoice { exm, itm, opt, rpt };

}  // namespace kor
