#pragma once
// The web page's sections on groups of examinees within one test: the exam
// versions, the groups the labels name (sections, campuses), and the
// comparison of two groups for differential item functioning. Each section
// is left out, as no lines, when the analysis gives nothing for it.

#include <string>
#include <vector>

namespace kor {

struct AnalysisState;

// Each version's figures and every included item's difficulty per version.
std::vector<std::string> versions_section(const AnalysisState& state);

// Each group's figures and every included item's difficulty and
// point-biserial per group.
std::vector<std::string> groups_section(const AnalysisState& state);

// The Mantel-Haenszel figures of the compared items: by |D-DIF| from the
// largest, ties by item number; an item whose odds ratio is 0 or infinite
// has the largest |D-DIF| there is and comes first, an item that cannot be
// tested last.
std::vector<std::string> dif_section(const AnalysisState& state);

}  // namespace kor
