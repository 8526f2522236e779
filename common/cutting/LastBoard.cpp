#include "common/cutting/LastBoard.h"

#include "common/cutting/BoardLayouts.h"

namespace {

// Every piece another board takes leaves more room on the last one.
void MoveToOtherBoards(BoardSet &boards, int last)
{
    const std::vector<int> pieces = boards.PiecesOn(last);
    for (const int piece : pieces) {
        boards.Remove(piece);
        if (!boards.Insert(piece, SplitRule::LargerPart, last))
            boards.Insert(piece, SplitRule::LargerPart); // back where there is room: on the last board
    }
}

} // namespace

void PolishLastBoard(const PlanProblem &problem, BoardSet &boards)
{
    if (boards.BoardCount() == 0)
        return;
    if (boards.BoardCount() > 1)
        MoveToOtherBoards(boards, boards.Emptiest());
    const int last = boards.Emptiest();
    const std::vector<int> pieces = boards.PiecesOn(last);
    if (pieces.empty()) {
        std::vector<int> none;
        boards.RemoveBoard(last, none);
        return;
    }
    GuillotineBoard best = boards.Board(last);
    ForEachLayout(problem, pieces, 1, [&](const BoardSet &layout) {
        if (layout.Board(0).LargestOffcut() > best.LargestOffcut())
            best = layout.Board(0);
        return false;
    });
    boards.Replace({{last, best}});
}
