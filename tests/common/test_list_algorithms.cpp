#include "common/ListAlgorithms.h"

#include "common/SameBytes.h"
#include "support/Elements.h"
#include "support/PackedField.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Labels(const TElementList &list)
{
    std::vector<std::string> labels;
    for (int i = 0; i < ElementCount(list); ++i)
        labels.push_back(list[i].Label.str());
    return labels;
}

} // namespace

TEST(SortByLength, LongestFirstAndTurnedLengthwise)
{
    TElement turned = MakeElement(800, 900, 1, "c");
    turned.LengthBanding = BandingPvcOne;
    turned.WidthBanding = BandingAbsTwo;
    TElementList list = ListOf({MakeElement(1000, 500, 1, "a"), MakeElement(2000, 300, 1, "b"), turned});
    SortByLength(list);
    ASSERT_EQ(ElementCount(list), 3);
    EXPECT_EQ(Labels(list), (std::vector<std::string>{"b", "a", "c"}));
    EXPECT_EQ(Copy(list[0].Length), 2000);
    EXPECT_EQ(Copy(list[1].Length), 1000);
    EXPECT_EQ(Copy(list[2].Length), 900);
    EXPECT_EQ(Copy(list[2].Width), 800);
    EXPECT_EQ(Copy(list[2].LengthBanding), BandingAbsTwo);
    EXPECT_EQ(Copy(list[2].WidthBanding), BandingPvcOne);
}

TEST(SortByLength, GrainElementKeepsOrientationAndSortsByLength)
{
    TElement grain = MakeElement(500, 1200, 1, "grain");
    grain.Grain = 1;
    TElementList list = ListOf({grain, MakeElement(100, 600, 1, "free")});
    SortByLength(list);
    EXPECT_EQ(Labels(list), (std::vector<std::string>{"free", "grain"}));
    EXPECT_EQ(Copy(list[0].Length), 600);
    EXPECT_EQ(Copy(list[1].Length), 500);
    EXPECT_EQ(Copy(list[1].Width), 1200);
}

TEST(SortByLength, EqualLengthsOrderedByWidthDescending)
{
    TElementList list = ListOf({MakeElement(1000, 300, 1, "narrow"), MakeElement(1000, 500, 1, "wide"), MakeElement(1000, 400, 1, "mid")});
    SortByLength(list);
    EXPECT_EQ(Labels(list), (std::vector<std::string>{"wide", "mid", "narrow"}));
}

struct EqualKeyCase {
    std::vector<std::string> input;
    std::vector<std::string> expected;
};

class SortEqualKeys : public testing::TestWithParam<EqualKeyCase> {};

// The sort is not stable; users know the order it leaves equal elements in.
TEST_P(SortEqualKeys, FollowsThePartitionOrder)
{
    std::vector<TElement> elements;
    for (std::size_t i = 0; i < GetParam().input.size(); ++i) {
        // Alternately turned: the keys stay equal.
        elements.push_back(i % 2 == 0 ? MakeElement(700, 300, 1, GetParam().input[i])
                                      : MakeElement(300, 700, 1, GetParam().input[i]));
    }
    TElementList list = ListOf(elements);
    SortByLength(list);
    EXPECT_EQ(Labels(list), GetParam().expected);
    for (int i = 0; i < ElementCount(list); ++i)
        EXPECT_EQ(Copy(list[i].Length), 700);
}

INSTANTIATE_TEST_SUITE_P(Orders, SortEqualKeys,
                         testing::Values(EqualKeyCase{{"E1"}, {"E1"}},
                                         EqualKeyCase{{"E1", "E2"}, {"E2", "E1"}},
                                         EqualKeyCase{{"E1", "E2", "E3"}, {"E3", "E2", "E1"}},
                                         EqualKeyCase{{"E1", "E2", "E3", "E4"}, {"E3", "E4", "E1", "E2"}}));

TEST(SortByLength, EmptyListStaysAllZero)
{
    TElementList list = ListOf({});
    SortByLength(list);
    const TElementList zero = ListOf({});
    EXPECT_TRUE(SameBytes(list, zero));
}

TEST(SortByLength, FullListComesOutDescendingWithEveryElement)
{
    std::vector<TElement> elements;
    for (int i = 0; i < kMaxElements; ++i) {
        TElement e = MakeElement(100 + (i * 37) % 901, 50 + (i * 53) % 97, static_cast<std::uint16_t>(i + 1));
        e.Grain = static_cast<std::uint8_t>(i % 5 == 0);
        elements.push_back(e);
    }
    TElementList list = ListOf(elements);
    const std::int32_t pieces = TotalPieces(list);
    SortByLength(list);
    ASSERT_EQ(ElementCount(list), kMaxElements);
    EXPECT_EQ(TotalPieces(list), pieces);
    auto key = [](const TElement &e) { return e.Grain ? e.Length : std::max(Copy(e.Length), Copy(e.Width)); };
    for (int i = 1; i < kMaxElements; ++i)
        EXPECT_GE(key(list[i - 1]), key(list[i])) << "at " << i;
}

struct SameElementCase {
    const char *name;
    TElement a;
    TElement b;
    bool same;
};

class IsSameElementTable : public testing::TestWithParam<SameElementCase> {};

TEST_P(IsSameElementTable, Decides)
{
    EXPECT_EQ(IsSameElement(GetParam().a, GetParam().b), GetParam().same);
    EXPECT_EQ(IsSameElement(GetParam().b, GetParam().a), GetParam().same);
}

namespace {

TElement Banded(std::int32_t length, std::int32_t width, std::uint8_t lengthBanding, std::uint8_t widthBanding,
                std::uint8_t grain = 0, const std::string &label = "A1")
{
    TElement e = MakeElement(length, width, 1, label);
    e.LengthBanding = lengthBanding;
    e.WidthBanding = widthBanding;
    e.Grain = grain;
    return e;
}

TElement WithCarriedValues(TElement e)
{
    e.Count = 9;
    e.Aux1 = 5;
    e.AuxByte4 = 3;
    e.SkipMark = 2;
    return e;
}

TElement WithPriority(TElement e, std::uint8_t priority)
{
    e.Priority = priority;
    return e;
}

const SameElementCase kSameElementCases[] = {
    {"Turned", Banded(600, 400, 1, 0), Banded(400, 600, 0, 1), true},
    {"TurnedGrainOnFirst", Banded(600, 400, 1, 0, 1), Banded(400, 600, 0, 1), false},
    {"TurnedGrainOnSecond", Banded(600, 400, 1, 0), Banded(400, 600, 0, 1, 1), false},
    {"TurnedBandingNotExchanged", Banded(600, 400, 1, 0), Banded(400, 600, 1, 0), false},
    {"SameWayBothGrain", Banded(600, 400, 1, 2, 1), Banded(600, 400, 1, 2, 1), true},
    {"GrainDiffers", Banded(600, 400, 0, 0, 1), Banded(600, 400, 0, 0, 0), false},
    {"LabelCaseDiffers", Banded(600, 400, 0, 0, 0, "abc"), Banded(600, 400, 0, 0, 0, "ABC"), false},
    {"LabelLonger", Banded(600, 400, 0, 0, 0, "abc"), Banded(600, 400, 0, 0, 0, "abcd"), false},
    {"PriorityDiffers", WithPriority(Banded(600, 400, 0, 0), 1), Banded(600, 400, 0, 0), false},
    {"CarriedValuesIgnored", WithCarriedValues(Banded(600, 400, 3, 4)), Banded(600, 400, 3, 4), true},
    {"WidthDiffers", Banded(600, 400, 0, 0), Banded(600, 401, 0, 0), false},
};

} // namespace

INSTANTIATE_TEST_SUITE_P(Cases, IsSameElementTable, testing::ValuesIn(kSameElementCases),
                         [](const testing::TestParamInfo<SameElementCase> &info) { return info.param.name; });

TEST(FindSameElement, FirstMatchOneBasedOrMinusOne)
{
    const TElementList empty = ListOf({});
    EXPECT_EQ(FindSameElement(empty, MakeElement(1, 1)), -1);
    const TElementList list = ListOf({MakeElement(300, 200), MakeElement(600, 400), MakeElement(400, 600)});
    EXPECT_EQ(FindSameElement(list, MakeElement(400, 600)), 2);
    EXPECT_EQ(FindSameElement(list, MakeElement(999, 1)), -1);
}

TEST(MergeSameElements, TurnedTwinJoinsTheFirst)
{
    TElementList list = ListOf({Banded(600, 400, 1, 0), Banded(400, 600, 0, 1)});
    list[0].Count = 2;
    list[1].Count = 3;
    MergeSameElements(list);
    ASSERT_EQ(ElementCount(list), 1);
    EXPECT_EQ(Copy(list[0].Length), 600);
    EXPECT_EQ(Copy(list[0].Width), 400);
    EXPECT_EQ(Copy(list[0].LengthBanding), 1);
    EXPECT_EQ(Copy(list[0].Count), 5);
}

TEST(MergeSameElements, CountsAddInTheFirstOnesPlace)
{
    TElementList list = ListOf({MakeElement(100, 100, 7, "x"), MakeElement(500, 300, 1, "a"), MakeElement(500, 300, 2, "a"),
                                MakeElement(500, 300, 3, "a"), MakeElement(100, 100, 1, "x"), MakeElement(500, 300, 4, "a"),
                                MakeElement(200, 100, 1, "y"), MakeElement(500, 300, 5, "a")});
    MergeSameElements(list);
    EXPECT_EQ(Labels(list), (std::vector<std::string>{"x", "a", "y"}));
    EXPECT_EQ(Copy(list[0].Count), 8);
    EXPECT_EQ(Copy(list[1].Count), 15);
    EXPECT_EQ(Copy(list[2].Count), 1);
    const TElement zero = ZeroElement();
    EXPECT_TRUE(SameBytes(list[3], zero));
}

struct OverflowCase {
    const char *name;
    std::vector<std::uint16_t> counts;
    std::vector<std::uint16_t> expected;
};

class MergeOverflow : public testing::TestWithParam<OverflowCase> {};

// A count never wraps: what does not fit stays as an element of its own.
TEST_P(MergeOverflow, NoPieceIsLost)
{
    std::vector<TElement> elements;
    for (std::uint16_t count : GetParam().counts)
        elements.push_back(MakeElement(700, 300, count, "z"));
    TElementList list = ListOf(elements);
    const std::int32_t pieces = TotalPieces(list);
    MergeSameElements(list);
    std::vector<std::uint16_t> counts;
    for (int i = 0; i < ElementCount(list); ++i)
        counts.push_back(Copy(list[i].Count));
    EXPECT_EQ(counts, GetParam().expected);
    EXPECT_EQ(TotalPieces(list), pieces);
}

INSTANTIATE_TEST_SUITE_P(Cases, MergeOverflow,
                         testing::Values(OverflowCase{"ExactlyTheLimit", {65000, 535}, {65535}},
                                         OverflowCase{"OneOver", {65000, 536}, {65000, 536}},
                                         OverflowCase{"LaterOneFillsTheFirstWithRoom",
                                                      {40000, 40000, 20000, 30000, 5535},
                                                      {65535, 40000, 30000}},
                                         OverflowCase{"FullElementsStaySeparate", {65535, 65535, 1}, {65535, 65535, 1}}),
                         [](const testing::TestParamInfo<OverflowCase> &info) { return info.param.name; });

TEST(MergeSameElements, FullListOfFullCountsKeepsEverySlot)
{
    std::vector<TElement> elements(kMaxElements, MakeElement(700, 300, kMaxCount, "z"));
    TElementList list = ListOf(elements);
    MergeSameElements(list);
    EXPECT_EQ(ElementCount(list), kMaxElements);
    EXPECT_EQ(TotalPieces(list), kMaxElements * kMaxCount);
}

namespace {

TElementGroups GroupsOf(const std::vector<int> &piecesPerGroup)
{
    TElementGroups groups;
    ClearGroups(groups);
    int label = 0;
    for (std::size_t g = 0; g < piecesPerGroup.size(); ++g) {
        for (int p = 0; p < piecesPerGroup[g]; ++p)
            groups[g].Pieces[p] = MakeElement(300 + p, 100 + static_cast<int>(g), 1, "g" + std::to_string(++label));
    }
    return groups;
}

TElementList ListOfSize(int n)
{
    return ListOf(std::vector<TElement>(n, MakeElement(1000, 500, 2, "e")));
}

} // namespace

TEST(DissolveGroups, PiecesFollowTheListInGroupOrder)
{
    TElementList list = ListOfSize(10);
    TElementGroups groups = GroupsOf({3, 2});
    EXPECT_TRUE(DissolveGroups(list, groups));
    ASSERT_EQ(ElementCount(list), 15);
    const std::vector<std::string> labels = Labels(list);
    EXPECT_EQ(std::vector<std::string>(labels.begin() + 10, labels.end()),
              (std::vector<std::string>{"g1", "g2", "g3", "g4", "g5"}));
    EXPECT_EQ(Copy(list[10].Count), 1);
    const TElementGroups empty = GroupsOf({});
    EXPECT_TRUE(SameBytes(groups, empty));
}

TEST(DissolveGroups, NoGroupsChangesNothing)
{
    TElementList list = ListOfSize(3);
    const TElementList before = list;
    TElementGroups groups = GroupsOf({});
    EXPECT_TRUE(DissolveGroups(list, groups));
    EXPECT_TRUE(SameBytes(list, before));
}

TEST(DissolveGroups, RefusedWhenThePiecesDoNotFit)
{
    TElementList list = ListOfSize(kMaxElements - 5);
    TElementGroups groups = GroupsOf({4, 2});
    const TElementList listBefore = list;
    const TElementGroups groupsBefore = groups;
    EXPECT_FALSE(DissolveGroups(list, groups));
    EXPECT_TRUE(SameBytes(list, listBefore));
    EXPECT_TRUE(SameBytes(groups, groupsBefore));
}

TEST(DissolveGroups, FillsTheListToTheLastSlot)
{
    TElementList list = ListOfSize(kMaxElements - 6);
    TElementGroups groups = GroupsOf({4, 2});
    EXPECT_TRUE(DissolveGroups(list, groups));
    EXPECT_EQ(ElementCount(list), kMaxElements);
    EXPECT_EQ(list[kMaxElements - 1].Label.str(), "g6");
    EXPECT_EQ(GroupCount(groups), 0);
}
