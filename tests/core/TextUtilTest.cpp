#include <gtest/gtest.h>

#include "core/TextUtil.h"

namespace kor {
namespace {

TEST(ParseInteger, AcceptsWholeNumbersWithBlanksAndSign) {
    EXPECT_EQ(parse_integer("27"), 27);
    EXPECT_EQ(parse_integer(" 27 "), 27);
    EXPECT_EQ(parse_integer("-3"), -3);
    EXPECT_EQ(parse_integer("+3"), 3);
    EXPECT_EQ(parse_integer("007"), 7);
}

TEST(ParseInteger, RefusesEverythingElse) {
    for (const char* text : {"", " ", "27.5", "1e3", "0x10", "2 7", "-", "abc", "12a"}) {
        EXPECT_FALSE(parse_integer(text).has_value()) << text;
    }
}

TEST(ParseInteger, HugeNumbersAreClampedNotOverflowed) {
    EXPECT_EQ(parse_integer("99999999999999999999999"), integer_clamp);
    EXPECT_EQ(parse_integer("-99999999999999999999999"), -integer_clamp);
    EXPECT_EQ(parse_int("99999999999"), 2147483647);
}

TEST(ParseReal, UsesOnlyTheGivenSeparators) {
    EXPECT_EQ(parse_real("0.20", "."), 0.20);
    EXPECT_FALSE(parse_real("0.20", ",").has_value());
    EXPECT_EQ(parse_real("0,20", ","), 0.20);
    EXPECT_EQ(parse_real("1,5", ".,"), 1.5);
    EXPECT_EQ(parse_real("-1", "."), -1.0);
    EXPECT_EQ(parse_real(".5", "."), 0.5);
    EXPECT_EQ(parse_real("5.", "."), 5.0);
    EXPECT_EQ(parse_real("1e2", "."), 100.0);
}

TEST(ParseReal, RefusesNonNumbersAndNonFiniteValues) {
    for (const char* text :
         {"", ".", "-", "abc", "inf", "nan", "1e", "1e999", "0x1p3", "1.2.3", "1 2"}) {
        EXPECT_FALSE(parse_real(text, ".").has_value()) << text;
    }
}

TEST(ShortestReal, WritesTheShortestFormWithoutExponent) {
    EXPECT_EQ(shortest_real(1.0), "1");
    EXPECT_EQ(shortest_real(2.0), "2");
    EXPECT_EQ(shortest_real(1.5), "1.5");
    EXPECT_EQ(shortest_real(0.2), "0.2");
    EXPECT_EQ(shortest_real(-0.0), "0");
    EXPECT_EQ(shortest_real(0.00001), "0.00001");
    EXPECT_EQ(shortest_real(1e20), "100000000000000000000");
}

TEST(SplitLines, ViewsGiveTheSameLines) {
    for (const std::string_view text :
         {"a\r\nb\nc\rd", "a\r\n\r\nb\r\n", "", "\n", "x", "\r\r\n", "a\n\n"}) {
        const std::vector<std::string_view> views = line_views(text);
        EXPECT_EQ(std::vector<std::string>(views.begin(), views.end()), split_lines(text)) << text;
    }
    EXPECT_EQ(line_views("\r\r\n"), (std::vector<std::string_view>{"", ""}));
}

TEST(SplitLines, AcceptsEveryLineEnd) {
    EXPECT_EQ(split_lines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(split_lines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(split_lines(""), std::vector<std::string>{});
    EXPECT_EQ(split_lines("\n"), std::vector<std::string>{""});
}

TEST(CutAndPad, KeepWholeTextWithinLimits) {
    EXPECT_EQ(cut("abcdef", 4), "abcd");
    EXPECT_EQ(cut("ab", 4), "ab");
    EXPECT_EQ(pad_right("A", 4), "A   ");
    EXPECT_EQ(pad_right("Excel", 4), "Excel");
}

}  // namespace
}  // namespace kor
