#include "common/cutting/LastBoard.h"

#include "common/cutting/FirstPlan.h"

namespace {

std::vector<int> PiecesOn(const BoardSet &boards, int board)
{
    const GuillotineBoard &b = boards.Board(board);
    std::vector<int> nodes, pieces;
    b.PiecesUnder(b.Root(), nodes);
    for (const int node : nodes)
        pieces.push_back(b.At(node).Piece);
    return pieces;
}

// Every piece another board takes leaves more room on the last one.
void MoveToOtherBoards(BoardSet &boards, int last)
{
    const std::vector<int> pieces = PiecesOn(boards, last);
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
    const std::vector<int> pieces = PiecesOn(boards, last);
    if (pieces.empty()) {
        std::vector<int> none;
        boards.RemoveBoard(last, none);
        return;
    }
    GuillotineBoard best = boards.Board(last);
    for (const PieceOrder order : {PieceOrder::Area, PieceOrder::LongSide, PieceOrder::Length, PieceOrder::Width}) {
        const std::vector<int> ordered = OrderedPieces(problem, pieces, order);
        for (const SplitRule rule : {SplitRule::LargerPart, SplitRule::ShorterAxis}) {
            BoardSet alone(problem);
            for (const int piece : ordered)
                alone.InsertOrOpen(piece, rule);
            if (alone.BoardCount() == 1 && alone.Board(0).LargestOffcut() > best.LargestOffcut())
                best = alone.Board(0);
        }
    }
    boards.Replace(last, best);
}
