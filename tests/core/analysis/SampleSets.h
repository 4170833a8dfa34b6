#pragma once
// Two small published data sets whose analysis results are known, set up in
// the editor as a user would type them.

#include <memory>
#include <string>
#include <vector>

#include "core/VariablesUnit.h"

namespace kor::testing {

// 23 examinees, 49 items, items 9 and 45 excluded, items 1 and 16 with
// alternative answers, groups 33 and 27.
std::unique_ptr<ProgramState> sample_set_1();

// 17 examinees, 65 items, groups 27 and 25.
std::unique_ptr<ProgramState> sample_set_2();

}  // namespace kor::testing
