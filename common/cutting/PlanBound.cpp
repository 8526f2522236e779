#include "common/cutting/PlanBound.h"

#include <algorithm>

namespace {

std::int64_t Ceil(std::int64_t value, std::int64_t unit)
{
    return value <= 0 ? 0 : (value + unit - 1) / unit;
}

// Sizes here are grown by the kerf, as the boards see them: two pieces fit side
// by side along a line exactly when their grown extents add up to the board's.
bool LongerThanHalf(std::int32_t extent, std::int32_t board)
{
    return 2 * static_cast<std::int64_t>(extent) > board;
}

// A piece turns only where it also fits the board turned.
bool Turns(const PlanProblem &problem, const PieceShape &shape)
{
    return shape.CanTurn && shape.Ey <= problem.Length && shape.Ex <= problem.Width;
}

// Pieces longer than half the board along x in every way they may lie all cross
// the line x = half, so their extents across it add up to at most the board's
// width on each board. acrossX says which way the line runs.
std::int64_t CrossingBound(const PlanProblem &problem, bool acrossX)
{
    const std::int32_t along = acrossX ? problem.Length : problem.Width;
    const std::int32_t across = acrossX ? problem.Width : problem.Length;
    std::int64_t total = 0;
    for (const PieceShape &shape : problem.Shapes) {
        const std::int32_t a = acrossX ? shape.Ex : shape.Ey;
        const std::int32_t b = acrossX ? shape.Ey : shape.Ex;
        // Turned, the piece's other side lies along the line's normal.
        const bool turns = Turns(problem, shape);
        if (!LongerThanHalf(a, along) || (turns && !LongerThanHalf(b, along)))
            continue;
        total += turns ? std::min(a, b) : b;
    }
    return Ceil(total, across);
}

// Pieces longer than half the board both ways, however they lie, never share a
// board; the others fit at best into what those leave and into further boards.
std::int64_t BigPieceBound(const PlanProblem &problem)
{
    std::int64_t big = 0, room = 0, rest = 0;
    for (const PieceShape &shape : problem.Shapes) {
        const bool asIs = LongerThanHalf(shape.Ex, problem.Length) && LongerThanHalf(shape.Ey, problem.Width);
        const bool turned = LongerThanHalf(shape.Ey, problem.Length) && LongerThanHalf(shape.Ex, problem.Width);
        if (asIs && (!Turns(problem, shape) || turned)) {
            ++big;
            room += problem.BoardArea - shape.Area;
        } else {
            rest += shape.Area;
        }
    }
    return big + Ceil(rest - room, problem.BoardArea);
}

} // namespace

int LeastBoards(const PlanProblem &problem)
{
    std::int64_t area = 0;
    for (const PieceShape &shape : problem.Shapes)
        area += shape.Area;
    const std::int64_t least = std::max({Ceil(area, problem.BoardArea), BigPieceBound(problem),
                                         CrossingBound(problem, true), CrossingBound(problem, false)});
    return static_cast<int>(least);
}
