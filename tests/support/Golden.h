#pragma once
// Golden files: whole reports and outputs kept in tests/data/golden after a
// review by eye. A run with the environment variable KOR_UPDATE_GOLDEN set
// writes what the program gives now into the files instead of comparing;
// review the difference before keeping it.

#include <string>
#include <string_view>
#include <vector>

namespace kor::testing {

std::string golden_path(std::string_view name);

// The golden file's bytes; a test failure when it cannot be read.
std::string golden(std::string_view name);

// Compares `actual` with the golden file line by line (any line end), so
// that a failure names the first line that differs.
void expect_golden(const std::vector<std::string>& actual, std::string_view name);

// Compares `actual` with the golden file byte for byte.
void expect_golden_text(const std::string& actual, std::string_view name);

}  // namespace kor::testing
