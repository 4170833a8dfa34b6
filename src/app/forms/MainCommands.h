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

// The menu commands the windows enable, check or relabel after making them.
// Each is its window's action with the object name command_name gives.
enum class MenuCommand {
    save_kor_input_file,
    view_results,
    save_results,
    view_exam,
    view_item,
    view_options,
    view_grade_reports,
    save_grade_reports,
    save_item_file,
    save_right_wrong_data,
    spearman_brown_prophecy,
    print_grades_on_reports,
    round_percentages,
    absolute_percentages,
    suggest_problem_items,
    use_problem_criteria,
    sort_examinees_none,
    sort_examinees_label,
    sort_examinees_score,
    sort_items_number,
    sort_items_difficulty,
    sort_items_discrimination,
    sort_items_pbis,
    sort_items_adjusted_pbis,
    bands_raw,
    bands_percent,
    bands_letters,
    change_seed_each_call,
    auto_save_kor_file,
    data_are_right_wrong,
    convert_heading,
    convert_to_right_wrong,
    convert_back_to_original,
    convert_to_numbers,
    convert_to_letters,
    convert_back_to_original_lines,
    set_table_of_specs,  // the last one: a test walks every command up to it
};
const char* command_name(MenuCommand command);

}  // namespace kor
