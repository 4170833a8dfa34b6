#pragma once
// The grading-scale file ("kor.ini" in the working folder, or any ".ini" the
// user names): the grade dialog's edits, one value per line, kept between runs.

#include <string>
#include <string_view>
#include <vector>

#include "core/Outcome.h"

namespace kor {

struct ProgramState;

inline constexpr const char* default_scale_file = "kor.ini";

// The file's lines from the dialog's edits as they are: "USER=YES" or
// "USER=NO", the number of categories, label 1, then for each further
// category its minimum and its label.
std::vector<std::string> scale_file_lines(const ProgramState& state);

// "Save as Defaults" / "Save INI File". Throws FileError.
void write_scale_file(const ProgramState& state, const std::string& path);

// Loads a scale file into the dialog: selects the scheme and fills the
// edits; `store` also stores the labels and minimums (as opening the dialog
// does). A count or (when storing) a minimum that is no number ends the load
// with a message; what was read stays.
Outcome load_scale_text(ProgramState& state, std::string_view contents, bool store);
Outcome load_scale_file(ProgramState& state, const std::string& path,
                        bool store);  // throws FileError

// "Delete Saved Defaults": removes kor.ini from `folder`; silent when there is none.
void delete_saved_defaults(const std::string& folder);

// Opening the grade dialog: the sentence over the rows is cleared, and
// kor.ini from `folder` is loaded with storing when it exists.
Outcome open_grade_dialog(ProgramState& state, const std::string& folder);

// "Use Grade Letters in Confidence Bands" and the command line's scale file:
// loads the scale without storing, then confirms it with OK, and the bands
// are shown in letters. `path` empty or missing: the scale in force is confirmed.
Outcome use_grade_letters(ProgramState& state, const std::string& path);

}  // namespace kor
