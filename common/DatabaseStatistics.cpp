#include "common/DatabaseStatistics.h"

#include "common/Conversions.h"
#include "common/Settings.h"

#include <limits>

namespace {

constexpr double kMmPerMetre = 1000.0;

// The pieces of a group as an element list, for the list totals.
TElementList PiecesOf(const TElementGroup &group)
{
    TElementList list;
    ClearList(list);
    const int pieces = GroupPieceCount(group);
    for (int p = 0; p < pieces; ++p)
        list[static_cast<std::size_t>(p)] = group.Pieces[p];
    return list;
}

struct ListFigures {
    std::int32_t pieces;
    double area;
    double pvcTape;
    double absTape;
};

ListFigures FiguresOf(const TElementList &list, const TSettings &settings)
{
    const std::uint8_t surplus = settings.TapeSurplus();
    const std::int32_t allowance = settings.TapeAllowance();
    return {TotalPieces(list), TotalArea(list), PvcTapeLength(list, surplus, allowance) / kMmPerMetre,
            AbsTapeLength(list, surplus, allowance) / kMmPerMetre};
}

} // namespace

int MinimalBoardCount(double area, double usableArea)
{
    if (usableArea <= 0.0)
        return 1;
    const std::int32_t wholeBoards = RoundHalfEven(area / usableArea - 0.5);
    // The rounding saturates; the count does too instead of overflowing.
    return wholeBoards < std::numeric_limits<std::int32_t>::max() ? wholeBoards + 1 : wholeBoards;
}

DatabaseStatistics ComputeDatabaseStatistics(const TElementList &elements, const TElementGroups &groups,
                                             const TSettings &settings)
{
    const ListFigures listed = FiguresOf(elements, settings);
    const double usableArea = (settings.UsableBoardLength() / kMmPerMetre) * (settings.UsableBoardWidth() / kMmPerMetre);

    DatabaseStatistics s;
    s.pieces = listed.pieces;
    s.area = listed.area;
    s.minimalBoards = MinimalBoardCount(listed.area, usableArea);
    s.boardLength = settings.BoardLength();
    s.boardWidth = settings.BoardWidth();
    s.pvcTape = listed.pvcTape;
    s.absTape = listed.absTape;
    const int groupCount = GroupCount(groups);
    for (int g = 0; g < groupCount; ++g) {
        const ListFigures grouped = FiguresOf(PiecesOf(groups[static_cast<std::size_t>(g)]), settings);
        s.pieces += grouped.pieces;
        s.area += grouped.area;
        s.pvcTape += grouped.pvcTape;
        s.absTape += grouped.absTape;
    }
    s.lines = ElementCount(elements) + groupCount;
    return s;
}
