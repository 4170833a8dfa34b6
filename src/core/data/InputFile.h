#pragma once
// The program's own input file (".kor", version 6): a data set with the
// settings that travel with it, one value per line at a fixed place. The
// files of versions 3, 4 and 5 are read by the same reader: their layouts
// lack a few lines and keep the grades in preset scales.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/Outcome.h"

namespace kor {

struct ProgramState;

inline constexpr const char* input_file_signature = "KOR: Korvath (version 6)";
// No input file comes near this size (9999 lines of at most 107 characters);
// anything larger is refused before it is read.
inline constexpr std::size_t input_file_max_bytes = 16u * 1024u * 1024u;

// The lines of the input file for the current editor texts and settings.
std::vector<std::string> input_file_lines(const ProgramState& state);

// The lines of the input file that hold the data set itself, without the
// analysis settings that travel with it (group percentages, grading scale):
// equal lines mean the same data.
std::vector<std::string> data_set_lines(const ProgramState& state);

// Writes the input file to `path` (CR LF, atomically). Throws FileError.
void write_input_file(const ProgramState& state, const std::string& path);

// The layouts of the input file by the version of the program that wrote it.
// Only version 6 starts with a signature; the older ones are read by place alone.
enum class InputLayout { version3, version4, version5, version6 };

// Reads input file contents into the editor texts and the settings, running
// the dialogs' OK steps the file drives. Refused on a wrong signature or a
// value that does not convert; what was read before stays.
Outcome read_input_text(ProgramState& state, std::string_view contents,
                        InputLayout layout = InputLayout::version6);

// Opens the file at `path` ("&Open KOR File"): records it as the data's
// source and reads it. Throws FileError when it cannot be read.
Outcome read_input_file(ProgramState& state, const std::string& path,
                        InputLayout layout = InputLayout::version6);

}  // namespace kor
