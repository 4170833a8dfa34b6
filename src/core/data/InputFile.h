#pragma once
// The program's own input file (".kor", version 6): a data set with the
// settings that travel with it, one value per line at a fixed place.

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

// Writes the input file to `path` (CR LF, atomically). Throws FileError.
void write_input_file(const ProgramState& state, const std::string& path);

// Reads input file contents into the editor texts and the settings, running
// the dialogs' OK steps the file drives. Refused on a wrong signature or a
// value that does not convert; what was read before stays.
Outcome read_input_text(ProgramState& state, std::string_view contents);

// Opens the file at `path` ("&Open KOR File"): records it as the data's
// source and reads it. Throws FileError when it cannot be read.
Outcome read_input_file(ProgramState& state, const std::string& path);

}  // namespace kor
