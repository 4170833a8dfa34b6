#pragma once
// The data editor's logic that is not drawing: the checks while the counts
// are typed, the column rulers, "&New (reset)", the help menu's example data
// and code texts, and the small commands of its menus. The boxes themselves
// are the editor texts of the program state.

#include <string>
#include <vector>

#include "core/Outcome.h"
#include "core/data/Loader.h"

namespace kor {

struct ProgramState;
struct AnalysisState;

// Names of the editor's boxes, used as focus targets.
namespace editor_control {
inline constexpr const char* title = "txt_title";
inline constexpr const char* cases = "txt_cases";
inline constexpr const char* items = "txt_items";
inline constexpr const char* label_length = "txt_label_length";
inline constexpr const char* answer_key = "txt_answer_key";
inline constexpr const char* options = "txt_options";
inline constexpr const char* include = "txt_include";
inline constexpr const char* data = "MemoData";
}  // namespace editor_control

// The outcome with the editor field it names to correct replaced by the
// editor's box that shows it; any other focus stays.
Outcome on_editor_boxes(Outcome outcome);

// The data set's steps as the editor runs them: the core's steps, with the
// refusal's focus on the editor's box.
Outcome load_test_data(ProgramState& state);
Outcome code_options_line(ProgramState& state);
Outcome code_key_line(ProgramState& state, bool show_both_messages);
Outcome import_testscore_data(ProgramState& state);
Outcome prepare_alt_answer_table(ProgramState& state);
Outcome alt_answers_ok(ProgramState& state);

// The editor's state beside its boxes.
struct EditorForm {
    bool set_tos_enabled = false;  // "Set Table of Specifications..."
    // Rulers: tens and units lines over the key (and between the options and
    // include boxes) and over the data window.
    std::string lbl_key_scale1;
    std::string lbl_key_scale2;
    std::string lbl_scale1;
    std::string lbl_scale2;
    // Units lines kept for the partial-credit commands, plain and with "PC".
    std::string key_units_plain;
    std::string key_units_pc;
    std::string data_units_plain;
    std::string data_units_pc;
};

struct Rulers {
    std::string key_tens;
    std::string key_units;
    std::string data_tens;
    std::string data_units;
};

// The rulers for `num_items` items (0 when the item box holds no count) and
// `label_length` label columns (negative when unknown).
Rulers make_rulers(int num_items, int label_length);

// Redraws the rulers from the item and label boxes; with partial credit the
// units lines carry "PC" over the two columns of points.
void redraw_rulers(ProgramState& state);

// The label-length box changed: checks it and redraws the rulers.
Outcome label_length_changed(ProgramState& state);

// The item box changed: "Set Table of Specifications..." is enabled again
// only for a valid count; checks it and redraws the rulers.
Outcome items_changed(ProgramState& state);

// Any edit of the include box: the alternatives may need confirming again.
void include_changed(ProgramState& state);

// "&New (reset)": an empty data set, no partial credit, no table of
// specifications, no grading.
void new_data_set(ProgramState& state);

// "Count lines of data as # Examinees" (an empty last line counts too).
void count_lines_as_examinees(ProgramState& state);

// "SHOW EXAMPLE DATA": a small data set in letters and numbers.
void show_example_data(ProgramState& state);

// "Change Max # Options to 5" / "... to 8".
void change_max_options(ProgramState& state, int maximum);

// What the editor does when it becomes active, by editor_start_mode.
enum class EditorStartAction { nothing, open_file, insert_data_and_key, generate };
EditorStartAction editor_startup(ProgramState& state);

// "Cancel": leaves the editor without loading; "&Close (Cancel)" only closes.
void cancel_editor(ProgramState& state);
void close_editor_without_loading(ProgramState& state);

// The code help window's two panels, one text per row.
const std::vector<std::string>& data_code_help();
const std::vector<std::string>& include_code_help();

// The hint over the data window.
inline constexpr const char* data_window_hint =
    " Any character not valid as data will be treated as MISSING DATA --- valid data values are "
    "(0-8, A-H, a-h, T, "
    "t, F, f)       ";

struct CsvMapping;
// Fills the data editor's boxes from the mapping, as a fresh data set read
// from `path`, which no save may then replace, and keeps the whole ids.
void fill_editor_from_csv(ProgramState& state, const CsvMapping& mapping, const std::string& path);

struct EditorCloseResult {
    Outcome outcome;                 // the loader's or the closing steps' messages
    bool show_editor_again = false;  // editor_load_failed
    bool start_analysis = false;     // data_loaded and analyze_on_return
    bool enable_analyze = false;     // "&Analysis" menu and "Analyze (F9)"
    bool enable_view_buttons =
        false;                 // the three view buttons (OK enables, Close && Analyze disables)
    std::string data_set_box;  // data set name without extension, or "UNSAVED"
    std::string title_box;     // the title shown in the main window
    std::vector<KeyWarning> key_warnings;  // the key characters the load warned about
};

// The editor's OK and "Close && Analyze": the loader and the closing steps of
// `how`, and what the main window enables afterwards.
EditorCloseResult close_editor(ProgramState& state, EditorExit how);

}  // namespace kor
