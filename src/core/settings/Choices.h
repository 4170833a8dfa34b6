#pragma once
// The choices of the main window's Options menu that the analysis settings
// hold as flags: one enum each, the choice the flags make, and one table of
// the names by which the command line and the machine-readable results call
// them.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kor {

struct AnalysisSettings;

// "Use Raw Scores / Percentages / Grade Letters in Confidence Bands"; after
// "No Grading Categories" no unit is chosen (the bands then stay in raw scores).
enum class BandUnit { none, raw_scores, percentages, grade_letters };
// "Do NOT Sort Examinees", "Sort Examinees by Label", "... by Score".
enum class ExamineeOrder { none, label, score };
// "Sort Items by Item Number", "... by Difficulty", ... .
enum class ItemOrder {
    number,
    difficulty,
    discrimination,
    point_biserial,
    adjusted_point_biserial
};

// The error the confidence bands of the web page, the JSON and the CSV
// results use: the one SEM of the reports, or the conditional standard error
// at each examinee's score.
enum class BandsError { sem, csem };
// How an answer the examinee did not reach counts in the items' difficulty
// and point-biserial of the web page, the JSON and the CSV results: as wrong,
// as every report scores it, or left out of the item's examinees.
enum class NotReached { wrong, exclude };

// The confidence levels a reliability interval may take.
inline constexpr double ci_levels[] = {0.90, 0.95, 0.99};

// The choice the settings' flags make.
BandUnit band_unit_of(const AnalysisSettings& settings);
ExamineeOrder examinee_order_of(const AnalysisSettings& settings);
ItemOrder item_order_of(const AnalysisSettings& settings);

// The names ("raw", "label", "pbis", ...), and the choice a name stands for.
const char* name_of(BandUnit unit);
const char* name_of(ExamineeOrder order);
const char* name_of(ItemOrder order);
const char* name_of(BandsError error);
const char* name_of(NotReached use);
std::optional<BandUnit> band_unit_named(std::string_view name);
std::optional<ExamineeOrder> examinee_order_named(std::string_view name);
std::optional<ItemOrder> item_order_named(std::string_view name);
std::optional<BandsError> bands_error_named(std::string_view name);
std::optional<NotReached> not_reached_named(std::string_view name);
// Every name of a kind, in the menu's order.
std::vector<std::string> band_unit_names();
std::vector<std::string> examinee_order_names();
std::vector<std::string> item_order_names();
std::vector<std::string> bands_error_names();
std::vector<std::string> not_reached_names();
// A confidence level as the command line writes it ("0.95"), and the level
// a text stands for: none unless it is one of ci_levels.
std::string ci_level_name(double level);
std::vector<std::string> ci_level_names();
std::optional<double> ci_level_named(std::string_view name);

}  // namespace kor
