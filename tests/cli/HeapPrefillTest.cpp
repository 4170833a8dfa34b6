// How much heap a command is given at once: a multiple of the data file it
// reads, nothing for a file it only writes or no file.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HeapPrefill.h"
#include "support/TempFolder.h"

namespace kor {
namespace {

TEST(HeapPrefill, FollowsTheDataFileTheCommandReads) {
    const testing::TempFolder folder;
    const std::string large = folder.write("large.kor", std::string(1u << 20, 'x'));
    const std::string small = folder.write("small.kor", std::string(1000, 'x'));
    const struct {
        std::vector<std::string> args;
        std::size_t expected;
    } cases[] = {
        {{"kor", "analyze", large}, (6u << 20) + 256 * 1024},
        {{"kor", "check", large, "--strict"}, (6u << 20) + 256 * 1024},
        {{"kor", "analyze", large, "--save", "r.txt"}, (11u << 20) + 256 * 1024},
        {{"kor", "analyze", small}, 6 * 1000 + 256 * 1024},
        // The files the command writes do not count.
        {{"kor", "analyze", small, "--json", large}, 6 * 1000 + 256 * 1024},
        {{"kor", "analyze", "--example", "set1"}, 0},         // no data file
        {{"kor", "analyze", folder.file("missing.kor")}, 0},  // none there
        {{"kor", "--version"}, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(expected_heap_bytes(c.args), c.expected) << c.args.back();
    }
}

}  // namespace
}  // namespace kor
