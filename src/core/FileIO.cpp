#include "core/FileIO.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace kor {

namespace {

std::string system_message(int error_number) { return std::generic_category().message(error_number); }

[[noreturn]] void fail(const std::string& what, const std::string& path, int error_number) {
    throw FileError(what + " \"" + path + "\": " + system_message(error_number));
}

// A name beside the target that no other save uses at the same moment.
std::string temporary_path_for(const std::string& path) {
    std::random_device seed;
    std::mt19937 random(seed());
    return path + ".tmp" + std::to_string(random() % 1000000u);
}

}  // namespace

std::string read_file(const std::string& path, std::size_t max_bytes) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        fail("Cannot read", path, EISDIR);
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        fail("Cannot open", path, errno != 0 ? errno : ENOENT);
    }
    std::string contents;
    char buffer[65536];
    while (in) {
        in.read(buffer, sizeof buffer);
        contents.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (contents.size() > max_bytes) {
            throw FileError("Cannot read \"" + path + "\": the file is larger than " +
                            std::to_string(max_bytes / (1024 * 1024)) + " MB and cannot be a file of this program");
        }
    }
    if (in.bad()) {
        fail("Cannot read", path, errno != 0 ? errno : EIO);
    }
    return contents;
}

void write_lines_atomic(const std::string& path, const std::vector<std::string>& lines) {
    const std::string temporary = temporary_path_for(path);
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) {
        fail("Cannot create", path, errno);
    }
    bool ok = true;
    for (const std::string& line : lines) {
        if (std::fwrite(line.data(), 1, line.size(), file) != line.size() || std::fwrite("\r\n", 1, 2, file) != 2) {
            ok = false;
            break;
        }
    }
    int write_error = ok ? 0 : errno;
    if (std::fclose(file) != 0 && ok) {
        ok = false;
        write_error = errno;
    }
    if (!ok) {
        std::remove(temporary.c_str());
        fail("Cannot write", path, write_error != 0 ? write_error : EIO);
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        int rename_error = errno;
        std::remove(temporary.c_str());
        fail("Cannot write", path, rename_error);
    }
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
