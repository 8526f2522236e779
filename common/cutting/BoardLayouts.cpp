#include "common/cutting/BoardLayouts.h"

#include "common/cutting/FirstPlan.h"

#include <utility>

namespace {

constexpr int kSwapPercent = 15; // neighbours that swap in a shaken order

} // namespace

void ForEachLayout(const PlanProblem &problem, const std::vector<int> &pieces, int boards,
                   const std::function<bool(const BoardSet &)> &take, PlanRandom *random)
{
    for (const PieceOrder order : {PieceOrder::Area, PieceOrder::LongSide, PieceOrder::Length, PieceOrder::Width}) {
        std::vector<int> ordered = OrderedPieces(problem, pieces, order);
        if (random) {
            for (std::size_t i = 1; i < ordered.size(); ++i) {
                if (random->Chance(kSwapPercent))
                    std::swap(ordered[i - 1], ordered[i]);
            }
        }
        for (const SplitRule rule : {SplitRule::LargerPart, SplitRule::ShorterAxis}) {
            BoardSet layout(problem);
            for (const int piece : ordered) {
                layout.InsertOrOpen(piece, rule);
                if (layout.BoardCount() > boards)
                    break;
            }
            if (layout.BoardCount() <= boards && take(layout))
                return;
        }
    }
}
