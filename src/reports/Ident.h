#pragma once
// The three identification lines that close most outputs and open the saved
// results: the main window's caption, then the two credit lines of the About
// window. Every report takes them from here so they never drift apart.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/AnalysisState.h"

namespace kor {

inline constexpr std::array<std::string_view, 3> ident = {
    program_caption,
    "Classical test theory analysis of multiple-choice tests",
    "Written for teachers and test developers; provided as is, without warranty",
};

inline std::vector<std::string> ident_lines() {
    return {ident.begin(), ident.end()};
}

}  // namespace kor
