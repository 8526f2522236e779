#include "main/PlanSummary.h"

#include "common/Conversions.h"

namespace {

constexpr double kMm2PerM2 = 1e6;

QString Fixed(int decimals, double value)
{
    return QString::fromStdString(FloatToFixed(0, static_cast<std::uint8_t>(decimals), value));
}

double UsableArea(const CuttingBoard &board)
{
    return static_cast<double>(board.UsableLength) * board.UsableWidth;
}

// Percent of `boards` usable boards that `area` mm² fill; 0 without a board.
double UsedPercent(double area, std::size_t boards, const CuttingBoard &board)
{
    const double usable = UsableArea(board) * static_cast<double>(boards);
    return usable > 0 ? 100.0 * area / usable : 0.0;
}

} // namespace

QString PlanSummaryLine(const CuttingPlan &plan, const PlanCosts &costs)
{
    const std::size_t boards = plan.Boards.size();
    const double boardArea = static_cast<double>(plan.Board.Length) * plan.Board.Width / kMm2PerM2;
    const double price = static_cast<double>(boards) * boardArea * costs.PricePerM2;
    return QStringLiteral("Table: %1 (najmanje %2) | Iskorisceno: %3 % | Cena tabli: %4 | Kant traka: %5 m | ABS traka: %6 m")
        .arg(boards)
        .arg(plan.LeastBoards)
        .arg(Fixed(1, UsedPercent(static_cast<double>(plan.AreaUsed), boards, plan.Board)), Fixed(2, price),
             Fixed(2, costs.PvcTape), Fixed(2, costs.AbsTape));
}

QString BoardLine(const CuttingPlan &plan, int board)
{
    const BoardPlan &shown = plan.Boards[static_cast<std::size_t>(board)];
    double area = 0;
    for (const PlacedPiece &placed : shown.Pieces)
        area += static_cast<double>(placed.Length) * placed.Width;
    return QStringLiteral("Tabla %1 / %2: %3 komada, iskorisceno %4 %")
        .arg(board + 1)
        .arg(plan.Boards.size())
        .arg(shown.Pieces.size())
        .arg(Fixed(1, UsedPercent(area, 1, plan.Board)));
}
