#pragma once
// The built-in example data sets. Each command fills the data editor as
// typing would, sets the analysis options that go with its example through
// the same steps as the dialogs' OK, and leaves the program in the data
// editor; "Close && Analyze" then loads and analyses the example.

#include <string>
#include <string_view>
#include <vector>

#include "core/Outcome.h"

namespace kor {

struct ProgramState;

// The Examples menu of the main window. Each replaces the data set and ends
// with "Go To Data Editor" in edit mode. The outcome carries the messages of
// the dialog steps run on the way; none is expected.
Outcome sample_data_set_1(ProgramState& state);
Outcome sample_data_set_2(ProgramState& state);
Outcome sample_data_set_3(ProgramState& state);
Outcome secret_setup_qxm(ProgramState& state);
Outcome as_numeric(ProgramState& state);
Outcome as_right_wrong(ProgramState& state);
Outcome as_letter(ProgramState& state);
Outcome as_true_false(ProgramState& state);
Outcome as_mixture(ProgramState& state);

// The data editor's hidden example: 0/1 data for the discrimination
// figures. It keeps the include line and stays in the editor.
Outcome secret_setup_rvw(ProgramState& state);

struct ExampleInfo {
    std::string_view name;  // the name the command line uses
    Outcome (*run)(ProgramState&);
    std::string title;
};

// Every example, in menu order, the editor's own last.
const std::vector<ExampleInfo>& example_list();

// The example called `name`, or nullptr.
const ExampleInfo* find_example(std::string_view name);

}  // namespace kor
