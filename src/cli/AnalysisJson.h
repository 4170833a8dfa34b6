#pragma once
// Every result of the last analysis as one JSON document.

#include <nlohmann/json.hpp>

namespace kor {

struct ProgramState;

// A value stored as 9 for "cannot be computed" is written as null.
nlohmann::ordered_json analysis_json(const ProgramState& state);

}  // namespace kor
