#pragma once
// Lines that several quick reports and their viewer texts share: rules, the
// title and comment lines, and the score summary of the examinees.

#include <string>
#include <string_view>
#include <vector>

#include "core/analysis/Records.h"

namespace kor {

struct AnalysisState;
struct TTestData;

// A rule of `count` copies of `c`.
std::string rule(char c, int count);

// "TITLE:   " and the title, "COMMENT: " and the comment, each at most 79 characters.
std::string title_line(const TTestData& data);
std::string comment_line(const TTestData& data);

// With partial or extra credit the summaries describe the points (PC_Score)
// out of total_possible; otherwise the number correct out of k.
bool reports_points(const AnalysisState& state);
const ScoreStatistics& reported_scores(const AnalysisState& state);
double reported_total(const AnalysisState& state);

// value / total as a percentage; 0 when nothing can be scored, so that a
// test worth no points never prints a division by zero.
double percent_of(double value, double total);

std::string examinee_count_line(const AnalysisState& state);

// How the points behind the total possible score are spelt out: on the
// total's line (examinee output) or on a line of its own (main window pane,
// item viewer).
enum class PointsNote { same_line, own_line };
std::vector<std::string> total_possible_lines(const AnalysisState& state, PointsNote note);

// label + value (3 decimals) + " = " + its percentage of the total (1 decimal) + "%".
std::string score_percent_line(std::string_view label, double value, double total);

// label + value (3 decimals).
std::string value_line(std::string_view label, double value);

// The summary lines from "Number of Examinees" to "Kurtosis".
std::vector<std::string> score_summary_lines(const AnalysisState& state, PointsNote note);

// Appends `more` to `lines`.
void append(std::vector<std::string>& lines, const std::vector<std::string>& more);

}  // namespace kor
