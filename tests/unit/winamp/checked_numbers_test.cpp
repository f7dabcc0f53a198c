#include "winamp/checked_numbers.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <limits>

namespace marquill {
namespace {

// Guards against rounding halves away from zero or by the current floating-point mode.
TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    const struct {
        double value;
        double expected;
    } cases[] = {
        {64.5, 64},    {65.5, 66},    {0.5, 0},           {1.5, 2},
        {2.5, 2},      {-0.5, 0},     {-1.5, -2},         {-2.5, -2},
        {64.4999, 64}, {64.5001, 65}, {-64.6, -65},       {32767.5, 32768},
        {59.6, 60},    {0.0, 0},      {1e15 + 0.5, 1e15}, {2147483647.5, 2147483648.0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(roundHalfEven(c.value), c.expected) << c.value;
    }
}

TEST(RoundHalfEven, IgnoresTheFloatingPointRoundingMode) {
    const int saved = std::fegetround();
    std::fesetround(FE_UPWARD);
    const double up = roundHalfEven(2.5);
    std::fesetround(FE_DOWNWARD);
    const double down = roundHalfEven(3.5);
    std::fesetround(saved);
    EXPECT_EQ(up, 2);
    EXPECT_EQ(down, 4);
}

// Guards the 16-bit range check: it applies to the rounded value, at both ends.
TEST(CheckedConversion, SixteenBitRangeAfterRounding) {
    const struct {
        double value;
        bool fits;
        std::int16_t expected;
    } cases[] = {
        {32767.0, true, 32767},
        {32767.499, true, 32767},
        {32767.5, false, 0},
        {32768.0, false, 0},
        {-32768.0, true, -32768},
        {-32768.5, true, -32768},
        {-32769.5, false, 0},
        {-32768.6, false, 0},
        {0.5, true, 0},
        {1.5, true, 2},
        {std::numeric_limits<double>::quiet_NaN(), false, 0},
        {std::numeric_limits<double>::infinity(), false, 0},
    };
    for (const auto& c : cases) {
        if (c.fits) {
            EXPECT_EQ(roundToInt16(c.value), c.expected) << c.value;
        } else {
            EXPECT_THROW(roundToInt16(c.value), OverflowError) << c.value;
        }
    }
}

TEST(CheckedConversion, SixteenBitFromThirtyTwo) {
    EXPECT_EQ(toInt16(32767), 32767);
    EXPECT_EQ(toInt16(-32768), -32768);
    EXPECT_EQ(toInt16(0), 0);
    EXPECT_THROW(toInt16(32768), OverflowError);
    EXPECT_THROW(toInt16(-32769), OverflowError);
    EXPECT_THROW(toInt16(40000), OverflowError);
}

TEST(CheckedConversion, ThirtyTwoBitRangeAfterRounding) {
    EXPECT_EQ(roundToInt32(2147483646.5), 2147483646);
    EXPECT_EQ(roundToInt32(2147483647.0), 2147483647);
    EXPECT_EQ(roundToInt32(-2147483648.5), INT32_MIN);
    EXPECT_EQ(roundToInt32(108.1), 108);
    EXPECT_THROW(roundToInt32(2147483647.5), OverflowError);
    EXPECT_THROW(roundToInt32(-2147483649.0), OverflowError);
    EXPECT_THROW(roundToInt32(std::numeric_limits<double>::quiet_NaN()), OverflowError);
}

// Guards the two kinds of failure a zero divisor gives: 0/0 overflows, x/0 divides by zero.
TEST(CheckedDivision, ZeroDivisorFailsByKind) {
    EXPECT_THROW(divide(0.0, 0.0), OverflowError);
    EXPECT_THROW(divide(-0.0, 0.0), OverflowError);
    EXPECT_THROW(divide(5.0, 0.0), DivisionByZeroError);
    EXPECT_THROW(divide(-0.001, 0.0), DivisionByZeroError);
    EXPECT_EQ(divide(0.0, 4.0), 0.0);
    EXPECT_EQ(divide(65.0, 2.0), 32.5);
}

}  // namespace
}  // namespace marquill
