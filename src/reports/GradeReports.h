#pragma once
// The individual grade reports: an instructor list of every examinee's score
// and wrong answers, then one report per examinee with the class statistics
// and the examinee's responses against the correct answers. The view form is
// one continuous text; the file form is paginated for printing.

#include <string>
#include <vector>

#include "core/Outcome.h"

namespace kor {

struct AnalysisState;

inline constexpr int grade_view_max_examinees = 200;
inline constexpr int grade_save_max_examinees = 500;
// Above this line count a page of the instructor list is full.
inline constexpr int grade_list_page_lines = 52;

// Both forms list the examinees in data order and the items by number.
// Refused beyond the size limits.
struct GradeReport {
    Outcome outcome;
    std::vector<std::string> lines;
};
GradeReport grade_report_view(const AnalysisState& state);
GradeReport grade_report_file(const AnalysisState& state);

// Writes the file form to `path`; refused (nothing written) beyond 500
// examinees. Throws FileError.
Outcome save_grade_reports(const AnalysisState& state, const std::string& path);

// The name the save dialog proposes: the data set's name, or "Grade_Report".
std::string grade_report_file_name(const AnalysisState& state);

}  // namespace kor
