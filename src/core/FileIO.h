#pragma once
// Reading and writing whole text files. Failures of the file system throw
// FileError with the operating system's message; a write goes to a temporary
// file beside the target that is then renamed over it, so a failed save
// never destroys the previous file.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

namespace kor {

class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The bytes of the file at `path`. Throws FileError when it cannot be read or
// when it is larger than `max_bytes` (no file of this program comes near it).
std::string read_file(const std::string& path, std::size_t max_bytes);

// Writes `lines`, each ended by CR LF, to `path` atomically.
void write_lines_atomic(const std::string& path, const std::vector<std::string>& lines);

// The file name of `path` without its folder.
std::string file_name_of(const std::string& path);

// `path` without its extension (the last "." of the file name and what follows).
std::string strip_extension(const std::string& path);

}  // namespace kor
