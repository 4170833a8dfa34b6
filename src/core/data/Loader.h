#pragma once
// The loader: checks the editor's texts in a fixed order, stops at the first
// error, and fills the arrays the analysis reads. And the closing steps of
// the editor's "Close && Analyze" and OK buttons.

#include <string>
#include <vector>

#include "core/Outcome.h"

namespace kor {

struct AnalysisState;
struct TTestData;

// Checks the source layer and fills the loaded layer. On refusal the loaded
// layer may be filled up to the failing step; the editor's include and
// options boxes may have been filled in.
Outcome load_test_data(AnalysisState& state);

enum class EditorExit { close_and_analyze, ok };

// A key character that loads but cannot mean what was typed (see key_warnings).
struct KeyWarning {
    int item = 0;
    std::string message;  // also among the load's messages
};

// What the main window must do after the editor closed.
struct EditorLoad {
    Outcome outcome;                       // the loader's or the closing steps' messages
    bool show_editor_again = false;        // refused: editor_load_failed
    std::vector<KeyWarning> key_warnings;  // the key characters the load warned about
};

// Runs the loader and the closing steps of `how`; the data count as loaded
// for an analysis only when they close with "Close && Analyze".
EditorLoad load_editor_data(AnalysisState& state, EditorExit how);

// --- steps of the loader that other commands repeat ---

// Fills item_include and num_included_items from include_text; columns
// beyond the end of a short line count as blank, that is included.
void code_include_line(AnalysisState& state);

// Fills item_options and max_item_options from options_text; refused at the
// first column that is not a digit between 1 and max_options.
Outcome code_options_line(AnalysisState& state);

// Fills key_digits and item_key from key_text with the code table (which
// depends on item_options); refused when the key is shorter than the item
// count or a key code is above max_options and not 9. The loader shows two
// messages for a bad key, the alternative-answers table only the second.
Outcome code_key_line(AnalysisState& state, bool show_both_messages);

// The items of the loaded key whose character was read as "every answer is
// right" without being typed as 9, or as an option the item does not have.
std::vector<KeyWarning> key_warnings(const TTestData& data);

// Every item accepts its key in all nine slots; an "A" item also accepts, in
// their slots, the alternatives the table confirmed that its cells still show.
void set_correct_answers(TTestData& data);

}  // namespace kor
