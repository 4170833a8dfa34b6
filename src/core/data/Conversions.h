#pragma once
// The data editor's conversions: the key line and the data lines rewritten
// as right-wrong (0/1) data, letters or numbers, and back. Each starts from a
// fresh load of the editor's texts and writes new texts into its boxes.

#include <string>

#include "core/Outcome.h"

namespace kor {

struct AnalysisState;
struct TTestData;

// The heading of the Convert menu tells the form the data are in; the
// window keeps it and the conversions set it.
struct ConvertMenu {
    std::string heading = "DATA are in ORIGINAL FORMAT";
};

namespace convert_caption {
inline constexpr const char* to_right_wrong = "    Convert Data to Right-Wrong Data";
inline constexpr const char* back_from_right_wrong =
    "    Convert Right-Wrong Back to Original Data";
inline constexpr const char* to_numbers = "    Convert Data to Numbers";
inline constexpr const char* to_letters = "    Convert Data to Letters";
inline constexpr const char* back_to_original_lines = "    Convert Data back to Original Lines";
}  // namespace convert_caption

// What the menu shows: in the right-wrong state only the way back is
// enabled, otherwise every conversion but that one.
struct ConvertMenuView {
    std::string heading;
    std::string toggle_caption;  // the hidden item that marks the data as right-wrong
    bool toggle_checked = false;
    bool to_right_wrong = false;
    bool back_from_right_wrong = false;
    bool to_numbers = false;
    bool to_letters = false;
    bool back_to_original_lines = false;
};
ConvertMenuView convert_menu_view(const AnalysisState& state, const ConvertMenu& menu);

// The hidden "Data are Right-Wrong (0/1) Data": toggles the flag and the menu state.
void toggle_right_wrong(AnalysisState& state, ConvertMenu& menu);

// 1 when examinee i's response on item j counts as right (one of the item's
// accepted answers, or any response on an item keyed 9), else 0. Every right
// answer counts, whether or not the item is included.
int right_wrong_code(const TTestData& data, int examinee, int item);

// Loads the data and rewrites them as 0/1 data, keeping the key, options and
// responses for the way back. Does nothing more when the load is refused
// (its messages are returned) or the data are already right-wrong.
Outcome convert_to_right_wrong(AnalysisState& state, ConvertMenu& menu);

// Restores what the right-wrong conversion kept and the lines of the first
// load; only while the data are right-wrong.
void convert_back_from_right_wrong(AnalysisState& state, ConvertMenu& menu);

// Loads the data and rewrites the key and data lines with letters (A-H) or
// numbers (1-8), "." for a missing response. Returns the load's messages.
Outcome convert_to_letters(AnalysisState& state, ConvertMenu& menu);
Outcome convert_to_numbers(AnalysisState& state, ConvertMenu& menu);

// Puts back the key, options, include and data lines of the first load;
// before any load it only resets the menu.
void convert_back_to_original_lines(AnalysisState& state, ConvertMenu& menu);

}  // namespace kor
