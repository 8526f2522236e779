#include "common/ListEdits.h"

#include "support/Elements.h"
#include "support/PackedField.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace {

using R = ListEditResult;

// "a5 b1 / 11 2a": label and count of each element (or how many there are in a
// long list), then the labels of each group's pieces.
std::string Describe(const TElementList &list, const TElementGroups &groups)
{
    const int n = ElementCount(list);
    std::string text = n > 9 ? std::to_string(n) + " elements" : "";
    for (int i = 0; i < n && n <= 9; ++i)
        text += (i ? " " : "") + list[i].Label.str() + std::to_string(list[i].Count);
    text += " /";
    for (int g = 0; g < GroupCount(groups); ++g) {
        text += " ";
        for (int p = 0; p < GroupPieceCount(groups[g]); ++p)
            text += groups[g].Pieces[p].Label.str();
    }
    return text;
}

TElementList Labelled(const std::string &labels, std::initializer_list<std::uint16_t> counts = {})
{
    TElementList list = ListOf({});
    for (std::size_t i = 0; i < labels.size(); ++i)
        list[i] = MakeElement(1000, 300, i < counts.size() ? counts.begin()[i] : 1, labels.substr(i, 1));
    return list;
}

TElementList Sized(int n)
{
    TElementList list = ListOf({});
    for (int i = 0; i < n; ++i)
        list[i] = MakeElement(100 + i, 50);
    return list;
}

// Group g's pieces are labelled with the digit g, all 300 mm wide.
TElementGroups GroupsOf(const std::vector<int> &pieces)
{
    TElementGroups groups = NoGroups();
    for (std::size_t g = 0; g < pieces.size(); ++g) {
        for (int p = 0; p < pieces[g]; ++p)
            groups[g].Pieces[p] = MakeElement(500 + p, 300, 1, std::to_string((g + 1) % 10));
    }
    return groups;
}

// A 300 mm element of 5 pieces, one 301 mm wide, one of 0 pieces, one of 1.
TElementList Shop()
{
    TElementList list = Labelled("abcd", {5, 1, 0, 1});
    list[1].Width = 301;
    return list;
}

template <typename T>
bool Same(const T &a, const T &b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

using Edit = std::function<R(TElementList &, TElementGroups &)>;

struct Case {
    const char *name;
    TElementList list;
    TElementGroups groups;
    Edit edit;
    R result;
    std::string after; // a refusal leaves both byte for byte
};

Edit Multiply(int a, int b, int f)
{
    return [=](TElementList &l, TElementGroups &) { return MultiplyCounts(l, a, b, f); };
}
Edit Range(int a, int b) { return [=](TElementList &l, TElementGroups &) { return DeleteRange(l, a, b); }; }
Edit Set(std::vector<int> p) { return [=](TElementList &l, TElementGroups &) { return DeleteSet(l, p); }; }
Edit Duplicate(std::vector<int> p) { return [=](TElementList &l, TElementGroups &) { return DuplicateEntries(l, p); }; }
Edit Add(int e, int g)
{
    return [=](TElementList &l, TElementGroups &gs) { return MovePieceToGroup(l, gs, e, g); };
}
Edit Return(int g) { return [=](TElementList &l, TElementGroups &gs) { return ReturnGroupToList(l, gs, g); }; }
// Merges n elements (the two "x" and "y" when n < 0) and groups of these sizes.
Edit Merge(int n, std::vector<int> groups)
{
    return [=](TElementList &l, TElementGroups &gs) {
        MergeDatabase(l, gs, n < 0 ? Labelled("xy") : Sized(n), GroupsOf(groups));
        return R::Done;
    };
}

const std::vector<int> kTen(10, 1);
const std::vector<int> kNine(9, 1);

class ListEditTable : public testing::TestWithParam<Case> {};

TEST_P(ListEditTable, EditsOrRefuses)
{
    TElementList list = GetParam().list;
    TElementGroups groups = GetParam().groups;
    EXPECT_EQ(GetParam().edit(list, groups), GetParam().result);
    EXPECT_EQ(Describe(list, groups), GetParam().after);
    EXPECT_TRUE(GetParam().result == R::Done || (Same(list, GetParam().list) && Same(groups, GetParam().groups)));
    const TElement zero = ZeroElement();
    for (int i = ElementCount(list); i < kMaxElements; ++i)
        ASSERT_TRUE(Same(list[i], zero)) << "slot " << i;
    for (int g = GroupCount(groups); g < kGroupsPerDocument; ++g)
        ASSERT_TRUE(Same(groups[g], TElementGroup{})) << "group " << g;
    for (int g = 0; g < GroupCount(groups); ++g) {
        for (int p = 0; p < GroupPieceCount(groups[g]); ++p) {
            EXPECT_EQ(Copy(groups[g].Pieces[p].Count), 1);
            EXPECT_EQ(Copy(groups[g].Pieces[p].Width), 300);
        }
    }
}

const Case kCases[] = {
    {"FactorZero", Labelled("a"), NoGroups(), Multiply(1, 1, 0), R::Invalid, "a1 /"},
    {"Factor65536", Labelled("a"), NoGroups(), Multiply(1, 1, 65536), R::Invalid, "a1 /"},
    {"Factor65535", Labelled("a"), NoGroups(), Multiply(1, 1, 65535), R::Done, "a65535 /"},
    {"Product65535", Labelled("ab", {1, 3}), NoGroups(), Multiply(1, 2, 21845), R::Done, "a21845 b65535 /"},
    {"Product65536RefusesAll", Labelled("ab", {1, 2}), NoGroups(), Multiply(1, 2, 32768), R::CountTooLarge, "a1 b2 /"},
    {"MultiplyClamped", Labelled("ab", {1, 2}), NoGroups(), Multiply(0, 99, 2), R::Done, "a2 b4 /"},
    {"MultiplyOnlyTheRange", Labelled("abc", {40000, 2, 40000}), NoGroups(), Multiply(2, 2, 2), R::Done,
     "a40000 b4 c40000 /"},
    {"DeleteMiddle", Labelled("abcde"), NoGroups(), Range(2, 3), R::Done, "a1 d1 e1 /"},
    {"DeleteFirst", Labelled("abcde"), NoGroups(), Range(0, 1), R::Done, "b1 c1 d1 e1 /"},
    {"DeleteLastAndBeyond", Labelled("abcde"), NoGroups(), Range(5, 9), R::Done, "a1 b1 c1 d1 /"},
    {"DeleteBlankRowOnly", Labelled("abcde"), NoGroups(), Range(0, 0), R::Done, "a1 b1 c1 d1 e1 /"},
    {"DeleteEmptyRange", Labelled("abcde"), NoGroups(), Range(3, 2), R::Invalid, "a1 b1 c1 d1 e1 /"},
    {"DeleteAll", Labelled("abc"), NoGroups(), Range(1, 3), R::Done, " /"},
    {"DeleteFromEmpty", Labelled(""), NoGroups(), Range(1, 1), R::Invalid, " /"},
    {"DeleteSetEnds", Labelled("abcde"), NoGroups(), Set({5, 1}), R::Done, "b1 c1 d1 /"},
    {"DeleteSetRepeatsAndBeyond", Labelled("abcde"), NoGroups(), Set({3, 3, 0, 6}), R::Done, "a1 b1 d1 e1 /"},
    {"DeleteNoPositions", Labelled("abc"), NoGroups(), Set({}), R::Invalid, "a1 b1 c1 /"},
    {"DuplicateInListOrder", Labelled("abc"), NoGroups(), Duplicate({3, 1}), R::Done, "a1 b1 c1 a1 c1 /"},
    {"DuplicateBeyondList", Labelled("abc"), NoGroups(), Duplicate({4}), R::Done, "a1 b1 c1 /"},
    {"DuplicateNoPositions", Labelled("abc"), NoGroups(), Duplicate({}), R::Invalid, "a1 b1 c1 /"},
    {"DuplicateInEmpty", Labelled(""), NoGroups(), Duplicate({1}), R::Invalid, " /"},
    {"DuplicateFillsTheList", Sized(797), NoGroups(), Duplicate({1, 2, 3}), R::Done, "800 elements /"},
    {"DuplicateTillFull", Sized(799), NoGroups(), Duplicate({1, 2, 3}), R::Done, "800 elements /"},
    {"DuplicateIntoFull", Sized(800), NoGroups(), Duplicate({1}), R::Done, "800 elements /"},
    {"NewGroupTakesOnePiece", Shop(), NoGroups(), Add(1, 0), R::Done, "a4 b1 c0 d1 / a"},
    {"LastPieceLeavesTheList", Shop(), NoGroups(), Add(4, 0), R::Done, "a5 b1 c0 / d"},
    {"ZeroPieces", Shop(), GroupsOf({1}), Add(3, 1), R::NoPieces, "a5 b1 c0 d1 / 1"},
    {"ZeroPiecesForNewGroup", Shop(), NoGroups(), Add(3, 0), R::NoPieces, "a5 b1 c0 d1 /"},
    {"SameWidthJoins", Shop(), GroupsOf({1}), Add(4, 1), R::Done, "a5 b1 c0 / 1d"},
    {"WidthOneMillimetreOff", Shop(), GroupsOf({1}), Add(2, 1), R::WidthMismatch, "a5 b1 c0 d1 / 1"},
    {"TenthPiece", Shop(), GroupsOf({9}), Add(1, 1), R::Done, "a4 b1 c0 d1 / 111111111a"},
    {"EleventhPiece", Shop(), GroupsOf({10}), Add(1, 1), R::GroupFull, "a5 b1 c0 d1 / 1111111111"},
    {"FullBeforeWidth", Shop(), GroupsOf({10}), Add(2, 1), R::GroupFull, "a5 b1 c0 d1 / 1111111111"},
    {"TenthGroup", Shop(), GroupsOf(kNine), Add(1, 0), R::Done, "a4 b1 c0 d1 / 1 2 3 4 5 6 7 8 9 a"},
    {"EleventhGroup", Shop(), GroupsOf(kTen), Add(1, 0), R::NoRoom, "a5 b1 c0 d1 / 1 2 3 4 5 6 7 8 9 0"},
    {"IntoTheTenthGroup", Shop(), GroupsOf(kTen), Add(1, 10), R::Done, "a4 b1 c0 d1 / 1 2 3 4 5 6 7 8 9 0a"},
    {"GroupNotInUse", Shop(), GroupsOf({1}), Add(1, 2), R::Invalid, "a5 b1 c0 d1 / 1"},
    {"NoElementZero", Shop(), GroupsOf({1}), Add(0, 1), R::Invalid, "a5 b1 c0 d1 / 1"},
    {"NoElementPastTheList", Shop(), GroupsOf({1}), Add(5, 1), R::Invalid, "a5 b1 c0 d1 / 1"},
    {"ReturnFirstClosesUp", Labelled("a"), GroupsOf({2, 1, 3}), Return(1), R::Done, "a1 11 11 / 2 333"},
    {"ReturnLast", Labelled("a"), GroupsOf({2, 1, 3}), Return(3), R::Done, "a1 31 31 31 / 11 2"},
    {"ReturnTwoOnto798", Sized(798), GroupsOf({2, 1, 3}), Return(1), R::Done, "800 elements / 2 333"},
    {"ReturnTwoOnto799", Sized(799), GroupsOf({2, 1, 3}), Return(1), R::ListFull, "799 elements / 11 2 333"},
    {"ReturnOneOnto799", Sized(799), GroupsOf({2, 1, 3}), Return(2), R::Done, "800 elements / 11 333"},
    {"ReturnOneOnto800", Sized(800), GroupsOf({2, 1, 3}), Return(2), R::ListFull, "800 elements / 11 2 333"},
    {"ReturnGroupZero", Labelled("a"), GroupsOf({2}), Return(0), R::Invalid, "a1 / 11"},
    {"ReturnGroupNotInUse", Labelled("a"), GroupsOf({2}), Return(2), R::Invalid, "a1 / 11"},
    {"ReturnAllOnto794", Sized(794), GroupsOf({2, 1, 3}), ReturnAllGroups, R::Done, "800 elements /"},
    {"ReturnAllOnto795", Sized(795), GroupsOf({2, 1, 3}), ReturnAllGroups, R::ListFull, "795 elements / 11 2 333"},
    {"MergeAppends", Labelled("ab"), GroupsOf({1}), Merge(-1, {2, 1}), R::Done, "a1 b1 x1 y1 / 1 11 2"},
    {"MergeDropsPastTheLimits", Sized(790), GroupsOf(kNine), Merge(20, {2, 1}), R::Done,
     "800 elements / 1 2 3 4 5 6 7 8 9 11"},
};

INSTANTIATE_TEST_SUITE_P(Cases, ListEditTable, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case> &info) { return info.param.name; });

} // namespace

TEST(ListEdits, MultiplyFactorAndMergeLimits)
{
    for (const auto &[factor, accepted] :
         {std::pair{-1LL, false}, {0LL, false}, {1LL, true}, {65535LL, true}, {65536LL, false}})
        EXPECT_EQ(IsMultiplyFactor(factor), accepted) << factor;
    for (const auto &[into, from, intoGroups, fromGroups, can] :
         {std::tuple{400, 399, 4, 5, true}, {400, 400, 5, 5, true}, {400, 401, 0, 0, false}, {0, 0, 5, 6, false}}) {
        EXPECT_EQ(CanMerge(Sized(into), GroupsOf(std::vector<int>(intoGroups, 1)), Sized(from),
                           GroupsOf(std::vector<int>(fromGroups, 1))),
                  can)
            << into << "+" << from << ", " << intoGroups << "+" << fromGroups;
    }
}

TEST(ListEdits, GrainOnAllAndCounterGrain)
{
    TElement banded = MakeElement(800, 300, 1, "g");
    banded.LengthBanding = BandingPvcTwo;
    banded.Grain = 1;
    TElement free = MakeElement(600, 200, 1, "f");
    free.WidthBanding = BandingAbsOne;
    TElementList list = ListOf({banded, free, banded, free, banded, free, banded});
    const TElementList before = list;
    int calls = 0;
    EXPECT_TRUE(TurnAcrossGrain(list, [&] { return ++calls > 0; }));
    EXPECT_EQ(calls, 2); // before elements 3 and 6
    TElement turned = banded;
    turned.Length = 300;
    turned.Width = 800;
    turned.LengthBanding = BandingNone;
    turned.WidthBanding = BandingPvcTwo;
    EXPECT_TRUE(Same(list[0], turned) && Same(list[6], turned) && Same(list[1], free));
    EXPECT_TRUE(TurnAcrossGrain(list, [] { return true; }));
    EXPECT_TRUE(Same(list, before));
    calls = 0;
    EXPECT_FALSE(TurnAcrossGrain(list, [&] { return ++calls < 2; })); // stopped before element 6
    EXPECT_TRUE(Same(list, before));

    SetGrainOfAll(list, false);
    EXPECT_EQ(Copy(list[0].Grain) + Copy(list[6].Grain), 0);
    SetGrainOfAll(list, true);
    EXPECT_EQ(Copy(list[1].Grain) + Copy(list[6].Grain) + Copy(list[7].Grain), 2); // slot 8 is no element
}
