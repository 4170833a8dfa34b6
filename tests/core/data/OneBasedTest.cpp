#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "core/data/OneBased.h"

namespace kor {
namespace {

// Slots are made as they are first written; a reference to one stays valid
// while later slots are made, and a slot never written reads as a fresh value.
TEST(OneBasedHeap, MakesSlotsAsTheyAreWrittenAndKeepsReferencesValid) {
    OneBasedHeap<std::string, 9999> names;
    const OneBasedHeap<std::string, 9999>& read_only = names;
    std::string& first = names[1];
    first = "first";
    names[9999] = "last";
    EXPECT_EQ(first, "first");
    first += " again";
    EXPECT_EQ(read_only[1], "first again");
    EXPECT_EQ(read_only[9999], "last");
    EXPECT_EQ(read_only[5000], "");

    OneBasedHeap<std::string, 9999> fewer;
    fewer[3] = "three";
    OneBasedHeap<std::string, 9999> copy = fewer;
    std::string& kept = copy[3];
    copy[9000] = "far";
    EXPECT_EQ(kept, "three");
    copy = names;  // a copy of more slots than were there
    EXPECT_EQ(copy[9999], "last");
    EXPECT_EQ(copy[3], "");
}

TEST(ZeroedBytes, ReadsZeroUntilWrittenAndCopiesWhole) {
    ZeroedBytes bytes(1u << 20);
    EXPECT_EQ(bytes[0], 0);
    EXPECT_EQ(bytes[(1u << 20) - 1], 0);
    bytes[12345] = 7;
    ZeroedBytes copy = bytes;
    bytes[12345] = 8;
    EXPECT_EQ(copy[12345], 7);
    copy = bytes;
    EXPECT_EQ(copy[12345], 8);
    EXPECT_EQ(copy[12346], 0);

    // A table never written reads zero, also through a copy, and writing
    // one copy leaves the other as it was.
    const ZeroedBytes unwritten(1u << 20);
    ZeroedBytes written = unwritten;
    EXPECT_EQ(unwritten[4242], 0);
    written[4242] = 3;
    copy = unwritten;
    EXPECT_EQ(std::as_const(copy)[4242], 0);
    EXPECT_EQ(unwritten[4242], 0);
    EXPECT_EQ(written[4242], 3);
}

TEST(OneBasedLines, KeepsEachLineAsItWasAndNothingOfAnEarlierSet) {
    OneBasedLines lines;
    EXPECT_EQ(lines[1], "");
    lines.assign({"S01ABCA", "", "S03  D\t", std::string(300, 'x')});
    EXPECT_EQ(lines[1], "S01ABCA");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "S03  D\t");
    EXPECT_EQ(lines[4], std::string(300, 'x'));
    EXPECT_EQ(lines[5], "");
    const OneBasedLines kept = lines;
    lines.assign({"T1"});
    EXPECT_EQ(lines[1], "T1");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(kept[3], "S03  D\t");
}

}  // namespace
}  // namespace kor
