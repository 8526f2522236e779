#include "common/cutting/BoardLayouts.h"

#include "common/cutting/FirstPlan.h"

void ForEachBoardLayout(const PlanProblem &problem, const std::vector<int> &pieces,
                        const std::function<bool(const GuillotineBoard &)> &take)
{
    for (const PieceOrder order : {PieceOrder::Area, PieceOrder::LongSide, PieceOrder::Length, PieceOrder::Width}) {
        const std::vector<int> ordered = OrderedPieces(problem, pieces, order);
        for (const SplitRule rule : {SplitRule::LargerPart, SplitRule::ShorterAxis}) {
            BoardSet alone(problem);
            for (const int piece : ordered) {
                alone.InsertOrOpen(piece, rule);
                if (alone.BoardCount() > 1)
                    break;
            }
            if (alone.BoardCount() == 1 && take(alone.Board(0)))
                return;
        }
    }
}
