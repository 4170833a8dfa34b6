#include <gtest/gtest.h>

#include <string>

#include "core/data/Codes.h"

namespace kor {
namespace {

TEST(ResponseCode, LettersAndDigitsNameTheSameOption) {
    const std::string digits = "12345678";
    const std::string upper = "ABCDEFGH";
    const std::string lower = "abcdefgh";
    for (std::size_t k = 0; k < digits.size(); ++k) {
        const auto expected = static_cast<std::uint8_t>(k + 1);
        EXPECT_EQ(response_code(digits[k], 8), expected);
        if (upper[k] != 'F') {  // "F" depends on the option count, see below
            EXPECT_EQ(response_code(upper[k], 8), expected);
            EXPECT_EQ(response_code(lower[k], 8), expected);
        }
    }
}

TEST(ResponseCode, TrueFalseAndZeroDependOnTwoOptions) {
    EXPECT_EQ(response_code('T', 2), 1);
    EXPECT_EQ(response_code('t', 2), 1);
    EXPECT_EQ(response_code('T', 4), missing_code);
    EXPECT_EQ(response_code('F', 2), 2);
    EXPECT_EQ(response_code('f', 2), 2);
    EXPECT_EQ(response_code('F', 4), 6);
    EXPECT_EQ(response_code('F', 1), 6);
    EXPECT_EQ(response_code('0', 2), 2);
    EXPECT_EQ(response_code('0', 5), 0);
    EXPECT_EQ(response_code('1', 2), 1);
}

TEST(ResponseCode, EverythingElseIsMissing) {
    for (char c : {' ', '.', '9', 'x', '*', 'I', 'z', '\0', '\xff'}) {
        EXPECT_EQ(response_code(c, 5), missing_code) << static_cast<int>(c);
    }
}

TEST(IncludeCode, BlankAndYIncludeAIncludesWithAlternativesRestExcludes) {
    EXPECT_EQ(include_code(' '), include_plain);
    EXPECT_EQ(include_code('Y'), include_plain);
    EXPECT_EQ(include_code('y'), include_plain);
    EXPECT_EQ(include_code('A'), include_alternatives);
    EXPECT_EQ(include_code('a'), include_alternatives);
    EXPECT_EQ(include_code('N'), include_excluded);
    EXPECT_EQ(include_code('1'), include_excluded);
}

}  // namespace
}  // namespace kor
