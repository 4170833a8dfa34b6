#include "support/Golden.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

#include "core/TextUtil.h"

namespace kor::testing {

namespace {

bool updating_golden_files() {
    return std::getenv("KOR_UPDATE_GOLDEN") != nullptr;
}

bool read_bytes(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream contents;
    contents << in.rdbuf();
    bytes = contents.str();
    return true;
}

// Rewrites the golden file when its bytes differ from `text`, and says so.
void update_golden(const std::string& text, std::string_view name) {
    const std::string path = golden_path(name);
    std::string old_text;
    if (read_bytes(path, old_text) && old_text == text) {
        return;
    }
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out.flush()) {
        ADD_FAILURE() << "cannot write the golden file " << path;
        return;
    }
    std::cout << "KOR_UPDATE_GOLDEN: rewrote " << path << '\n';
}

}  // namespace

std::string golden_path(std::string_view name) {
    return std::string(KOR_TEST_DATA_DIR) + "/golden/" + std::string(name);
}

std::string golden(std::string_view name) {
    std::string bytes;
    EXPECT_TRUE(read_bytes(golden_path(name), bytes))
        << "cannot read " << golden_path(name) << " (KOR_UPDATE_GOLDEN=1 writes it)";
    return bytes;
}

void expect_golden(const std::vector<std::string>& actual, std::string_view name) {
    if (updating_golden_files()) {
        std::string text;
        for (const std::string& line : actual) {
            text += line + '\n';
        }
        update_golden(text, name);
        return;
    }
    const std::vector<std::string> expected = split_lines(golden(name));
    for (std::size_t i = 0; i < std::min(actual.size(), expected.size()); ++i) {
        ASSERT_EQ(actual[i], expected[i]) << name << " line " << i + 1;
    }
    EXPECT_EQ(actual.size(), expected.size()) << name;
}

void expect_golden_text(const std::string& actual, std::string_view name) {
    if (updating_golden_files()) {
        update_golden(actual, name);
        return;
    }
    EXPECT_EQ(actual, golden(name)) << name;
}

}  // namespace kor::testing
