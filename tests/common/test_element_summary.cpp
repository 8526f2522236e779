#include "common/ElementSummary.h"

#include "common/Conversions.h"

#include <gtest/gtest.h>

namespace {

TElement Make(std::int32_t length, std::int32_t width, std::uint16_t count)
{
    TElement e = ZeroElement();
    e.Length = length;
    e.Width = width;
    e.Count = count;
    return e;
}

DisplayOptions WithMarks(std::int32_t unit, bool bandingInUse)
{
    DisplayOptions options;
    options.unit = unit;
    options.bandingInUse = bandingInUse;
    options.bandingMarks = {"", "'", "\"", "a", "A", "pa"};
    return options;
}

} // namespace

TEST(ElementSummary, OneLinePerUnit)
{
    const TElement e = Make(600, 400, 2);
    EXPECT_EQ(ElementSummary(WithMarks(UnitMm, false), e), " 600 x  400 [2 KOM.]");
    EXPECT_EQ(ElementSummary(WithMarks(UnitCm, false), e), "60.00 x 40.00 [2 KOM.]");
    EXPECT_EQ(ElementSummary(WithMarks(UnitM, false), e), "0.600 x 0.400 [2 KOM.]");
}

TEST(ElementSummary, SmallAndLargeValuesPadAndOverflowTheWidth)
{
    EXPECT_EQ(ElementSummary(WithMarks(UnitCm, false), Make(75, 12345, 1)), "7.500 x 1234.5 [1 KOM.]");
    EXPECT_EQ(ElementSummary(WithMarks(UnitMm, false), Make(5, 28000, 65535)), "   5 x 28000 [65535 KOM.]");
}

TEST(ElementSummary, GrainJoinsWithAnEqualsSign)
{
    TElement e = Make(600, 400, 2);
    e.Grain = 1;
    EXPECT_EQ(ElementSummary(WithMarks(UnitMm, false), e), " 600 =  400 [2 KOM.]");
}

TEST(ElementSummary, BandingMarksFollowTheNumbersOnlyWhenBandingIsInUse)
{
    TElement e = Make(600, 400, 2);
    e.LengthBanding = BandingPvcTwo;
    e.WidthBanding = BandingPvcAbs;
    EXPECT_EQ(ElementSummary(WithMarks(UnitMm, true), e), " 600\" x  400pa [2 KOM.]");
    EXPECT_EQ(ElementSummary(WithMarks(UnitCm, true), e), "60.00\" x 40.00pa [2 KOM.]");
    EXPECT_EQ(ElementSummary(WithMarks(UnitMm, false), e), " 600 x  400 [2 KOM.]");
}

TEST(BandingMark, EmptyForNoBandingAndUnknownCodes)
{
    DisplayOptions options = WithMarks(UnitMm, true);
    options.bandingMarks[0] = "?"; // code 0 has no mark whatever the slot holds
    EXPECT_EQ(BandingMark(options, 0), "");
    EXPECT_EQ(BandingMark(options, 1), "'");
    EXPECT_EQ(BandingMark(options, 5), "pa");
    EXPECT_EQ(BandingMark(options, 6), "");
    EXPECT_EQ(BandingMark(options, -1), "");
}
