#include "core/FileIO.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <system_error>

namespace kor {

namespace {

namespace fs = std::filesystem;

std::string system_message(int error_number) {
    return std::generic_category().message(error_number);
}

std::string quoted(const std::string& path) {
    return "\"" + path + "\"";
}

[[noreturn]] void fail(const std::string& what, const std::string& path, int error_number) {
    throw FileError(what + " " + quoted(path) + ": " + system_message(error_number));
}

// A name beside the target that no other save uses at the same moment.
std::string temporary_path_for(const std::string& path) {
    std::random_device seed;
    std::mt19937 random(seed());
    return path + ".tmp" + std::to_string(random() % 1000000u);
}

// The open file as a sink: the first failure is kept and later bytes are
// dropped, so that the caller learns of it when the file is closed.
class FileSink : public TextSink {
  public:
    explicit FileSink(std::FILE* file) : file_(file) {
        // Large writes: the producers hand over whole lines or blocks.
        std::setvbuf(file_, nullptr, _IOFBF, 1 << 16);
    }
    void write(std::string_view bytes) override {
        if (error_ == 0 && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
            error_ = errno != 0 ? errno : EIO;
        }
    }
    // Closes the file; the error number of the first failure, or 0.
    int close() {
        if (std::fclose(file_) != 0 && error_ == 0) {
            error_ = errno != 0 ? errno : EIO;
        }
        return error_;
    }

  private:
    std::FILE* file_;
    int error_ = 0;
};

using Producer = std::function<void(TextSink&)>;

// Writes what `produce` gives to the open `file` and closes it; the error
// number of the first failure, or 0. A failure of `produce` itself closes
// the file before it goes on.
int write_and_close(std::FILE* file, const Producer& produce) {
    FileSink sink(file);
    try {
        produce(sink);
    } catch (...) {
        sink.close();
        throw;
    }
    return sink.close();
}

// A device or a pipe is opened and written like a terminal: there is nothing
// beside it to rename, and replacing it would break what it stands for.
void write_into(const std::string& path, const Producer& produce) {
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        fail("Cannot open", path, errno != 0 ? errno : EIO);
    }
    if (const int error = write_and_close(file, produce); error != 0) {
        fail("Cannot write", path, error);
    }
}

// An exclusive create, so that a file that happens to carry the temporary
// name is never truncated; a few names are tried. Sets `error` on failure.
std::FILE* create_temporary_beside(const std::string& target, std::string& temporary, int& error) {
    for (int attempt = 0; attempt < 8; ++attempt) {
        temporary = temporary_path_for(target);
        errno = 0;
        if (std::FILE* file = std::fopen(temporary.c_str(), "wbx")) {
            return file;
        }
        error = errno != 0 ? errno : EIO;
        if (error != EEXIST) {
            break;
        }
    }
    return nullptr;
}

// `path` is what the user named (for messages), `target` the regular file or
// new name that receives the text.
void replace_atomically(const std::string& path, const std::string& target,
                        const Producer& produce) {
    std::string temporary;
    int create_error = 0;
    std::FILE* file = create_temporary_beside(target, temporary, create_error);
    if (file == nullptr) {
        fail("Cannot create", path, create_error);
    }
    int error = 0;
    try {
        error = write_and_close(file, produce);
    } catch (...) {
        std::remove(temporary.c_str());
        throw;
    }
    if (error != 0) {
        std::remove(temporary.c_str());
        fail("Cannot write", path, error);
    }
    // The new file keeps the permissions of the one it replaces.
    std::error_code ignored;
    const fs::file_status old = fs::status(target, ignored);
    if (fs::is_regular_file(old)) {
        fs::permissions(temporary, old.permissions(), ignored);
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        const int rename_error = errno;
        std::remove(temporary.c_str());
        fail("Cannot write", path, rename_error);
    }
}

// `path` with the links of its last part followed, a dangling one too, made
// absolute and free of "." and "..": two spellings of one file not yet
// written give the same text.
fs::path comparable_form(const std::string& path) {
    std::error_code ec;
    fs::path resolved = fs::absolute(path, ec);
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(resolved, ec)); ++hops) {
        const fs::path link = fs::read_symlink(resolved, ec);
        if (ec) {
            break;
        }
        resolved = link.is_absolute() ? link : resolved.parent_path() / link;
    }
    const fs::path canonical = fs::weakly_canonical(resolved, ec);
    return ec ? resolved.lexically_normal() : canonical;
}

// What telling paths apart needs, read with one look at the file system
// (through links), so that comparing many paths looks at each only once.
struct FileIdentity {
    std::string path;
    bool exists = false;
    mode_t mode = 0;
    dev_t device = 0;
    ino_t inode = 0;
    std::optional<fs::path> comparable;  // made only for a file not there yet
};

FileIdentity identity_of(const std::string& path) {
    FileIdentity identity;
    identity.path = path;
    struct stat seen {};
    if (::stat(path.c_str(), &seen) == 0) {
        identity.exists = true;
        identity.mode = seen.st_mode;
        identity.device = seen.st_dev;
        identity.inode = seen.st_ino;
    }
    return identity;
}

const fs::path& comparable_form_of(FileIdentity& identity) {
    if (!identity.comparable) {
        identity.comparable = comparable_form(identity.path);
    }
    return *identity.comparable;
}

// Two files that exist are the same when they are one file on one device;
// two that do not are the same when their names resolve alike.
bool same_identity(FileIdentity& a, FileIdentity& b) {
    if (a.exists && b.exists) {
        return a.device == b.device && a.inode == b.inode;
    }
    if (a.exists || b.exists) {
        return false;
    }
    return comparable_form_of(a) == comparable_form_of(b);
}

// Written into, not replaced: a device, a pipe or a socket (also through a link).
bool is_written_into(const std::string& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    return fs::exists(status) && !fs::is_regular_file(status) && !fs::is_directory(status);
}

}  // namespace

std::string read_file(const std::string& path, std::size_t max_bytes) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        fail("Cannot read", path, EISDIR);
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        fail("Cannot open", path, errno != 0 ? errno : ENOENT);
    }
    std::string contents;
    // Room for the whole file at once, so the text is never copied as it grows.
    if (const auto size = fs::file_size(path, ec); !ec && size <= max_bytes) {
        contents.reserve(static_cast<std::size_t>(size));
    }
    char buffer[65536];
    while (in) {
        in.read(buffer, sizeof buffer);
        contents.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (contents.size() > max_bytes) {
            throw FileError("Cannot read " + quoted(path) + ": the file is larger than " +
                            std::to_string(max_bytes / (1024 * 1024)) +
                            " MB and cannot be a file of this program");
        }
    }
    if (in.bad()) {
        fail("Cannot read", path, errno != 0 ? errno : EIO);
    }
    return contents;
}

std::string crlf_text(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void write_lines_atomic(const std::string& path, const std::vector<std::string>& lines) {
    write_atomic(path, [&lines](TextSink& sink) {
        for (const std::string& line : lines) {
            sink.write(line);
            sink.write("\r\n");
        }
    });
}

void write_atomic(const std::string& path, const std::function<void(TextSink&)>& produce) {
    std::error_code ec;
    const fs::file_status target = fs::status(path, ec);
    if (fs::is_directory(target)) {
        fail("Cannot write", path, EISDIR);
    }
    if (is_written_into(path)) {
        write_into(path, produce);
        return;
    }
    if (fs::is_symlink(fs::symlink_status(path, ec))) {
        // A dangling link is written through, creating the file it names; a
        // link to a regular file keeps pointing to the replaced file.
        if (!fs::exists(target)) {
            write_into(path, produce);
            return;
        }
        const fs::path real = fs::canonical(path, ec);
        replace_atomically(path, ec ? path : real.string(), produce);
        return;
    }
    replace_atomically(path, path, produce);
}

bool same_file(const std::string& a, const std::string& b) {
    FileIdentity first = identity_of(a);
    FileIdentity second = identity_of(b);
    return same_identity(first, second);
}

bool file_holds(const std::string& path, const std::string& bytes) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        return false;
    }
    const auto size = fs::file_size(path, ec);
    if (ec || size != bytes.size()) {
        return false;
    }
    try {
        return read_file(path, bytes.size()) == bytes;
    } catch (const FileError&) {
        return false;
    }
}

std::optional<std::string> write_targets_refusal(const std::vector<std::string>& targets,
                                                 const std::string& source) {
    const std::string nothing_written = "Nothing was written: ";
    std::optional<FileIdentity> source_identity;
    if (!source.empty()) {
        source_identity = identity_of(source);
    }
    std::vector<FileIdentity> seen;
    seen.reserve(targets.size());
    for (const std::string& target : targets) {
        seen.push_back(identity_of(target));
        FileIdentity& identity = seen.back();
        if (identity.exists && S_ISDIR(identity.mode)) {
            return nothing_written + "cannot write " + quoted(target) + ": " +
                   system_message(EISDIR);
        }
        if (identity.exists && !S_ISREG(identity.mode)) {
            continue;  // written into, never clashes
        }
        if (source_identity && same_identity(identity, *source_identity)) {
            return nothing_written + quoted(target) + " is the file the data were read from, " +
                   quoted(source) + ".";
        }
        for (std::size_t j = 0; j + 1 < seen.size(); ++j) {
            if (same_identity(seen[j], identity)) {
                return nothing_written + quoted(targets[j]) + " and " + quoted(target) +
                       " name the same file.";
            }
        }
    }
    return std::nullopt;
}

std::string file_name_of(const std::string& path) {
    auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string strip_extension(const std::string& path) {
    auto slash = path.find_last_of("/\\");
    auto dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return path;
    }
    return path.substr(0, dot);
}

}  // namespace kor
