#pragma once
// Partial credit and the points of a multiple-choice item: the partial-credit
// dialog's boxes and its OK and "Turn Off Partial Credit".

#include <string>

#include "core/Outcome.h"

namespace kor {

struct ProgramState;

struct PartialCreditForm {
    std::string txt_pc_points = "0";  // "Total Possible Partial Credit Points:"
    std::string txt_mc_points = "1";  // "Number of Points for each Multiple Choice Item:"
};

// Opening the dialog: the boxes show the points in force, the MC points
// with the user's decimal separator so that OK reads them back unchanged.
void open_partial_credit_dialog(ProgramState& state);

// "Defaults": MC points "1" and partial-credit points "0" in the boxes.
void partial_credit_defaults(ProgramState& state);

// OK: switches partial credit on (more than 98 items leave it off), sets
// the total points and the two digits at the end of the options line, and
// the points of a multiple-choice item. Never refuses: bad values are
// replaced and reported.
Outcome partial_credit_ok(ProgramState& state);

// OK as the data editor's dialog runs it: the number of items is the one in
// the editor's item box when that holds a valid count (the user may not have
// loaded the data since typing it), then the OK above.
Outcome partial_credit_dialog_ok(ProgramState& state);

// "Turn Off Partial Credit": MC points back to 1, partial credit off; the
// options line and the data are left as they are.
Outcome turn_off_partial_credit(ProgramState& state);

}  // namespace kor
