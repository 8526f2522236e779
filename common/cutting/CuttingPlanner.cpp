#include "common/cutting/CuttingPlanner.h"

#include "common/cutting/FirstPlan.h"
#include "common/cutting/LastBoard.h"
#include "common/cutting/PlanBound.h"
#include "common/cutting/PlanSearch.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <numeric>

namespace {

// Beyond a kilometre no board is real, and grown sizes stay far from overflow.
constexpr std::int32_t kLargestMm = 1000000;

bool CanTurn(const CuttingBoard &board, const CuttingPiece &piece)
{
    return !(board.Grain && piece.Grain);
}

bool FitsBoard(const CuttingBoard &board, const CuttingPiece &piece)
{
    if (piece.Length <= 0 || piece.Width <= 0)
        return false;
    if (piece.Length <= board.UsableLength && piece.Width <= board.UsableWidth)
        return true;
    return CanTurn(board, piece) && piece.Width <= board.UsableLength && piece.Length <= board.UsableWidth;
}

PlanProblem ProblemOf(const PlanRequest &request)
{
    PlanProblem problem;
    problem.Kerf = request.Kerf;
    problem.Stages = request.Stages;
    problem.Length = request.Board.UsableLength + request.Kerf;
    problem.Width = request.Board.UsableWidth + request.Kerf;
    problem.BoardArea = static_cast<std::int64_t>(request.Board.UsableLength) * request.Board.UsableWidth;
    for (const CuttingPiece &piece : request.Pieces) {
        PieceShape shape;
        shape.Ex = piece.Length + request.Kerf;
        shape.Ey = piece.Width + request.Kerf;
        shape.CanTurn = CanTurn(request.Board, piece);
        shape.Area = static_cast<std::int64_t>(piece.Length) * piece.Width;
        problem.Shapes.push_back(shape);
    }
    if (!problem.Shapes.empty()) {
        problem.SmallestSide = problem.SmallestArea = std::numeric_limits<std::int32_t>::max();
        for (const PieceShape &shape : problem.Shapes) {
            problem.SmallestSide = std::min({problem.SmallestSide, shape.Ex, shape.Ey});
            problem.SmallestArea = std::min(problem.SmallestArea, static_cast<std::int64_t>(shape.Ex) * shape.Ey);
        }
    }
    return problem;
}

CuttingPlan PlanOf(const PlanRequest &request, const PlanProblem &problem, const BoardSet &boards)
{
    CuttingPlan plan;
    plan.Board = request.Board;
    plan.Kerf = request.Kerf;
    plan.Stages = request.Stages;
    plan.Pieces = request.Pieces;
    std::int64_t total = 0;
    for (const PieceShape &shape : problem.Shapes)
        total += shape.Area;
    plan.LowerBound = static_cast<int>((total + problem.BoardArea - 1) / problem.BoardArea);
    plan.LeastBoards = std::max(plan.LowerBound, LeastBoards(problem));
    std::vector<int> order(static_cast<std::size_t>(boards.BoardCount()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return boards.Area(a) > boards.Area(b); });
    for (const int board : order) {
        plan.Boards.push_back(boards.Board(board).Export());
        plan.AreaUsed += boards.Area(board);
    }
    return plan;
}

} // namespace

PlanResult PlanCutting(const PlanRequest &request, const PlanLimits &limits)
{
    PlanResult result;
    const CuttingBoard &board = request.Board;
    const bool stagesKnown = request.Stages == 0 || request.Stages == 2 || request.Stages == 3;
    const auto known = [](std::int32_t mm) { return mm > 0 && mm <= kLargestMm; };
    if (!known(board.UsableLength) || !known(board.UsableWidth) || request.Kerf < 0 || request.Kerf > kLargestMm
        || !stagesKnown) {
        result.Refusal = PlanRefusal::NoBoard;
        return result;
    }
    if (request.Pieces.size() > static_cast<std::size_t>(kMaxPlanPieces)) {
        result.Refusal = PlanRefusal::TooManyPieces;
        return result;
    }
    for (const CuttingPiece &piece : request.Pieces) {
        if (!FitsBoard(board, piece))
            result.TooLarge.push_back(piece.Ref);
    }
    if (!result.TooLarge.empty()) {
        result.Refusal = PlanRefusal::PieceTooLarge;
        return result;
    }

    const auto began = std::chrono::steady_clock::now();
    const auto seconds = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    };
    const PlanProblem problem = ProblemOf(request);
    BoardSet first = FirstBoards(problem, limits.Stop);
    PolishLastBoard(problem, first);
    result.Plan = PlanOf(request, problem, first);
    const auto report = [&](std::int64_t iterations, bool newBest) {
        if (limits.Progress)
            limits.Progress(PlanProgress{iterations, seconds(), &result.Plan, newBest});
    };
    report(0, true);

    SearchControl control;
    control.Iterations = limits.Iterations;
    control.Seconds = limits.Seconds - seconds();
    control.Seed = limits.Seed;
    control.Stop = limits.Stop;
    control.LowerBound = result.Plan.LeastBoards; // the search stops at an optimal plan
    control.Improved = [&](const BoardSet &best, std::int64_t iterations) {
        BoardSet boards = best;
        PolishLastBoard(problem, boards);
        result.Plan = PlanOf(request, problem, boards);
        report(iterations, true);
    };
    control.Tick = [&](std::int64_t iterations) { report(iterations, false); };
    ImproveBoards(problem, first, control, result.Iterations);
    return result;
}
