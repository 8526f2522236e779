#include "common/cutting/BoardLayouts.h"

#include "common/cutting/FirstPlan.h"

void ForEachLayout(const PlanProblem &problem, const std::vector<int> &pieces, int boards,
                   const std::function<bool(const BoardSet &)> &take)
{
    for (const PieceOrder order : {PieceOrder::Area, PieceOrder::LongSide, PieceOrder::Length, PieceOrder::Width}) {
        const std::vector<int> ordered = OrderedPieces(problem, pieces, order);
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
