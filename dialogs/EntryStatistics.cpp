#include "dialogs/EntryStatistics.h"

#include "common/Conversions.h"
#include "common/Encoding.h"
#include "common/Settings.h"

#include <cmath>

namespace {

constexpr const char *kSquareMetres = " m\u00b2";

std::string ThreeDecimals(double x)
{
    return FloatToFixed(0, 3, x);
}

} // namespace

EntryStatistics ComputeEntryStatistics(const TElementList &elements, const TSettings &settings)
{
    const double area = TotalArea(elements);
    const std::int32_t boardLength = settings.UsableBoardLength();
    const std::int32_t boardWidth = settings.UsableBoardWidth();
    const double boardArea = (boardLength / 1000.0) * (boardWidth / 1000.0);
    const double price = settings.PricePerM2();

    EntryStatistics s;
    s.pieces = IntToText(TotalPieces(elements)) + "  [" + IntToText(ElementCount(elements)) + "]";
    s.area = ThreeDecimals(area) + kSquareMetres;
    s.material = Win1250ToUtf8(settings.MaterialName());
    s.board = IntToText(boardLength) + " x " + IntToText(boardWidth);
    s.boardArea = ThreeDecimals(boardArea) + kSquareMetres;
    // Without a material there is no board to count.
    const bool hasBoard = boardLength > 0 && boardWidth > 0;
    s.boards = hasBoard ? FloatToFixed(0, 0, std::floor(area / boardArea) + 1) : "-";
    s.price = ThreeDecimals(price);
    s.totalPrice = ThreeDecimals(area * price);
    return s;
}
