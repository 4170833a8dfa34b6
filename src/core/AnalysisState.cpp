#include "core/AnalysisState.h"

#include "core/FileIO.h"

namespace kor {

std::string typed_separators(const AnalysisState& state) {
    return std::string(1, state.decimal_separator);
}

std::string file_separators(const AnalysisState& state) {
    std::string seps = ".";
    if (state.decimal_separator != '.') {
        seps += state.decimal_separator;
    }
    return seps;
}

std::string shown_data_set_name(const AnalysisState& state) {
    if (state.data.data_set_name.empty()) {
        return unsaved_name;
    }
    return file_name_of(strip_extension(state.data.data_set_name));
}

}  // namespace kor
