#pragma once
// The program's own input file (".kor", version 6): a data set with the
// settings that travel with it, one value per line at a fixed place. The
// files of versions 3, 4 and 5 are read by the same reader: their layouts
// lack a few lines and keep the grades in preset scales.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Outcome.h"

namespace kor {

struct AnalysisState;

inline constexpr const char* input_file_signature = "KOR: Korvath (version 6)";
// No input file comes near this size (9999 lines of at most 107 characters);
// anything larger is refused before it is read.
inline constexpr std::size_t input_file_max_bytes = 16u * 1024u * 1024u;

// The lines of the input file for the current editor texts and settings.
std::vector<std::string> input_file_lines(const AnalysisState& state);

// The lines of the input file that hold the data set itself, without the
// analysis settings that travel with it (group percentages, grading scale):
// equal lines mean the same data. They are given one by one to `visit`, the
// data lines straight from the editor's texts, uncopied.
void visit_data_set_lines(const AnalysisState& state,
                          const std::function<void(std::string_view)>& visit);

// Writes the input file to `path` (CR LF, atomically). Throws FileError.
void write_input_file(const AnalysisState& state, const std::string& path);

// The layouts of the input file by the version of the program that wrote it.
// Only version 6 starts with a signature; the older ones are read by place alone.
enum class InputLayout { version3, version4, version5, version6 };

// The dialogs whose boxes an input file fills, and whose OK steps reading it
// runs, so that each shows the file's values the next time it opens. The
// application supplies them; each returns the messages of its step. The
// reader has put the values into the data and settings before it calls.
class InputFileForms {
  public:
    virtual ~InputFileForms() = default;
    // Partial credit on: the boxes show data.mc_item_points and
    // data.pc_total_points, then its OK.
    virtual Outcome confirm_partial_credit() = 0;
    // Partial credit off: the boxes back to 1 and 0.
    virtual void clear_partial_credit() = 0;
    // The group percentages as the file holds them, then their OK.
    virtual Outcome confirm_groups(const std::string& upper, const std::string& lower) = 0;
    // The grading scale: no categories; a preset of 2, 5 or 12; or the user's
    // own `count` categories with their label and minimum texts as read
    // (1-based, the last category without a minimum), then the scale's OK.
    virtual void select_no_grading() = 0;
    virtual void select_grade_preset(int count) = 0;
    virtual Outcome select_user_grades(int count) = 0;
    virtual void set_grade_label(int category, const std::string& text) = 0;
    virtual void set_grade_minimum(int category, const std::string& text) = 0;
    virtual Outcome confirm_grades() = 0;
    // The table of specifications read into the data with `areas` content
    // areas and `levels` cognitive levels, then its OK.
    virtual Outcome confirm_table_of_specs(int areas, int levels) = 0;
};

// Reads input file contents into the editor texts and the settings, with the
// dialogs' steps the file drives. Refused on a wrong signature or a value
// that does not convert; what was read before stays.
Outcome read_input_text(AnalysisState& state, std::string_view contents, InputLayout layout,
                        InputFileForms& forms);

// Opens the file at `path` ("&Open KOR File"): records it as the data's
// source and reads it. Throws FileError when it cannot be read.
Outcome read_input_file(AnalysisState& state, const std::string& path, InputLayout layout,
                        InputFileForms& forms);

}  // namespace kor
