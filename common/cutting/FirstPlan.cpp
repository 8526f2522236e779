#include "common/cutting/FirstPlan.h"

#include <algorithm>
#include <numeric>

namespace {

// Big lists get fewer passes and look at fewer boards for each piece, so the
// first plan stays quick.
constexpr std::size_t kManyPieces = 3000;
constexpr int kBoardsEnough = 4;

std::int64_t Key(const PieceShape &s, PieceOrder order)
{
    switch (order) {
    case PieceOrder::Area: return s.Area;
    case PieceOrder::LongSide: return std::max(s.Ex, s.Ey);
    case PieceOrder::ShortSide: return std::min(s.Ex, s.Ey);
    case PieceOrder::Length: return s.Ex;
    case PieceOrder::Width: return s.Ey;
    }
    return 0;
}

bool Better(const BoardSet &a, const BoardSet &b)
{
    if (a.BoardCount() != b.BoardCount())
        return a.BoardCount() < b.BoardCount();
    return a.BoardCount() > 0 && a.Area(a.Emptiest()) < b.Area(b.Emptiest());
}

} // namespace

std::vector<int> OrderedPieces(const PlanProblem &problem, const std::vector<int> &pieces, PieceOrder order)
{
    std::vector<int> ordered = pieces;
    // Larger first; ties by area, then by the list's own order.
    std::stable_sort(ordered.begin(), ordered.end(), [&](int a, int b) {
        const PieceShape &sa = problem.Shapes[a];
        const PieceShape &sb = problem.Shapes[b];
        const std::int64_t ka = Key(sa, order), kb = Key(sb, order);
        return ka != kb ? ka > kb : sa.Area > sb.Area;
    });
    return ordered;
}

BoardSet FirstBoards(const PlanProblem &problem, const std::atomic<bool> *stop)
{
    std::vector<int> all(problem.Shapes.size());
    std::iota(all.begin(), all.end(), 0);
    std::vector<PieceOrder> orders = {PieceOrder::Area, PieceOrder::LongSide, PieceOrder::ShortSide,
                                      PieceOrder::Length, PieceOrder::Width};
    const int enough = all.size() > kManyPieces ? kBoardsEnough : 0;
    if (all.size() > kManyPieces)
        orders.resize(1);
    BoardSet best(problem);
    bool first = true;
    for (const PieceOrder order : orders) {
        const std::vector<int> ordered = OrderedPieces(problem, all, order);
        for (const SplitRule rule : {SplitRule::LargerPart, SplitRule::ShorterAxis}) {
            if (!first && stop && stop->load(std::memory_order_relaxed))
                return best;
            BoardSet boards(problem);
            for (const int piece : ordered)
                boards.InsertOrOpen(piece, rule, enough);
            if (first || Better(boards, best))
                best = std::move(boards);
            first = false;
        }
    }
    return best;
}
