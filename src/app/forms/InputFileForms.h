#pragma once
// Reading an input file into the program state: the reader fills the data set
// and the settings, and the dialogs whose boxes the file fills run their OK
// steps here, so that each shows the file's values the next time it opens.

#include <string>
#include <string_view>

#include "core/Outcome.h"
#include "core/data/InputFile.h"

namespace kor {

struct ProgramState;

Outcome read_input_text(ProgramState& state, std::string_view contents,
                        InputLayout layout = InputLayout::version6);

// Throws FileError when the file cannot be read.
Outcome read_input_file(ProgramState& state, const std::string& path,
                        InputLayout layout = InputLayout::version6);

}  // namespace kor
