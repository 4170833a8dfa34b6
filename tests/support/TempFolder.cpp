#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <system_error>
#include <vector>

namespace kor::testing {

namespace fs = std::filesystem;

namespace {

// Long enough to tell the tests apart, short enough for any file system.
constexpr std::size_t longest_name_part = 96;

// "Suite.Test" of the running test, with every character that is not a
// letter, digit or underscore (the '/' of parameterised tests) made '_'.
std::string name_of_running_test() {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info == nullptr ? "outside_a_test"
                                       : std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : name) {
        if (std::isalnum(static_cast<unsigned char>(c)) == 0 && c != '.') {
            c = '_';
        }
    }
    name.resize(std::min(name.size(), longest_name_part));
    return name;
}

fs::path make_unique_folder() {
    std::string pattern =
        (fs::temp_directory_path() / ("kor_" + name_of_running_test() + "_XXXXXX")).string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (::mkdtemp(buffer.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary folder " + pattern + ": " +
                                 std::strerror(errno));
    }
    return fs::path(buffer.data());
}

// A test may leave read-only folders behind; removing their contents needs
// the write permission back first.
void make_writable(const fs::path& folder) {
    std::error_code ignored;
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ignored);
    for (fs::recursive_directory_iterator it(folder, ignored), end; !ignored && it != end;
         it.increment(ignored)) {
        if (it->is_directory(ignored) && !it->is_symlink(ignored)) {
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        }
    }
}

}  // namespace

TempFolder::TempFolder() : path_(make_unique_folder()) {}

TempFolder::~TempFolder() {
    make_writable(path_);
    std::error_code error;
    fs::remove_all(path_, error);
    if (error) {
        ADD_FAILURE() << "the temporary folder " << path_
                      << " was not removed: " << error.message();
    }
}

std::string TempFolder::file(std::string_view name) const {
    return (path_ / name).string();
}

std::string TempFolder::write(std::string_view name, std::string_view bytes) const {
    const std::string target = file(name);
    std::ofstream out(target, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + target);
    }
    return target;
}

}  // namespace kor::testing
