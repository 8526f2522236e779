#include "common/Conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace {

struct IntCase {
    const char *text;
    std::int32_t expected;
};

const IntCase kTextToIntCases[] = {
    {"", 0},
    {"0", 0},
    {"12a4", 1204},         // a non-digit is a zero digit in its place
    {"1 000", 10000},
    {"-", 0},
    {"+", 0},
    {"-35", -35},
    {"+7", 7},
    {"abc", 0},
    {"1-2", 102},           // only a leading sign counts
    {"2147483647", 2147483647},
    {"-2147483647", -2147483647},
    // Beyond 32 bits the value stays at the limit instead of wrapping.
    {"2147483648", 2147483647},
    {"99999999999999999999", 2147483647},
    {"-2147483648", -2147483647},
    {"-99999999999", -2147483647},
    {"000000000000012", 12}, // leading zeros are not digits beyond nine
};

void PrintTo(const IntCase &c, std::ostream *os) { *os << '"' << c.text << '"'; }

class TextToIntTable : public ::testing::TestWithParam<IntCase> {};

struct FloatCase {
    const char *text;
    double expected;
};

const FloatCase kTextToFloatCases[] = {
    {"", 0.0},
    {"-", 0.0},
    {"+", 0.0},
    {".25", 0.25},
    {"-.5", -0.5},
    {"-1.05", -1.05},
    {"3.", 3.0},
    {"12", 12.0},
    {"1.2.3", 1.203},       // the fraction "2.3" reads as 203 over 1000
    {"1,5", 105.0},         // a comma is a zero digit, not a separator
    {"+2.5", 2.5},
    {"0.123456789", 0.123456789},
    // Fraction digits after the ninth are ignored rather than overflowing the denominator.
    {"0.1234567891", 0.123456789},
    {"7.99999999999", 7.999999999},
    {"12345678901.5", 2147483647.5},
    {"-12345678901", -2147483647.0},
};

void PrintTo(const FloatCase &c, std::ostream *os) { *os << '"' << c.text << '"'; }

class TextToFloatTable : public ::testing::TestWithParam<FloatCase> {};

struct FixedCase {
    int width;
    int decimals;
    double x;
    const char *expected;
};

const FixedCase kFloatToFixedCases[] = {
    {4, 0, 60, "  60"},
    {1, 3, 0.6, "0.600"},
    {3, 1, 1234.5, "1234.5"},      // longer than the width and not cut
    {0, 2, 0.125, "0.13"},         // a 5 rounds the magnitude up
    {0, 2, -0.125, "-0.13"},
    {0, 2, 1.005, "1.01"},         // decided on the decimal value, not the binary neighbour
    {0, 2, 2.675, "2.68"},
    {0, 1, 0.05, "0.1"},
    {0, 0, 0.5, "1"},
    {0, 0, 2.5, "3"},
    {0, 0, -2.5, "-3"},
    {0, 0, 1.49, "1"},
    {0, 2, 9.995, "10.00"},        // the carry reaches the whole part
    {0, 1, 99.96, "100.0"},
    {0, 2, 3.6, "3.60"},
    {8, 2, -12.3, "  -12.30"},
    {0, 3, 1e-7, "0.000"},
    {0, 2, -0.001, "0.00"},        // no "-0.00"
    {0, 2, -0.0, "0.00"},
    {0, 0, 2147483647.0, "2147483647"},
    {0, 1, 1e20, "100000000000000000000.0"},
    {0, 2, 0.0, "0.00"},
};

void PrintTo(const FixedCase &c, std::ostream *os)
{
    *os << "(" << c.width << ", " << c.decimals << ", " << c.x << ")";
}

class FloatToFixedTable : public ::testing::TestWithParam<FixedCase> {};

} // namespace

TEST_P(TextToIntTable, Reads)
{
    EXPECT_EQ(TextToInt(GetParam().text), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Cases, TextToIntTable, ::testing::ValuesIn(kTextToIntCases));

TEST_P(TextToFloatTable, Reads)
{
    EXPECT_DOUBLE_EQ(TextToFloat(GetParam().text), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Cases, TextToFloatTable, ::testing::ValuesIn(kTextToFloatCases));

TEST_P(FloatToFixedTable, Formats)
{
    const FixedCase &c = GetParam();
    EXPECT_EQ(FloatToFixed(static_cast<std::uint8_t>(c.width), static_cast<std::uint8_t>(c.decimals), c.x),
              c.expected);
}
INSTANTIATE_TEST_SUITE_P(Cases, FloatToFixedTable, ::testing::ValuesIn(kFloatToFixedCases));

TEST(FloatToFixed, NonFiniteValuesDoNotCrash)
{
    EXPECT_EQ(FloatToFixed(5, 2, std::numeric_limits<double>::infinity()), "  inf");
    EXPECT_EQ(FloatToFixed(0, 2, -std::numeric_limits<double>::infinity()), "-inf");
    EXPECT_EQ(FloatToFixed(0, 2, std::nan("")), "nan");
}

TEST(FloatToFixed, ReadsBackWhatItWrites)
{
    for (const double x : {0.1, 1.25, 12.5, 123.456, 1999.999, 0.001}) {
        const std::string text = FloatToFixed(0, 3, x);
        EXPECT_DOUBLE_EQ(TextToFloat(text), x) << text;
    }
}

TEST(IntToText, PlainDecimal)
{
    EXPECT_EQ(IntToText(0), "0");
    EXPECT_EQ(IntToText(-149), "-149");
    EXPECT_EQ(IntToText(1234567), "1234567");
    EXPECT_EQ(IntToText(std::numeric_limits<std::int32_t>::min()), "-2147483648");
}

TEST(ZeroPad, PadsButNeverCuts)
{
    EXPECT_EQ(ZeroPad(3, 7), "007");
    EXPECT_EQ(ZeroPad(2, 123), "123");
    EXPECT_EQ(ZeroPad(0, 0), "0");
    EXPECT_EQ(ZeroPad(6, 65535), "065535");
}

TEST(FilterDigits, DropsTheLastCharacterAtTheFirstNonDigit)
{
    struct Case {
        const char *in;
        const char *out;
        bool ok;
    } const cases[] = {
        {"123", "123", true},
        {"", "", true},
        {"12a", "12", false},
        {"1a2", "1a", false}, // the last character goes, not the offending one
        {"-5", "-", false},
        {"1.5", "1.", false},
    };
    for (const Case &c : cases) {
        std::string s = c.in;
        EXPECT_EQ(FilterDigits(s), c.ok) << c.in;
        EXPECT_EQ(s, c.out) << c.in;
    }
}

TEST(FilterDecimal, CutsBeforeTheOffendingCharacter)
{
    struct Case {
        const char *in;
        const char *out;
        bool ok;
    } const cases[] = {
        {"12.5", "12.5", true},
        {".5", ".5", true},
        {"3.", "3.", true},
        {"", "", true},
        {"1.2.5", "1.2", false},
        {"3x4", "3", false},
        {"x", "", false},
        {"1..", "1.", false},
        {"1,5", "1", false},
    };
    for (const Case &c : cases) {
        std::string s = c.in;
        EXPECT_EQ(FilterDecimal(s), c.ok) << c.in;
        EXPECT_EQ(s, c.out) << c.in;
    }
}

TEST(PadToFive, PadsOnlyOutsideMillimetres)
{
    struct Case {
        std::int32_t unit;
        const char *in;
        const char *out;
    } const cases[] = {
        {UnitCm, "7.5", "7.500"},
        {UnitCm, "123.4", "123.4"},
        {UnitCm, "1234.5", "1234.5"},
        {UnitM, "0.6", "0.600"},
        {UnitM, "", "00000"},
        {UnitMm, "7", "7"},
        {UnitMm, "7.5", "7.5"},
        {0, "7.5", "7.5"}, // an unknown unit displays as millimetres
    };
    for (const Case &c : cases) {
        std::string s = c.in;
        PadToFive(s, c.unit);
        EXPECT_EQ(s, c.out) << c.unit << " " << c.in;
    }
}

TEST(UnitFactorOf, KnownAndUnknownUnits)
{
    EXPECT_EQ(UnitFactorOf(UnitMm), 1.0);
    EXPECT_EQ(UnitFactorOf(UnitCm), 0.1);
    EXPECT_EQ(UnitFactorOf(UnitM), 0.001);
    EXPECT_EQ(UnitFactorOf(0), 1.0);
    EXPECT_EQ(UnitFactorOf(4), 1.0);
}

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour)
{
    struct Case {
        double x;
        std::int32_t expected;
    } const cases[] = {
        {2.5, 2},   {3.5, 4},   {-2.5, -2}, {-3.5, -4}, {0.5, 0},
        {2.4999, 2}, {2.5001, 3}, {-0.4, 0}, {5632.0, 5632}, {1e12, 2147483647},
        {-1e12, std::numeric_limits<std::int32_t>::min()}, {std::nan(""), 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(RoundHalfEven(c.x), c.expected) << c.x;
}
