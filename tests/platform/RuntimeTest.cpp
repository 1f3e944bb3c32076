#include "platform/Runtime.h"

#include "platform/VbError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace qm::platform;

TEST(Runtime, ValReadsTheLeadingNumber)
{
    struct Case
    {
        const char *text;
        double expected;
    } cases[] = {
        {"", 0},        {"abc", 0},         {"2000", 2000}, {"  42xyz", 42}, {"1 2 3", 123},
        {"-120", -120}, {"3.5", 3.5},       {"1e3", 1000},  {"&H10", 16},    {"&hFF", 255},
        {"&HFFFF", -1}, {"&H10000", 65536}, {"&O17", 15},   {"&17", 15},     {"1.2.3", 1.2},
        {"- 5", -5},    {"\t7", 7},         {"5-", 5},      {"1e", 1},       {"&H", 0},
    };
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(val(c.text), c.expected) << c.text;
}

TEST(Runtime, ToInt16RoundsHalfToEvenAndOverflows)
{
    EXPECT_EQ(toInt16(2.5), 2);
    EXPECT_EQ(toInt16(3.5), 4);
    EXPECT_EQ(toInt16(-32768), -32768);
    EXPECT_EQ(toInt16(32767), 32767);
    try {
        toInt16(99999);
        FAIL() << "no overflow";
    } catch (const VbError &e) {
        EXPECT_EQ(e.number, 6);
        EXPECT_EQ(e.description, "Overflow");
    }
}

TEST(Runtime, RoundHalfEvenAgreesWithTheFloatingPointUnit)
{
    // Halves on both sides of zero, values next to a half, the largest values that still have
    // a fraction, and those that have none.
    const double values[] = {0.0,
                             -0.0,
                             0.5,
                             -0.5,
                             1.5,
                             2.5,
                             -2.5,
                             0.49999999999999994,
                             2.5000000000000004,
                             1e-300,
                             -7.9,
                             4503599627370495.5,
                             -4503599627370494.5,
                             4503599627370497.0,
                             9007199254740993.0,
                             1e300,
                             -std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::max()};
    for (double value : values) {
        const double rounded = roundHalfEven(value);
        EXPECT_EQ(rounded, std::nearbyint(value)) << value;
        EXPECT_EQ(std::signbit(rounded), std::signbit(value)) << value;
    }
    EXPECT_TRUE(std::isnan(roundHalfEven(std::nan(""))));
}

TEST(Runtime, StrHasALeadingBlankForNonNegativeNumbers)
{
    EXPECT_EQ(str(5), " 5");
    EXPECT_EQ(str(0), " 0");
    EXPECT_EQ(str(-5), "-5");
    EXPECT_EQ(str(53), " 53");
    EXPECT_EQ(str(1.5), " 1.5");
}

TEST(Runtime, FormatNumericPictures)
{
    EXPECT_EQ(formatNumber(2000, "00000"), "02000");
    EXPECT_EQ(formatNumber(7, "0000"), "0007");
    EXPECT_EQ(formatNumber(123456, "0000"), "123456");
    EXPECT_EQ(formatNumber(0, "####"), "");
    EXPECT_EQ(formatNumber(42, "####"), "42");
    EXPECT_EQ(formatNumber(-3, "0000"), "-0003");
}

TEST(VbErrorTest, CarriesClassicNumbersAndTexts)
{
    EXPECT_EQ(VbError(53).description, "File not found");
    EXPECT_EQ(VbError(438).description, "Object doesn't support this property or method");
    EXPECT_EQ(VbError(32755).description, "Cancel was selected");
    EXPECT_EQ(VbError(75).description, "Path/File access error");
    EXPECT_EQ(VbError(5, "custom").description, "custom");
}
