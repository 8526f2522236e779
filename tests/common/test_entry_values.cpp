// The entry fields' numbers: typed dimensions in each unit, computed from their
// decimal digits so that every tie of half a millimetre goes to the even one.

#include "common/Conversions.h"
#include "common/DecimalText.h"
#include "common/EntryValues.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct DimensionCase {
    const char *text;
    std::int32_t unit;
    std::optional<std::int32_t> millimetres;
};

class DimensionFromTextTest : public ::testing::TestWithParam<DimensionCase> {};

TEST_P(DimensionFromTextTest, GivesWholeMillimetresOrNothing)
{
    const DimensionCase &c = GetParam();
    EXPECT_EQ(DimensionFromText(c.text, c.unit, UnitFactorOf(c.unit)), c.millimetres)
        << "text \"" << c.text << "\" unit " << c.unit;
}

INSTANTIATE_TEST_SUITE_P(Entry, DimensionFromTextTest, ::testing::Values(
    DimensionCase{"600", UnitMm, 600},
    DimensionCase{"0600", UnitMm, 600},
    DimensionCase{"", UnitMm, 0},
    DimensionCase{"60.5", UnitMm, std::nullopt},   // never 6005
    DimensionCase{"60,5", UnitMm, std::nullopt},
    DimensionCase{"-600", UnitMm, std::nullopt},
    DimensionCase{"6x0", UnitMm, std::nullopt},
    DimensionCase{"60.5", UnitCm, 605},
    DimensionCase{"60,5", UnitCm, 605},             // a comma is the decimal point
    DimensionCase{"60", UnitCm, 600},
    DimensionCase{".5", UnitCm, 5},
    DimensionCase{"60.25", UnitCm, 602},            // 602.5: tie to even
    DimensionCase{"60.35", UnitCm, 604},            // 603.5: tie to even
    DimensionCase{"60.45", UnitCm, 604},
    DimensionCase{"12.35", UnitCm, 124},            // 123.5: tie to even, computed from the digits
    DimensionCase{"99999", UnitCm, 999990},         // the caller refuses what no board holds
    DimensionCase{"1.25", UnitCm, 12},
    DimensionCase{"0.05", UnitCm, 0},
    DimensionCase{"6.0.5", UnitCm, std::nullopt},
    DimensionCase{"-60.5", UnitCm, std::nullopt},
    DimensionCase{"0.6057", UnitM, 606},
    DimensionCase{"0.6055", UnitM, 606},            // 605.5: tie to even
    DimensionCase{"0.0045", UnitM, 4},              // 4.5: tie to even
    DimensionCase{"0.0035", UnitM, 4},
    DimensionCase{"2,8", UnitM, 2800},
    DimensionCase{"12.5", 4, 12},                   // unknown unit: factor 1, rounded
    DimensionCase{"13.5", 0, 14}));

TEST(EntryText, FieldsAcceptWhatTheirUnitMeans)
{
    EXPECT_TRUE(IsDimensionText("123", UnitMm));
    EXPECT_FALSE(IsDimensionText("12.3", UnitMm));
    EXPECT_TRUE(IsDimensionText("12.", UnitCm));
    EXPECT_TRUE(IsDimensionText("12,3", UnitM));
    EXPECT_FALSE(IsDimensionText("1.2.3", UnitM));
    EXPECT_FALSE(IsDimensionText("1e3", UnitCm));
    EXPECT_TRUE(IsCountText("12"));
    EXPECT_FALSE(IsCountText("1.2"));
    EXPECT_FALSE(IsCountText("-1"));
}

TEST(EntryText, CountsFromOneToSixtyFiveThousandFiveHundredThirtyFive)
{
    EXPECT_FALSE(IsAcceptedCount(-1));
    EXPECT_FALSE(IsAcceptedCount(0));
    EXPECT_TRUE(IsAcceptedCount(1));
    EXPECT_TRUE(IsAcceptedCount(65535));
    EXPECT_FALSE(IsAcceptedCount(65536));
}

// Every half millimetre from 0.5 to 99998.5, typed in cm ("12.35") and in m
// ("0.01235"), rounds to the even millimetre; a binary division misses 16 %
// of the cm ties and 7 % of the m ones.
TEST(EntryTies, EveryHalfMillimetreInCmAndMGoesToTheEvenMillimetre)
{
    for (std::int32_t n = 0; n <= 99998; ++n) {
        const std::int32_t tenths = 10 * n + 5; // the tie in tenths of a millimetre
        const std::string cm = std::to_string(tenths / 100) + "." + std::to_string(100 + tenths % 100).substr(1);
        const std::string m = std::to_string(tenths / 10000) + "." + std::to_string(10000 + tenths % 10000).substr(1);
        const std::int32_t even = n % 2 == 0 ? n : n + 1;
        ASSERT_EQ(DimensionFromText(cm, UnitCm, UnitFactorOf(UnitCm)), even) << cm << " cm";
        ASSERT_EQ(DimensionFromText(m, UnitM, UnitFactorOf(UnitM)), even) << m << " m";
    }
    // One tie further is no size any more.
    EXPECT_EQ(DimensionFromText("9999.95", UnitCm, 0.1), 100000);
    EXPECT_FALSE(IsAcceptedDimension(100000));
    EXPECT_TRUE(IsAcceptedDimension(99999));
}

TEST(ScaledHalfEven, ShiftsThePointAndRoundsOnlyTheRest)
{
    const struct {
        DecimalDigits number;
        int scale;
        std::int64_t expected;
    } cases[] = {
        {{"12", "35"}, 1, 124},       {{"12", "45"}, 1, 124},       {{"12", "451"}, 1, 125},
        {{"", "5"}, 0, 0},            {{"1", "5"}, 0, 2},           {{"2", "5000000000000000000001"}, 0, 3},
        {{"007", ""}, 3, 7000},       {{"", ""}, 1, 0},             {{"0", "0005"}, 3, 0},
        {{"0", "0015"}, 3, 2},        {{"999999999999999999", ""}, 0, 999999999999999999},
        {{"1000000000000000000", ""}, 0, kScaledLimit}, {{"99999999999999999999", "9"}, 3, kScaledLimit},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ScaledHalfEven(c.number, c.scale), c.expected) << c.number.Whole << "." << c.number.Fraction;
}

TEST(LenientDecimal, ReadsAsTheEntryFieldsDo)
{
    const struct {
        const char *text;
        const char *whole;
        const char *fraction;
    } cases[] = {{"1.2.3", "1", "203"}, {".25", "", "25"}, {"-1.05", "1", "05"}, {"3.", "3", ""}, {"1 0", "100", ""}};
    for (const auto &c : cases) {
        const DecimalDigits d = LenientDecimal(c.text);
        EXPECT_EQ(d.Whole, c.whole) << c.text;
        EXPECT_EQ(d.Fraction, c.fraction) << c.text;
    }
}

} // namespace
