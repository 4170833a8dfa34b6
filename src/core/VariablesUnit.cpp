#include "core/VariablesUnit.h"

#include "core/FileIO.h"

namespace kor {

std::string typed_separators(const ProgramState& state) { return std::string(1, state.decimal_separator); }

std::string file_separators(const ProgramState& state) {
    std::string seps = ".";
    if (state.decimal_separator != '.') {
        seps += state.decimal_separator;
    }
    return seps;
}

std::string shown_data_set_name(const ProgramState& state) {
    if (state.data.data_set_name.empty()) {
        return unsaved_name;
    }
    return file_name_of(strip_extension(state.data.data_set_name));
}

}  // namespace kor
