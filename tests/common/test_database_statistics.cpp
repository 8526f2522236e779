#include "common/DatabaseStatistics.h"
#include "common/Settings.h"

#include "support/Elements.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

TElement Banded(std::int32_t length, std::int32_t width, std::uint16_t count, std::uint8_t lengthCode)
{
    TElement e = MakeElement(length, width, count);
    e.LengthBanding = lengthCode;
    return e;
}

struct StatisticsCase {
    const char *name;
    std::vector<TElement> elements;
    std::vector<std::vector<TElement>> groups;
    bool onBoard; // a usable board of 2000 x 1000 mm, else none
    std::uint8_t surplus;
    std::int32_t allowance;
    DatabaseStatistics expected; // pieces, lines, area, boards, board size (not checked), PVC m, ABS m
};

class Statistics : public ::testing::TestWithParam<StatisticsCase> {};

TEST_P(Statistics, CountsGroupPiecesInAllButTheBoards)
{
    const StatisticsCase &c = GetParam();
    TElementGroups groups = NoGroups();
    for (std::size_t g = 0; g < c.groups.size(); ++g)
        for (std::size_t p = 0; p < c.groups[g].size(); ++p)
            groups[g].Pieces[p] = c.groups[g][p];
    TSettings settings;
    settings.SetUsableBoardLength(c.onBoard ? 2000 : 0);
    settings.SetUsableBoardWidth(c.onBoard ? 1000 : 0);
    settings.SetTapeSurplus(c.surplus);
    settings.SetTapeAllowance(c.allowance);
    const DatabaseStatistics s = ComputeDatabaseStatistics(ListOf(c.elements), groups, settings);
    EXPECT_EQ(s.pieces, c.expected.pieces);
    EXPECT_EQ(s.lines, c.expected.lines);
    EXPECT_NEAR(s.area, c.expected.area, 1e-9);
    EXPECT_EQ(s.minimalBoards, c.expected.minimalBoards);
    EXPECT_NEAR(s.pvcTape, c.expected.pvcTape, 1e-9);
    EXPECT_NEAR(s.absTape, c.expected.absTape, 1e-9);
}

const TElement kPiece = MakeElement(2000, 1000);

INSTANTIATE_TEST_SUITE_P(Databases, Statistics, ::testing::Values(
    StatisticsCase{"Empty", {}, {}, true, 110, 20, {0, 0, 0.0, 1, 0, 0, 0.0, 0.0}},
    StatisticsCase{"SurplusAndAllowance", {Banded(1000, 500, 4, BandingPvcTwo)}, {}, false, 110, 20,
                   {4, 1, 2.0, 1, 0, 0, 8.976, 0.0}},
    StatisticsCase{"GroupIsOneLine", {MakeElement(500, 100, 2), MakeElement(400, 100, 2), MakeElement(300, 100, 2)},
                   {{MakeElement(200, 100)}, {MakeElement(200, 50), MakeElement(300, 50), MakeElement(400, 50)}},
                   false, 100, 0, {10, 5, 0.24 + 0.02 + 0.045, 1, 0, 0, 0.0, 0.0}},
    StatisticsCase{"OneBoardFilled", {kPiece}, {}, true, 100, 0, {1, 1, 2.0, 1, 0, 0, 0.0, 0.0}},
    StatisticsCase{"TwoBoardsFilled", {MakeElement(2000, 1000, 2)}, {}, true, 100, 0, {2, 1, 4.0, 3, 0, 0, 0.0, 0.0}},
    StatisticsCase{"ThreeBoardsFilled", {MakeElement(2000, 1000, 3)}, {}, true, 100, 0, {3, 1, 6.0, 3, 0, 0, 0.0, 0.0}},
    StatisticsCase{"GroupsNeedNoBoards", {kPiece}, {{kPiece, kPiece}}, true, 100, 0, {3, 2, 6.0, 1, 0, 0, 0.0, 0.0}},
    // 5 mm at 50 %: 2.5 rounds to 2 in each group, where the sum of 10 mm would give 5.
    StatisticsCase{"TapeRoundedPerGroup", {},
                   {{Banded(5, 100, 1, BandingPvcOne)}, {Banded(5, 100, 1, BandingAbsOne)}, {Banded(5, 100, 1, BandingPvcOne)}},
                   false, 50, 0, {3, 3, 0.0015, 1, 0, 0, 0.004, 0.002}}),
    [](const ::testing::TestParamInfo<StatisticsCase> &info) { return std::string(info.param.name); });

TEST(MinimalBoardCount, OneMoreThanTheWholeBoardsWithTiesToEven)
{
    const struct { double area, usableArea; int boards; } cases[] = {
        {0.0, 2.0, 1}, {1.0, 2.0, 1}, {2.0, 2.0, 1}, {2.4, 2.0, 2}, {3.0, 2.0, 2}, {4.0, 2.0, 3},
        {5.0, 2.0, 3}, {6.0, 2.0, 3}, {7.0, 2.0, 4}, {8.0, 2.0, 5}, {5.0, 0.0, 1}, {5.0, -1.0, 1},
        {1e12, 1e-6, std::numeric_limits<std::int32_t>::max()}};
    for (const auto &c : cases)
        EXPECT_EQ(MinimalBoardCount(c.area, c.usableArea), c.boards) << c.area << " / " << c.usableArea;
}

} // namespace
