#include <gtest/gtest.h>

#include "core/Format.h"

namespace kor {
namespace {

TEST(Fixed, RoundsTheShortestDecimalFormWithTiesAwayFromZero) {
    EXPECT_EQ(fixed(6.25, 1), "6.3");
    EXPECT_EQ(fixed(2.675, 2), "2.68");
    EXPECT_EQ(fixed(-6.25, 1), "-6.3");
    EXPECT_EQ(fixed(0.125, 2), "0.13");
    EXPECT_EQ(fixed(1.005, 2), "1.01");
    EXPECT_EQ(fixed(2.5, 0), "3");
    EXPECT_EQ(fixed(0.0449, 1), "0.0");
}

TEST(Fixed, PadsCarriesAndDropsTheSignOfZero) {
    EXPECT_EQ(fixed(7.0, 3), "7.000");
    EXPECT_EQ(fixed(99.995, 2), "100.00");
    EXPECT_EQ(fixed(9.96, 1), "10.0");
    EXPECT_EQ(fixed(-0.00004, 3), "0.000");
    EXPECT_EQ(fixed(-0.0, 2), "0.00");
    EXPECT_EQ(fixed(-0.0005, 3), "-0.001");
    EXPECT_EQ(fixed(-0.25, 2), "-0.25");
    EXPECT_EQ(fixed(0.000001234, 8), "0.00000123");
    EXPECT_EQ(fixed(12345678.9, 1), "12345678.9");
    EXPECT_EQ(fixed(1e20, 0), "100000000000000000000");
    EXPECT_EQ(fixed(32.130434782608695, 3), "32.130");
}

TEST(Whole, PlainDecimalDigits) {
    EXPECT_EQ(whole(0), "0");
    EXPECT_EQ(whole(10000), "10000");
    EXPECT_EQ(whole(-3), "-3");
}

TEST(General, ShortFormWithoutTrailingZeros) {
    EXPECT_EQ(general(1.0), "1");
    EXPECT_EQ(general(0.5), "0.5");
    EXPECT_EQ(general(-1.0), "-1");
    EXPECT_EQ(general(0.2), "0.2");
    EXPECT_EQ(general(0.1 + 0.2), "0.3");
    EXPECT_EQ(general(94.0), "94");
    EXPECT_EQ(general(-0.0), "0");
}

TEST(Align, RightAndLeftKeepWideText) {
    EXPECT_EQ(right("7", 3), "  7");
    EXPECT_EQ(right("1234", 3), "1234");
    EXPECT_EQ(left("A", 4), "A   ");
    EXPECT_EQ(left("ABCDE", 4), "ABCDE");
}

TEST(RoundHalfEven, SendsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(round_half_even(2.5), 2);
    EXPECT_EQ(round_half_even(3.5), 4);
    EXPECT_EQ(round_half_even(13.5), 14);
    EXPECT_EQ(round_half_even(8.1), 8);
    EXPECT_EQ(round_half_even(-2.5), -2);
}

}  // namespace
}  // namespace kor
