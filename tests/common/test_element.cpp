#include "common/Element.h"
#include "support/Elements.h"
#include "support/PackedField.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(ElementCount, StopsAtFirstSlotWithZeroLengthOrWidth)
{
    TElementList list = ListOf({MakeElement(1, 1), MakeElement(2, 2), MakeElement(3, 3), MakeElement(4, 4), MakeElement(0, 300), MakeElement(6, 6)});
    EXPECT_EQ(ElementCount(list), 4);
    list[4] = MakeElement(500, 0);
    EXPECT_EQ(ElementCount(list), 4);
}

TEST(ElementCount, FullListCountsEightHundred)
{
    TElementList list;
    for (TElement &e : list)
        e = MakeElement(10, 10);
    EXPECT_EQ(ElementCount(list), 800);
    EXPECT_FALSE(AppendElement(list, MakeElement(1, 1)));
}

TEST(GroupCount, EmptyGroupEndsTheSequence)
{
    TElementGroups groups;
    ClearGroups(groups);
    groups[0].Pieces[0] = MakeElement(100, 50);
    groups[1].Pieces[0] = MakeElement(100, 50);
    groups[1].Pieces[1] = MakeElement(200, 50);
    groups[3].Pieces[0] = MakeElement(100, 50); // after the empty third group: not counted
    EXPECT_EQ(GroupCount(groups), 2);
    EXPECT_EQ(GroupPieceCount(groups[1]), 2);
}

TEST(Totals, EmptyListGivesZero)
{
    TElementList list = ListOf({});
    EXPECT_EQ(TotalPieces(list), 0);
    EXPECT_EQ(TotalArea(list), 0.0);
    EXPECT_EQ(PvcTapeLength(list, 110, 20), 0);
    EXPECT_EQ(AbsTapeLength(list, 110, 20), 0);
}

TEST(Totals, AreaAndPieces)
{
    TElementList list = ListOf({MakeElement(2000, 600, 3), MakeElement(500, 500, 2)});
    EXPECT_NEAR(TotalArea(list), 3.6 + 0.5, 1e-9);
    EXPECT_EQ(TotalPieces(list), 5);
}

TEST(Totals, TapeLengthsPerBandingCode)
{
    TElement e = MakeElement(1000, 500, 2);
    e.LengthBanding = BandingPvcTwo;
    e.WidthBanding = BandingPvcAbs;
    TElementList list = ListOf({e});
    EXPECT_EQ(PvcTapeLength(list, 110, 20), 5632);
    EXPECT_EQ(AbsTapeLength(list, 110, 20), 1144);
}

TEST(Totals, TapeRoundingGoesToEvenNeighbour)
{
    // One PVC edge of length L with no allowance gives a total of L.
    auto oneEdge = [](std::int32_t length) {
        TElement e = MakeElement(length, 1);
        e.LengthBanding = BandingPvcOne;
        return ListOf({e});
    };
    EXPECT_EQ(PvcTapeLength(oneEdge(2561), 100, 0), 2561);
    EXPECT_EQ(PvcTapeLength(oneEdge(5), 50, 0), 2);  // 2.5 -> 2
    EXPECT_EQ(PvcTapeLength(oneEdge(7), 50, 0), 4);  // 3.5 -> 4
    EXPECT_EQ(AbsTapeLength(oneEdge(7), 50, 0), 0);
}

TEST(Totals, TapeOfManyLongElementsDoesNotWrap)
{
    TElementList list;
    TElement e = MakeElement(2000000, 2000000, 65535);
    e.LengthBanding = BandingPvcTwo;
    e.WidthBanding = BandingPvcTwo;
    for (TElement &slot : list)
        slot = e;
    EXPECT_EQ(PvcTapeLength(list, 100, 0), INT32_MAX);
}

TEST(Totals, TapeWithAHugeNegativeAllowanceSaturatesBelow)
{
    // The allowance is a signed setting; a wild value must not turn into an
    // out-of-range conversion.
    TElement e = MakeElement(1000, 500, 65535);
    e.LengthBanding = BandingAbsTwo;
    TElementList list;
    for (TElement &slot : list)
        slot = e;
    EXPECT_EQ(AbsTapeLength(list, 255, INT32_MIN), INT32_MIN);
    EXPECT_EQ(PvcTapeLength(list, 255, INT32_MIN), 0);
}

TEST(MoveElement, ShiftsSourceAndAppendsToDestination)
{
    TElementList source = ListOf({MakeElement(1, 1), MakeElement(2, 2), MakeElement(3, 3)});
    TElementList destination = ListOf({MakeElement(9, 9)});
    MoveElement(source, destination, 1);
    EXPECT_EQ(ElementCount(source), 2);
    EXPECT_EQ(Copy(source[0].Length), 2);
    EXPECT_EQ(Copy(source[1].Length), 3);
    const TElement zero = ZeroElement();
    EXPECT_EQ(std::memcmp(&source[2], &zero, sizeof zero), 0);
    EXPECT_EQ(ElementCount(destination), 2);
    EXPECT_EQ(Copy(destination[1].Length), 1);
}

TEST(MoveElement, PositionZeroDoesNothing)
{
    TElementList source = ListOf({MakeElement(1, 1)});
    TElementList destination = ListOf({});
    MoveElement(source, destination, 0);
    EXPECT_EQ(ElementCount(source), 1);
    EXPECT_EQ(ElementCount(destination), 0);
}

TEST(MoveElement, FullDestinationLeavesBothListsAlone)
{
    TElementList source = ListOf({MakeElement(1, 1), MakeElement(2, 2)});
    TElementList destination;
    for (TElement &slot : destination)
        slot = MakeElement(9, 9);
    const TElementList sourceBefore = source;
    const TElementList destinationBefore = destination;
    MoveElement(source, destination, 1);
    EXPECT_EQ(std::memcmp(&source, &sourceBefore, sizeof source), 0);
    EXPECT_EQ(std::memcmp(&destination, &destinationBefore, sizeof destination), 0);
}
