#pragma once
// Reading and writing whole text files, and the rules that keep a command from
// writing over files it must not replace. Failures of the file system throw
// FileError with the operating system's message.

#include <cstddef>
#include <functional>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kor {

class FileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The bytes of the file at `path`. Throws FileError when it cannot be read or
// when it is larger than `max_bytes` (no file of this program comes near it).
std::string read_file(const std::string& path, std::size_t max_bytes);

// `lines`, each ended by CR LF: the bytes every text file of the program holds.
std::string crlf_text(const std::vector<std::string>& lines);

// Takes the bytes of a file as they are produced, so that a large file never
// has to be held whole in memory.
class TextSink {
  public:
    virtual ~TextSink() = default;
    virtual void write(std::string_view bytes) = 0;
};

// A sink that keeps everything in one text.
class StringSink : public TextSink {
  public:
    void write(std::string_view bytes) override { text.append(bytes); }
    std::string text;
};

// A sink that passes everything on to a stream (standard output).
class OstreamSink : public TextSink {
  public:
    explicit OstreamSink(std::ostream& out) : out_(out) {}
    void write(std::string_view bytes) override {
        out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

  private:
    std::ostream& out_;
};

// Writes the bytes `produce` gives its sink to `path`, by the rules of
// write_lines_atomic below: the file appears complete or not at all.
void write_atomic(const std::string& path, const std::function<void(TextSink&)>& produce);

// Writes `lines`, each ended by CR LF, to `path`. A regular file or a new name
// is written to a temporary file beside it that is then renamed over it, so a
// failed save never destroys the previous file; a link to a regular file
// keeps the link and replaces the file it points to. A device or a pipe (also
// through a link) is written into directly, never replaced. A folder is
// refused with the system's message.
void write_lines_atomic(const std::string& path, const std::vector<std::string>& lines);

// Whether the two paths name the same file however they are spelt ("./q.kor",
// "dir/../q.kor", symbolic and hard links), also when neither exists yet.
bool same_file(const std::string& a, const std::string& b);

// Whether `path` is a regular file holding exactly `bytes`. A file that cannot
// be read counts as holding something else.
bool file_holds(const std::string& path, const std::string& bytes);

// Why one command may not write the files `targets`: one of them is a folder,
// two of them name the same file, or one is the file its data were read from
// (`source`; empty when the data came from no file). Devices and pipes are
// written into rather than replaced and never clash. Nothing when all may be
// written. Checked before the first file is written, so a refusal writes
// nothing at all.
std::optional<std::string> write_targets_refusal(const std::vector<std::string>& targets,
                                                 const std::string& source);

// The file name of `path` without its folder.
std::string file_name_of(const std::string& path);

// `path` without its extension (the last "." of the file name and what follows).
std::string strip_extension(const std::string& path);

}  // namespace kor
