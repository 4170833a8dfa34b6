#pragma once
// The table-of-specifications section of the full results report: the mean
// difficulty and the items of every content area, every cognitive skill
// level and every pair of both.

#include <string>
#include <vector>

namespace kor {

struct AnalysisState;

// The section, or no lines when the data set has neither content areas nor
// cognitive levels. Items are listed by item number.
std::vector<std::string> specifications_lines(const AnalysisState& state);

// Cuts a long text into pieces near `first_end`, then every `step`
// characters further: a piece takes a comma at the next or next-but-one
// place with it, so that pieces rarely start with a comma. A text that ends
// within two characters of a cut is not cut there.
std::vector<std::string> cut_near_commas(const std::string& text, std::size_t first_end,
                                         std::size_t step);

}  // namespace kor
