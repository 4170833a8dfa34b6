#pragma once
// The input file's line keys and fixed texts, shared by its reader and its
// writer so that what is written reads back.

#include <algorithm>
#include <cstddef>

#include "core/AnalysisState.h"

namespace kor::input_file {

inline int clamped(int value, int low, int high) {
    return std::clamp(value, low, high);
}

// Every line but the data lines is a 16-character key and a value that
// starts in column 17.
constexpr std::size_t key_width = 16;
constexpr std::size_t grade_label_width = 4;
constexpr int alternative_entries = answer_slots;

constexpr const char* key_title = "Title         = ";
constexpr const char* key_comments = "Comments      = ";
constexpr const char* key_cases = "# Examinees   = ";
constexpr const char* key_items = "# Items       = ";
constexpr const char* key_missing = "Missing Data  = ";
constexpr const char* line_not_reached = "Not reached   = x";
constexpr const char* key_label_length = "Label Length  = ";
constexpr const char* key_answer_key = "Answer Key    = ";
constexpr const char* key_options = "# Options     = ";
constexpr const char* key_include = "Item Analyzed = ";
constexpr const char* key_disc_top = "High Group D% = ";
constexpr const char* key_disc_bottom = "Low Group D%  = ";
constexpr const char* key_partial_credit = "Partial Credit= ";
constexpr const char* key_mc_points = "MC Points     = ";
constexpr const char* key_grades = "# Grades      = ";
constexpr const char* grade_separator = "          = ";
constexpr const char* last_grade_tail = "   ";
constexpr const char* key_alternatives_count = "#Alternatives = ";
constexpr const char* key_alt_item = "Item #        = ";
constexpr const char* key_alt_entries = "Alternatives  = ";
constexpr const char* key_areas = "#Content Areas= ";
constexpr const char* key_levels = "#Cognitives   = ";
constexpr const char* switched_off = "NO";
// Version 3 kept no cognitive levels; its data sets are read with these two.
constexpr const char* standard_level_names[] = {"Knowledge", "Beyond Knowledge"};
constexpr const char* empty_alt_cell = "*";

constexpr const char* wrong_signature_message =
    "Sorry, your input file was not created by KOR (or was created before this feature was "
    "added).\r\n\r\n"
    "You can see a sample KOR INPUT file by running of the Sample Data Sets under Help and "
    "saving the KOR file.\r\n\r\n"
    "If you created the input file using KOR Version 3 or 4, you can try importing it using "
    "the options under the Help Menu in the Data Editor";

}  // namespace kor::input_file
