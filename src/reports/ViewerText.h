#pragma once
// What the quick results viewer shows for each quick report, and the lines
// its Save command writes.

#include <string>
#include <vector>

namespace kor {

struct AnalysisState;

// The report the viewer holds; its Save command names and closes the file by it.
enum class QuickReport { examinees, items, options };

// The examinee view around the examinee output kept from the analysis
// (the examinee output), closed by the item statistics of the test.
std::vector<std::string> quick_examinee_view(const AnalysisState& state,
                                             const std::vector<std::string>& examinee_lines);

// The item view around the item analysis output (the item output), closed by the
// score statistics of the examinees.
std::vector<std::string> quick_item_view(const AnalysisState& state,
                                         const std::vector<std::string>& item_lines);

// The options view: the quick options report rebuilt from the results.
std::vector<std::string> quick_options_view(const AnalysisState& state);

// The closing lines the saved file adds after the viewer's text.
std::vector<std::string> viewer_save_tail(const AnalysisState& state, QuickReport report);

// The saved file: title lines, the viewer's text, and the tail of its report.
std::vector<std::string> viewer_save_lines(const AnalysisState& state, QuickReport report,
                                           const std::vector<std::string>& viewer_lines);

}  // namespace kor
